// The confusion map: every eligible drill's answers per set class asked and
// answered; a cell plays the class asked and then the one answered.
import { arg, tr } from './i18n';
import type { PlannedNote } from './sound';
import type { WebConfusionsNative } from './core';

const t = (source: string) => tr('TConfusionForm', source);
const percent = (share: number) => String(Math.floor(share * 100 + 0.5));

export function drawConfusions(
  native: WebConfusionsNative,
  errorsText: string,
  cardinalityIndex: number,
  play: (asked: number, answered: number) => void,
) {
  const { names, counts } = native.matrix(errorsText, cardinalityIndex);
  const table = document.getElementById('cf-table')!;
  const head = document.createElement('tr');
  head.append(document.createElement('td'));
  for (const n of [...names, t('Right %')]) {
    const th = document.createElement('th');
    th.scope = 'col';
    th.textContent = n;
    head.append(th);
  }
  const rows = counts.map((row, r) => {
    const tr = document.createElement('tr');
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = names[r];
    tr.append(th);
    const total = row.reduce((a, b) => a + b, 0);
    row.forEach((count, a) => {
      const td = document.createElement('td');
      if (count > 0) {
        const b = document.createElement('button');
        b.type = 'button';
        b.textContent = percent(count / total);
        b.className = a === r ? 'right' : 'wrong';
        // Heard after the share it shows, so that the name begins with what is seen.
        const said = document.createElement('span');
        said.className = 'visually-hidden';
        said.textContent =
          ' % ' +
          (a === r
            ? arg(t('%1: %2 right of %3 answers'), names[r], count, total)
            : arg(t('%1 answered as %2: %3 of %4 answers'), names[r], names[a], count, total));
        b.append(said);
        b.onclick = () => play(r, a);
        td.append(b);
      }
      tr.append(td);
    });
    const right = document.createElement('td');
    right.textContent = total > 0 ? ((row[r] / total) * 100).toFixed(1) : '–';
    tr.append(right);
    return tr;
  });
  table.replaceChildren(head, ...rows);
}

export function pairPlan(native: WebConfusionsNative, asked: number, answered: number, cardinalityIndex: number, range: number, manner: number): PlannedNote[] {
  // A right-answer cell plays its class once.
  return native.playPair(asked, answered === asked ? -1 : answered, cardinalityIndex, range, manner, Date.now() % 2147483647);
}
