// The assignments in the teacher's Class Overview: read with the class, a
// column per assignment (status and progress) for every account, a "Due
// this week" filter, and the same columns in the CSV and the printed page.
// The core lays the columns out as the desktop's window; the page words them.
import type { AssignmentColumnsValue, ClassOverview, WebClassOverviewNative } from './core';
import { assignments, at, progressText, readAssignments, statusText, useTeacher } from './assign-core';
import { showAssignments } from './assign-view';
import { tr } from './i18n';
import { $, files } from './page';

const none: AssignmentColumnsValue = { assignments: [], cells: [] };
// All of them, and those due this week, for the rows last read.
let all = none;
let week = none;

export const dueThisWeekOnly = () => $<HTMLInputElement>('co-week').checked;
const shown = () => (dueThisWeekOnly() ? week : all);

let wired = false;
function wire(redraw: () => void) {
  if (wired) return;
  wired = true;
  $('co-week').addEventListener('change', redraw);
  $('co-assignments').addEventListener('click', () => void showAssignments());
}

// Before the overview reads: the class's assignments, so that each folder read is judged too.
export async function beforeClassRead(address: string, account: string, password: string) {
  const answer = await readAssignments({ address, account, password, teacher: true });
  if (answer.outcome === 'done') await files.act(() => assignments()!.beginClass());
}

// After it: the statuses kept when it read well; the teacher's account, when it read the whole class.
export async function afterClassRead(read: boolean, o: ClassOverview | null, overview: WebClassOverviewNative, address: string, account: string, password: string) {
  await files.act(() => assignments()!.classDone(read));
  if (read && o && o.unreadable === 0) useTeacher(address, account, password);
  if (!o) return;
  [all, week] = await files.act(() => [overview.assignmentColumns(false), overview.assignmentColumns(true)] as const);
}

function table(o: ClassOverview | null, view: AssignmentColumnsValue): HTMLTableElement {
  const tbl = document.createElement('table');
  tbl.className = 'co-table';
  const head = tbl.createTHead().insertRow();
  const th = (text: string, scope: 'col' | 'row') => {
    const e = document.createElement('th');
    e.scope = scope;
    e.textContent = text;
    return e;
  };
  head.append(th(tr('TClassOverview', 'Name'), 'col'), ...view.assignments.map((a) => th(a.title, 'col')));
  const body = tbl.createTBody();
  (o?.rows ?? []).forEach((row, r) => {
    if (row.unknown) return;
    const tr = body.insertRow();
    tr.append(th(row.name, 'row'));
    view.assignments.forEach((a, c) => {
      const cell = view.cells[r]?.[c];
      const td = tr.insertCell();
      if (!cell) return;
      td.textContent = `${statusText(cell)}, ${progressText(a, cell)}`;
      td.dataset.status = cell.status;
    });
  });
  return tbl;
}

// The screen's table; hidden without assignments.
export function drawAssignmentTable(o: ClassOverview | null, redraw: () => void) {
  wire(redraw);
  const section = $('co-assign');
  // Shown once the class was read: the teacher sets the first assignment from here.
  section.hidden = !o;
  $('co-assign-wrap').hidden = all.assignments.length === 0;
  $('co-week-line').hidden = all.assignments.length === 0;
  const drawn = table(o, shown());
  drawn.id = 'co-assign-table';
  $('co-assign-table').replaceWith(drawn);
}

// The printed page's copy of it.
export function assignmentReport(o: ClassOverview): HTMLElement[] {
  if (all.assignments.length === 0) return [];
  const title = document.createElement('h3');
  title.textContent = at('Assignments');
  return [title, table(o, shown())];
}
