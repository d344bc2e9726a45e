// Midi Setup: the built-in synthesizer or a Web MIDI output.
import { pageContext, tr } from './i18n';
import { theMidiAccess } from './keyboard-dialog';
import { $, page, showModal } from './page';
import { MidiOut } from './sound';

let midiAccess: MIDIAccess | null = null;

export async function showMidi() {
  const list = $<HTMLSelectElement>('midi-list');
  const outputs: (MIDIOutput | null)[] = [null];
  const names = [tr(pageContext, 'Built-in synthesizer (FluidSynth, TimGM6mb)')];
  const hasMidi = 'requestMIDIAccess' in navigator;
  if (!midiAccess && hasMidi) {
    const a = await theMidiAccess();
    midiAccess = typeof a === 'object' ? a : null;
  }
  if (midiAccess) {
    for (const out of midiAccess.outputs.values()) {
      outputs.push(out);
      names.push(out.name ?? out.id);
    }
  }
  $('midi-note').textContent = hasMidi
    ? midiAccess
      ? ''
      : 'The browser did not allow its MIDI outputs.'
    : 'This browser offers no MIDI outputs (Web MIDI).';
  list.replaceChildren(...names.map((n, i) => new Option(n, String(i))));
  const sound = page.sound;
  list.selectedIndex = sound instanceof MidiOut ? Math.max(1, outputs.findIndex((o) => o !== null && sound.port === o)) : 0;
  list.onchange = () => {
    page.sound?.silence();
    const out = outputs[list.selectedIndex];
    page.sound = out ? new MidiOut(out) : page.synth;
  };
  await showModal('midi-dialog');
}
