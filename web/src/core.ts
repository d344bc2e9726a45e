// The page's side of the compiled core: what it calls, and how the core
// reaches the page's storage and sound.
import type { FileStore } from './storage';

export interface PlannedNoteJson {
  atMs: number;
  key: number;
  velocity: number;
  lengthMs: number;
}

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

export interface LoginAnswer {
  ask: boolean;  // the saved filters are partial: "Use These?"
  listed: string;
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

export interface JudgedJson {
  right: boolean;
  counted: boolean;
  judgeMs: number;
}

// The embind class, as the binding exports it.
export interface WebDrillNative {
  people(): string;
  login(name: string): string;
  useSavedFilters(yes: boolean): void;
  view(): string;
  beginOrEnd(): string;
  scoreClosed(): void;
  submit(row: number): string;
  rowOfText(text: string): number;
  repeat(): void;
  arpeggiate(up: boolean): void;
  setCardinality(index: number): void;
  setRange(index: number): void;
  setManner(index: number): void;
  filters(): string;
  // The boxes of a cardinality, all checked, as choosing it in the filters shows them.
  filtersFor(cardinality: number): string;
  // The window shown after the login: the selectors follow the filters.
  shown(): void;
  // The question's notes, for tests: {sorted, played}.
  question(): string;
  rowListIndices(): string;
  applyFilters(cardinality: number, range: number, low: number, high: number, save: boolean): void;
  errorReport(cumulative: boolean, forms: boolean, rips: boolean, confusions: boolean): string;
  clearCumulative(): void;
  loginNewPerson(): void;
  close(): void;
  takeNotes(): string;
  nameOfRow(row: number): string;
}

export interface CoreModule {
  WebDrill: new (catalogue: string, seed: number) => WebDrillNative;
  runTask(id: number): void;
}

// schedule(run, ms) runs what the core left for later.
export async function loadCore(
  files: FileStore,
  clock: () => number,
  today: () => number,
  schedule: (run: () => void, ms: number) => void,
  secondOfDay?: () => number,
): Promise<CoreModule> {
  const url = new URL('./sonorix-core.js', document.baseURI).href;
  const factory = (await import(url)).default as (m: object) => Promise<CoreModule>;
  // The core reaches the page's files, clock and timers through its module.
  const module: Record<string, unknown> = { webFiles: files, webClock: clock, webToday: today, webSecondOfDay: secondOfDay };
  module.webSchedule = (id: number, ms: number) => schedule(() => (module as unknown as CoreModule).runTask(id), ms);
  return (await factory(module)) as CoreModule;
}
