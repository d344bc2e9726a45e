// My Progress: the drill log's table and charts of a person, their practice
// and its focus, the table as CSV; and the confusion map.
import { drawConfusions, pairPlan } from './confusions-view';
import { showPair } from './heard-view';
import { arg, tr } from './i18n';
import { $, check, download, files, page, play, showModal, view } from './page';
import { showPracticeProgress } from './practice';

// Loaded when first used, so that the first question does not wait for it.
const progressView = () => import('./progress-view');

export async function showProgress() {
  const core = page.core;
  if (!core) return;
  const { showProgressFigures } = await progressView();
  // The log as every tab last wrote it.
  const progress = await files.act(() => new core.WebProgress());
  try {
    const people = progress.people();
    const select = $<HTMLSelectElement>('pr-person');
    select.replaceChildren(...people.map((p, i) => new Option(p || tr('TProgressForm', '(no name)'), String(i))));
    // The person logged in first.
    select.selectedIndex = Math.max(0, people.indexOf(view().person));
    const draw = () => {
      showProgressFigures(progress, select.selectedIndex);
      // The practice of the person chosen; of the one logged in when the drill log has nobody yet.
      const person = people[select.selectedIndex] ?? view().person;
      showPracticeProgress(core.practiceProgress(person, page.drill.rowListIndices()));
      const sung = core.singCounts(person);
      $('sing-counts').textContent = arg(tr('WebSing', 'Sung questions: %1; right at the first try: %2'), sung.sung, sung.firstTryRight);
    };
    select.onchange = draw;
    $('pr-csv').onclick = () => {
      if (select.selectedIndex < 0) return;
      const name = (people[select.selectedIndex] || 'no-name').replace(/[^\p{L}\p{N}_-]+/gu, '_');
      download(new Blob([progress.csv(select.selectedIndex)], { type: 'text/csv' }), `progress-${name}.csv`);
    };
    const shown = showModal('progress-dialog');
    draw();
    await shown;
  } finally {
    progress.delete();
  }
}

export async function showConfusions() {
  const native = page.confusions;
  if (!native) return;
  const errors = await files.act(() => new TextDecoder('latin1').decode(files.read('errors.dat') ?? new Uint8Array()));
  let card = view().cardinality;
  const draw = () => {
    $('cf-heard').hidden = true;
    drawConfusions(native, errors, card, (asked, answered) => {
      showPair(card, asked, answered, $('cf-heard'));
      play(pairPlan(native, asked, answered, card, view().range, view().manner));
    });
  };
  check('cfcard', card);
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="cfcard"]')) {
    r.onchange = () => {
      card = Number(r.value);
      draw();
    };
  }
  draw();
  await showModal('confusions-dialog');
}
