// The teacher's editor of one assignment: the set classes chosen by check
// boxes as in the filter window, the cardinality, range, play mode, what
// counts as done and the dates. The core says whether it may be saved, in
// the desktop's editor's words.
import type { AssignmentValue } from './core';
import { assignments, coreText } from './assign-core';
import { $, check, page, showModal } from './page';

const iso = (day: Date) => day.toISOString().slice(0, 10);
const number = (id: string) => Math.trunc(Number($<HTMLInputElement>(id).value));
const chosen = (name: string) => Number(document.querySelector<HTMLInputElement>(`input[name="${name}"]:checked`)?.value ?? 0);
const boxes = () => [...document.querySelectorAll<HTMLInputElement>('#ae-boxes .boxes input')];

function drawBoxes(cardinality: number, on: (name: string) => boolean) {
  const classes = assignments()!.classes(cardinality);
  document.querySelector('#ae-boxes .boxes')!.replaceChildren(
    ...classes.map((c) => {
      const label = document.createElement('label');
      const box = document.createElement('input');
      box.type = 'checkbox';
      box.checked = on(c.name);
      box.value = c.name;
      label.append(box, ` ${c.label}`);
      return label;
    }),
  );
}

function fill(a: AssignmentValue | null) {
  const today = new Date(Date.UTC(1899, 11, 30) + page.clock.today() * 86400000);
  const sunday = new Date(today.getTime() + ((7 - today.getUTCDay()) % 7) * 86400000);
  const x: AssignmentValue = a ?? {
    title: '', instructions: [], cardinality: 3, allClasses: true, classes: [], range: 0, playMode: 0,
    goal: 0, count: 3, right: 5, percent: 80, start: iso(today), due: iso(sunday),
  };
  $<HTMLInputElement>('ae-name').value = x.title;
  $<HTMLTextAreaElement>('ae-instructions').value = x.instructions.join('\n');
  check('aecard', x.cardinality);
  drawBoxes(x.cardinality, (name) => x.allClasses || x.classes.includes(name));
  check('aerange', x.range);
  check('aeplay', x.playMode);
  check('aegoal', x.goal);
  $<HTMLInputElement>('ae-drills').value = String(x.goal === 0 ? x.count : 3);
  $<HTMLInputElement>('ae-right').value = String(x.right);
  $<HTMLInputElement>('ae-percent').value = String(x.percent);
  $<HTMLInputElement>('ae-minutes').value = String(x.goal === 1 ? x.count : 20);
  $<HTMLInputElement>('ae-firsttry').value = String(x.goal === 2 ? x.count : 3);
  $<HTMLInputElement>('ae-start').value = x.start;
  $<HTMLInputElement>('ae-due').value = x.due;
}

function typed(): AssignmentValue {
  const on = boxes().filter((b) => b.checked).map((b) => b.value);
  const goal = chosen('aegoal');
  return {
    title: $<HTMLInputElement>('ae-name').value.trim(),
    instructions: $<HTMLTextAreaElement>('ae-instructions').value.split('\n').map((l) => l.trim()).filter(Boolean),
    cardinality: chosen('aecard') === 4 ? 4 : 3,
    allClasses: on.length === boxes().length,
    classes: on.length === boxes().length ? [] : on,
    range: chosen('aerange'),
    playMode: chosen('aeplay'),
    goal,
    count: number(goal === 0 ? 'ae-drills' : goal === 1 ? 'ae-minutes' : 'ae-firsttry'),
    right: number('ae-right'),
    percent: number('ae-percent'),
    start: $<HTMLInputElement>('ae-start').value,
    due: $<HTMLInputElement>('ae-due').value,
  };
}

// The field to go to for each of the core's reasons.
const fields = { title: 'ae-name', classes: 'ae-boxes', start: 'ae-start', due: 'ae-due', goal: 'ae-goal' } as const;

// What is wrong, as the desktop's editor says it, and the field to go to; null when it may be saved.
function wrong(a: AssignmentValue): [string, string] | null {
  const { field, why } = assignments()!.check(a);
  return field ? [coreText(why), fields[field]] : null;
}

// The assignment as the teacher left it, null when cancelled.
export async function editAssignment(a: AssignmentValue | null): Promise<AssignmentValue | null> {
  fill(a);
  const error = $('ae-error');
  error.hidden = true;
  const dialog = $<HTMLDialogElement>('assign-edit-dialog');
  let made: AssignmentValue | null = null;
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="aecard"]'))
    r.onchange = () => drawBoxes(Number(r.value), () => true);
  $('ae-all').onclick = () => boxes().forEach((b) => (b.checked = true));
  $('ae-none').onclick = () => boxes().forEach((b) => (b.checked = false));
  $('ae-cancel').onclick = () => dialog.close('cancel');
  $<HTMLFormElement>('ae-form').onsubmit = (e) => {
    e.preventDefault();
    const x = typed();
    const bad = wrong(x);
    if (bad) {
      error.textContent = bad[0];
      error.hidden = false;
      const field = $(bad[1]);
      (field.querySelector<HTMLElement>('input') ?? field).focus();
      return;
    }
    made = x;
    dialog.close('ok');
  };
  const closed = showModal('assign-edit-dialog');
  $('ae-name').focus();
  await closed;
  return made;
}
