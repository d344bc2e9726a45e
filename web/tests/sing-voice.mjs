// A sung figure whose pitches are known exactly, as a 16-bit mono WAV: a voice
// of eight harmonics with vibrato (±30 cents at 5.5 Hz), a little jitter and
// breath noise, each note's onset and release shaped, a quiet room around it.
// Made at test time; nothing binary is kept in the repository.
import { writeFileSync } from 'node:fs';

// The rate of Chromium's fake capture device: its samples are then the file's own.
export const rate = 44100;

// A repeatable chance, so that a figure is the same file on every run.
function chance(seed) {
  let s = seed >>> 0 || 1;
  return () => {
    s ^= s << 13;
    s ^= s >>> 17;
    s ^= s << 5;
    return (s >>> 0) / 4294967296;
  };
}

// notes: [{ midi, seconds, cents = 0, gap = 0.25 }]; lead/tail: seconds of room noise.
export function voice(notes, { lead = 0.6, tail = 2.6, seed = 7, secondHarmonic = 0.5, noiseDb = -62, snrDb = null } = {}) {
  const random = chance(seed);
  const total = lead + tail + notes.reduce((s, n) => s + n.seconds + (n.gap ?? 0.25), 0);
  const out = new Float32Array(Math.ceil(total * rate));
  let at = Math.round(lead * rate);
  for (const n of notes) {
    const length = Math.round(n.seconds * rate);
    let phase = 0;
    let jitter = 0;
    for (let i = 0; i < length; i++) {
      const t = i / rate;
      // Vibrato and a slow wander, in cents.
      if (i % 480 === 0) jitter = 0.8 * jitter + 3 * (random() - 0.5);
      const cents = (n.cents ?? 0) + 30 * Math.sin(2 * Math.PI * 5.5 * t) + jitter;
      const hz = 440 * 2 ** ((n.midi - 69 + cents / 100) / 12);
      phase += (2 * Math.PI * hz) / rate;
      const envelope = Math.min(1, t / 0.04, (length - i) / rate / 0.06);
      let s = 0;
      for (let k = 1; k <= 8; k++) s += (k === 2 ? secondHarmonic : 1 / k) * Math.sin(k * phase);
      const breath = (random() - 0.5) * 0.02;
      out[at + i] += 0.25 * envelope * s + envelope * breath;
    }
    at += length + Math.round((n.gap ?? 0.25) * rate);
  }
  // The room: never digital silence, which the core takes for a dead microphone.
  let power = 0;
  for (const s of out) power += s * s;
  const signalDb = 10 * Math.log10(power / out.length + 1e-20);
  const level = snrDb === null ? 10 ** (noiseDb / 20) : 10 ** ((signalDb - snrDb) / 20);
  for (let i = 0; i < out.length; i++) out[i] += level * Math.sqrt(3) * 2 * (random() - 0.5);
  return out;
}

export function writeWav(path, samples) {
  const data = Buffer.alloc(samples.length * 2);
  samples.forEach((s, i) => data.writeInt16LE(Math.max(-32768, Math.min(32767, Math.round(s * 32767))), i * 2));
  const head = Buffer.alloc(44);
  head.write('RIFF', 0);
  head.writeUInt32LE(36 + data.length, 4);
  head.write('WAVEfmt ', 8);
  head.writeUInt32LE(16, 16);
  head.writeUInt16LE(1, 20);
  head.writeUInt16LE(1, 22);
  head.writeUInt32LE(rate, 24);
  head.writeUInt32LE(rate * 2, 28);
  head.writeUInt16LE(2, 32);
  head.writeUInt16LE(16, 34);
  head.write('data', 36);
  head.writeUInt32LE(data.length, 40);
  writeFileSync(path, Buffer.concat([head, data]));
}

// The samples as a WAV reader gets them back: 16-bit, as the file holds them.
export const asStored = (samples) => Float32Array.from(samples, (s) => Math.max(-32768, Math.min(32767, Math.round(s * 32767))) / 32767);
