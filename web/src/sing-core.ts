// The singing's side of the compiled core: the pitch tracker, the notes it
// finds and their judgement, in a module of their own (web/core/SingBinding.cpp),
// fetched when the sing mode first opens. It reads no file: what a sung
// question leaves goes to sing.dat through the drill's core.
import type { NativeObject } from './core';

export interface SungNote {
  start: number;  // seconds from the listening's start
  end: number;
  midi: number;  // fractional
  pitchClass: number;
  cents: number;  // from the nearest semitone
}

export interface SingEvent {
  kind: 'level' | 'note' | 'silent' | 'done';
  levelDb: number;
  note: SungNote | null;
}

export interface NoteVerdict {
  expected: number;  // pitch class, -1 when none was sung
  sung: number;  // pitch class, -1 when the note is missing
  cents: number;
  right: boolean;
}

export interface SingVerdict {
  right: boolean;
  notes: NoteVerdict[];
  why: string;  // English, the core's
  // The verdict in words, the core's: a source text of the context
  // 'SingVerdict' and what goes in for %1, %2, ...
  source: string;
  args: string[];
}

export interface SingSettings {
  toleranceCents: number;
  minNoteSeconds: number;
  noiseGateDb: number;
}

export interface SingExercise {
  kind: number;  // 0 sing it back, 1 sing the class
  setClassList: number;  // the cardinality whose list the class is of: 3 or 4
  listIndex: number;
  className: string;  // "4-Z15"
  primeForm: number[];
  inverted: boolean;
  startPitchClass: number;
  anyForm: boolean;
  played: number[];  // MIDI notes
  expected: number[];  // pitch classes, in order
  right: number[];  // the right answer's MIDI notes from the first played one
  prompt: string;  // English, the core's: "4-Z15, prime form, from D"
}

export interface VoiceRange {
  low: number;
  high: number;
}

export interface WebSingSessionNative extends NativeObject {
  // Feeds a block of samples and gives what it made of them.
  feed(samples: Float32Array): SingEvent[];
  // Stop Listening: the note being held counts.
  stop(): SingEvent[];
  done(): boolean;
  verdict(): SingVerdict;
}

// Notes and level without an exercise: the calibration and "mine".
export interface WebListenerNative extends NativeObject {
  feed(samples: Float32Array): SingEvent[];
  ready(): boolean;  // the calibration has heard enough
  gateDb(): number;
}

export interface SingModule {
  WebSingSession: new (exercise: SingExercise, settings: SingSettings, sampleRate: number) => WebSingSessionNative;
  WebListener: new (sampleRate: number, settings: SingSettings) => WebListenerNative;
  // An exercise of the class at `listIndex` (its prime form given), placed in the range.
  exercise(kind: number, setClassList: number, listIndex: number, name: string, prime: number[], inverted: boolean, startPitchClass: number, anyForm: boolean, range: VoiceRange): SingExercise;
  rangeOf(voice: number): VoiceRange;
  rangeFromNotes(a: number, b: number): VoiceRange;
  defaults(): SingSettings;
}

let loading: Promise<SingModule> | null = null;

// Fetched once, when first asked for.
export function loadSing(): Promise<SingModule> {
  loading ??= (async () => {
    const url = new URL('./sonorix-sing.js', document.baseURI).href;
    const factory = (await import(url)).default as () => Promise<SingModule>;
    return factory();
  })();
  loading.catch(() => (loading = null));
  return loading;
}
