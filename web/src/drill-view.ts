// The drill window: the counts, the answer list and field, the selectors,
// BEGIN/END and the play buttons, and the drill's keys, as on the desktop.
import type { DrillView } from './core';
import { judgedText, startedText, stateText } from './announce';
import { drawStarted } from './assign-view';
import { heardAfterAnswer } from './heard-view';
import { $, act, check, files, onRender, page, pacing, say, tell, view } from './page';
import { showFilters } from './filters-dialog';
import { showScore } from './score-dialog';

export function render(next: DrillView = page.drill.view()) {
  const wasDrilling = page.view?.drilling ?? false;
  let v = next;
  if (wasDrilling && !v.drilling) page.sound?.end();
  if (page.practice) v = page.practice.adjust(v);
  page.view = v;
  $('caption').textContent = v.catalogueMissing ? 'File Error!' : 'Sonorix';
  $('correct').textContent = String(v.correct);
  $('incorrect').textContent = String(v.incorrect);
  $('time').textContent = v.clock;
  $('time').hidden = !v.clockShown;
  const begin = $<HTMLButtonElement>('begin');
  begin.textContent = v.begin;
  begin.disabled = !v.beginEnabled;
  for (const id of ['repeat', 'up', 'down']) $<HTMLButtonElement>(id).disabled = !v.playEnabled;
  $('prefix').textContent = v.prefix;
  const list = $<HTMLSelectElement>('listbox');
  const labels = v.rows.map((r) => r.label);
  if (labels.join('\n') !== [...list.options].map((o) => o.text).join('\n')) {
    const keep = list.selectedIndex;
    list.replaceChildren(...labels.map((l, i) => new Option(l, String(i))));
    list.selectedIndex = keep < labels.length ? keep : -1;
  }
  check('cardinality', v.cardinality);
  check('range', v.range);
  check('manner', v.manner);
  page.practice?.refresh();
  drawStarted();
}
onRender(render);

export async function beginOrEnd() {
  if (!view().beginEnabled) return;
  if (view().drilling && page.practice?.running) return page.practice.end();
  if (!view().drilling) await page.soundReady;
  const score = await act(() => page.drill.beginOrEnd(), true);
  if (!view().drilling) {
    pacing.drop();
    if (score) await showScore(score);
    await act((d) => d.scoreClosed());
  } else {
    say(startedText());
    $('edit1').focus();
  }
}

export async function submit() {
  const edit = $<HTMLInputElement>('edit1');
  // While the next question waits for the student, Enter asks for it.
  if (pacing.release()) {
    edit.focus();
    return;
  }
  const row = $<HTMLSelectElement>('listbox').selectedIndex;
  edit.value = '';
  const before = view();
  const practice = page.practice;
  const practising = practice?.running ?? false;
  // The question before the answer moves the drill on, for What I Heard and practice.
  const asked = before.drilling || practising ? page.drill.question() : null;
  const heardAsked = before.drilling && $<HTMLInputElement>('show-heard').checked ? asked : null;
  const judged = await act(() => page.drill.submit(row), true);
  if (practice && practising && asked && judged.counted) {
    const listIndices = page.drill.rowListIndices();
    const label = (i: number) => before.rows[listIndices.indexOf(i)]?.label ?? '';
    practice.answered(asked, listIndices[row] ?? -1, label(asked.listIndex), before.rows[row]?.label ?? '');
  }
  tell('judged', judged.judgeMs);
  if (before.drilling) say([judgedText(judged, row, before, view()), heardAfterAnswer(judged.right, heardAsked, before.manner, $('show-heard'))].filter(Boolean).join(' '));
  // The next answer is typed where the last one was.
  edit.focus();
}

export const repeat = () => act((d) => d.repeat());
export const arpeggiate = (up: boolean) => act((d) => d.arpeggiate(up));

export function wireDrill() {
  $('begin').addEventListener('click', () => void beginOrEnd());
  $('repeat').addEventListener('click', () => void repeat());
  $('up').addEventListener('click', () => void arpeggiate(true));
  $('down').addEventListener('click', () => void arpeggiate(false));
  $('answer').addEventListener('submit', (e) => {
    e.preventDefault();
    void submit();
  });
  const edit = $<HTMLInputElement>('edit1');
  const list = $<HTMLSelectElement>('listbox');
  // Typing a set class's number selects its row.
  edit.addEventListener('input', () => {
    const row = page.drill.native.rowOfText(edit.value);
    if (row >= 0) list.selectedIndex = row;
  });
  // Choosing a row puts its number into the field; it does not submit.
  list.addEventListener('change', () => {
    if (list.selectedIndex >= 0) edit.value = page.drill.native.nameOfRow(list.selectedIndex);
  });
  for (const name of ['cardinality', 'range', 'manner']) {
    for (const r of document.querySelectorAll<HTMLInputElement>(`input[name="${name}"]`)) {
      r.addEventListener('change', () => {
        const i = Number(r.value);
        void act((d) => (name === 'cardinality' ? d.setCardinality(i) : name === 'range' ? d.setRange(i) : d.setManner(i)));
      });
    }
  }
  $('more-filters').addEventListener('click', () => void showFilters());
  $('next').addEventListener('click', () => {
    pacing.release();
    $('edit1').focus();
  });
  document.addEventListener('keydown', drillKeys);
  window.addEventListener('pagehide', () => {
    files.act(() => page.drill.native.close());
  });
  // A hidden page's timers may not run to release its notes.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') page.sound?.end();
  });
  setInterval(() => {
    if (page.view?.drilling) render();
  }, 1000);
}

function drillKeys(e: KeyboardEvent) {
  if (document.querySelector('dialog[open]')) return;
  const target = e.target as HTMLElement;
  const inMenu = !!target.closest('nav');
  if (e.ctrlKey && !e.altKey && (e.key === 'b' || e.key === 'B')) {
    e.preventDefault();
    void beginOrEnd();
    return;
  }
  // The counts and the time, spoken on demand, as on the desktop.
  if (e.ctrlKey && !e.altKey && (e.key === 'i' || e.key === 'I')) {
    e.preventDefault();
    say(stateText(view()));
    return;
  }
  // Space asks for a question that waits, wherever the focus is but on a button.
  if (e.key === ' ' && pacing.waiting && !(target instanceof HTMLButtonElement) && target.closest('main, body') && !inMenu) {
    e.preventDefault();
    pacing.release();
    return;
  }
  const fkey = ['F1', 'F2', 'F3'].indexOf(e.key);
  if (fkey >= 0) {
    e.preventDefault();  // the browser's own help
    if (fkey === 0) void repeat();
    else void arpeggiate(fkey === 1);
    return;
  }
  if (inMenu || e.ctrlKey || e.altKey || e.metaKey) return;
  // p, q and r on a button or the list, as on the desktop.
  const onControl = target instanceof HTMLButtonElement || target === $('listbox');
  if (onControl && ['p', 'q', 'r'].includes(e.key) && target.closest('main')) {
    e.preventDefault();
    if (e.key === 'p') void repeat();
    else void arpeggiate(e.key === 'q');
    return;
  }
  // Enter anywhere in the drill submits, once.
  if (e.key === 'Enter' && target.closest('main') && target !== $('edit1')) {
    e.preventDefault();
    void submit();
  }
}
