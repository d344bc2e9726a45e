// The class's assignments as the page holds them: the core's reader and
// writer of <class>/assignments.txt, the account it goes with (the joined
// student's, or the teacher's once the overview read the whole class), and
// the texts both the dialog and the overview show.
import { currentClass } from './class-connection';
import type { AssignmentsAnswer, AssignmentValue, WebAssignmentsNative } from './core';
import { arg, currentLanguage, tr, translateText } from './i18n';
import { files, page } from './page';

export const assignContext = 'WebAssign';
// The page's own texts, else the desktop's windows' for the same words.
const contexts = [assignContext, 'Assignments', 'TAssignmentsForm', 'TAssignmentEditor'];
export function at(source: string, n?: number): string {
  const untranslated = n === undefined ? source : source.replace(/%n/g, String(n));
  for (const c of contexts) {
    const text = tr(c, source, n);
    if (text !== untranslated) return text;
  }
  return untranslated;
}

export interface Account {
  address: string;
  account: string;
  password: string;
  teacher: boolean;
}

let native: WebAssignmentsNative | null = null;
let teacher: Account | null = null;

export function assignments(): WebAssignmentsNative | null {
  if (!native && page.core) native = new page.core.WebAssignments(page.catalogue);
  return native;
}

// The overview read the whole class with this account: it may set the work.
export function useTeacher(address: string, account: string, password: string) {
  teacher = { address, account, password, teacher: true };
}

// The teacher's, else the joined student's when this visit knows the password.
export function account(): Account | null {
  if (teacher) return teacher;
  const joined = currentClass();
  return joined?.password ? { address: joined.address, account: joined.account, password: joined.password, teacher: false } : null;
}

// The core's English in the student's language: ours, the page's, or the class's catalogue.
export const coreText = (english: string) => (english ? (translateText(assignContext, english) ?? at(english)) : '');

// Reads the file; the answer, or a refused address as a failed one.
export function readAssignments(a: Account): Promise<AssignmentsAnswer> {
  return new Promise((done) => {
    void files.act(() => {
      const refused = assignments()!.read(a.address, a.account, a.password, done);
      if (refused) done({ outcome: 'failed', message: refused, assignments: [], warnings: [] });
    });
  });
}

export function writeAssignments(list: AssignmentValue[]): Promise<AssignmentsAnswer> {
  return new Promise((done) => void files.act(() => assignments()!.write(list, done)));
}

// yyyy-mm-dd in the student's language: "Fri, 11 Dec".
export function dayText(iso: string): string {
  const [y, m, d] = iso.split('-').map(Number);
  if (!y || !m || !d) return iso;
  return new Intl.DateTimeFormat(currentLanguage(), { weekday: 'short', day: 'numeric', month: 'short', timeZone: 'UTC' }).format(Date.UTC(y, m - 1, d));
}

// Texts made at run time, for the catalogues' checks.
export const statusSources = ['done', 'in progress', 'not started', 'late'];

export const statusText = (p: { status: string }) => at(p.status);

// "2 of 3 drills" in the student's language; the core's English says the same.
export function progressText(a: AssignmentValue, p: { done: number; goal: number }): string {
  const one = p.goal === 1;
  const unit = a.goal === 0 ? (one ? '%1 of %2 drill' : '%1 of %2 drills') : a.goal === 1 ? (one ? '%1 of %2 minute' : '%1 of %2 minutes') : one ? '%1 of %2 class' : '%1 of %2 classes';
  return arg(at(unit), p.done, p.goal);
}
