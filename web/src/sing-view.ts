// The sing mode: Sonorix plays a question (or names a class and plays its
// first note), listens through the microphone while the student sings, and
// shows each note heard, then the verdict and the right notes beside the sung
// ones. The tracker and its judgement are the core's (sing-core.ts); this
// opens the microphone only while it listens and announces nothing before
// the singing is over.
import { arg, tr } from './i18n';
import { drawSets, noteNames, setClass } from './heard-view';
import type { HeardSet, SetClassInfo } from './heard-view';
import { $, page, play, showModal, view } from './page';
import { loadSing } from './sing-core';
import type { SingEvent, SingExercise, SingModule, SingSettings, SingVerdict, SungNote, VoiceRange, WebListenerNative, WebSingSessionNative } from './sing-core';
import { MicError, openMicrophone } from './sing-mic';
import type { Microphone } from './sing-mic';
import { recordSung } from './sing-record';

const t = (source: string) => tr('WebSing', source);
const settingsKey = 'sonorix-sing';
// A figure's notes, as the page plays one to sing back.
const noteMs = 700;
// Silent, whatever the listening was for.
class Silent extends Error {}
// The loudspeaker dies away before the microphone opens.
const afterPlayMs = 400;
// The most a listening waits when nothing ends it sooner.
const listenLimitMs = 30000;

interface Stored {
  kind: number;
  any: boolean;
  voice: number;
  tolerance: number;
  mine?: VoiceRange;
}

// The choice a test makes for the next exercise, instead of chance.
interface Forced {
  gateDb?: number;  // as a calibration would set it
  kind?: number;
  listIndex?: number;
  inverted?: boolean;
  start?: number;
}

let sing: SingModule | null = null;
let gateDb: number | null = null;
let listening: { mic: Microphone; stop: () => void } | null = null;
let exercise: SingExercise | null = null;
let rightNotes: number[] = [];
// The try at the exercise shown: after a wrong one, Start tries it again.
let attempt = 1;
let tryAgain = false;
let wired = false;

function stored(): Stored {
  const fallback: Stored = { kind: 0, any: false, voice: 1, tolerance: 40 };
  try {
    return { ...fallback, ...JSON.parse(localStorage.getItem(settingsKey) ?? '{}') };
  } catch {
    return fallback;
  }
}

function store(s: Stored) {
  try {
    localStorage.setItem(settingsKey, JSON.stringify(s));
  } catch {
    // kept for this visit only
  }
}

function choices(): Stored {
  const kind = Number(document.querySelector<HTMLInputElement>('input[name="sing-kind"]:checked')?.value ?? 0);
  return { ...stored(), kind, any: $<HTMLInputElement>('sing-any').checked, voice: Number($<HTMLSelectElement>('sing-voice').value), tolerance: Number($<HTMLInputElement>('sing-tolerance').value) };
}

function settings(): SingSettings {
  const s = sing!.defaults();
  s.toleranceCents = Math.min(50, Math.max(25, choices().tolerance));
  if (gateDb !== null) s.noiseGateDb = gateDb;
  return s;
}

function range(): VoiceRange {
  const c = choices();
  return c.voice === 4 && c.mine ? c.mine : sing!.rangeOf(Math.min(c.voice, 3));
}

const signed = (cents: number) => (cents > 0 ? `+${cents}` : cents < 0 ? `−${-cents}` : '±0');
const noteText = (n: SungNote) => arg(t('%1, %2 cents'), noteNames([Math.round(n.midi)])[0], signed(n.cents));

function step(text: string) {
  $('sing-step').textContent = text;
}

// Said once the singing is over, never over it.
function say(text: string) {
  $('sing-said').textContent = text;
}

function fault(text: string) {
  $('sing-fault-text').textContent = text;
  $('sing-fault').hidden = !text;
}

function faultText(e: unknown): string {
  if (e instanceof Silent) return t('The microphone has gone silent. Check it, then choose Start again; or go back to the drill.');
  if (e instanceof MicError) {
    if (e.fault === 'refused') return t('Sonorix may not use the microphone. Allow it in the browser\'s site settings, then choose Start again; or go back to the drill.');
    if (e.fault === 'unsupported') return t('This browser cannot listen to a microphone here. Use a current browser over HTTPS, or go back to the drill.');
    return t('No microphone was found. Connect one and choose Start again, or go back to the drill.');
  }
  return arg(t('Listening failed (%1). Choose Start again, or go back to the drill.'), String(e));
}

function busy(on: boolean) {
  // The keyboard's place moves with the button it was on.
  const had = document.activeElement?.id ?? '';
  for (const id of ['sing-start', 'sing-calibrate', 'sing-range']) $<HTMLButtonElement>(id).disabled = on;
  $('sing-stop').hidden = !on;
  if (on && ['sing-start', 'sing-calibrate', 'sing-range', 'sing-new'].includes(had)) $('sing-stop').focus();
  if (!on) {
    $<HTMLMeterElement>('sing-level').value = -80;
    if (had === 'sing-stop' || document.activeElement === document.body) $('sing-start').focus();
  }
}

type Native = WebSingSessionNative | WebListenerNative;
type Ending = 'over' | 'stopped' | 'silent';

// Listens until `until` says it is over (or Stop, or the limit): `make` gives
// the core's listener for the microphone's rate, `after` reads it at the end.
// The microphone is closed again, and the listener deleted, in every case.
async function listen<N extends Native>(
  make: (rate: number) => N,
  until: (events: SingEvent[], native: N) => boolean,
  limitMs = listenLimitMs,
  after?: (native: N, how: Ending) => void,
): Promise<Ending> {
  let finish: (how: Ending) => void = () => undefined;
  const over = new Promise<Ending>((resolve) => (finish = resolve));
  let native: N | null = null;
  const mic = await openMicrophone(
    (block) => {
      if (!native) return;
      const events = native.feed(block);
      for (const e of events) if (e.kind === 'level') $<HTMLMeterElement>('sing-level').value = Math.max(-80, e.levelDb);
      if (events.some((e) => e.kind === 'silent')) finish('silent');
      else if (until(events, native)) finish('over');
    },
    () => finish('silent'),
  );
  native = make(mic.sampleRate);
  listening = { mic, stop: () => finish('stopped') };
  busy(true);
  const limit = setTimeout(() => finish('over'), limitMs);
  try {
    const how = await over;
    after?.(native, how);
    return how;
  } finally {
    clearTimeout(limit);
    listening = null;
    await mic.close();
    native.delete();
    busy(false);
  }
}

async function stopListening() {
  listening?.stop();
}

// About three seconds of quiet set the noise gate.
async function calibrate(): Promise<boolean> {
  step(t('Calibrating: please stay quiet for three seconds…'));
  let gate: number | null = null;
  const how = await listen((rate) => new sing!.WebListener(rate, sing!.defaults()), (_, l) => l.ready(), 8000, (l) => {
    if (l.ready()) gate = l.gateDb();
  });
  if (how === 'silent') throw new Silent();
  if (gate === null) {
    step('');
    return false;
  }
  gateDb = gate;
  step(arg(t('Calibrated: sounds below %1 dB are not heard.'), Math.round(gate)));
  return true;
}

// "Mine": the lowest and the highest note the student sings comfortably.
async function findRange() {
  fault('');
  try {
    await ready();
    const heard: number[] = [];
    for (const ask of [t('Sing your lowest comfortable note…'), t('Now sing your highest comfortable note…')]) {
      step(ask);
      const how = await listen((rate) => new sing!.WebListener(rate, settings()), (events) => {
        const note = events.find((e) => e.kind === 'note' && e.note);
        if (note?.note) heard.push(Math.round(note.note.midi));
        return !!note;
      });
      if (how === 'silent') throw new Silent();
      if (how !== 'over') return void step('');
    }
    if (heard.length < 2) return void step('');
    const mine = sing!.rangeFromNotes(heard[0], heard[1]);
    store({ ...choices(), voice: 4, mine });
    $<HTMLSelectElement>('sing-voice').value = '4';
    showRange();
    step('');
    say($('sing-range-text').textContent ?? '');
  } catch (e) {
    fault(faultText(e));
  }
}

function showRange() {
  const r = sing ? range() : null;
  const [low, high] = r ? noteNames([r.low, r.high]) : ['', ''];
  $('sing-range-text').textContent = r ? arg(t('From %1 to %2'), low, high) : '';
}

// The class and its start: the drill's enabled classes of its cardinality, by chance.
function nextExercise(): SingExercise {
  const c = choices();
  const forced = (window as { sonorixSingNext?: Forced }).sonorixSingNext ?? {};
  const v = view();
  const rows = page.drill.rowListIndices();
  const listIndex = forced.listIndex ?? rows[Math.floor(Math.random() * rows.length)] ?? 0;
  const info = setClass(v.cardinality + 3, listIndex)!;
  const kind = forced.kind ?? c.kind;
  const inverted = forced.inverted ?? Math.random() < 0.5;
  const start = forced.start ?? Math.floor(Math.random() * 12);
  return sing!.exercise(kind, v.cardinality + 3, listIndex, info.name, info.prime, inverted, start, kind === 1 && c.any, range());
}

const planOf = (notes: number[]) => notes.map((key, i) => ({ atMs: i * noteMs, key, velocity: 90, lengthMs: noteMs - 50 }));

function promptText(ex: SingExercise): string {
  if (ex.kind === 0) return t('Listen, then sing the notes back one after another, in any octave.');
  const form = ex.inverted ? t('inverted form') : t('prime form');
  const text = arg(t('%1, %2, from %3'), ex.className, form, noteNames([ex.played[0]])[0].replace(/-?\d+$/, ''));
  return ex.anyForm ? `${text} ${t('(any transposition or inversion)')}` : text;
}

async function ready() {
  if (!sing) {
    step(t('Loading the pitch tracker…'));
    sing = await loadSing();
    step('');
    showRange();
  }
}

// One exercise at a time: Start again while one plays or listens does nothing.
let running = false;
async function alone(run: () => Promise<unknown>) {
  if (running) return;
  running = true;
  try {
    await run();
  } finally {
    running = false;
  }
}

const start = (fresh = !tryAgain) => alone(() => exerciseOnce(fresh));

async function exerciseOnce(fresh: boolean) {
  fault('');
  $('sing-verdict').hidden = true;
  $('sing-staff').hidden = true;
  $('sing-heard').replaceChildren();
  $<HTMLButtonElement>('sing-replay').disabled = true;
  say('');
  try {
    await ready();
    const forced = (window as { sonorixSingNext?: Forced }).sonorixSingNext;
    if (forced?.gateDb !== undefined) gateDb = forced.gateDb;
    if (gateDb === null && !(await calibrate())) return;
    if (fresh || !exercise) {
      exercise = nextExercise();
      attempt = 1;
    } else {
      attempt++;
    }
    const ex = exercise;
    rightNotes = ex.right;
    showTry(false);
    $('sing-prompt').textContent = promptText(ex);
    step(t('Listen…'));
    play(planOf(ex.kind === 0 ? ex.played : [ex.played[0]]));
    const played = ex.kind === 0 ? ex.played.length : 1;
    await new Promise((r) => setTimeout(r, played * noteMs + afterPlayMs));
    // Closed meanwhile: the microphone stays shut.
    if (!$<HTMLDialogElement>('sing-dialog').open) return void step('');
    step(t('Sing now.'));
    const heard: SungNote[] = [];
    let verdict: SingVerdict | null = null;
    const how = await listen(
      (rate) => new sing!.WebSingSession(ex, settings(), rate),
      (events, session) => {
        for (const e of events) {
          if (e.kind !== 'note' || !e.note) continue;
          heard.push(e.note);
          const li = document.createElement('li');
          li.textContent = noteText(e.note);
          $('sing-heard').append(li);
          drawHeard(heard, null);
        }
        return session.done();
      },
      listenLimitMs,
      (session, how) => {
        if (how === 'stopped') session.stop();
        verdict = session.verdict();
      },
    );
    if (how === 'silent') throw new Silent();
    // Closed while listening: the try is dropped, nothing is judged or played.
    if (!$<HTMLDialogElement>('sing-dialog').open || (how === 'stopped' && heard.length === 0)) return void step('');
    judged(ex, heard, verdict!);
  } catch (e) {
    step('');
    fault(faultText(e));
  }
}

// The sung notes on the staff; with the verdict, the right notes beside them.
function drawHeard(heard: SungNote[], right: number[] | null) {
  const ex = exercise!;
  const info = setClass(ex.setClassList, ex.listIndex);
  if (!info || heard.length === 0) return;
  const plain: SetClassInfo = { name: '', prime: [], line: '', vector: [] };
  const sets: HeardSet[] = [{ label: () => t('You sang'), columns: heard.map((n) => [Math.round(n.midi)]), info: plain }];
  if (right) sets.push({ label: () => t('The right notes'), columns: right.map((n) => [n]), info });
  $('sing-staff').hidden = false;
  drawSets($('sing-staff'), sets);
}

// After a wrong try: the same exercise again, or a new one.
function showTry(wrong: boolean) {
  tryAgain = wrong;
  $('sing-start').textContent = wrong ? t('Try Again') : t('Start');
  $('sing-new').hidden = !wrong;
}

function judged(ex: SingExercise, heard: SungNote[], verdict: SingVerdict) {
  step('');
  const text = arg(tr('SingVerdict', verdict.source), ...verdict.args);
  const v = $('sing-verdict');
  v.textContent = text;
  v.dataset.right = String(verdict.right);
  v.hidden = false;
  drawHeard(heard, rightNotes);
  $<HTMLButtonElement>('sing-replay').disabled = false;
  recordSung(ex, heard, verdict, attempt);
  showTry(!verdict.right);
  // After the singing: the verdict and each note, briefly.
  say([text, ...heard.map(noteText)].join('. ') + '.');
  play(planOf(rightNotes));
  (window as { sonorixSingJudged?: (v: object) => void }).sonorixSingJudged?.({ verdict, heard, exercise: ex });
}

const voices = ['Soprano', 'Alto', 'Tenor', 'Bass', 'Mine'];

// The voices' names are the page's data to the translator of the static page.
function nameVoices() {
  $<HTMLSelectElement>('sing-voice').querySelectorAll('option').forEach((o, i) => (o.textContent = t(voices[i])));
}

function wire() {
  if (wired) return;
  wired = true;
  nameVoices();
  document.addEventListener('sonorix-language', () => {
    nameVoices();
    showRange();
  });
  const s = stored();
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="sing-kind"]')) r.checked = Number(r.value) === s.kind;
  $<HTMLInputElement>('sing-any').checked = s.any;
  $<HTMLSelectElement>('sing-voice').value = String(s.voice);
  $<HTMLInputElement>('sing-tolerance').value = String(s.tolerance);
  const tolerance = () => ($('sing-tolerance-text').textContent = arg(t('±%1 cents'), $<HTMLInputElement>('sing-tolerance').value));
  const changed = () => {
    store(choices());
    $<HTMLInputElement>('sing-any').disabled = choices().kind !== 1;
    $('sing-range').hidden = choices().voice !== 4;
    tolerance();
    showRange();
  };
  $('sing-form').addEventListener('change', changed);
  $('sing-tolerance').addEventListener('input', tolerance);
  changed();
  $('sing-start').addEventListener('click', () => void start());
  $('sing-new').addEventListener('click', () => void start(true));
  $('sing-stop').addEventListener('click', () => void stopListening());
  $('sing-calibrate').addEventListener('click', () => {
    fault('');
    void alone(() =>
      ready()
        .then(calibrate)
        .catch((e) => fault(faultText(e))),
    );
  });
  $('sing-range').addEventListener('click', () => void alone(findRange));
  $('sing-replay').addEventListener('click', () => play(planOf(rightNotes)));
  // Every way out closes the microphone.
  $('sing-dialog').addEventListener('close', () => void stopListening());
  window.addEventListener('pagehide', () => void stopListening());
}

export async function showSing() {
  wire();
  fault('');
  const shown = showModal('sing-dialog');
  $('sing-start').focus();
  void ready().catch((e) => fault(faultText(e)));
  await shown;
}
