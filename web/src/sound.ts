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
  // The drill ended or the page was hidden: nothing may go on sounding.
  end(): void;
}

export type Progress = (loaded: number, total: number) => void;

// The files the worklet needs, in the order it needs them.
export const workletModules = ['worklet-base64.js', 'libfluidsynth.js', 'js-synthesizer.worklet.min.js', 'synth-worklet.js'];
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

// The worklet's files, fetched side by side and added as one module: added one
// by one from the server, each would wait for the one before it. All but
// FluidSynth are wrapped in functions of their own and they meet only on the
// worklet's global scope, so one module runs them as apart.
export async function fetchWorklet(base = './'): Promise<Blob> {
  const parts = await Promise.all(
    workletModules.map(async (m) => {
      const response = await fetch(base + m);
      if (!response.ok) throw new Error(`${m}: ${response.status}`);
      return response.arrayBuffer();
    }),
  );
  return new Blob(parts.flatMap((p) => [p, '\n;\n']), { type: 'text/javascript' });
}

export async function loadWorklet(ctx: BaseAudioContext, base = './', fetched?: Promise<Blob>): Promise<void> {
  if (!ctx.audioWorklet) throw new NoAudioWorklet();
  const url = URL.createObjectURL(await (fetched ?? fetchWorklet(base)));
  try {
    await ctx.audioWorklet.addModule(url);
  } finally {
    URL.revokeObjectURL(url);
  }
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
  // The piano dies away by itself.
  end(): void {}
}

// A Web MIDI output: the same plan with the port's own time stamps. As the
// desktop's driver does, each note is released 2 s after its note-on (a new
// note-on of the key moving that), since the plan itself never ends a note.
export class MidiOut implements SoundOut {
  // A note the plan gives no length is held as the desktop's driver holds it.
  static readonly releaseMs = 2000;
  // The drill's notes are on channel 1, as on the desktop.
  private static readonly channel = 0;
  // Per key, when its note is due to end; a release whose time is no longer
  // the key's was overtaken by a restrike.
  private readonly due = new Map<number, number>();
  private readonly channels = new Set<number>();
  constructor(readonly port: MIDIOutput) {}
  play(plan: PlannedNote[]): void {
    const now = performance.now();
    for (const n of [...plan].sort((a, b) => a.atMs - b.atMs)) {
      const key = n.key & 0x7f;
      const at = now + n.atMs;
      if (n.velocity > 0) {
        this.channels.add(MidiOut.channel);
        this.port.send([0x90 | MidiOut.channel, key, n.velocity & 0x7f], at);
        const end = at + (n.lengthMs ?? MidiOut.releaseMs);
        this.due.set(key, end);
        // Sent when due, not ahead: a restrike before then must not be cut.
        setTimeout(() => this.release(key, end), end - performance.now());
      } else {
        this.port.send([0x80 | MidiOut.channel, key, 0], at);
        this.due.delete(key);
      }
    }
  }
  private release(key: number, end: number) {
    if (this.due.get(key) !== end) return;
    this.due.delete(key);
    this.port.send([0x80 | MidiOut.channel, key, 0]);
  }
  // All notes off on every channel this output has sounded: a synthesizer
  // with a sustaining sound would otherwise ring on.
  end(): void {
    // Where the browser can, notes planned for later are dropped too.
    (this.port as { clear?: () => void }).clear?.();
    for (const c of this.channels) this.port.send([0xb0 | c, 123, 0]);
  }
  silence(): void {
    this.end();
    this.port.send([0xb0, 120, 0]);
    this.port.send([0xb0, 121, 0]);
  }
}
