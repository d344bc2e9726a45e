// What the drill window and its dialogs share: the files, the core, the
// sound, the view last shown, and the one way into the core.
import type { CoreModule, DrillView, WebConfusionsNative, WebDrillNative } from './core';
import { DrillCore } from './core';
import type { PageClock } from './clock';
import { systemClock } from './clock';
import { Pacing } from './pacing';
import type { Practice, PracticeShown } from './practice';
import type { PlannedNote, SoundOut, SynthOut } from './sound';
import { FileStore } from './storage';

export const $ = <T extends HTMLElement = HTMLElement>(id: string) => document.getElementById(id) as T;

export const params = new URLSearchParams(location.search);

export const files = new FileStore();

// What the page tells whoever watches it (the page tests, the benchmark).
export interface PageWatcher {
  // The notes every call into the core left, none too.
  played?(plan: PlannedNote[]): void;
  // Every plan handed to the sound.
  sounded?(plan: PlannedNote[]): void;
  // The core's time to judge an answer, and a call's time until its notes are on the audio clock.
  judged?(ms: number): void;
  acted?(ms: number): void;
  practiceShown?(shown: PracticeShown): void;
}
const watchers: PageWatcher[] = [];
export const watch = (w: PageWatcher) => watchers.push(w);
export const tell = <K extends keyof PageWatcher>(what: K, ...args: Parameters<NonNullable<PageWatcher[K]>>) => {
  for (const w of watchers) (w[what] as ((...a: typeof args) => void) | undefined)?.(...args);
};

export const page = {
  // Read by the core from its start on.
  clock: systemClock() as PageClock,
  core: null as CoreModule | null,
  drill: null as unknown as DrillCore,
  // The drill window as last drawn.
  view: undefined as DrillView | undefined,
  // Where notes go: the built-in synthesizer or a MIDI output.
  sound: null as SoundOut | null,
  synth: null as SynthOut | null,
  soundReady: Promise.resolve(),
  practice: null as Practice | null,
  confusions: null as WebConfusionsNative | null,
  // ftclass.dat as the page loaded it, for the views that name set classes.
  catalogue: '',
};

export function startDrill(core: CoreModule, native: WebDrillNative) {
  page.core = core;
  page.drill = new DrillCore(native);
}

// The view last drawn; the page draws one before any control works.
export const view = (): DrillView => page.view!;

export function play(plan: PlannedNote[]) {
  page.sound?.play(plan);
  tell('sounded', plan);
}

export const pacing = new Pacing(play, (waiting) => {
  $('next').hidden = !waiting;
});

let render: (view?: DrillView) => void = () => undefined;
// The drill view draws what each call leaves.
export const onRender = (draw: (view?: DrillView) => void) => (render = draw);

// The view the latest call left: a call's own may be older by the time it is drawn.
let latest: DrillView | undefined;

// Every call into the core: one at a time, with every tab's latest files.
// A question's notes (`paced`) go through the chosen pause or "wait for me".
export function act<T>(fn: (drill: WebDrillNative) => T, paced = false): Promise<T> {
  return files
    .act(() => {
      const started = performance.now();
      const step = page.drill.step(fn, (plan) => {
        if (plan.length > 0 && paced) pacing.question(plan);
        else if (plan.length > 0) {
          pacing.drop();
          play(plan);
        }
        tell('played', plan);
        // From the call into the core to the notes on the audio clock, for the benchmark.
        tell('acted', performance.now() - started);
      });
      latest = step.view;
      return step.result;
    })
    .then((result) => {
      render(latest);
      return result;
    });
}

// A radio group's choice, by its values.
export function check(name: string, value: number) {
  for (const r of document.querySelectorAll<HTMLInputElement>(`input[name="${name}"]`)) r.checked = Number(r.value) === value;
}

export function say(text: string) {
  $('status').textContent = text;
}

export function showModal(id: string): Promise<string> {
  const d = $<HTMLDialogElement>(id);
  return new Promise((resolve) => {
    // The close event is queued: one from an earlier showing can arrive after
    // the dialog was opened again, and must not end this showing with the
    // values it had before the student changed them.
    const closed = () => {
      if (d.open) return;
      d.removeEventListener('close', closed);
      resolve(d.returnValue);
    };
    d.addEventListener('close', closed);
    d.returnValue = '';
    d.showModal();
  });
}

// Hands the student a file the page made.
export function download(blob: Blob, name: string) {
  const url = URL.createObjectURL(blob);
  const a = document.createElement('a');
  a.href = url;
  a.download = name;
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}
