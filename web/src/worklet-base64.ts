// The audio thread has no atob, and FluidSynth's WebAssembly comes in base64:
// the stand-in it brings decodes a character at a time into a growing string
// (some 60 ms, on the way to the first note); this takes a few.
const digits = 'ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/';

export function decodeBase64(text: string): string {
  // Padding, spaces and stray characters are skipped, as by the stand-in.
  const value = new Uint8Array(256).fill(64);
  for (let i = 0; i < 64; i++) value[digits.charCodeAt(i)] = i;
  const bytes = new Uint8Array((text.length * 3) >> 2);
  let j = 0;
  let bits = 0;
  let have = 0;
  for (let i = 0; i < text.length; i++) {
    const d = value[text.charCodeAt(i) & 255];
    if (d === 64) continue;
    bits = (bits << 6) | d;  // only the lowest 14 bits are ever read
    have += 6;
    if (have >= 8) {
      have -= 8;
      bytes[j++] = (bits >> have) & 255;
    }
  }
  let out = '';
  for (let k = 0; k < j; k += 8192) out += String.fromCharCode(...bytes.subarray(k, Math.min(j, k + 8192)));
  return out;
}

const scope = globalThis as { atob?: (s: string) => string };
if (typeof scope.atob !== 'function') scope.atob = decodeBase64;
