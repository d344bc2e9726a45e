// Class › Assignments…: the student sees what is set, how far they are and
// when it is due, and starts one (its settings in force over their own) or
// stops it; the teacher makes, edits, copies and deletes them. After a login
// the header says briefly what is due this week.
import type { AssignmentProgressValue, AssignmentsAnswer, AssignmentValue } from './core';
import { account, assignments, at, coreText, dayText, progressText, readAssignments, statusText, writeAssignments } from './assign-core';
import { editAssignment } from './assign-editor';
import { arg, tr } from './i18n';
import { $, act, files, page, showModal } from './page';

let list: AssignmentValue[] = [];
let progress: AssignmentProgressValue[] = [];
let fault = '';

function el<K extends keyof HTMLElementTagNameMap>(tag: K, text = '', cls = ''): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  e.textContent = text;
  if (cls) e.className = cls;
  return e;
}

function button(text: string, label: string, click: () => void) {
  const b = el('button', text);
  b.type = 'button';
  // The title names which one, for a screen reader's list of buttons.
  b.setAttribute('aria-label', `${text}: ${label}`);
  b.addEventListener('click', click);
  return b;
}

// What to drill: the classes, the range and the play mode, in the catalogues' words.
function settingsText(x: AssignmentValue) {
  const classes = x.allClasses ? tr('TClassOverview', x.cardinality === 4 ? 'tetrachords' : 'trichords') : x.classes.join(' ');
  const range = tr('TClassOverview', ['close position', 'within 1 octave', 'within 2 octaves'][x.range] ?? '');
  const play = tr('TForm1', ['chord', 'figure', 'mixed figure'][x.playMode] ?? '');
  return `${classes}; ${range}; ${tr('TForm1', 'Play:')} ${play}`;
}

function took(answer: AssignmentsAnswer) {
  list = answer.assignments;
  // As the desktop's window: the file's first skipped line when nothing else is to be said.
  const skipped = answer.warnings[0];
  fault = answer.message || !skipped ? coreText(answer.message) : arg(at('%1, line %2: %3'), 'assignments.txt', skipped.line, coreText(skipped.why));
}

async function ownProgress() {
  const person = page.view?.person ?? '';
  const own = await files.act(() => assignments()!.own(person));
  progress = own.progress;
  return own;
}

// The heading and the page's title while one is started.
export function drawStarted(title = page.drill.native.assignment()) {
  const mark = $('assign-mark');
  mark.hidden = !title;
  mark.textContent = title ? arg(at('Assignment: %1'), title) : '';
  if (title && !document.title.endsWith(title)) document.title = `${document.title} - ${title}`;
}

function draw() {
  const a = account();
  const started = page.drill.native.assignment();
  $('as-where').textContent = a ? `${a.address} (${a.account})` : '';
  $('as-status').textContent = !a
    ? at('Join a class to see its assignments (Class › Join a Class…).')
    : list.length ? at('%n assignment(s)', list.length) : at('No assignments are set.');
  const faultLine = $('as-fault');
  faultLine.hidden = !fault;
  faultLine.textContent = fault;
  $('as-new').hidden = !a?.teacher;
  const stop = $<HTMLButtonElement>('as-stop');
  stop.hidden = !started;
  stop.textContent = started ? arg(at('Stop "%1"'), started) : '';
  const items = list.map((x, i) => {
    const li = el('li', '', 'as-item');
    const p = progress[i];
    if (p) li.dataset.status = p.status;
    li.append(el('h3', x.title));
    li.append(el('p', arg(at('From %1, due %2'), dayText(x.start), dayText(x.due))));
    li.append(el('p', settingsText(x)));
    if (p && !a?.teacher) {
      const line = el('p', '', `as-progress as-${p.status.replace(' ', '-')}`);
      line.append(el('strong', statusText(p)), `: ${progressText(x, p)}`);
      li.append(line);
    }
    for (const text of x.instructions) if (text) li.append(el('p', text, 'as-instructions'));
    const buttons = el('p', '', 'as-buttons');
    if (a?.teacher) {
      buttons.append(
        button(at('Edit…'), x.title, () => void change(i, 'edit')),
        ' ',
        button(at('Copy…'), x.title, () => void change(i, 'copy')),
        ' ',
        button(at('Delete…'), x.title, () => void change(i, 'delete')),
      );
    } else if (started !== x.title) {
      buttons.append(button(at('Start'), x.title, () => void start(x)));
    }
    li.append(buttons);
    return li;
  });
  $('as-list').replaceChildren(...items);
}

async function start(x: AssignmentValue) {
  const ok = await act((d) => d.startAssignment(x));
  fault = ok ? '' : at('The assignment names a set class the catalogue does not have.');
  drawStarted(ok ? x.title : '');
  draw();
  $<HTMLButtonElement>('as-stop').focus();
}

export async function stopAssignment() {
  await act((d) => d.stopAssignment());
  drawStarted('');
  draw();
}

async function confirmDelete(title: string) {
  $('confirm-title').textContent = at('Delete');
  $('confirm-text').textContent = arg(at('Delete "%1"? The students\' drills stay as they are.'), title);
  $('confirm-yes').textContent = at('Delete');
  const yes = (await showModal('confirm-dialog')) === 'yes';
  // The dialog is the import's again.
  $('confirm-title').textContent = 'Import';
  $('confirm-yes').textContent = 'Replace';
  return yes;
}

// New (index -1), edit, copy or delete: the whole list written back, never over another device's change.
async function change(index: number, how: 'new' | 'edit' | 'copy' | 'delete') {
  const next = [...list];
  if (how === 'delete') {
    if (!(await confirmDelete(list[index].title))) return;
    next.splice(index, 1);
  } else {
    const base = how === 'new' ? null : { ...list[index], title: how === 'copy' ? arg(at('%1 (copy)'), list[index].title) : list[index].title };
    const made = await editAssignment(base);
    if (!made) return;
    if (how === 'edit') next[index] = made;
    else next.push(made);
  }
  $('as-status').textContent = at('Saving…');
  took(await writeAssignments(next));
  draw();
  $('as-list').querySelector<HTMLElement>('button')?.focus();
}

export async function showAssignments() {
  if (!page.core) return;
  const a = account();
  fault = '';
  list = [];
  progress = [];
  draw();
  const closed = showModal('assign-dialog');
  $('as-new').onclick = () => void change(-1, 'new');
  $('as-stop').onclick = () => void stopAssignment();
  if (a) {
    $('as-status').textContent = at('Reading the assignments…');
    took(await readAssignments(a));
    if (!a.teacher) await ownProgress();
    draw();
  }
  (document.querySelector<HTMLElement>('#as-list button, #as-new:not([hidden]), #as-stop:not([hidden])') ?? $('as-title')).focus();
  await closed;
}

// Right after a login: what is due this week, briefly, in the header's live line.
export async function sayDue() {
  const line = $('assign-due');
  const a = account();
  if (!a || a.teacher || !page.core) {
    line.hidden = true;
    return;
  }
  const answer = await readAssignments(a);
  if (answer.outcome !== 'done') return;
  took(answer);
  const own = await ownProgress();
  const items = own.due.items.map((i) => arg(at('%1 by %2'), i.title, dayText(i.due))).join(', ');
  const text = own.due.count > 0 ? arg(at('%n assignment(s) due this week: %1', own.due.count), items) : '';
  line.textContent = text;
  line.hidden = !text;
}
