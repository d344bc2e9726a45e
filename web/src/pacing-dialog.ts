// Pacing: the pause before each question, or "wait for me".
import { pageContext, tr } from './i18n';
import { $, pacing, showModal } from './page';
import { storePacing } from './pacing';

export async function showPacing() {
  const pause = $<HTMLSelectElement>('pacing-pause');
  const wait = $<HTMLInputElement>('pacing-wait');
  for (const o of pause.options) {
    const n = Number(o.value);
    o.text = n === 0 ? tr(pageContext, 'no pause') : tr(pageContext, '%n second(s)', n);
  }
  pause.value = String(pacing.choice.pauseSeconds);
  wait.checked = pacing.choice.waitForMe;
  await showModal('pacing-dialog');
  // Every way of closing keeps the choice, as the filter window does.
  pacing.choice = { pauseSeconds: Number(pause.value), waitForMe: wait.checked };
  storePacing(pacing.choice);
}
