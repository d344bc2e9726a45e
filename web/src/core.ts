// The page's side of the compiled core: every class and value it hands the
// page, and how the core reaches the page's storage and sound. The core hands
// plain values (embind's value objects): nothing here parses text.
import type { HttpAnswer, HttpRequestValue } from './class-http';
import { workerHttp } from './class-http';
import type { AssignmentColumnsValue, AssignmentValue, WebAssignmentsNative } from './core-assign';
import type { NativeObject } from './core-native';
import type { FileStore } from './storage';

export type * from './core-assign';
export type { NativeObject } from './core-native';

// A note of a plan, on a clock of the plan's own from 0.
export interface CoreNote {
  atMs: number;
  key: number;
  velocity: number;
  lengthMs: number;
}

// --- the drill (web/core/Binding.cpp) ---------------------------------------------

export interface DrillView {
  drilling: boolean;
  correct: number;
  incorrect: number;
  clock: string;
  clockShown: boolean;
  begin: string;  // "BEGIN" or "END"
  beginEnabled: boolean;
  playEnabled: boolean;
  prefix: string;
  rows: { label: string; name: string }[];
  cardinality: number;
  range: number;
  manner: number;
  loggedIn: boolean;
  person: string;
  catalogueMissing: boolean;
}

export interface PeopleList {
  names: string[];
  selected: number;  // -1 when nobody is
}

export interface LoginAnswer {
  ask: boolean;  // the saved filters are partial: "Use These?"
  listed: string;  // both empty unless it asks
  rest: string;
}

export interface FiltersView {
  cardinality: number;
  range: number;
  save: boolean;
  boxes: { label: string; checked: boolean }[];
}

export interface ScoreView {
  time: string;
  timePoints: string;
  percentage: string;
  longevity: string;
  score: string;
  filtersUsed: boolean;
  cardinality: number;
  range: number;
  newEntryIndex: number;  // the row the drill went into (as the desktop, 0 when none)
  tables: string[][];     // six tables of lines
}

export interface Judged {
  right: boolean;
  counted: boolean;
  judgeMs: number;
}

// The question asked: its list index and notes, sorted and as played.
export interface Question {
  listIndex: number;
  sorted: number[];
  played: number[];
  joined: number;
}

export interface WebDrillNative extends NativeObject {
  people(): PeopleList;
  login(name: string): LoginAnswer;
  useSavedFilters(yes: boolean): void;
  view(): DrillView;
  // The score when END ended a drill, null after BEGIN.
  beginOrEnd(): ScoreView | null;
  scoreClosed(): void;
  submit(row: number): Judged;
  rowOfText(text: string): number;
  repeat(): void;
  arpeggiate(up: boolean): void;
  setCardinality(index: number): void;
  setRange(index: number): void;
  setManner(index: number): void;
  filters(): FiltersView;
  // The boxes of a cardinality, all checked, as choosing it in the filters shows them.
  filtersFor(cardinality: number): FiltersView;
  // The window shown after the login: the selectors follow the filters.
  shown(): void;
  question(): Question;
  // The list index each answer row names.
  rowListIndices(): number[];
  applyFilters(cardinality: number, range: number, low: number, high: number, save: boolean): void;
  errorReport(cumulative: boolean, forms: boolean, rips: boolean, confusions: boolean): string;
  clearCumulative(): void;
  loginNewPerson(): void;
  close(): void;
  // The notes the last calls left to play, once.
  takeNotes(): CoreNote[];
  nameOfRow(row: number): string;
  // An assignment's settings in force over the student's own, saved as nobody's; false when a class is unknown.
  startAssignment(assignment: AssignmentValue): boolean;
  // The student's own settings back.
  stopAssignment(): void;
  // The started assignment's title, '' when none.
  assignment(): string;
}

// What one call into the drill gave: its own result, the notes it left to
// play, and the window as it stands after it.
export interface DrillStep<T> {
  result: T;
  notes: CoreNote[];
  view: DrillView;
}

// The one way into the drill: an action, then what it played and the view after it.
export class DrillCore {
  constructor(readonly native: WebDrillNative) {}

  // Runs one action and takes what it played and the view after it, together;
  // `played` has the notes before the view is read, so they sound at once.
  step<T>(action: (drill: WebDrillNative) => T, played?: (notes: CoreNote[]) => void): DrillStep<T> {
    const result = action(this.native);
    const notes = this.native.takeNotes();
    played?.(notes);
    return { result, notes, view: this.view() };
  }

  view = (): DrillView => this.native.view();
  people = (): PeopleList => this.native.people();
  login = (name: string): LoginAnswer => this.native.login(name);
  beginOrEnd = (): ScoreView | null => this.native.beginOrEnd();
  submit = (row: number): Judged => this.native.submit(row);
  filters = (): FiltersView => this.native.filters();
  filtersFor = (cardinality: number): FiltersView => this.native.filtersFor(cardinality);
  question = (): Question => this.native.question();
  rowListIndices = (): number[] => this.native.rowListIndices();
}

// --- practice (web/core/PracticeBinding.cpp) ---------------------------------------

// The reveal that waits: the class asked and the class named (-1 when none
// was), the question's notes, the row to highlight.
export interface Reveal {
  askedLabel: string;
  namedLabel: string;
  namedName: string;
  asked: number;
  named: number;
  row: number;
  notes: number[];
  sorted: number[];
}

export interface PracticeStep {
  active: boolean;
  running: boolean;
  open: boolean;
  waiting: boolean;
  reveals: number;  // reveals so far: a new one, automatic or asked for, counts up
  reveal: Reveal | null;
}

export interface RevealSound {
  notes: CoreNote[];
  parts: { atMs: number; part: 'question' | 'named'; name: string }[];
  endMs: number;
}

export interface PracticeSummary {
  questions: number;
  firstTryRight: number;
  percent: number;  // -1 with no question
  revealed: number;
  seconds: number;
  surer: string[];
  needsWork: string[];
  logWritten: boolean;
}

export interface WebPracticeNative extends NativeObject {
  // The mode is chosen between drills: what it is now.
  setMode(on: boolean): boolean;
  setAutoReveal(after: number): void;
  step(): PracticeStep;
  showAnswer(): PracticeStep;
  playRevealed(question: boolean, named: boolean, leadIn: number, manner: number, range: number): RevealSound;
  next(): PracticeStep;
  // The summary, or null when no practice drill ran.
  end(): PracticeSummary | null;
  leave(): void;
}

export interface PracticeDay {
  date: string;
  questions: number;
  firstTryRight: number;
  percent: string;
  revealed: number;
}

// A line of "Practice focus" and its figures; `questions` 0 and
// `drillPercent` -1 for a class not practised.
export interface FocusLine {
  line: string;
  name: string;
  percent: number;
  questions: number;
  firstTryRight: number;
  box: number;
  boxes: number;
  drillPercent: number;
  partners: [string, number][];
}

export interface PracticeProgress {
  days: PracticeDay[];
  focus: FocusLine[];
}

// --- My Progress (web/core/ProgressBinding.cpp) -------------------------------------

export interface ProgressFigures {
  records: number;
  unverified: number;
  daily: boolean;
  drills: { date: string; range: string; cardinality: string; right: number; wrong: number; accuracy: string; secondsPerRight: string; eligible: boolean }[];
  series: { range: string; cardinality: string; points: [number, number | null, number | null][] }[];
  weeks: [number, number | null][];
}

export interface WebProgressNative extends NativeObject {
  readable(): boolean;
  people(): string[];
  figures(index: number): ProgressFigures;
  csv(index: number): string;
}

// --- the confusion map (web/core/ConfusionBinding.cpp) ------------------------------

export interface ConfusionMatrix {
  names: string[];
  counts: number[][];  // [asked][answered]
}

export interface WebConfusionsNative extends NativeObject {
  matrix(errorsText: string, cardinalityIndex: number): ConfusionMatrix;
  playPair(asked: number, answered: number, cardinalityIndex: number, range: number, manner: number, seed: number): CoreNote[];
}

// --- answering on a keyboard (web/core/KeyboardBinding.cpp) -------------------------

export interface PlayedAnswer {
  pitchClasses: number;
  listIndex: number;  // -1 when the notes name none of the list
  name: string;
}

export interface WebKeyboardNative extends NativeObject {
  // The notes of the group a message ended, null while it goes on.
  feed(status: number, data1: number, data2: number, now: number): number[] | null;
  poll(now: number): number[] | null;
  open(): boolean;
  discard(): void;
  pauseMs(): number;
  identify(notes: number[], cardinality: number): PlayedAnswer;
}

// --- What I Heard (web/core/NotationBinding.cpp) ------------------------------------

export interface SetClassInfo {
  name: string;  // "3-11"
  prime: number[];
  line: string;  // "3-11 (0, 3, 7) ⟨001110⟩"
  vector: number[];
}

export interface PlacedNote {
  midi: number;
  key: string;  // "c#/4"
  clef: 'treble' | 'bass';
  position: number;
  ledgers: number[];
  shift: number;
  sign: number;  // 0 none, 1 sharp, 2 flat, 3 natural
  signColumn: number;
  name: string;
}

export interface Bar {
  names: string[];
  columns: { signColumns: number; notes: PlacedNote[] }[];
}

export interface KeyboardKey {
  midi: number;
  black: boolean;
  x: number;
  width: number;
  pressed: [boolean, boolean];
}

export interface KeyboardPicture {
  whiteKeys: number;
  keys: KeyboardKey[];
}

export interface WebNotationNative extends NativeObject {
  setClass(cardinality: number, listIndex: number): SetClassInfo | null;
  // Columns "60 64,67;62": notes sounding together; language 0 English … 4 Italian.
  layOut(columns: string, language: number): Bar;
  keyboard(first: string, second: string): KeyboardPicture;
}

// --- the class on a WebDAV server (web/core/ClassBinding.cpp) ----------------------

export interface ClassState {
  joined: boolean;
  address: string;
  account: string;
  // The status line as English source of the core's texts: "%n drills waiting for the network" with `drills`.
  status: string;
  drills: number;
  // The last send's fault as English source, '' when none (or only the network was away).
  fault: string;
  // Joined, but this visit has no password to send with.
  needsPassword: boolean;
}

export interface WebClassNative extends NativeObject {
  state(): ClassState;
  // Why the address is refused, as English source; '' when it may be joined.
  checkAddress(address: string): string;
  // done('') once the server took the account and password, else the fault's English source.
  join(address: string, account: string, password: string, done: (fault: string) => void): void;
  // The password of the joined class for this visit (remembered, or typed again).
  usePassword(password: string): void;
  // Forgets the class and what waits for it; the student's own files stay.
  leave(): void;
  sendNow(): void;
  // The join still asking is dropped: its answer joins nothing.
  cancelJoin(): void;
}

// --- the Class Overview (web/core/ClassOverviewBinding.cpp) ------------------------

// A cell as shown, and what it sorts by (null: empty, below every number).
export interface ClassCell {
  text: string;
  key: number | null;
}

export interface ClassRow {
  name: string;  // the account, '' for the row of records nobody can be charged with
  unknown: boolean;
  cells: ClassCell[];  // one per column, the name first
}

export interface ClassOverview {
  rows: ClassRow[];
  records: number;
  unverified: number;
  ambiguous: number;
  today: string;  // yyyy-mm-dd
  weekFrom: string;
  first: string;  // the earliest and latest day of any drill or practice, '' when none
  last: string;
  hardest: { name: string; accuracy: string; answers: number }[];
  confusions: { played: string; takenFor: string; times: number }[];
  // The six high-score tables, by mode (range, then cardinality): one entry per account, best first.
  highScores: { name: string; score: number }[][];
  fetched: number;  // files read from the server this time; the rest came from the cache
  read: number;  // account folders read afresh; the others' figures (and judged work) were kept
  unreadable: number;  // account folders closed to this account, in no figure
  // Per account, its hardest set classes and confusions in practice mode.
  students: ClassStudent[];
}

// The table's columns as the core lays them out: each head's mode (-1 for
// none), whose short name comes first, and English source; the printed
// report's two tables.
export interface ClassColumns {
  heads: { mode: number; source: string }[];
  general: number[];
  modes: number[];
}

export interface ClassStudent {
  name: string;
  hardest: { name: string; firstTry: number; asked: number }[];
  confusions: { asked: string; answered: string; times: number }[];
}

export interface ClassReadListener {
  progress(done: number, total: number): void;
  // The fault's English text, '' when the class was read or the read cancelled.
  finished(fault: string, cancelled: boolean): void;
}

export interface WebClassOverviewNative extends NativeObject {
  // Starts reading; the address's fault at once (English), '' when it reads.
  read(address: string, account: string, password: string, listener: ClassReadListener): string;
  cancel(): void;
  overview(): ClassOverview | null;
  // The desktop's CSV export, its bytes: the assignments' columns, all or those due this week, after the rest.
  csv(separator: string, dueThisWeekOnly: boolean): Uint8Array<ArrayBuffer>;
  // The assignments' columns of the overview's rows, as the window shows them.
  assignmentColumns(dueThisWeekOnly: boolean): AssignmentColumnsValue;
}

// --- the module -----------------------------------------------------------------

export interface CoreModule {
  WebDrill: new (catalogue: string, seed: number) => WebDrillNative;
  WebPractice: new () => WebPracticeNative;
  practiceProgress(person: string, enabledListIndices: number[]): PracticeProgress;
  WebProgress: new () => WebProgressNative;
  WebConfusions: new (catalogue: string) => WebConfusionsNative;
  WebKeyboard: new (catalogue: string) => WebKeyboardNative;
  WebNotation: new (catalogue: string) => WebNotationNative;
  WebClass: new () => WebClassNative;
  WebClassOverview: { new (catalogue: string): WebClassOverviewNative; columns(): ClassColumns };
  WebAssignments: new (catalogue: string) => WebAssignmentsNative;
  // A judged sung try into sing.dat (web/core/SingLogBinding.cpp); false when not written.
  recordSung(exercise: object, sung: object[], right: boolean, attempt: number, person: string): boolean;
  // A person's sung questions and those right at the first try.
  singCounts(person: string): { sung: number; firstTryRight: number; readable: boolean };
  runTask(id: number): void;
  // The answer of the class's server to the core's request `id` (web/core/WebTransport.cpp).
  httpAnswered(id: number, answer: HttpAnswer): void;
}

// What the core reaches the page through, set on its module before it starts.
interface PageHost {
  webFiles: FileStore;
  webClock: () => number;
  webToday: () => number;
  webSecondOfDay?: () => number;
  webSchedule?: (id: number, ms: number) => void;
  webHttp?: (id: number, request: HttpRequestValue) => void;
  // The class's state changed (a send went, a fault came, a drill waits).
  webClassChanged?: () => void;
}

// schedule(run, ms) runs what the core left for later; answered(run) hands
// the core an answer of the class's server, under the files' lock as every call.
export async function loadCore(
  files: FileStore,
  clock: () => number,
  today: () => number,
  schedule: (run: () => void, ms: number) => void,
  secondOfDay?: () => number,
  answered: (run: () => void) => void = (run) => void files.act(run),
  classChanged: () => void = () => undefined,
): Promise<CoreModule> {
  const url = new URL('./sonorix-core.js', document.baseURI).href;
  const factory = (await import(url)).default as (m: PageHost) => Promise<CoreModule>;
  const host: PageHost = { webFiles: files, webClock: clock, webToday: today, webSecondOfDay: secondOfDay, webClassChanged: classChanged };
  let core: CoreModule | null = null;
  host.webSchedule = (id, ms) => schedule(() => core?.runTask(id), ms);
  const send = workerHttp(new URL('./http-worker.js', document.baseURI).href);
  // Every request is answered, or the core's sending would wait for it for good.
  host.webHttp = (id, request) =>
    void send(request)
      .catch((): HttpAnswer => ({ link: 2 }))
      .then((answer) => answered(() => core?.httpAnswered(id, answer)));
  core = await factory(host);
  return core;
}
