// The built-in synthesizer in the audio thread: FluidSynth renders in its own
// 64-frame blocks, and every note-on waits for the block nearest its planned
// frame, so a note sounds within half a block (0.7 ms) of its time whatever
// the page's main thread is doing.
/* eslint-disable @typescript-eslint/no-explicit-any */
declare const AudioWorkletGlobalScope: any;
declare const currentFrame: number;
declare const sampleRate: number;
declare function registerProcessor(name: string, ctor: unknown): void;
declare class AudioWorkletProcessor {
  readonly port: MessagePort;
}

const BLOCK = 64;

interface PlannedNote {
  frame: number;
  key: number;
  velocity: number;
}

export type SynthMessage =
  | { type: 'font'; data: ArrayBuffer }
  | { type: 'notes'; notes: PlannedNote[] }
  | { type: 'silence' };

class SonorixSynth extends AudioWorkletProcessor {
  private synth: any = null;
  private pending: PlannedNote[] = [];
  private readonly left = new Float32Array(BLOCK);
  private readonly right = new Float32Array(BLOCK);

  constructor() {
    super();
    const JSSynth = AudioWorkletGlobalScope.JSSynth;
    this.port.onmessage = async (ev: MessageEvent<SynthMessage>) => {
      const m = ev.data;
      if (m.type === 'font') {
        try {
          await JSSynth.Synthesizer.waitForWasmInitialized();
          const synth = new JSSynth.Synthesizer();
          // The desktop's settings: dry sound, its gain, its polyphony.
          synth.init(sampleRate, { gain: 2.0, polyphony: 128, reverbActive: false, chorusActive: false });
          await synth.loadSFont(m.data);
          synth.midiProgramChange(0, 0);
          this.synth = synth;
          this.port.postMessage({ type: 'ready' });
        } catch (e) {
          this.port.postMessage({ type: 'error', message: String(e) });
        }
      } else if (m.type === 'notes') {
        this.pending.push(...m.notes);
        this.pending.sort((a, b) => a.frame - b.frame);
        this.port.postMessage({ type: 'queued' });
      } else if (m.type === 'silence') {
        this.pending = [];
        if (this.synth) this.synth.midiAllSoundsOff(0);
      }
    };
  }

  process(_inputs: Float32Array[][], outputs: Float32Array[][]): boolean {
    const out = outputs[0];
    if (!out || out.length === 0) return true;
    const frames = out[0].length;
    if (!this.synth) {
      for (const ch of out) ch.fill(0);
      return true;
    }
    for (let off = 0; off < frames; off += BLOCK) {
      const blockStart = currentFrame + off;
      // A note is started with the block whose start lies nearest its frame.
      while (this.pending.length > 0 && this.pending[0].frame < blockStart + BLOCK / 2) {
        const n = this.pending.shift()!;
        this.synth.midiNoteOn(0, n.key, n.velocity);
      }
      const len = Math.min(BLOCK, frames - off);
      this.synth.render([this.left.subarray(0, len), this.right.subarray(0, len)]);
      out[0].set(this.left.subarray(0, len), off);
      if (out.length > 1) out[1].set(this.right.subarray(0, len), off);
    }
    return true;
  }
}

registerProcessor('sonorix-synth', SonorixSynth);
