// Makes a SoundFont holding only the presets Sonorix plays, from a whole GM
// SoundFont, so that the page's first question sounds sooner.
// node sf2-subset.mjs IN.sf2 OUT.sf2 [bank:program ...]   (default 0:0)
// The piano it cuts from TimGM6mb stays GPL-2; so that the tool can go with it
// as part of its source, this file may also be used under the GNU GPL version 2
// or (at your option) any later version.
import { readFileSync, writeFileSync } from 'node:fs';

function chunks(buf, start, end) {
  const out = [];
  for (let at = start; at + 8 <= end; ) {
    const id = buf.toString('latin1', at, at + 4);
    const size = buf.readUInt32LE(at + 4);
    out.push({ id, start: at + 8, size, list: id === 'LIST' ? buf.toString('latin1', at + 8, at + 12) : null });
    at += 8 + size + (size & 1);
  }
  return out;
}

function records(buf, chunk, size) {
  const out = [];
  for (let at = chunk.start; at + size <= chunk.start + chunk.size; at += size) out.push(buf.subarray(at, at + size));
  return out;
}

function chunk(id, body) {
  const head = Buffer.alloc(8);
  head.write(id, 0, 'latin1');
  head.writeUInt32LE(body.length, 4);
  return Buffer.concat([head, body, body.length & 1 ? Buffer.alloc(1) : Buffer.alloc(0)]);
}

function list(type, parts) {
  return chunk('LIST', Buffer.concat([Buffer.from(type, 'latin1'), ...parts]));
}

export function subsetSoundFont(buf, wanted = [[0, 0]]) {
  const top = chunks(buf, 12, buf.length);
  const find = (type) => top.find((c) => c.list === type);
  const info = find('INFO');
  const sdta = chunks(buf, find('sdta').start + 4, find('sdta').start + find('sdta').size);
  const smpl = sdta.find((c) => c.id === 'smpl');
  const pd = chunks(buf, find('pdta').start + 4, find('pdta').start + find('pdta').size);
  const get = (id, size) => records(buf, pd.find((c) => c.id === id), size);
  const phdr = get('phdr', 38), pbag = get('pbag', 4), pmod = get('pmod', 10), pgen = get('pgen', 4);
  const inst = get('inst', 22), ibag = get('ibag', 4), imod = get('imod', 10), igen = get('igen', 4);
  const shdr = get('shdr', 46);

  const out = { phdr: [], pbag: [], pmod: [], pgen: [], inst: [], ibag: [], imod: [], igen: [], shdr: [] };
  const instMap = new Map();
  const sampleMap = new Map();
  const samples = [];
  let sampleData = [];
  let samplePos = 0;

  const addSample = (s) => {
    if (sampleMap.has(s)) return sampleMap.get(s);
    const index = samples.length;
    sampleMap.set(s, index);
    const r = Buffer.from(shdr[s]);
    samples.push(r);
    const start = r.readUInt32LE(20), end = r.readUInt32LE(24);
    const data = buf.subarray(smpl.start + start * 2, smpl.start + end * 2);
    const shift = samplePos - start;
    r.writeUInt32LE(start + shift, 20);
    r.writeUInt32LE(end + shift, 24);
    r.writeUInt32LE(r.readUInt32LE(28) + shift, 28);
    r.writeUInt32LE(r.readUInt32LE(32) + shift, 32);
    sampleData.push(data, Buffer.alloc(46 * 2));  // the 46 zero points each sample must be followed by
    samplePos += end - start + 46;
    const type = r.readUInt16LE(44);
    if (type !== 1 && (type & 0x8000) === 0) {
      const link = addSample(r.readUInt16LE(42));
      r.writeUInt16LE(link, 42);
    }
    return index;
  };

  const addInstrument = (i) => {
    if (instMap.has(i)) return instMap.get(i);
    const index = out.inst.length;
    instMap.set(i, index);
    const r = Buffer.from(inst[i]);
    r.writeUInt16LE(out.ibag.length, 20);
    out.inst.push(r);
    for (let b = inst[i].readUInt16LE(20); b < inst[i + 1].readUInt16LE(20); b++) {
      out.ibag.push(Buffer.from([0, 0, 0, 0]));
      const bag = out.ibag[out.ibag.length - 1];
      bag.writeUInt16LE(out.igen.length, 0);
      bag.writeUInt16LE(out.imod.length, 2);
      for (let g = ibag[b].readUInt16LE(0); g < ibag[b + 1].readUInt16LE(0); g++) {
        const gen = Buffer.from(igen[g]);
        if (gen.readUInt16LE(0) === 53) gen.writeUInt16LE(addSample(gen.readUInt16LE(2)), 2);
        out.igen.push(gen);
      }
      for (let m = ibag[b].readUInt16LE(2); m < ibag[b + 1].readUInt16LE(2); m++) out.imod.push(imod[m]);
    }
    return index;
  };

  for (let p = 0; p + 1 < phdr.length; p++) {
    const program = phdr[p].readUInt16LE(20), bank = phdr[p].readUInt16LE(22);
    if (!wanted.some(([b, pr]) => b === bank && pr === program)) continue;
    const r = Buffer.from(phdr[p]);
    r.writeUInt16LE(out.pbag.length, 24);
    out.phdr.push(r);
    for (let b = phdr[p].readUInt16LE(24); b < phdr[p + 1].readUInt16LE(24); b++) {
      const bag = Buffer.alloc(4);
      bag.writeUInt16LE(out.pgen.length, 0);
      bag.writeUInt16LE(out.pmod.length, 2);
      out.pbag.push(bag);
      for (let g = pbag[b].readUInt16LE(0); g < pbag[b + 1].readUInt16LE(0); g++) {
        const gen = Buffer.from(pgen[g]);
        if (gen.readUInt16LE(0) === 41) gen.writeUInt16LE(addInstrument(gen.readUInt16LE(2)), 2);
        out.pgen.push(gen);
      }
      for (let m = pbag[b].readUInt16LE(2); m < pbag[b + 1].readUInt16LE(2); m++) out.pmod.push(pmod[m]);
    }
  }
  if (out.phdr.length === 0) throw new Error('none of the wanted presets is in the SoundFont');

  const terminal = (name, size, indexAt, index) => {
    const r = Buffer.alloc(size);
    if (name) r.write(name, 0, 'latin1');
    if (indexAt >= 0) r.writeUInt16LE(index, indexAt);
    return r;
  };
  out.phdr.push(terminal('EOP', 38, 24, out.pbag.length));
  const bagEnd = (gens, mods) => {
    const r = Buffer.alloc(4);
    r.writeUInt16LE(gens, 0);
    r.writeUInt16LE(mods, 2);
    return r;
  };
  out.pbag.push(bagEnd(out.pgen.length, out.pmod.length));
  out.pmod.push(Buffer.alloc(10));
  out.pgen.push(Buffer.alloc(4));
  out.inst.push(terminal('EOI', 22, 20, out.ibag.length));
  out.ibag.push(bagEnd(out.igen.length, out.imod.length));
  out.imod.push(Buffer.alloc(10));
  out.igen.push(Buffer.alloc(4));
  out.shdr = [...samples, terminal('EOS', 46, -1, 0)];

  const infoBody = buf.subarray(info.start + 4, info.start + info.size);
  const pdta = list('pdta', Object.entries(out).map(([id, rs]) => chunk(id, Buffer.concat(rs))));
  const body = Buffer.concat([
    Buffer.from('sfbk', 'latin1'),
    list('INFO', [infoBody]),
    list('sdta', [chunk('smpl', Buffer.concat(sampleData))]),
    pdta,
  ]);
  return chunk('RIFF', body);
}

if (process.argv[1] && process.argv[1].endsWith('sf2-subset.mjs')) {
  const [input, output, ...rest] = process.argv.slice(2);
  const wanted = rest.length ? rest.map((s) => s.split(':').map(Number)) : [[0, 0]];
  const result = subsetSoundFont(readFileSync(input), wanted);
  writeFileSync(output, result);
  console.log(`${output}: ${result.length} bytes`);
}
