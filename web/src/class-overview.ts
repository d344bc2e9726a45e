// Class › Class Overview…: the teacher's view of a class folder on a WebDAV
// server, read by the core (only what changed since the last look), shown as
// the desktop's Class Overview shows it, exported as its CSV and printed as
// its report.
import { afterClassRead, assignmentReport, beforeClassRead, drawAssignmentTable, dueThisWeekOnly } from './assign-overview';
import { currentClass } from './class-connection';
import type { ClassColumns, ClassOverview, ClassRow, WebClassOverviewNative } from './core';
import { arg, currentLanguage, pageContext, tr, translateText } from './i18n';
import { $, act, download, page, showModal } from './page';

// Rows drawn beyond the scroll box's edges, so that a short scroll shows drawn rows at once;
// and a row's height until one is drawn to measure.
const rowsBeyond = 10;
const rowGuessPx = 24;
// High-score tables longer than this wait a frame before the next is drawn.
const rowsAtOnce = 40;
// After the browser has drawn what was put in.
const nextFrame = () => new Promise<void>((resolve) => requestAnimationFrame(() => setTimeout(resolve, 0)));

const t = (source: string) => tr('TClassOverview', source);
const own = (source: string) => tr(pageContext, source);

const ranges = ['close', '1 oct', '2 oct'];
const rangeNames = ['close position', 'within 1 octave', 'within 2 octaves'];
// Texts made of catalogue texts keep each as a text of its own, as a screen reader and the language check read them.
type Pieces = string[];
const modeShort = (mode: number): Pieces => [t(ranges[mode % 3]), ` ${mode < 3 ? 3 : 4}`];
const modeLong = (mode: number): Pieces => [t(rangeNames[mode % 3]), ', ', t(mode < 3 ? 'trichords' : 'tetrachords')];

// The core's columns, as the desktop's window has them.
let columns: ClassColumns = { heads: [], general: [], modes: [] };
const nameColumn = 0;
const unverifiedColumn = (c: number) => ['Unverified', 'Ambiguous'].includes(columns.heads[c]?.source);

// The column heads in the page's language, a line break where a head takes two lines.
const headers = (): Pieces[] => columns.heads.map((h) => [...(h.mode >= 0 ? modeShort(h.mode) : []), t(h.source)]);

// A fault in the student's language: the core's English text, as the catalogues translate it.
const faultText = (english: string) => translateText(pageContext, english) ?? english;

function personName(row: ClassRow) {
  return row.unknown ? t('(unknown)') : row.name || t('(no name)');
}

function el<K extends keyof HTMLElementTagNameMap>(tag: K, text: string | Pieces = '', cls = ''): HTMLElementTagNameMap[K] {
  const e = document.createElement(tag);
  if (typeof text === 'string') e.textContent = text;
  else e.append(...text);
  if (cls) e.className = cls;
  return e;
}

// A table sorted by the head's button: Enter or Space on it, as a click. Numbers
// as numbers, empty cells below every number; a second press turns the order.
// Only the rows in view of its scroll box are drawn (a class of hundreds
// would take the browser longer to lay out than a frame), between two empty
// rows as tall as the rows left out; aria-rowcount and aria-rowindex tell a
// screen reader where it is. The printed report has every row.
class SortedTable {
  private column = nameColumn;
  private ascending = true;
  private sorted: ClassRow[] = [];
  private drawnFrom = 0;
  private drawnTo = 0;
  private rowPx = 0;
  private looking = false;
  // Each row made once, whatever the order.
  private made = new WeakMap<ClassRow, HTMLTableRowElement>();
  constructor(private readonly table: HTMLTableElement, private readonly box: HTMLElement) {
    box.addEventListener('scroll', () => this.follow(), { passive: true });
    new ResizeObserver(() => this.follow()).observe(box);
  }

  draw(rows: ClassRow[]) {
    const heads = headers();
    const tr = el('tr');
    tr.setAttribute('aria-rowindex', '1');
    heads.forEach((head, c) => {
      const th = el('th');
      th.scope = 'col';
      const button = el('button', head);
      button.type = 'button';
      button.addEventListener('click', () => {
        this.ascending = this.column === c ? !this.ascending : true;
        this.column = c;
        this.draw(rows);
        (this.table.tHead!.rows[0].cells[c].firstElementChild as HTMLElement).focus();
      });
      th.append(button);
      if (c === this.column) th.setAttribute('aria-sort', this.ascending ? 'ascending' : 'descending');
      tr.append(th);
    });
    this.table.tHead!.replaceChildren(tr);
    this.sorted = [...rows].sort((a, b) => this.compare(a, b));
    this.made = new WeakMap();
    this.table.setAttribute('aria-rowcount', String(this.sorted.length + 1));
    this.drawnFrom = this.drawnTo = 0;
    this.drawRows();
  }

  // After a scroll or a new size, once a frame: the rows now in view, when they are not drawn yet.
  private follow() {
    if (this.looking) return;
    this.looking = true;
    requestAnimationFrame(() => {
      this.looking = false;
      const [from, to] = this.inView();
      if (from < this.drawnFrom || to > this.drawnTo) this.drawRows();
    });
  }

  private inView(): [number, number] {
    const px = this.rowPx || rowGuessPx;
    const top = Math.max(0, this.box.scrollTop - (this.table.tHead?.offsetHeight ?? 0));
    // A box not laid out yet (the dialog opening) shows as many as a screen holds.
    const height = this.box.clientHeight || window.innerHeight;
    const from = Math.min(this.sorted.length, Math.floor(top / px));
    return [from, Math.min(this.sorted.length, from + Math.ceil(height / px) + 1)];
  }

  private drawRows() {
    const [from, to] = this.inView();
    this.drawnFrom = Math.max(0, from - rowsBeyond);
    this.drawnTo = Math.min(this.sorted.length, to + rowsBeyond);
    const all = headers().map((_, c) => c);
    const drawn = this.sorted.slice(this.drawnFrom, this.drawnTo).map((row, i) => {
      let tr = this.made.get(row);
      if (!tr) {
        tr = bodyRow(row, all);
        this.made.set(row, tr);
      }
      tr.setAttribute('aria-rowindex', String(this.drawnFrom + i + 2));
      return tr;
    });
    const px = this.rowPx || rowGuessPx;
    const gap = (rows: number) => {
      const tr = el('tr', '', 'co-gap');
      tr.setAttribute('aria-hidden', 'true');
      tr.style.height = `${rows * px}px`;
      const td = el('td');
      td.colSpan = all.length;
      tr.append(td);
      return tr;
    };
    const body = this.table.tBodies[0];
    body.replaceChildren(
      ...(this.drawnFrom > 0 ? [gap(this.drawnFrom)] : []),
      ...drawn,
      ...(this.drawnTo < this.sorted.length ? [gap(this.sorted.length - this.drawnTo)] : []),
    );
    // Measured once the first rows are in: the gaps then match the rows they stand for.
    if (!this.rowPx && drawn.length > 0 && drawn[0].offsetHeight > 0) {
      this.rowPx = drawn[0].offsetHeight;
      if (this.rowPx !== px) this.drawRows();
    }
  }

  private compare(a: ClassRow, b: ClassRow) {
    const order = this.ascending ? 1 : -1;
    if (this.column === nameColumn) {
      // The unknown row stays below the names.
      if (a.unknown !== b.unknown) return a.unknown ? 1 : -1;
      return order * (a.name < b.name ? -1 : a.name > b.name ? 1 : 0);
    }
    const x = a.cells[this.column].key;
    const y = b.cells[this.column].key;
    if (x === y) return 0;
    if (x === null) return -order;
    if (y === null) return order;
    return order * (x - y);
  }
}

function bodyRow(row: ClassRow, columns: number[]) {
  const tr = el('tr');
  for (const c of columns) {
    const cell = c === nameColumn ? el('th', personName(row)) : el('td', row.cells[c].text);
    if (c === nameColumn) (cell as HTMLTableCellElement).scope = 'row';
    else cell.className = 'num';
    // A tampered or damaged log shows at a glance.
    if (unverifiedColumn(c) && (row.cells[c].key ?? 0) > 0) cell.classList.add('warn');
    tr.append(cell);
  }
  return tr;
}

function headRow(texts: (string | Pieces)[]) {
  const tr = el('tr');
  for (const text of texts) {
    const th = el('th', text);
    th.scope = 'col';
    tr.append(th);
  }
  return tr;
}

function fillList(table: HTMLTableElement, heads: string[], rows: (string | number)[][], numeric: boolean[]) {
  table.tHead!.replaceChildren(headRow(heads));
  table.tBodies[0].replaceChildren(
    ...rows.map((cells) => {
      const tr = el('tr');
      cells.forEach((text, i) => tr.append(el('td', String(text), numeric[i] ? 'num' : '')));
      return tr;
    }),
  );
}

// The comma for a decimal mark wants ';' between fields, as the desktop's export does.
const csvSeparator = () => (new Intl.NumberFormat(currentLanguage()).format(1.5).includes(',') ? ';' : ',');

class OverviewDialog {
  private native: WebClassOverviewNative | null = null;
  private shown: ClassOverview | null = null;
  private table = new SortedTable($<HTMLTableElement>('co-table'), $('co-table-wrap'));
  private reading = false;
  private fault = '';
  private cancelled = false;
  private draws = 0;
  private scoreDraws = 0;
  private drawnFor: ClassOverview | null | undefined = undefined;

  constructor() {
    $('co-read').addEventListener('click', () => void this.read());
    $('co-cancel').addEventListener('click', () => void act(() => this.native?.cancel()));
    $('co-csv').addEventListener('click', () => this.exportCsv());
    $('co-print').addEventListener('click', () => this.print());
    for (const id of ['co-address', 'co-account', 'co-password'])
      $(id).addEventListener('keydown', (e) => {
        if ((e as KeyboardEvent).key === 'Enter') {
          e.preventDefault();
          void this.read();
        }
      });
    $('class-overview-dialog').addEventListener('close', () => void act(() => this.native?.cancel()));
    document.addEventListener('sonorix-language', () => {
      this.drawnFor = undefined;
      void this.draw();
    });
    // Made as the browser prints (its own menu too): the window need not hold it twice meanwhile.
    window.addEventListener('beforeprint', () => {
      if ((document.getElementById('class-overview-dialog') as HTMLDialogElement).open) this.drawReport(this.reading ? null : this.shown);
    });
  }

  async open() {
    const core = page.core;
    if (!core) return;
    this.native ??= new core.WebClassOverview(page.catalogue);
    columns = core.WebClassOverview.columns();
    // The class this page joined, if any; a teacher's own account need not have joined.
    const joined = currentClass();
    const address = $<HTMLInputElement>('co-address');
    const account = $<HTMLInputElement>('co-account');
    if (joined && !address.value) {
      address.value = joined.address;
      account.value = joined.account;
      $<HTMLInputElement>('co-password').value = joined.password;
    }
    void this.draw();
    const closed = showModal('class-overview-dialog');
    (address.value && account.value ? $('co-read') : address).focus();
    await closed;
  }

  async read() {
    const native = this.native;
    if (!native || this.reading) return;
    const address = $<HTMLInputElement>('co-address').value.trim();
    const account = $<HTMLInputElement>('co-account').value.trim();
    const password = $<HTMLInputElement>('co-password').value;
    this.reading = true;
    this.fault = '';
    this.cancelled = false;
    this.progress(0, 0);
    void this.draw();
    await beforeClassRead(address, account, password);
    const [fault, cancelled] = await new Promise<[string, boolean]>((resolve) => {
      const listener = {
        progress: (done: number, total: number) => this.progress(done, total),
        finished: (fault: string, cancelled: boolean) => resolve([fault, cancelled]),
      };
      void act(() => native.read(address, account, password, listener)).then((refused) => {
        if (refused) resolve([refused, false]);
      });
    });
    this.reading = false;
    this.cancelled = cancelled;
    this.fault = fault;
    this.shown = await act(() => native.overview());
    // What the read cost, for the tests and the bench: files fetched, folders read afresh.
    const dialog = document.getElementById('class-overview-dialog')!;
    dialog.dataset.fetched = String(this.shown?.fetched ?? 0);
    dialog.dataset.foldersRead = String(this.shown?.read ?? 0);
    await afterClassRead(!fault && !cancelled, this.shown, native, address, account, password);
    await this.draw();
  }

  private progress(done: number, total: number) {
    const bar = $<HTMLProgressElement>('co-progress');
    bar.max = Math.max(total, 1);
    bar.value = Math.min(done, bar.max);
  }

  private async draw() {
    const o = this.shown;
    // The bar goes once the table is drawn.
    if (this.reading) $('co-reading').hidden = false;
    $('co-read').toggleAttribute('disabled', this.reading);
    const faultLine = $('co-fault');
    faultLine.hidden = !this.fault;
    faultLine.textContent = this.fault ? faultText(this.fault) : '';
    $<HTMLButtonElement>('co-csv').disabled = !o || this.reading;
    $<HTMLButtonElement>('co-print').disabled = !o || this.reading;
    const summary = $('co-summary');
    if (this.reading) summary.textContent = arg(t('%1 — reading the logs…'), this.folder());
    else if (this.cancelled) summary.textContent = arg(t('%1 — reading the logs was cancelled.'), this.folder());
    else summary.textContent = o ? this.summary(o) : '';
    drawAssignmentTable(o, () => void this.draw());
    // The figures shown are drawn again only when they changed: a reread starts without laying the page out anew.
    if (o === this.drawnFor) {
      if (!this.reading) $('co-reading').hidden = true;
      return;
    }
    this.drawnFor = o;
    $('co-table-caption').textContent = t('Class');
    this.table.draw(o?.rows ?? []);
    fillList($<HTMLTableElement>('co-hardest'), [t('Set class'), t('% right'), t('Answers')],
      (o?.hardest ?? []).map((h) => [h.name, h.accuracy, h.answers]), [false, true, true]);
    fillList($<HTMLTableElement>('co-confusions'), [t('Played'), t('Taken for'), t('Times')],
      (o?.confusions ?? []).map((c) => [c.played, c.takenFor, c.times]), [false, false, true]);
    const scores = this.drawScores(o);
    $('co-legend-text').textContent = this.legend();
    $('co-report').replaceChildren();
    $('co-students').replaceChildren();
    const mine = ++this.draws;
    await scores;
    if (mine === this.draws) $('co-reading').hidden = !this.reading;
  }

  private folder() {
    return $<HTMLInputElement>('co-address').value.trim() || t('Class');
  }

  private summary(o: ClassOverview) {
    const people = o.rows.length;
    // Two texts, as the desktop's: English needs no catalogue for its singular.
    let text = arg(
      tr('TClassOverview', people === 1 ? '%1 — %n person, %3 records, %4 of them unverified. Week from %5.'
        : '%1 — %n people, %3 records, %4 of them unverified. Week from %5.', people),
      this.folder(), '', o.records, o.unverified, o.weekFrom);
    if (o.ambiguous > 0) text += ' ' + arg(t('%1 records could belong to more than one person and count for nobody.'), o.ambiguous);
    // A student's account reads its own folder only: the others are said to be left out, not counted as empty.
    if (o.unreadable > 0) text += ' ' + tr(pageContext, '%n folder(s) of the class are closed to this account; their figures are not shown.', o.unreadable);
    return text;
  }

  // One table a frame: the six of a class of hundreds laid out at once take longer than one.
  private async drawScores(o: ClassOverview | null) {
    const host = $('co-scores');
    const mine = ++this.scoreDraws;
    host.replaceChildren();
    for (let mode = 0; mode < 6; ++mode) {
      if (mode > 0 && (o?.highScores[mode - 1].length ?? 0) > rowsAtOnce) await nextFrame();
      if (mine !== this.scoreDraws) return;
      const table = el('table', '', 'co-table co-score');
      const caption = el('caption', modeLong(mode));
      table.append(caption, el('thead'), el('tbody'));
      fillList(table, [own('Place'), t('Name'), own('Score')],
        (o?.highScores[mode] ?? []).map((e, i) => [`${i + 1}.`, e.name || t('(no name)'), e.score]), [true, false, true]);
      host.append(table);
    }
  }

  private legend() {
    const modes = Array.from({ length: 6 }, (_, m) => `${modeShort(m).join('')}: ${modeLong(m).join('')}.`).join(' ');
    return `${modes} ${t('% right, s/right and best score count the eligible drills that reached END: every set class of the ' +
      'cardinality enabled and the settings unchanged. Ineligible drills reached END otherwise; not ended ' +
      'drills have fewer than five right answers. Times are minutes:seconds. Unverified records are damaged ' +
      'or fail their check value; ambiguous ones verify for more than one person alike; (unknown) holds ' +
      'unverified records that belong to no single person.')}`;
  }

  private exportCsv() {
    const native = this.native;
    if (!native || !this.shown) return;
    const separator = csvSeparator();
    const weekOnly = dueThisWeekOnly();
    void act(() => native.csv(separator, weekOnly)).then((csv) => download(new Blob([csv as BlobPart], { type: 'text/csv' }), 'class.csv'));
  }

  // The browser's print (to paper or PDF), also from the browser's own menu
  // while the window is open, gives the report the desktop saves as PDF: its
  // heading and dates, the two tables, the legend and the lists.
  private drawReport(o: ClassOverview | null) {
    const report = $('co-report');
    if (!o) return report.replaceChildren();
    const heads = headers();
    const table = (columns: number[]) => {
      const tbl = el('table', '', 'co-table');
      const head = el('thead');
      head.append(headRow(columns.map((c) => heads[c])));
      const body = el('tbody');
      body.append(...o.rows.map((row) => bodyRow(row, columns)));
      tbl.append(head, body);
      return tbl;
    };
    const parts: HTMLElement[] = [el('h2', `Sonorix — ${t('Class Overview')}, ${o.today}`)];
    if (o.first) parts.push(el('p', arg(t('Drills and practice from %1 to %2.'), o.first, o.last)));
    parts.push(el('p', this.summary(o)), table(columns.general), table(columns.modes), ...assignmentReport(o));
    report.replaceChildren(...parts);
    // After the legend and the lists, as the desktop's report ends.
    const students = $('co-students');
    const list = o.students;
    students.replaceChildren(el('h3', t('Per student, from practice mode')));
    if (list.length === 0) students.append(el('p', t('Nobody has practised yet.')));
    for (const s of list) {
      const hardest = s.hardest.map((a) => arg(t('%1 (%2 of %3 at the first try)'), a.name, a.firstTry, a.asked)).join(', ');
      const confused = s.confusions.map((c) => arg(t('%1 taken for %2 (%3×)'), c.asked, c.answered, c.times)).join(', ');
      const p = el('p');
      p.append(el('b', s.name), `: ${t('hardest')}: ${hardest}. ${t('confusions')}: ${confused || t('none')}.`);
      students.append(p);
    }
  }

  private print() {
    if (this.shown) window.print();
  }
}

let dialog: OverviewDialog | null = null;

export function showClassOverview() {
  dialog ??= new OverviewDialog();
  return dialog.open();
}
