// The assignments in the teacher's Class Overview: read with the class, a
// column per assignment (status and progress) for every account, a "Due
// this week" filter, and the same columns in the CSV and the printed page.
import type { AssignmentProgressValue, AssignmentValue, ClassOverview } from './core';
import { assignments, at, progressText, readAssignments, statusText, useTeacher } from './assign-core';
import { showAssignments } from './assign-view';
import { tr } from './i18n';
import { $, files } from './page';

type Judged = AssignmentValue & { dueThisWeek: boolean };
let columns: Judged[] = [];
let cells: AssignmentProgressValue[][] = [];
let names: string[] = [];

const shownColumns = () => columns.map((_, i) => i).filter((i) => !$<HTMLInputElement>('co-week').checked || columns[i].dueThisWeek);
const cellText = (c: number, p: AssignmentProgressValue | undefined) => (p ? `${statusText(p)}, ${progressText(columns[c], p)}` : '');

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
export async function afterClassRead(read: boolean, o: ClassOverview | null, address: string, account: string, password: string) {
  await files.act(() => assignments()!.classDone(read));
  if (read && o && o.unreadable === 0) useTeacher(address, account, password);
  if (!o) return;
  names = o.rows.map((r) => r.name);
  [columns, cells] = await files.act(() => [assignments()!.classAssignments(), assignments()!.classRows(names)] as const);
}

function table(o: ClassOverview | null, visible: number[]): HTMLTableElement {
  const tbl = document.createElement('table');
  tbl.className = 'co-table';
  const head = tbl.createTHead().insertRow();
  const th = (text: string, scope: 'col' | 'row') => {
    const e = document.createElement('th');
    e.scope = scope;
    e.textContent = text;
    return e;
  };
  head.append(th(tr('TClassOverview', 'Name'), 'col'), ...visible.map((c) => th(columns[c].title, 'col')));
  const body = tbl.createTBody();
  (o?.rows ?? []).forEach((row, r) => {
    if (row.unknown) return;
    const tr = body.insertRow();
    tr.append(th(row.name, 'row'));
    for (const c of visible) {
      const p = cells[r]?.[c];
      const td = tr.insertCell();
      td.textContent = cellText(c, p);
      if (p) td.dataset.status = p.status;
    }
  });
  return tbl;
}

// The screen's table; hidden without assignments.
export function drawAssignmentTable(o: ClassOverview | null, redraw: () => void) {
  wire(redraw);
  const section = $('co-assign');
  // Shown once the class was read: the teacher sets the first assignment from here.
  section.hidden = !o;
  $('co-assign-wrap').hidden = columns.length === 0;
  $('co-week-line').hidden = columns.length === 0;
  const shown = table(o, shownColumns());
  shown.id = 'co-assign-table';
  $('co-assign-table').replaceWith(shown);
}

// The printed page's copy of it.
export function assignmentReport(o: ClassOverview): HTMLElement[] {
  if (columns.length === 0) return [];
  const title = document.createElement('h3');
  title.textContent = at('Assignments');
  return [title, table(o, shownColumns())];
}

// The overview's CSV with a status and a progress column per assignment shown: its rows are the overview's, in order.
export function csvWithAssignments(csv: Uint8Array, separator: string): Uint8Array {
  if (columns.length === 0) return csv;
  const field = (text: string) => (/[",;\r\n]/.test(text) ? `"${text.replace(/"/g, '""')}"` : text);
  const visible = shownColumns();
  const lines = new TextDecoder().decode(csv).split('\r\n');
  const out = lines.map((line, i) => {
    if (!line) return line;
    if (i === 0) return line + visible.map((c) => `${separator}${field(`${columns[c].title} status`)}${separator}${field(`${columns[c].title} progress`)}`).join('');
    return line + visible.map((c) => {
      const p = cells[i - 1]?.[c];
      return `${separator}${p ? p.status : ''}${separator}${p ? p.progress : ''}`;
    }).join('');
  });
  // The byte order mark stays: TextDecoder took it off.
  const text = out.join('\r\n');
  const bytes = new TextEncoder().encode(text);
  if (csv[0] !== 0xef) return bytes;
  const marked = new Uint8Array(bytes.length + 3);
  marked.set([0xef, 0xbb, 0xbf]);
  marked.set(bytes, 3);
  return marked;
}
