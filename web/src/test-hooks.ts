// What the page tests and the benchmark set in the address and read and move
// on the window: the seed and the clock, the notes played and sounded, the
// times measured, the practice staff, the drill's state; and a MIDI keyboard
// a test plays.
import { replaceMidiAccess } from './keyboard';
import { addressClock } from './clock';
import { files, page, params, watch } from './page';
import type { PracticeShown } from './practice';
import type { SingExercise, SungNote } from './sing-core';
import { recordSung } from './sing-record';
import { createSynthNode, loadWorklet, planFrames } from './sound';
import type { PlannedNote } from './sound';

interface TestWindow {
  sonorixPlayed: PlannedNote[][];
  sonorixSounded: PlannedNote[][];
  sonorixJudgeMs: number[];
  sonorixActMs: number[];
  // Set by a test that watches the practice staff.
  sonorixPracticeShown?: PracticeShown[];
  // Set by a test before the page loads, in place of the browser's Web MIDI.
  sonorixMidiAccess?: () => Promise<MIDIAccess>;
  sonorixAudio: { loadWorklet: typeof loadWorklet; createSynthNode: typeof createSynthNode; planFrames: typeof planFrames };
  sonorixTest: object;
}

// A repeatable drill (see addressClock), and a storage that answers late (&slowstore=MS).
page.clock = addressClock(params, page.clock);
files.slowForTests = Number(params.get('slowstore') ?? 0);

const w = window as unknown as TestWindow;
w.sonorixPlayed = [];
w.sonorixSounded = [];
w.sonorixJudgeMs = [];
w.sonorixActMs = [];
// The sound's pieces, for rendering a question offline.
w.sonorixAudio = { loadWorklet, createSynthNode, planFrames };

// Read as they happen, so that a test may put fresh arrays in their place.
watch({
  played: (plan) => w.sonorixPlayed.push(plan),
  sounded: (plan) => w.sonorixSounded.push(plan),
  judged: (ms) => w.sonorixJudgeMs.push(ms),
  acted: (ms) => w.sonorixActMs.push(ms),
  practiceShown: (shown) => w.sonorixPracticeShown?.push(shown),
});
replaceMidiAccess(() => w.sonorixMidiAccess?.() ?? null);

// Tests move the clock (with ?clock=manual) and read the state through this.
w.sonorixTest = {
  advance: (ms: number) => page.clock.advance(ms),
  view: () => page.drill.view(),
  question: () => page.drill.question(),
  // BEGIN waits for the sound to start before it acts: so does idle.
  idle: () => Promise.allSettled([page.soundReady]).then(() => files.settled()),
  file: (name: string) => Array.from(files.read(name) ?? []),
  fileNames: () => [...files.files.keys()],
  rowListIndices: () => page.drill.rowListIndices(),
  // A judged sung try as the sing view records it, without a microphone.
  sung: (exercise: SingExercise, heard: SungNote[], right: boolean, attempt: number) =>
    recordSung(exercise, heard, { right, notes: [], why: '', source: '', args: [] }, attempt),
};
