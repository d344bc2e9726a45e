// The microphone in the audio thread: its first channel gathered into blocks
// and handed to the page, which feeds them to the pitch tracker and keeps
// nothing. A block with no input (the device went away) comes as silence, so
// that the core still notices the microphone has gone quiet.
declare function registerProcessor(name: string, ctor: unknown): void;
declare class AudioWorkletProcessor {
  readonly port: MessagePort;
}

// About 21 ms at 48 kHz: small enough for the level meter, large enough to
// keep the messages few.
const BLOCK = 1024;

class SonorixMicrophone extends AudioWorkletProcessor {
  private block = new Float32Array(BLOCK);
  private filled = 0;

  process(inputs: Float32Array[][]): boolean {
    const channel = inputs[0]?.[0];
    const frames = channel?.length ?? 128;
    for (let i = 0; i < frames; ++i) {
      this.block[this.filled++] = channel ? channel[i] : 0;
      if (this.filled === BLOCK) {
        this.port.postMessage(this.block, [this.block.buffer]);
        this.block = new Float32Array(BLOCK);
        this.filled = 0;
      }
    }
    return true;
  }
}

registerProcessor('sonorix-microphone', SonorixMicrophone);
