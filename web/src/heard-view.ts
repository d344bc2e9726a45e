// "What I Heard": a question's notes on a grand staff and a keyboard, each
// note named, the set class line beneath; beside it, in its own colour and
// label, a class named wrongly, in close position on the question's lowest
// note, with the interval classes in which the two differ marked. Spelling,
// clefs, signs and names come from the core (the desktop's rules); the
// notation library only engraves them.
import { arg, currentLanguage, tr } from './i18n';
import type { Bar, Question, SetClassInfo, WebNotationNative } from './core';

export type { SetClassInfo } from './core';

export interface HeardSet {
  label: string | (() => string);  // a function is asked again in another language
  columns: number[][];  // MIDI notes; each inner list sounds together
  info: SetClassInfo;
}

type Lib = typeof import('./staff-lib');

let native: WebNotationNative | null = null;
let lib: Promise<Lib> | null = null;
const storageKey = 'sonorix-show-heard';
// Colours on the picture's white paper, both above 4.5:1; the second set also
// has its own label and diamonds on the keyboard.
export const setColours = ['#1a4f9c', '#b34700'];
const keyTints = ['#cfe0f7', '#f9dcc8'];
const ink = '#1b1b1b';

const h = (source: string) => tr('HeardPicture', source);
const svgNs = 'http://www.w3.org/2000/svg';

export function useNotation(n: WebNotationNative) {
  native = n;
}

function loadLib(): Promise<Lib> {
  lib ??= import(new URL('./staff-lib.js', document.baseURI).href).then(async (m: Lib) => {
    await m.ready;
    return m;
  });
  return lib;
}

// The class at `listIndex` of the list of that cardinality, as the drill lists it.
export function setClass(cardinality: number, listIndex: number): SetClassInfo | null {
  return native ? native.setClass(cardinality, listIndex) : null;
}

export const closePosition = (info: SetClassInfo, lowest: number): number[][] => [info.prime.map((pc) => lowest + pc)];

// The question's notes as they sounded: one chord (manner 0), one after another
// (1), or a mixed figure (2) whose joined pair sounds together.
export function questionColumns(q: { sorted: number[]; played: number[]; joined: number }, manner: number): number[][] {
  if (manner === 0) return [q.sorted];
  const columns: number[][] = [];
  q.played.forEach((note, i) => {
    if (manner === 2 && i === q.joined + 1 && columns.length > 0) columns[columns.length - 1].push(note);
    else columns.push([note]);
  });
  return columns;
}

const columnsText = (columns: number[][]) => columns.map((c) => c.join(' ')).join(';');
const languageIndex = () => Math.max(0, ['en', 'de', 'fr', 'es', 'it'].indexOf(currentLanguage()));

// Each MIDI note's name as the page's language writes it: "C♯4".
export function noteNames(midi: number[]): string[] {
  return native ? native.layOut(midi.join(';'), languageIndex()).names : midi.map(String);
}

function differing(sets: HeardSet[]): number[] {
  if (sets.length < 2 || !sets[0].info.line || !sets[1].info.line) return [];
  return sets[0].info.vector.flatMap((n, i) => (n !== sets[1].info.vector[i] ? [i + 1] : []));
}

// "C♯4, E4, G♯4: 3-11, prime form 0 3 7", each set's, and how two differ.
export function textEquivalent(sets: HeardSet[]): string {
  const parts = sets.map((set) => {
    const bar = native!.layOut(columnsText(set.columns), languageIndex());
    // Notes that name no class (a sung figure) are named alone.
    const part = set.info.line ? arg(h('%1: %2, prime form %3'), bar.names.join(', '), set.info.name, set.info.prime.join(' ')) : bar.names.join(', ');
    return sets.length > 1 ? `${labelOf(set)}: ${part}` : part;
  });
  const odd = differing(sets);
  if (odd.length > 0) parts.push(arg(h('They differ in interval classes %1'), odd.join(', ')));
  return parts.join('. ');
}

const labelOf = (set: HeardSet) => (typeof set.label === 'function' ? set.label() : set.label);

function el<K extends keyof HTMLElementTagNameMap>(tag: K, className: string, text?: string): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

function svg(tag: string, attrs: Record<string, string | number>): SVGElement {
  const e = document.createElementNS(svgNs, tag);
  for (const [k, v] of Object.entries(attrs)) e.setAttribute(k, String(v));
  return e;
}

// The grand staff of one set, engraved by the notation library at a staff
// space of 10 units and scaled to the width it is given.
function engrave(m: Lib, host: HTMLElement, bar: Bar, colour: string) {
  const widths = bar.columns.map((c) => 30 + c.signColumns * 12 + (1 + Math.max(0, ...c.notes.map((n) => n.shift))) * 14);
  const staffWidth = 75 + widths.reduce((a, b) => a + b, 0);
  const width = staffWidth + 22;
  const height = 182;
  const renderer = new m.Renderer(host as HTMLDivElement, m.Renderer.Backends.SVG);
  renderer.resize(width, height);
  const ctx = renderer.getContext();
  const treble = new m.Stave(18, -10, staffWidth).addClef('treble');
  const bass = new m.Stave(18, 85, staffWidth).addClef('bass');
  const start = Math.max(treble.getNoteStartX(), bass.getNoteStartX());
  treble.setNoteStartX(start);
  bass.setNoteStartX(start);
  treble.setContext(ctx).draw();
  bass.setContext(ctx).draw();
  for (const type of ['brace', 'singleLeft', 'singleRight'] as const) new m.StaveConnector(treble, bass).setType(type).setContext(ctx).draw();
  const voices = (['treble', 'bass'] as const).map((clef) => {
    const notes = bar.columns.map((column) => {
      const mine = column.notes.filter((n) => n.clef === clef);
      if (mine.length === 0) return new m.GhostNote('w');
      const note = new m.StaveNote({ keys: mine.map((n) => n.key), duration: 'w', clef });
      mine.forEach((n, i) => {
        if (n.sign === 0) return;
        const sign = new m.Accidental(['', '#', 'b', 'n'][n.sign]);
        sign.setStyle({ fillStyle: colour, strokeStyle: colour });
        note.addModifier(sign, i);
      });
      note.setStyle({ fillStyle: colour, strokeStyle: colour });
      note.setLedgerLineStyle({ fillStyle: ink, strokeStyle: ink });
      return note;
    });
    const voice = new m.Voice({ numBeats: 4 * Math.max(1, bar.columns.length), beatValue: 4 }).setMode(m.Voice.Mode.SOFT);
    voice.addTickables(notes);
    return voice;
  });
  new m.Formatter().joinVoices([voices[0]]).joinVoices([voices[1]]).format(voices, staffWidth - (start - 18) - 15);
  voices[0].draw(ctx, treble);
  voices[1].draw(ctx, bass);
  const drawn = host.querySelector('svg');
  if (drawn) {
    drawn.setAttribute('viewBox', `0 0 ${width} ${height}`);
    drawn.setAttribute('aria-hidden', 'true');
    drawn.removeAttribute('width');
    drawn.removeAttribute('height');
    drawn.style.width = '100%';
    drawn.style.maxWidth = `${Math.round(width * 1.25)}px`;
    drawn.style.height = 'auto';
  }
}

// The keys under both sets: a dot on the first set's keys, a diamond on the second's.
function keyboardSvg(first: number[][], second: number[][]): SVGElement | null {
  const k = native!.keyboard(columnsText(first), columnsText(second));
  if (k.whiteKeys === 0) return null;
  const w = 16;
  const root = svg('svg', { viewBox: `0 0 ${k.whiteKeys * w + 2} ${5.2 * w}`, 'aria-hidden': 'true', class: 'heard-keys' });
  (root as SVGSVGElement).style.maxWidth = `${k.whiteKeys * 24}px`;
  for (const key of k.keys) {
    const x = 1 + key.x * w;
    const height = (key.black ? 3.2 : 5) * w;
    const pressedBy = key.pressed[0] ? 0 : key.pressed[1] ? 1 : -1;
    const fill = key.black ? '#222' : pressedBy >= 0 ? keyTints[pressedBy] : '#fff';
    root.append(svg('rect', { x, y: 1, width: key.width * w, height, fill, stroke: ink, 'stroke-width': 1, 'data-midi': key.midi }));
    const cx = x + (key.width * w) / 2;
    let cy = 1 + height - (key.black ? 0.8 : 1) * w;
    for (const set of [1, 0]) {
      if (!key.pressed[set]) continue;
      const r = (key.black ? 0.28 : 0.34) * w;
      const stroke = key.black ? '#fff' : ink;
      const mark =
        set === 0
          ? svg('circle', { cx, cy, r, fill: setColours[0], stroke, class: 'pressed' })
          : svg('polygon', { points: `${cx},${cy - r * 1.3} ${cx + r * 1.3},${cy} ${cx},${cy + r * 1.3} ${cx - r * 1.3},${cy}`, fill: setColours[1], stroke, class: 'pressed' });
      root.append(mark);
      cy -= 0.9 * w;
    }
  }
  return root;
}

// What each place shows, to draw again in another language.
const shown = new Map<HTMLElement, HeardSet[]>();

// Draws one or two sets into `into`; returns the text equivalent at once, while
// the staves follow when the notation library has loaded (into.dataset.drawn).
export function drawSets(into: HTMLElement, sets: HeardSet[]): string {
  if (!native || sets.length === 0) return '';
  shown.set(into, sets);
  const language = languageIndex();
  const odd = differing(sets);
  const text = textEquivalent(sets);
  const wrap = el('div', 'heard-sets');
  const staves: [HTMLElement, Bar, string][] = [];
  sets.forEach((set, i) => {
    const bar = native!.layOut(columnsText(set.columns), language);
    const figure = el('figure', `heard-set heard-set-${i}`);
    figure.style.color = setColours[i];
    figure.append(el('p', 'heard-label', labelOf(set)));
    const staff = el('div', 'heard-staff');
    figure.append(staff, el('p', 'heard-names', bar.names.join('  ')));
    // The set class line, its differing interval classes bold and underlined.
    if (set.info.line) {
      const line = el('p', 'heard-line', set.info.line.slice(0, set.info.line.indexOf('⟨') + 1));
      set.info.vector.forEach((n, ic) => {
        const marked = odd.includes(ic + 1);
        line.append(marked ? el('strong', 'heard-differs', String(n)) : String(n));
      });
      line.append('⟩');
      figure.append(line);
    }
    wrap.append(figure);
    staves.push([staff, bar, setColours[i]]);
  });
  const parts: Node[] = [wrap];
  const keys = keyboardSvg(sets[0].columns, sets[1]?.columns ?? []);
  if (keys) parts.push(keys);
  if (odd.length > 0) parts.push(el('p', 'heard-legend', h('Underlined: the interval classes in which they differ')));
  parts.push(el('p', 'heard-text', text));
  into.replaceChildren(...parts);
  into.hidden = false;
  delete into.dataset.drawn;
  void loadLib().then((m) => {
    if (!into.contains(wrap)) return;  // drawn over meanwhile
    for (const [host, bar, colour] of staves) engrave(m, host, bar, colour);
    into.dataset.drawn = 'yes';
  });
  return text;
}

// The question heard (its notes; one list is one chord), the class asked and,
// when the student named another, that one beside it in close position on the
// question's lowest note. Classes are list indices of the question's
// cardinality, as the drill lists them. Returns the text equivalent.
export function showHeard(question: number[] | number[][], asked: number, named: number | null, into?: HTMLElement): string {
  const columns = question.length > 0 && Array.isArray(question[0]) ? (question as number[][]) : [question as number[]];
  const notes = columns.flat();
  const cardinality = new Set(notes.map((n) => n % 12)).size;
  const askedInfo = setClass(cardinality, asked);
  if (!askedInfo || notes.length === 0) return '';
  const namedInfo = named !== null && named !== asked ? setClass(cardinality, named) : null;
  const sets: HeardSet[] = [{ label: namedInfo ? () => h('Heard') : askedInfo.name, columns, info: askedInfo }];
  if (namedInfo) sets.push({ label: () => h('You named'), columns: closePosition(namedInfo, Math.min(...notes)), info: namedInfo });
  const panel = document.getElementById('heard');
  if (!into && panel) panel.hidden = false;
  return drawSets(into ?? document.getElementById('heard-picture')!, sets);
}

// The confusion map's cell: both classes in close position on middle C.
export function showPair(cardinalityIndex: number, asked: number, answered: number, into: HTMLElement) {
  const cardinality = cardinalityIndex + 3;
  const a = setClass(cardinality, asked);
  const b = asked !== answered ? setClass(cardinality, answered) : null;
  if (!a) return;
  const sets: HeardSet[] = [{ label: () => tr('TConfusionForm', 'Asked'), columns: closePosition(a, 60), info: a }];
  if (b) sets.push({ label: () => tr('TConfusionForm', 'Answered'), columns: closePosition(b, 60), info: b });
  drawSets(into, sets);
}

// View › Show What I Heard: off unless the student checked it; kept in the page's storage.
export function showHeardChosen(): boolean {
  try {
    return localStorage.getItem(storageKey) === 'yes';
  } catch {
    return false;
  }
}

export function wireHeardChoice(box: HTMLInputElement) {
  box.checked = showHeardChosen();
  box.addEventListener('change', () => {
    try {
      localStorage.setItem(storageKey, box.checked ? 'yes' : 'no');
    } catch {
      // kept for this visit only
    }
    if (!box.checked) {
      const panel = document.getElementById('heard');
      if (panel) panel.hidden = true;
    }
  });
  // Names as the new language writes them.
  document.addEventListener('sonorix-language', () => {
    for (const [into, sets] of shown) if (!into.hidden) drawSets(into, sets);
  });
}

// In the drill, after a right answer only, so that a test stays a test; the
// question as it was before the answer moved the drill on. Returns what the
// live region adds to the judgement ('' when nothing is shown).
export function heardAfterAnswer(right: boolean, q: Question | null, manner: number, box: HTMLInputElement): string {
  if (!right || !box.checked || !q) return '';
  return showHeard(questionColumns(q, manner), q.listIndex, null);
}
