// Where the page's notes sound: the built-in synthesizer in an AudioWorklet,
// or a Web MIDI output. Notes arrive as a plan (milliseconds from now) and are
// put on the audio clock at once, so nothing waits on the main thread.
import type { SynthMessage } from './synth-worklet';

export interface PlannedNote {
  atMs: number;  // from the moment the plan is played
  key: number;
  velocity: number;
  lengthMs?: number;  // how long the note sounds before it is released
}

export interface SoundOut {
  play(plan: PlannedNote[]): void;
  silence(): void;
}

export type Progress = (loaded: number, total: number) => void;

// The files the worklet needs, in the order it needs them.
export const workletModules = ['libfluidsynth.js', 'js-synthesizer.worklet.min.js', 'synth-worklet.js'];
export const soundFontUrl = 'sonorix.sf2';

export async function fetchWithProgress(url: string, progress: Progress): Promise<ArrayBuffer> {
  const response = await fetch(url);
  if (!response.ok || !response.body) throw new Error(`${url}: ${response.status}`);
  const total = Number(response.headers.get('Content-Length')) || 0;
  const reader = response.body.getReader();
  const parts: Uint8Array[] = [];
  let loaded = 0;
  for (;;) {
    const { done, value } = await reader.read();
    if (done) break;
    parts.push(value);
    loaded += value.length;
    progress(loaded, total);
  }
  const all = new Uint8Array(loaded);
  let at = 0;
  for (const p of parts) {
    all.set(p, at);
    at += p.length;
  }
  return all.buffer;
}

export async function loadWorklet(ctx: BaseAudioContext, base = './'): Promise<void> {
  if (!ctx.audioWorklet) throw new NoAudioWorklet();
  for (const m of workletModules) await ctx.audioWorklet.addModule(base + m);
}

export class NoAudioWorklet extends Error {
  constructor() {
    super('no AudioWorklet');
  }
}

// The synthesizer node with its SoundFont loaded.
export async function createSynthNode(ctx: BaseAudioContext, font: ArrayBuffer): Promise<AudioWorkletNode> {
  const node = new AudioWorkletNode(ctx, 'sonorix-synth', { numberOfInputs: 0, outputChannelCount: [2] });
  await new Promise<void>((resolve, reject) => {
    node.port.onmessage = (ev) => {
      if (ev.data.type === 'ready') resolve();
      else if (ev.data.type === 'error') reject(new Error(ev.data.message));
    };
    const m: SynthMessage = { type: 'font', data: font };
    node.port.postMessage(m, [font]);
  });
  node.connect(ctx.destination);
  return node;
}

// Frames on the context's clock for a plan started at `startSeconds`.
export function planFrames(plan: PlannedNote[], startSeconds: number, rate: number) {
  return plan.map((n) => ({ frame: Math.round((startSeconds + n.atMs / 1000) * rate), key: n.key, velocity: n.velocity }));
}

export class SynthOut implements SoundOut {
  // A little ahead of now, so the first note is not late for the block being rendered.
  static readonly leadSeconds = 0.02;
  constructor(private readonly ctx: AudioContext, private readonly node: AudioWorkletNode) {}
  play(plan: PlannedNote[]): void {
    if (this.ctx.state === 'suspended') void this.ctx.resume();
    const start = this.ctx.currentTime + SynthOut.leadSeconds;
    const m: SynthMessage = { type: 'notes', notes: planFrames(plan, start, this.ctx.sampleRate) };
    this.node.port.postMessage(m);
    window.dispatchEvent(new CustomEvent('sonorix-notes', { detail: { start, plan } }));
  }
  silence(): void {
    const m: SynthMessage = { type: 'silence' };
    this.node.port.postMessage(m);
  }
}

// A Web MIDI output: the same plan with the port's own time stamps.
export class MidiOut implements SoundOut {
  constructor(readonly port: MIDIOutput) {}
  play(plan: PlannedNote[]): void {
    const now = performance.now();
    for (const n of plan) this.port.send([0x90, n.key & 0x7f, n.velocity & 0x7f], now + n.atMs);
  }
  silence(): void {
    this.port.send([0xb0, 120, 0]);
    this.port.send([0xb0, 121, 0]);
  }
}
