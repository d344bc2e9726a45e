// The drill page: the core judges and keeps the files; this shows it and
// wires the controls, the keys and the sound.
// The message line; notice.js, its own entry, runs before this file and says why a start fails.
import { notice, pageStarted, startFailed } from './notice';
import type { DrillView, FiltersView, JudgedJson, LoginAnswer, ScoreView, WebDrillNative } from './core';
import { loadCore } from './core';
import { createSynthNode, fetchWorklet, fetchWithProgress, loadWorklet, MidiOut, NoAudioWorklet, planFrames, soundFontUrl, SynthOut } from './sound';
import type { PlannedNote, SoundOut } from './sound';
import { FileStore } from './storage';
import { arg, currentLanguage, pageContext, tr } from './i18n';
import { startLanguage } from './page-language';
import { judgedText, startedText, stateText } from './announce';
import { Pacing, storePacing } from './pacing';
import { KeyboardListener, midiAccess as requestMidi, readKeyboardChoice, storeKeyboardChoice } from './keyboard';
import type { MidiAccessResult, PlayedAnswer, WebKeyboardNative } from './keyboard';
import type { WebProgressNative } from './progress-view';
import { drawConfusions, pairPlan } from './confusions-view';
import type { WebConfusionsNative } from './confusions-view';
import { heardAfterAnswer, showPair, useNotation, wireHeardChoice } from './heard-view';
import type { WebNotationNative } from './heard-view';
import { Practice, showPracticeProgress } from './practice';
import { HighScoreTable } from './score-table';
import type { WebPracticeNative } from './practice';

const $ = <T extends HTMLElement = HTMLElement>(id: string) => document.getElementById(id) as T;
// Loaded when first used, so that the first question does not wait for them.
const archive = () => import('./archive');
const progressView = () => import('./progress-view');

// Tests fix the seed and drive the clock: ?seed=N&clock=manual&today=D.
const params = new URLSearchParams(location.search);
const testClock = params.get('clock') === 'manual';
let manualNow = Number(params.get('start') ?? 10000);
const t0 = performance.now();
const clock = () => (testClock ? manualNow : Math.floor(performance.now() - t0)) >>> 0;
const today = () => {
  if (params.has('today')) return Number(params.get('today'));
  const d = new Date();
  return Math.floor((Date.UTC(d.getFullYear(), d.getMonth(), d.getDate()) - Date.UTC(1899, 11, 30)) / 86400000);
};
// The time of day logged lines carry; tests fix it with the clock (&tod=S).
const secondOfDay = () => {
  if (testClock) return Number(params.get('tod') ?? 36000);
  const d = new Date();
  return d.getHours() * 3600 + d.getMinutes() * 60 + d.getSeconds();
};

const files = new FileStore();
files.slowForTests = Number(params.get('slowstore') ?? 0);
let drill!: WebDrillNative;
let sound: SoundOut | null = null;
let synth: SynthOut | null = null;
let soundReady: Promise<void> = Promise.resolve();
let midiAccess: MIDIAccess | null = null;
let practice: Practice | null = null;
let practiceProgress: ((person: string, enabled: string) => string) | null = null;

files.onRefused = () =>
  notice(
    'This browser does not let Sonorix keep its files (a private window, or the storage is full). ' +
      'Your results stay until you close the page: use Exit › Export my data to keep them.',
  );

const pacing = new Pacing(
  (plan) => {
    sound?.play(plan);
    (window as unknown as { sonorixSounded: PlannedNote[][] }).sonorixSounded.push(plan);
  },
  (waiting) => {
    $('next').hidden = !waiting;
  },
);

// A question's notes (`paced`) go through the chosen pause or "wait for me".
function playTaken(paced: boolean) {
  const plan = JSON.parse(drill.takeNotes()) as PlannedNote[];
  if (plan.length > 0 && paced) pacing.question(plan);
  else if (plan.length > 0) {
    pacing.drop();
    sound?.play(plan);
    (window as unknown as { sonorixSounded: PlannedNote[][] }).sonorixSounded.push(plan);
  }
  (window as unknown as { sonorixPlayed: PlannedNote[][] }).sonorixPlayed.push(plan);
}

// Every call into the core: one at a time, with every tab's latest files.
function act<T>(fn: () => T, paced = false): Promise<T> {
  return files.act(() => {
    const started = performance.now();
    const r = fn();
    playTaken(paced);
    // From the call into the core to the notes on the audio clock, for the benchmark.
    (window as unknown as { sonorixActMs: number[] }).sonorixActMs.push(performance.now() - started);
    return r;
  }).then((r) => {
    render();
    return r;
  });
}

// --- the drill window -----------------------------------------------------------
let view: DrillView;

function render() {
  const wasDrilling = view?.drilling ?? false;
  view = JSON.parse(drill.view()) as DrillView;
  if (wasDrilling && !view.drilling) sound?.end();
  if (practice) view = practice.adjust(view);
  $('caption').textContent = view.catalogueMissing ? 'File Error!' : 'Sonorix';
  $('correct').textContent = String(view.correct);
  $('incorrect').textContent = String(view.incorrect);
  $('time').textContent = view.clock;
  $('time').hidden = !view.clockShown;
  const begin = $<HTMLButtonElement>('begin');
  begin.textContent = view.begin;
  begin.disabled = !view.beginEnabled;
  for (const id of ['repeat', 'up', 'down']) $<HTMLButtonElement>(id).disabled = !view.playEnabled;
  $('prefix').textContent = view.prefix;
  const list = $<HTMLSelectElement>('listbox');
  const labels = view.rows.map((r) => r.label);
  if (labels.join('\n') !== [...list.options].map((o) => o.text).join('\n')) {
    const keep = list.selectedIndex;
    list.replaceChildren(...labels.map((l, i) => new Option(l, String(i))));
    list.selectedIndex = keep < labels.length ? keep : -1;
  }
  check('cardinality', view.cardinality);
  check('range', view.range);
  check('manner', view.manner);
  practice?.refresh();
}

function check(name: string, value: number) {
  for (const r of document.querySelectorAll<HTMLInputElement>(`input[name="${name}"]`)) r.checked = Number(r.value) === value;
}

function say(text: string) {
  $('status').textContent = text;
}

async function beginOrEnd() {
  if (!view.beginEnabled) return;
  if (view.drilling && practice?.running) return practice.end();
  if (!view.drilling) await soundReady;
  const scoreJson = await act(() => drill.beginOrEnd(), true);
  if (!view.drilling) {
    pacing.drop();
    if (scoreJson) await showScore(JSON.parse(scoreJson) as ScoreView);
    await act(() => drill.scoreClosed());
  } else {
    say(startedText());
    $('edit1').focus();
  }
}

async function submit() {
  const edit = $<HTMLInputElement>('edit1');
  // While the next question waits for the student, Enter asks for it.
  if (pacing.release()) {
    edit.focus();
    return;
  }
  const row = $<HTMLSelectElement>('listbox').selectedIndex;
  edit.value = '';
  const before = view;
  // The question before the answer moves the drill on, for What I Heard and practice.
  const askedJson = before.drilling || practice?.running ? drill.question() : '';
  const heardAsked = before.drilling && $<HTMLInputElement>('show-heard').checked ? askedJson : '';
  const asked = practice?.running && askedJson ? (JSON.parse(askedJson) as { listIndex: number; sorted: number[] }) : null;
  const judged = JSON.parse(await act(() => drill.submit(row), true)) as JudgedJson;
  if (asked && judged.counted) {
    const listIndices = JSON.parse(drill.rowListIndices()) as number[];
    const label = (i: number) => before.rows[listIndices.indexOf(i)]?.label ?? '';
    practice?.answered(asked, listIndices[row] ?? -1, label(asked.listIndex), before.rows[row]?.label ?? '');
  }
  (window as unknown as { sonorixJudgeMs: number[] }).sonorixJudgeMs.push(judged.judgeMs);
  if (before.drilling) say([judgedText(judged, row, before, view), heardAfterAnswer(judged.right, heardAsked, before.manner, $('show-heard'))].filter(Boolean).join(' '));
  // The next answer is typed where the last one was.
  edit.focus();
}

// --- answering on a MIDI keyboard ------------------------------------------------
let keyboard: KeyboardListener | null = null;
let keyboardNative: WebKeyboardNative | null = null;
let ProgressClass: (new () => WebProgressNative) | null = null;
let confusions: WebConfusionsNative | null = null;
let keyboardChoice = readKeyboardChoice();
let access: MidiAccessResult | null = null;

async function theMidiAccess(): Promise<MidiAccessResult> {
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
  if (!view.drilling || !keyboardNative || document.querySelector('dialog[open]') || pacing.waiting) return;
  const cardinality = Number.parseInt(view.prefix, 10);
  const played = JSON.parse(keyboardNative.identify(notes.join(','), cardinality)) as PlayedAnswer;
  if (played.pitchClasses !== cardinality) {
    heard(arg(tr('TKeyboardAnswer', 'played %1, %2 expected'), notesText(played.pitchClasses), cardinality));
    return;
  }
  const row = (JSON.parse(drill.rowListIndices()) as number[]).indexOf(played.listIndex);
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

// Opens the chosen input, when answering by playing is on and it is there.
async function followKeyboardChoice() {
  if (!keyboard) return;
  const a = keyboardChoice.answerByPlaying ? await theMidiAccess() : null;
  const input = a && typeof a === 'object' ? [...a.inputs.values()].find((i) => (i.name ?? i.id) === keyboardChoice.port) : undefined;
  keyboard.listen(input ?? null);
}

async function showKeyboard() {
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

const repeat = () => act(() => drill.repeat());
const arpeggiate = (up: boolean) => act(() => drill.arpeggiate(up));

function wireDrill() {
  $('begin').addEventListener('click', () => void beginOrEnd());
  $('repeat').addEventListener('click', () => void repeat());
  $('up').addEventListener('click', () => void arpeggiate(true));
  $('down').addEventListener('click', () => void arpeggiate(false));
  $('answer').addEventListener('submit', (e) => {
    e.preventDefault();
    void submit();
  });
  const edit = $<HTMLInputElement>('edit1');
  const list = $<HTMLSelectElement>('listbox');
  // Typing a set class's number selects its row.
  edit.addEventListener('input', () => {
    const row = drill.rowOfText(edit.value);
    if (row >= 0) list.selectedIndex = row;
  });
  // Choosing a row puts its number into the field; it does not submit.
  list.addEventListener('change', () => {
    if (list.selectedIndex >= 0) edit.value = drill.nameOfRow(list.selectedIndex);
  });
  for (const name of ['cardinality', 'range', 'manner']) {
    for (const r of document.querySelectorAll<HTMLInputElement>(`input[name="${name}"]`)) {
      r.addEventListener('change', () => {
        const i = Number(r.value);
        void act(() => (name === 'cardinality' ? drill.setCardinality(i) : name === 'range' ? drill.setRange(i) : drill.setManner(i)));
      });
    }
  }
  $('more-filters').addEventListener('click', () => void showFilters());
  $('next').addEventListener('click', () => {
    pacing.release();
    $('edit1').focus();
  });

  document.addEventListener('keydown', (e) => {
    if (document.querySelector('dialog[open]')) return;
    const target = e.target as HTMLElement;
    const inMenu = !!target.closest('nav');
    if (e.ctrlKey && !e.altKey && (e.key === 'b' || e.key === 'B')) {
      e.preventDefault();
      void beginOrEnd();
      return;
    }
    // The counts and the time, spoken on demand, as on the desktop.
    if (e.ctrlKey && !e.altKey && (e.key === 'i' || e.key === 'I')) {
      e.preventDefault();
      say(stateText(view));
      return;
    }
    // Space asks for a question that waits, wherever the focus is but on a button.
    if (e.key === ' ' && pacing.waiting && !(target instanceof HTMLButtonElement) && target.closest('main, body') && !inMenu) {
      e.preventDefault();
      pacing.release();
      return;
    }
    const fkey = ['F1', 'F2', 'F3'].indexOf(e.key);
    if (fkey >= 0) {
      e.preventDefault();  // the browser's own help
      if (fkey === 0) void repeat();
      else void arpeggiate(fkey === 1);
      return;
    }
    if (inMenu || e.ctrlKey || e.altKey || e.metaKey) return;
    // p, q and r on a button or the list, as on the desktop.
    const onControl = target instanceof HTMLButtonElement || target === list;
    if (onControl && ['p', 'q', 'r'].includes(e.key) && target.closest('main')) {
      e.preventDefault();
      if (e.key === 'p') void repeat();
      else void arpeggiate(e.key === 'q');
      return;
    }
    // Enter anywhere in the drill submits, once.
    if (e.key === 'Enter' && target.closest('main') && target !== edit) {
      e.preventDefault();
      void submit();
    }
  });
  window.addEventListener('pagehide', () => {
    files.act(() => drill.close());
  });
  // A hidden page's timers may not run to release its notes.
  document.addEventListener('visibilitychange', () => {
    if (document.visibilityState === 'hidden') sound?.end();
  });
  setInterval(() => {
    if (view?.drilling) render();
  }, 1000);
}

// --- dialogs --------------------------------------------------------------------
function showModal(id: string): Promise<string> {
  const d = $<HTMLDialogElement>(id);
  return new Promise((resolve) => {
    // The close event is queued: one from an earlier showing can arrive after
    // the dialog was opened again, and must not end this showing with the
    // values it had before the student changed them.
    const closed = () => {
      if (d.open) return;
      d.removeEventListener('close', closed);
      resolve(d.returnValue);
    };
    d.addEventListener('close', closed);
    d.returnValue = '';
    d.showModal();
  });
}

async function showLogin() {
  const people = JSON.parse(drill.people()) as { names: string[]; selected: number };
  const input = $<HTMLInputElement>('login-name');
  const list = $<HTMLDataListElement>('people');
  list.replaceChildren(...people.names.map((n) => new Option(n)));
  input.value = people.selected >= 0 ? people.names[people.selected] : '';
  $('login-saved').hidden = true;
  input.disabled = false;
  const dialog = $<HTMLDialogElement>('login-dialog');
  const closed = showModal('login-dialog');
  input.select();
  let deleting = false;
  const form = $<HTMLFormElement>('login-form');
  let enterDown = false;
  input.onkeydown = (e) => {
    deleting = e.key === 'Backspace' || e.key === 'Delete';
    enterDown = e.key === 'Enter' && !e.isComposing;
  };
  // WebKit spends an Enter on its list of names (closing it, or filling in the name
  // picked there, after keydown) and submits nothing: that Enter submits on keyup.
  input.onkeyup = (e) => {
    if (e.key !== 'Enter' || !enterDown) return;
    enterDown = false;
    if (!input.disabled && input.value.trim()) form.requestSubmit();
  };
  // A name typed before is completed as one types.
  input.oninput = () => {
    if (deleting || !input.value) return;
    const typed = input.value;
    const match = people.names.find((n) => n.toLowerCase().startsWith(typed.toLowerCase()));
    if (match && match !== typed) {
      input.value = match;
      input.setSelectionRange(typed.length, match.length);
    }
  };
  form.onsubmit = async (e) => {
    e.preventDefault();
    const name = input.value.trim() ? input.value : '';
    if (!name) return;
    input.disabled = true;
    const answer = JSON.parse(await act(() => drill.login(name))) as LoginAnswer;
    if (!answer.ask) {
      dialog.close('ok');
      return;
    }
    // The summary's one word, in the student's language.
    $('login-listed').textContent = answer.listed.replace(/(OFF|ON)$/, (w) => tr('TLoginForm', w));
    $('login-rest').textContent = answer.rest;
    $('login-saved').hidden = false;
    $('login-yes').focus();
  };
  $('login-yes').onclick = async () => {
    await act(() => drill.useSavedFilters(true));
    dialog.close('ok');
  };
  $('login-no').onclick = async () => {
    await act(() => drill.useSavedFilters(false));
    dialog.close('ok');
  };
  // The login cannot be dismissed without a name: the drill needs one.
  dialog.oncancel = (e) => e.preventDefault();
  await closed;
  render();
}

async function showFilters() {
  const f = JSON.parse(drill.filters()) as FiltersView;
  const draw = (state: FiltersView) => {
    $('filters-label').textContent = state.cardinality === 0 ? 'trichords' : 'tetrachords';
    const boxes = document.querySelector('#filter-boxes .boxes')!;
    boxes.replaceChildren(
      ...state.boxes.map((b, i) => {
        const label = document.createElement('label');
        const box = document.createElement('input');
        box.type = 'checkbox';
        box.checked = b.checked;
        box.dataset.index = String(i);
        label.append(box, ` ${b.label}`);
        return label;
      }),
    );
    check('fcard', state.cardinality);
    check('frange', state.range);
  };
  draw(f);
  $<HTMLInputElement>('filters-save').checked = f.save;
  const boxes = () => [...document.querySelectorAll<HTMLInputElement>('#filter-boxes .boxes input')];
  $('filters-all').onclick = () => boxes().forEach((b) => (b.checked = true));
  $('filters-none').onclick = () => boxes().forEach((b) => (b.checked = false));
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="fcard"]')) {
    r.onchange = () => {
      const card = Number(r.value);
      if (card === f.cardinality) return;
      // Another cardinality starts with all of its set classes on.
      f.cardinality = card;
      f.boxes = (JSON.parse(drill.filtersFor(card)) as FiltersView).boxes;
      draw(f);
    };
  }
  await showModal('filters-dialog');
  // Every way of closing applies the window's settings, as on the desktop.
  let low = 0;
  let high = 0;
  boxes().forEach((b, i) => {
    if (!b.checked) return;
    if (i < 16) low |= 1 << i;
    else high |= 1 << (i - 16);
  });
  const range = Number(document.querySelector<HTMLInputElement>('input[name="frange"]:checked')?.value ?? 0);
  await act(() => drill.applyFilters(f.cardinality, range, low, high, $<HTMLInputElement>('filters-save').checked));
}

let highScores: HighScoreTable | null = null;

async function showScore(s: ScoreView) {
  $('s-time').textContent = s.time;
  $('s-points').textContent = s.timePoints;
  $('s-pct').textContent = s.percentage;
  $('s-long').textContent = s.longevity;
  $('s-score').textContent = s.score;
  $('s-filter').hidden = !s.filtersUsed;
  let card = s.cardinality;
  let range = s.range;
  const show = () => {
    highScores ??= new HighScoreTable($('s-list'), $('s-header'), $('s-rows'));
    highScores.show(s.tables[card * 3 + range] ?? [], card === s.cardinality && range === s.range ? s.newEntryIndex : -1);
    for (const b of document.querySelectorAll<HTMLButtonElement>('#score-dialog .speed button')) {
      const down = b.dataset.card !== undefined ? Number(b.dataset.card) === card : Number(b.dataset.range) === range;
      b.setAttribute('aria-pressed', String(down));
    }
  };
  for (const b of document.querySelectorAll<HTMLButtonElement>('#score-dialog .speed button')) {
    b.onclick = () => {
      if (b.dataset.card !== undefined) card = Number(b.dataset.card);
      else range = Number(b.dataset.range);
      show();
    };
  }
  show();
  $('s-errors').onclick = () => void showErrors();
  const closed = showModal('score-dialog');
  $('s-ok').focus();
  await closed;
}

async function showErrors() {
  const cumulative = () => document.querySelector<HTMLInputElement>('input[name="edisplay"]:checked')?.value === '1';
  const forms = $<HTMLInputElement>('e-forms');
  const rips = $<HTMLInputElement>('e-rips');
  const conf = $<HTMLInputElement>('e-conf');
  const show = () => {
    const c = cumulative();
    $('e-text').textContent = drill.errorReport(c, forms.checked, rips.checked, conf.checked);
    $('e-note').hidden = !c;
    $('e-clear').hidden = !c;
  };
  check('edisplay', 0);
  forms.onchange = () => {
    if (!forms.checked) rips.checked = false;
    show();
  };
  rips.onchange = () => {
    if (rips.checked) forms.checked = true;
    show();
  };
  conf.onchange = show;
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="edisplay"]')) r.onchange = show;
  $('e-clear').onclick = async () => {
    await act(() => drill.clearCumulative());
    show();
  };
  show();
  await showModal('errors-dialog');
}

async function showMidi() {
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
  list.selectedIndex = sound instanceof MidiOut ? Math.max(1, outputs.findIndex((o) => o !== null && (sound as MidiOut).port === o)) : 0;
  list.onchange = () => {
    sound?.silence();
    const out = outputs[list.selectedIndex];
    sound = out ? new MidiOut(out) : synth;
  };
  await showModal('midi-dialog');
}

// --- My Progress -------------------------------------------------------------------
async function showProgress() {
  if (!ProgressClass) return;
  const Make = ProgressClass;
  const { showProgressFigures } = await progressView();
  // The log as every tab last wrote it.
  const progress = await files.act(() => new Make());
  try {
    const people = JSON.parse(progress.people()) as string[];
    const select = $<HTMLSelectElement>('pr-person');
    select.replaceChildren(...people.map((p, i) => new Option(p || tr('TProgressForm', '(no name)'), String(i))));
    // The person logged in first.
    select.selectedIndex = Math.max(0, people.indexOf(view.person));
    const draw = () => {
      showProgressFigures(progress, select.selectedIndex);
      // The practice of the person chosen; of the one logged in when the drill log has nobody yet.
      const rows = JSON.parse(drill.rowListIndices()) as number[];
      if (practiceProgress) showPracticeProgress(practiceProgress, people[select.selectedIndex] ?? view.person, rows);
    };
    select.onchange = draw;
    $('pr-csv').onclick = () => {
      if (select.selectedIndex < 0) return;
      const url = URL.createObjectURL(new Blob([progress.csv(select.selectedIndex)], { type: 'text/csv' }));
      const a = document.createElement('a');
      a.href = url;
      a.download = `progress-${(people[select.selectedIndex] || 'no-name').replace(/[^\p{L}\p{N}_-]+/gu, '_')}.csv`;
      a.click();
      setTimeout(() => URL.revokeObjectURL(url), 10000);
    };
    const shown = showModal('progress-dialog');
    draw();
    await shown;
  } finally {
    progress.delete();
  }
}

async function showConfusions() {
  if (!confusions) return;
  const native = confusions;
  const errors = await files.act(() => new TextDecoder('latin1').decode(files.read('errors.dat') ?? new Uint8Array()));
  let card = view.cardinality;
  const draw = () => {
    $('cf-heard').hidden = true;
    drawConfusions(native, errors, card, (asked, answered) => {
      showPair(card, asked, answered, $('cf-heard'));
      const plan = pairPlan(native, asked, answered, card, view.range, view.manner);
      sound?.play(plan);
      (window as unknown as { sonorixSounded: PlannedNote[][] }).sonorixSounded.push(plan);
    });
  };
  check('cfcard', card);
  for (const r of document.querySelectorAll<HTMLInputElement>('input[name="cfcard"]')) {
    r.onchange = () => {
      card = Number(r.value);
      draw();
    };
  }
  draw();
  await showModal('confusions-dialog');
}

async function showPacing() {
  const pause = $<HTMLSelectElement>('pacing-pause');
  const wait = $<HTMLInputElement>('pacing-wait');
  for (const o of pause.options) {
    const n = Number(o.value);
    o.text = n === 0 ? tr(pageContext, 'no pause') : tr(pageContext, '%n second(s)', n);
  }
  pause.value = String(pacing.choice.pauseSeconds);
  wait.checked = pacing.choice.waitForMe;
  await showModal('pacing-dialog');
  // Every way of closing keeps the choice, as the filter window does.
  pacing.choice = { pauseSeconds: Number(pause.value), waitForMe: wait.checked };
  storePacing(pacing.choice);
}

async function showReadme() {
  const text = $('readme-text');
  // The instructions in the page's language, as the desktop keeps readme.<code>.txt.
  const lang = currentLanguage();
  if (!text.textContent || text.dataset.lang !== lang) {
    const name = lang === 'en' ? 'readme.txt' : `readme.${lang}.txt`;
    text.textContent = await fetch(name)
      .then((r) => (r.ok ? r.text() : fetch('readme.txt').then((e) => (e.ok ? e.text() : '\n'))))
      .catch(() => '\n');
    text.dataset.lang = lang;
  }
  await showModal('readme-dialog');
}

async function exportData() {
  const { exportArchive } = await archive();
  const zip = await files.act(() => exportArchive(files.files));
  const url = URL.createObjectURL(new Blob([zip as BlobPart], { type: 'application/zip' }));
  const a = document.createElement('a');
  a.href = url;
  a.download = 'sonorix-data.zip';
  a.click();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

async function importData(file: File) {
  // The menu the import came from, for the focus after a refusal.
  const menu = document.querySelector<HTMLElement>('[data-action=import]')?.closest('details')?.querySelector('summary') ?? null;
  const { BadArchive, readArchive } = await archive();
  let incoming: Map<string, Uint8Array>;
  try {
    incoming = readArchive(new Uint8Array(await file.arrayBuffer()));
  } catch (e) {
    notice(
      e instanceof BadArchive
        ? arg(tr(pageContext, '"%1" is not an archive of Sonorix\'s data, or it is damaged (%2). Nothing was changed.'), file.name, e.message)
        : arg(tr(pageContext, '"%1" could not be read. Nothing was changed.'), file.name),
      menu,
    );
    return;
  }
  if (view.drilling) {
    notice('End the drill before importing data. Nothing was changed.', menu);
    return;
  }
  const names = [...incoming.keys()].join(', ');
  $('confirm-text').textContent = arg(
    tr(pageContext, "Importing replaces all of Sonorix's data in this browser (the people, the drill log, the high scores, the error statistics and the filters) by the archive's %n file(s): %1. Export your data first to keep it.", incoming.size),
    names,
  );
  if ((await showModal('confirm-dialog')) !== 'yes') return;
  await files.replaceAll(incoming);
  location.reload();
}

function wireMenu() {
  const actions: Record<string, () => void> = {
    login: () =>
      void act(() => drill.loginNewPerson())
        .then(showLogin)
        .then(() => act(() => drill.shown())),
    export: () => void exportData(),
    import: () => $('import-file').click(),
    filters: () => void showFilters(),
    midi: () => void showMidi(),
    readme: () => void showReadme(),
    about: () => void showModal('about-dialog'),
    keys: () => void showModal('keys-dialog'),
    pacing: () => void showPacing(),
    keyboard: () => void showKeyboard(),
    progress: () => void showProgress(),
    confusions: () => void showConfusions(),
  };
  for (const b of document.querySelectorAll<HTMLButtonElement>('[data-action]')) {
    b.addEventListener('click', () => {
      b.closest('details')?.removeAttribute('open');
      actions[b.dataset.action!]();
    });
  }
  $<HTMLInputElement>('import-file').addEventListener('change', (e) => {
    const input = e.target as HTMLInputElement;
    if (input.files?.[0]) void importData(input.files[0]);
    input.value = '';
  });
  // Escape closes an open menu.
  document.addEventListener('keydown', (e) => {
    if (e.key !== 'Escape') return;
    const open = document.querySelector<HTMLDetailsElement>('nav details[open]');
    if (open) {
      open.removeAttribute('open');
      open.querySelector('summary')?.focus();
    }
  });
}

// --- sound ----------------------------------------------------------------------
function startSound(): Promise<void> {
  const loading = $('loading');
  const bar = $<HTMLProgressElement>('sf-progress');
  loading.hidden = false;
  const begin = $<HTMLButtonElement>('begin');
  begin.setAttribute('aria-describedby', 'loading');
  return (async () => {
    try {
      if (typeof AudioWorkletNode === 'undefined') throw new NoAudioWorklet();
      // Asked for before a context is made here, which can hold the thread a while.
      const worklet = fetchWorklet();
      worklet.catch(() => undefined);  // reported where it is awaited
      const ctx = (window as unknown as { sonorixContext?: AudioContext }).sonorixContext ?? new AudioContext({ latencyHint: 'interactive' });
      performance.mark('sonorix-audio-context');
      const [font] = await Promise.all([
        fetchWithProgress(soundFontUrl, (loaded, total) => {
          bar.max = total || loaded;
          bar.value = loaded;
        }),
        loadWorklet(ctx, './', worklet),
      ]);
      performance.mark('sonorix-sound-files');
      const node = await createSynthNode(ctx, font);
      performance.mark('sonorix-sound-ready');
      synth = new SynthOut(ctx, node);
      if (!sound) sound = synth;
      // Browsers start sound only after a gesture.
      const resume = () => void ctx.resume();
      document.addEventListener('pointerdown', resume, { once: true });
      document.addEventListener('keydown', resume, { once: true });
    } catch (e) {
      notice(
        e instanceof NoAudioWorklet
          ? 'This browser cannot play Sonorix\'s built-in synthesizer (it has no AudioWorklet). Choose a MIDI output under MIDI › Midi Setup, or use a current Chrome, Edge, Firefox or Safari.'
          : arg(tr(pageContext, 'The sound could not be loaded (%1). Reload the page to try again.'), String(e)),
      );
    } finally {
      loading.hidden = true;
      begin.removeAttribute('aria-describedby');
    }
  })();
}

// --- start ----------------------------------------------------------------------
async function start() {
  (window as unknown as Record<string, unknown>).sonorixPlayed = [];
  (window as unknown as Record<string, unknown>).sonorixSounded = [];
  (window as unknown as Record<string, unknown>).sonorixJudgeMs = [];
  (window as unknown as Record<string, unknown>).sonorixActMs = [];
  // The sound's pieces, for rendering a question offline.
  (window as unknown as Record<string, unknown>).sonorixAudio = { loadWorklet, createSynthNode, planFrames };
  // The files, the core and the catalogue load side by side, and beside the sound.
  // They are asked for first: where the page did not make the AudioContext early,
  // making it holds the page's thread for a while, and their fetching and opening
  // go on meanwhile. The marks time each step for the benchmark's profile.
  performance.mark('sonorix-start');
  const mark = <T>(name: string) => (v: T) => (performance.mark(name), v);
  const loaded = Promise.all([
    loadCore(files, clock, today, (run, ms) => setTimeout(() => void act(run), ms), secondOfDay).then(mark('sonorix-core')),
    fetch('ftclass.dat').then((r) => (r.ok ? r.text() : '')),
    files.open().then(mark('sonorix-files')),
    startLanguage(params).then(mark('sonorix-language')),
  ]);
  soundReady = startSound();
  // The service worker's first install fetches and compiles every file: not while the
  // first question is made ready, but once it sounds or the student is still typing.
  let registered = false;
  const register = () => {
    if (registered || !('serviceWorker' in navigator) || params.has('nosw')) return;
    registered = true;
    void navigator.serviceWorker.register('sw.js').catch(() => undefined);
  };
  window.addEventListener('sonorix-notes', register, { once: true });
  void Promise.allSettled([loaded, soundReady]).then(() => setTimeout(register, 3000));
  const [core, catalogue] = await loaded;
  const seed = params.has('seed') ? Number(params.get('seed')) : Math.floor(Date.now() / 1000);
  performance.mark('sonorix-core-loaded');
  drill = await files.act(() => new core.WebDrill(catalogue, seed));
  keyboardNative = new (core as unknown as { WebKeyboard: new (c: string) => WebKeyboardNative }).WebKeyboard(catalogue);
  keyboard = new KeyboardListener(keyboardNative, answerPlayed);
  ProgressClass = (core as unknown as { WebProgress: new () => WebProgressNative }).WebProgress;
  confusions = new (core as unknown as { WebConfusions: new (c: string) => WebConfusionsNative }).WebConfusions(catalogue);
  useNotation(new (core as unknown as { WebNotation: new (c: string) => WebNotationNative }).WebNotation(catalogue));
  wireHeardChoice($('show-heard'));
  const practiceCore = core as unknown as { WebPractice: new () => WebPracticeNative; practiceProgress: (p: string, e: string) => string };
  practiceProgress = practiceCore.practiceProgress;
  practice = new Practice(
    {
      drill,
      act: (fn) => act(fn),
      play: (plan) => {
        sound?.play(plan);
        (window as unknown as { sonorixSounded: PlannedNote[][] }).sonorixSounded.push(plan);
      },
      say,
      view: () => view,
      showModal,
      readerPaced: () => pacing.choice.waitForMe,
    },
    new practiceCore.WebPractice(),
  );
  void followKeyboardChoice();
  wireDrill();
  wireMenu();
  render();
  pageStarted();
  await showLogin();
  await act(() => drill.shown());
  // Tests move the clock and read the state through this.
  (window as unknown as Record<string, unknown>).sonorixTest = {
    advance: (ms: number) => {
      manualNow = (manualNow + ms) >>> 0;
    },
    view: () => JSON.parse(drill.view()),
    question: () => JSON.parse(drill.question()),
    idle: () => files.settled(),
    file: (name: string) => Array.from(files.read(name) ?? []),
    rowListIndices: () => JSON.parse(drill.rowListIndices()) as number[],
  };
  document.body.dataset.ready = 'yes';
}

start().catch(startFailed);
