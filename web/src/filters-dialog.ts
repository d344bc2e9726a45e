// More Filters: the set classes of a cardinality to drill, the range, and
// whether they are saved; every way of closing applies them, as on the desktop.
import type { FiltersView } from './core';
import { $, act, check, page, showModal } from './page';

// The boxes checked, as the filter file's two masks.
export function filterMasks(checked: boolean[]): { low: number; high: number } {
  let low = 0;
  let high = 0;
  checked.forEach((on, i) => {
    if (!on) return;
    if (i < 16) low |= 1 << i;
    else high |= 1 << (i - 16);
  });
  return { low, high };
}

export async function showFilters() {
  const f = page.drill.filters();
  const draw = (state: FiltersView) => {
    $('filters-label').textContent = state.cardinality === 0 ? 'trichords' : 'tetrachords';
    const boxes = document.querySelector('#filter-boxes .boxes')!;
    boxes.replaceChildren(
      ...state.boxes.map((b, i) => {
        const label = document.createElement('label');
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.checked = b.checked;
        box.dataset.index = String(i);
        label.append(box, ` ${b.label}`);
        return label;
      }),
    );
    check('fcard', state.cardinality);
    check('frange', state.range);
  };
  draw(f);
  $<HTMLInputElement>('filters-save').checked = f.save;
  const boxes = () => [...document.querySelectorAll<HTMLInputElement>('#filter-boxes .boxes input')];
  $('filters-all').onclick = () => boxes().forEach((b) => (b.checked = true));
  $('filters-none').onclick = () => boxes().forEach((b) => (b.checked = false));
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="fcard"]')) {
    r.onchange = () => {
      const card = Number(r.value);
      if (card === f.cardinality) return;
      // Another cardinality starts with all of its set classes on.
      f.cardinality = card;
      f.boxes = page.drill.filtersFor(card).boxes;
      draw(f);
    };
  }
  await showModal('filters-dialog');
  const { low, high } = filterMasks(boxes().map((b) => b.checked));
  const range = Number(document.querySelector<HTMLInputElement>('input[name="frange"]:checked')?.value ?? 0);
  await act((d) => d.applyFilters(f.cardinality, range, low, high, $<HTMLInputElement>('filters-save').checked));
}
