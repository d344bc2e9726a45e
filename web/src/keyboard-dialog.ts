// Answering on a MIDI keyboard: the played group judged as a typed answer,
// and the window that chooses the input.
import type { WebKeyboardNative } from './core';
import { submit } from './drill-view';
import { arg, pageContext, tr } from './i18n';
import { KeyboardListener, midiAccess as requestMidi, readKeyboardChoice, storeKeyboardChoice } from './keyboard';
import type { MidiAccessResult } from './keyboard';
import { $, page, pacing, say, showModal, view } from './page';

let keyboard: KeyboardListener | null = null;
let native: WebKeyboardNative | null = null;
let keyboardChoice = readKeyboardChoice();
let access: MidiAccessResult | null = null;

// Asked of the browser once, for the inputs and the outputs alike.
export async function theMidiAccess(): Promise<MidiAccessResult> {
  access ??= await requestMidi();
  return access;
}

// What was heard, where a typed answer would be, and spoken.
function heard(text: string) {
  const edit = $<HTMLInputElement>('edit1');
  if (edit.placeholder === text) return;
  edit.placeholder = text;
  edit.title = text;
  if (text) say(text);
}

const notesText = (n: number) => (n === 1 ? tr('TKeyboardAnswer', '1 note') : arg(tr('TKeyboardAnswer', '%1 notes'), n));

// A played group, judged as a typed answer: its row chosen, the field emptied.
function answerPlayed(notes: number[]) {
  // As with typing: nothing outside a drill, under a dialog, or before a waiting question sounds.
  if (!view().drilling || !native || document.querySelector('dialog[open]') || pacing.waiting) return;
  const cardinality = Number.parseInt(view().prefix, 10);
  const played = native.identify(notes, cardinality);
  if (played.pitchClasses !== cardinality) {
    heard(arg(tr('TKeyboardAnswer', 'played %1, %2 expected'), notesText(played.pitchClasses), cardinality));
    return;
  }
  const row = page.drill.rowListIndices().indexOf(played.listIndex);
  if (row < 0) {
    // A class the drill does not ask is not judged.
    heard(
      played.listIndex >= 0
        ? arg(tr('TKeyboardAnswer', 'played %1-%2, not in the list'), cardinality, played.name)
        : arg(tr('TKeyboardAnswer', 'played %1, no set class found'), notesText(cardinality)),
    );
    return;
  }
  heard('');
  $<HTMLSelectElement>('listbox').selectedIndex = row;
  $<HTMLInputElement>('edit1').value = '';
  void submit();
}

// Listens through the core's note gathering, on the input chosen before.
export function startKeyboard(n: WebKeyboardNative) {
  native = n;
  keyboard = new KeyboardListener(n, answerPlayed);
  void followKeyboardChoice();
}

// Opens the chosen input, when answering by playing is on and it is there.
async function followKeyboardChoice() {
  if (!keyboard) return;
  const a = keyboardChoice.answerByPlaying ? await theMidiAccess() : null;
  const input = a && typeof a === 'object' ? [...a.inputs.values()].find((i) => (i.name ?? i.id) === keyboardChoice.port) : undefined;
  keyboard.listen(input ?? null);
}

export async function showKeyboard() {
  const a = await theMidiAccess();
  const list = $<HTMLSelectElement>('kbd-list');
  const box = $<HTMLInputElement>('kbd-play');
  const names = typeof a === 'object' ? [...a.inputs.values()].map((i) => i.name ?? i.id) : [];
  list.replaceChildren(...names.map((n) => new Option(n, n)));
  list.value = keyboardChoice.port;
  if (list.selectedIndex < 0 && names.length > 0) list.selectedIndex = 0;
  box.checked = keyboardChoice.answerByPlaying;
  box.disabled = names.length === 0;
  list.disabled = names.length === 0;
  $('kbd-note').textContent =
    a === 'missing'
      ? tr(pageContext, 'This browser offers no MIDI inputs (Web MIDI): answer by typing. Chrome and Edge offer them; Safari does not, nor Firefox without its permission.')
      : a === 'refused'
        ? tr(pageContext, 'The browser did not allow its MIDI inputs: answer by typing, or allow MIDI in the site\'s settings and open this window again.')
        : names.length === 0
          ? tr(pageContext, 'No MIDI input port found. A keyboard appears here once it is connected and this window is opened again.')
          : '';
  await showModal('keyboard-dialog');
  // Every way of closing keeps the choice.
  if (names.length > 0) keyboardChoice = { answerByPlaying: box.checked, port: list.value };
  storeKeyboardChoice(keyboardChoice);
  await followKeyboardChoice();
}
