// Answering on a MIDI keyboard through Web MIDI. The notes are gathered and
// named by the core, as on the desktop; the page only carries the messages.
// MIDI access comes through one seam, midiAccess(), which a test can feed.

import type { WebKeyboardNative } from './core';

export type { PlayedAnswer } from './core';

export type MidiAccessResult = MIDIAccess | 'missing' | 'refused';

let replacement: (() => Promise<MIDIAccess> | null) | null = null;

// Another source in place of the browser's Web MIDI; one giving null leaves the browser's.
export function replaceMidiAccess(source: () => Promise<MIDIAccess> | null) {
  replacement = source;
}

// The browser's Web MIDI, or what replaced it.
export async function midiAccess(): Promise<MidiAccessResult> {
  const fed = replacement?.();
  if (fed) return fed;
  if (!('requestMIDIAccess' in navigator)) return 'missing';
  return navigator.requestMIDIAccess().catch(() => 'refused' as const);
}

export interface KeyboardChoice {
  answerByPlaying: boolean;
  port: string;  // the input's name
}

const storageKey = 'sonorix-keyboard';

export function readKeyboardChoice(): KeyboardChoice {
  try {
    const c = JSON.parse(localStorage.getItem(storageKey) ?? '{}') as Partial<KeyboardChoice>;
    return { answerByPlaying: c.answerByPlaying === true, port: typeof c.port === 'string' ? c.port : '' };
  } catch {
    return { answerByPlaying: false, port: '' };
  }
}

export function storeKeyboardChoice(c: KeyboardChoice) {
  try {
    localStorage.setItem(storageKey, JSON.stringify(c));
  } catch {
    // kept for this visit only
  }
}

// One input listened to; each group of notes played is handed on once its
// keys are up, or once the pause passed with keys still held.
export class KeyboardListener {
  private input: MIDIInput | null = null;
  private timer: ReturnType<typeof setTimeout> | undefined;

  constructor(
    private readonly native: WebKeyboardNative,
    private readonly played: (notes: number[]) => void,
  ) {}

  get listening() {
    return this.input;
  }

  listen(input: MIDIInput | null) {
    if (this.input) this.input.onmidimessage = null;
    this.native.discard();
    clearTimeout(this.timer);
    this.input = input;
    if (!input) return;
    input.onmidimessage = (e: MIDIMessageEvent) => {
      const d = e.data;
      if (!d || d.length === 0) return;
      this.take(this.native.feed(d[0], d[1] ?? 0, d[2] ?? 0, performance.now()));
    };
  }

  private take(group: number[] | null) {
    clearTimeout(this.timer);
    if (this.native.open()) {
      this.timer = setTimeout(() => this.take(this.native.poll(performance.now())), this.native.pauseMs() + 10);
    }
    if (group) this.played(group);
  }
}
