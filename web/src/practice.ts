// Practice mode in the page, as on the desktop: the core's practice run
// follows the drill; this shows its reveal, plays it, keeps its keys and
// shows the summary. Its choices stay in the page's own storage, as the
// desktop keeps them in its settings.
import { arg, currentLanguage, pageContext, tr } from './i18n';
import { showHeard } from './heard-view';
import type { DrillView, FocusLine, PracticeProgress, PracticeStep, PracticeSummary, Question, Reveal, WebPracticeNative } from './core';
import type { PlannedNote } from './sound';

// What a practice question shows on the staff, for whoever watches the page.
export interface PracticeShown {
  notes: number[];
  sorted: number[];
  askedLabel: string;
  namedLabel: string;
}

// What the page lends practice mode.
export interface PracticeHost {
  act<T>(fn: () => T): Promise<T>;
  play(plan: PlannedNote[]): void;
  say(text: string): void;
  view(): DrillView;
  showModal(id: string): Promise<string>;
  // The student asked the page to wait for them: the words need their time.
  readerPaced(): boolean;
  // A question went on the staff.
  shown?(shown: PracticeShown): void;
}

const $ = <T extends HTMLElement = HTMLElement>(id: string) => document.getElementById(id) as T;
const t = (source: string) => tr('TPracticeMode', source);
const w = (source: string) => tr('PracticeWindows', source);
const modeKey = 'sonorix-practice-mode';
const autoKey = 'sonorix-practice-auto-reveal';
// Between the reveal's words and its music when no reader speaks them.
const leadInMs = 500;

function stored(key: string): string | null {
  try {
    return localStorage.getItem(key);
  } catch {
    return null;
  }
}
function store(key: string, value: string) {
  try {
    localStorage.setItem(key, value);
  } catch {
    // kept for this visit only
  }
}

// The summary in the student's words, as the desktop's window says it.
export function summaryLines(s: PracticeSummary): string[] {
  const names = (classes: string[], none: string) => (classes.length ? classes.join(', ') : none);
  return [
    arg(w('Questions: %1'), s.questions),
    s.questions > 0 ? arg(w('Right at the first try: %1 (%2 %)'), s.firstTryRight, s.percent) : arg(w('Right at the first try: %1'), s.firstTryRight),
    arg(w('Revealed: %1'), s.revealed),
    arg(w('Time: %1:%2'), Math.floor(s.seconds / 60), String(s.seconds % 60).padStart(2, '0')),
    arg(w('Getting surer: %1'), names(s.surer, w('none yet'))),
    arg(w('Needs more work: %1'), names(s.needsWork, w('none'))),
  ];
}

export class Practice {
  private state: PracticeStep = { active: false, running: false, open: false, waiting: false, reveals: 0, reveal: null };
  private shown: Reveal | null = null;
  private timers: number[] = [];

  constructor(
    private readonly host: PracticeHost,
    private readonly native: WebPracticeNative,
  ) {
    native.setMode(stored(modeKey) === '1');
    native.setAutoReveal(Number(stored(autoKey) ?? 0));
    this.wire();
    this.refresh();
  }

  get running() {
    return this.state.running;
  }

  // The drill's view as practice changes it: END at any time.
  adjust(view: DrillView): DrillView {
    if (view.drilling && this.native.step().running) {
      view.begin = 'END';
      view.beginEnabled = true;
    }
    return view;
  }

  // After every call into the core: the items, the marks, a new reveal.
  refresh(step: PracticeStep = this.native.step()) {
    const before = this.state.reveals;
    this.state = step;
    $('pa-mode').setAttribute('aria-pressed', String(this.state.active));
    $<HTMLButtonElement>('pa-mode').disabled = this.host.view()?.drilling ?? false;
    $('pa-mark').hidden = !this.state.active;
    document.title = this.state.active ? `Sonorix - ${t('Practice')}` : 'Sonorix';
    $('pa-reveal').hidden = !this.state.running;
    $<HTMLButtonElement>('pa-show').disabled = !this.state.open;
    $<HTMLButtonElement>('pa-show-menu').disabled = !this.state.open;
    const named = this.state.waiting && !!this.shown && this.shown.named >= 0;
    $<HTMLButtonElement>('pa-again-menu').disabled = !named;
    $('pa-again').hidden = !named;
    if (this.state.reveals !== before && this.state.reveal && !this.shown) this.reveal(this.state.reveal);
    if (!this.state.waiting && this.shown) this.endWaiting();
  }

  // An answer was judged: the question answered goes to the staff.
  answered(question: Question, named: number, askedLabel: string, namedLabel: string) {
    if (this.state.running || this.shown) this.showQuestion(question.sorted, question.sorted, question.listIndex, named, askedLabel, namedLabel);
  }

  // After each answer and each reveal, the question just asked goes on the
  // staff: its notes, the class asked and the class named (a list index, -1
  // when none was), the named one beside it when it differs.
  private showQuestion(notes: number[], sorted: number[], asked: number, named: number, askedLabel: string, namedLabel: string) {
    showHeard(sorted, asked, named >= 0 && named !== asked ? named : null);
    this.host.shown?.({ notes, sorted, askedLabel, namedLabel });
  }

  async showAnswer() {
    if (!this.state.open) return;
    this.refresh(await this.host.act(() => this.native.showAnswer()));
  }

  // END: the summary window instead of the score.
  async end() {
    this.stopSound();
    const summary = await this.host.act(() => this.native.end());
    if (!summary) return;
    const lines = summaryLines(summary);
    const list = $('pa-summary');
    list.replaceChildren(
      ...lines.map((l) => {
        const li = document.createElement('li');
        li.textContent = l;
        return li;
      }),
    );
    const closed = this.host.showModal('pa-summary-dialog');
    $('pa-summary-ok').focus();
    this.host.say(lines.join('. ') + '.');
    await closed;
  }

  private reveal(r: Reveal) {
    this.shown = r;
    const named = r.named >= 0;
    const text = named ? arg(t('= %1; you named %2'), r.askedLabel, r.namedLabel) : arg(t('= %1'), r.askedLabel);
    const label = $('pa-answer');
    label.textContent = text;
    label.hidden = false;
    $('pa-next').hidden = false;
    $<HTMLButtonElement>('submit').disabled = true;
    $<HTMLInputElement>('edit1').value = '';
    $<HTMLSelectElement>('listbox').selectedIndex = r.row;
    let news = arg(t('The answer is %1.'), r.askedLabel);
    if (named) news += ' ' + arg(t('You named %1. You hear the question, then your answer.'), r.namedLabel);
    news += ' ' + t('Enter: next question. F1: the question again. F6: your answer again.');
    this.host.say(news);
    this.showQuestion(r.notes, r.sorted, r.asked, r.named, r.askedLabel, r.namedLabel);
    // The music waits for the words: a reader speaks about 15 characters a second.
    const leadIn = this.host.readerPaced() ? Math.min(Math.max(news.length * 65, 1500), 9000) : leadInMs;
    this.playRevealed(true, named, leadIn);
    this.refreshItems();
  }

  private refreshItems() {
    const named = !!this.shown && this.shown.named >= 0;
    $<HTMLButtonElement>('pa-again-menu').disabled = !named;
    $('pa-again').hidden = !named;
  }

  // Each part's name shows as it sounds.
  private playRevealed(question: boolean, named: boolean, leadIn: number) {
    if (!this.shown) return;
    this.stopSound();
    const v = this.host.view();
    const plan = this.native.playRevealed(question, named, leadIn, v.manner, v.range);
    this.host.play(plan.notes);
    const part = $('pa-part');
    for (const p of plan.parts) {
      this.timers.push(
        window.setTimeout(() => {
          part.textContent = arg(t('Playing: %1'), p.part === 'question' ? t('the question') : arg(t('%1, your answer'), p.name));
          part.hidden = false;
        }, p.atMs),
      );
    }
    this.timers.push(window.setTimeout(() => (part.hidden = true), plan.endMs + 1000));
  }

  private stopSound() {
    for (const id of this.timers) clearTimeout(id);
    this.timers = [];
    $('pa-part').hidden = true;
  }

  private endWaiting() {
    this.shown = null;
    this.stopSound();
    $('pa-answer').hidden = true;
    $('pa-next').hidden = true;
    $('pa-again').hidden = true;
    $<HTMLButtonElement>('submit').disabled = false;
  }

  private async next() {
    if (!this.shown) return;
    const hadFocus = document.activeElement === $('pa-next');
    this.endWaiting();
    $<HTMLSelectElement>('listbox').selectedIndex = -1;
    $<HTMLInputElement>('edit1').value = '';
    if (hadFocus) $('edit1').focus();
    this.refresh(await this.host.act(() => this.native.next()));
  }

  private async chooseAuto() {
    const now = Number(stored(autoKey) ?? 0);
    for (const r of document.querySelectorAll<HTMLInputElement>('input[name="pa-auto"]')) r.checked = Number(r.value) === now;
    await this.host.showModal('pa-auto-dialog');
    // Every way of closing keeps the choice.
    const chosen = document.querySelector<HTMLInputElement>('input[name="pa-auto"]:checked')?.value ?? '0';
    store(autoKey, chosen);
    this.native.setAutoReveal(Number(chosen));
  }

  private toggleMode() {
    if (this.host.view().drilling) return;
    const on = this.native.setMode(!this.state.active);
    store(modeKey, on ? '1' : '0');
    this.refresh();
    this.host.say(on ? t('Practice mode on: BEGIN starts a practice drill.') : t('Practice mode off.'));
  }

  private wire() {
    const menu = (id: string, run: () => void) =>
      $(id).addEventListener('click', () => {
        $(id).closest('details')?.removeAttribute('open');
        run();
      });
    menu('pa-mode', () => this.toggleMode());
    menu('pa-show-menu', () => void this.showAnswer());
    menu('pa-auto-menu', () => void this.chooseAuto());
    menu('pa-again-menu', () => this.playRevealed(false, true, 0));
    $('pa-show').addEventListener('click', () => void this.showAnswer());
    $('pa-again').addEventListener('click', () => this.playRevealed(false, true, 0));
    $('pa-next').addEventListener('click', () => void this.next());
    window.addEventListener('pagehide', () => void this.host.act(() => this.native.leave()));
    // Before the drill's own keys: while a reveal waits, Enter and Space ask
    // for the next question and F1 plays the revealed one again.
    document.addEventListener(
      'keydown',
      (e) => {
        if (document.querySelector('dialog[open]') || !this.state.running) return;
        const target = e.target as HTMLElement;
        const stop = () => {
          e.preventDefault();
          e.stopImmediatePropagation();
        };
        if (e.key === 'F5') {
          stop();  // never the browser's reload in a practice drill
          void this.showAnswer();
          return;
        }
        if (!this.shown) return;
        if (e.key === 'F6') {
          stop();
          if (this.shown.named >= 0 && !e.repeat) this.playRevealed(false, true, 0);
          return;
        }
        if (e.key === 'F1') {
          stop();
          if (!e.repeat) this.playRevealed(true, false, 0);
          return;
        }
        const space = e.key === ' ' && ['edit1', 'submit', 'pa-next', 'listbox'].includes(target.id);
        if ((e.key === 'Enter' && !target.closest('nav')) || space) {
          stop();
          if (!e.repeat) void this.next();
        }
      },
      true,
    );
  }
}

// A line of "Practice focus": the desktop's words in English, the same
// reasons from the page's catalogue in the other languages.
export function focusLine(f: FocusLine): string {
  if (currentLanguage() === 'en') return f.line;
  const p = (source: string, n?: number) => tr(pageContext, source, n);
  let why: string;
  if (!f.questions) {
    why = f.drillPercent >= 0 ? arg(p('not practised yet; %1 % right in your drills'), f.drillPercent) : p('not practised yet');
  } else {
    const reasons: string[] = [];
    const partners = f.partners.map(([name, times]) => arg(p('%1 (%n time(s))', times), name));
    if (partners.length) reasons.push(arg(p('confused with %1 this week'), partners.length > 1 ? arg(p('%1 and %2'), partners[0], partners[1]) : partners[0]));
    reasons.push(arg(p('right at the first try in %1 of %n question(s)', f.questions), f.firstTryRight));
    reasons.push(f.box === 1 ? p('missed when last asked') : arg(p('box %1 of %2'), f.box, f.boxes));
    why = reasons.join('; ');
  }
  return arg(p('%1 (%2 % of the questions): %3'), f.name, f.percent, why);
}

// The practice section of My Progress for one person.
export function showPracticeProgress(figures: PracticeProgress) {
  const body = document.querySelector('#pa-days tbody')!;
  body.replaceChildren(
    ...figures.days.map((d) => {
      const tr = document.createElement('tr');
      for (const v of [d.date, d.questions, d.firstTryRight, d.percent, d.revealed]) {
        const td = document.createElement('td');
        td.textContent = String(v);
        tr.append(td);
      }
      return tr;
    }),
  );
  const none = $('pa-none');
  none.textContent = tr(pageContext, 'No practice yet: choose Practice Mode in the Progress menu.');
  none.hidden = figures.days.length > 0;
  $('pa-focus').replaceChildren(
    ...figures.focus.map((line) => {
      const li = document.createElement('li');
      li.textContent = focusLine(line);
      return li;
    }),
  );
}
