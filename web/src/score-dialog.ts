// The score after END: the drill's figures and the six high-score tables,
// the drill's own shown first with its new row marked; its error report.
import type { ScoreView } from './core';
import { showErrors } from './errors-dialog';
import { $, showModal } from './page';
import { HighScoreTable } from './score-table';

let highScores: HighScoreTable | null = null;

export async function showScore(s: ScoreView) {
  $('s-time').textContent = s.time;
  $('s-points').textContent = s.timePoints;
  $('s-pct').textContent = s.percentage;
  $('s-long').textContent = s.longevity;
  $('s-score').textContent = s.score;
  $('s-filter').hidden = !s.filtersUsed;
  let card = s.cardinality;
  let range = s.range;
  const show = () => {
    highScores ??= new HighScoreTable($('s-list'), $('s-header'), $('s-rows'));
    highScores.show(s.tables[card * 3 + range] ?? [], card === s.cardinality && range === s.range ? s.newEntryIndex : -1);
    for (const b of document.querySelectorAll<HTMLButtonElement>('#score-dialog .speed button')) {
      const down = b.dataset.card !== undefined ? Number(b.dataset.card) === card : Number(b.dataset.range) === range;
      b.setAttribute('aria-pressed', String(down));
    }
  };
  for (const b of document.querySelectorAll<HTMLButtonElement>('#score-dialog .speed button')) {
    b.onclick = () => {
      if (b.dataset.card !== undefined) card = Number(b.dataset.card);
      else range = Number(b.dataset.range);
      show();
    };
  }
  show();
  $('s-errors').onclick = () => void showErrors();
  const closed = showModal('score-dialog');
  $('s-ok').focus();
  await closed;
}
