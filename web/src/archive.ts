// "Export my data" and "Import": the data folder as one zip archive, checked
// whole before anything is replaced.
import { unzipSync, zipSync } from 'fflate';
import { dataFileNames } from './storage';

export const folderName = 'sonorix';

export class BadArchive extends Error {}

export function exportArchive(files: Map<string, Uint8Array>): Uint8Array {
  const entries: Record<string, Uint8Array> = {};
  for (const name of dataFileNames) {
    const bytes = files.get(name);
    if (bytes) entries[`${folderName}/${name}`] = bytes;
  }
  // A fixed time keeps the archive the same for the same files.
  return zipSync(entries, { level: 6, mtime: new Date(2000, 0, 1) });
}

const crcTable = (() => {
  const t = new Uint32Array(256);
  for (let n = 0; n < 256; n++) {
    let c = n;
    for (let k = 0; k < 8; k++) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    t[n] = c >>> 0;
  }
  return t;
})();

export function crc32(bytes: Uint8Array): number {
  let c = 0xffffffff;
  for (const b of bytes) c = crcTable[(c ^ b) & 0xff] ^ (c >>> 8);
  return (c ^ 0xffffffff) >>> 0;
}

// The stored CRC of every entry, read from the central directory (the
// unpacker does not check it, and a damaged entry must not pass).
function storedCrcs(zip: Uint8Array): Map<string, number> {
  const view = new DataView(zip.buffer, zip.byteOffset, zip.byteLength);
  let end = -1;
  for (let i = zip.length - 22; i >= Math.max(0, zip.length - 22 - 65535); i--) {
    if (view.getUint32(i, true) === 0x06054b50) {
      end = i;
      break;
    }
  }
  if (end < 0) throw new BadArchive('no zip directory');
  const count = view.getUint16(end + 10, true);
  let at = view.getUint32(end + 16, true);
  const crcs = new Map<string, number>();
  for (let i = 0; i < count; i++) {
    if (at + 46 > zip.length || view.getUint32(at, true) !== 0x02014b50) throw new BadArchive('damaged zip directory');
    const crc = view.getUint32(at + 16, true);
    const nameLen = view.getUint16(at + 28, true);
    const extra = view.getUint16(at + 30, true);
    const comment = view.getUint16(at + 32, true);
    const name = new TextDecoder().decode(zip.subarray(at + 46, at + 46 + nameLen));
    crcs.set(name, crc);
    at += 46 + nameLen + extra + comment;
  }
  return crcs;
}

// The data files of an archive made by exportArchive (or the same folder
// zipped by hand, with or without the folder). Anything else is refused.
export function readArchive(zip: Uint8Array): Map<string, Uint8Array> {
  let entries: Record<string, Uint8Array>;
  let crcs: Map<string, number>;
  try {
    crcs = storedCrcs(zip);
    entries = unzipSync(zip);
  } catch (e) {
    throw e instanceof BadArchive ? e : new BadArchive(String(e));
  }
  const files = new Map<string, Uint8Array>();
  for (const [path, bytes] of Object.entries(entries)) {
    if (path.endsWith('/')) continue;
    const parts = path.split('/');
    const name = parts[parts.length - 1];
    if (!dataFileNames.includes(name) || parts.length > 2) throw new BadArchive(`not a Sonorix file: ${path}`);
    if (crcs.get(path) !== crc32(bytes)) throw new BadArchive(`damaged: ${path}`);
    if (bytes.includes(0)) throw new BadArchive(`not a text file: ${path}`);
    files.set(name, bytes);
  }
  if (files.size === 0) throw new BadArchive('no Sonorix files');
  return files;
}
