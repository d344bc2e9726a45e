// A high-score table: the heading and the rows on one grid, so each heading
// stands over its column at any width or zoom. Each row's accessible name is
// its line as the desktop writes it, which is what a screen reader reads.
import { tr } from './i18n';

const headerSource = 'Date              Correct   Incrct    Pctge   Time/Int  Score ';
// The columns of a line: place, date (blank when out of the calendar), right,
// wrong, share right, time per interval, score.
const linePattern = /^\s*(\d+\.) (.{8})\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s+(\S+)\s*$/;
const numeric = [true, false, true, true, true, true, true];

function cell(text: string, column: number) {
  const span = document.createElement('span');
  span.textContent = text.trim();
  if (numeric[column]) span.className = 'num';
  return span;
}

// The desktop's heading, one word per column after the place.
function drawHeader(header: HTMLElement) {
  let words = tr('TForm2', headerSource).trim().split(/\s+/);
  if (words.length !== 6) words = headerSource.trim().split(/\s+/);
  header.replaceChildren(cell('', 0), ...words.map((w, i) => cell(w, i + 1)));
}

export class HighScoreTable {
  private selected = -1;
  constructor(private readonly frame: HTMLElement, private readonly header: HTMLElement, private readonly list: HTMLElement) {
    drawHeader(header);
    document.addEventListener('sonorix-language', () => drawHeader(header));
    list.addEventListener('keydown', (e) => {
      const count = list.children.length;
      const to = { ArrowDown: this.selected + 1, ArrowUp: this.selected - 1, Home: 0, End: count - 1, PageDown: this.selected + 8, PageUp: this.selected - 8 }[e.key];
      if (to === undefined || count === 0) return;
      e.preventDefault();
      this.select(Math.max(0, Math.min(count - 1, to)));
    });
    list.addEventListener('click', (e) => {
      const row = (e.target as HTMLElement).closest('[role=option]');
      if (row) this.select([...list.children].indexOf(row));
    });
  }

  show(lines: string[], selected: number) {
    this.list.replaceChildren(
      ...lines.map((line, i) => {
        const row = document.createElement('div');
        row.setAttribute('role', 'option');
        row.id = `s-row-${i}`;
        row.className = 'hs-row';
        row.setAttribute('aria-label', line);
        const m = linePattern.exec(line);
        // Spaces between the cells, so that the text shown reads as the name.
        if (m) m.slice(1).forEach((text, column) => row.append(...(column ? [' '] : []), cell(text, column)));
        else row.append(Object.assign(cell(line, 1), { className: 'whole' }));
        return row;
      }),
    );
    this.frame.scrollTop = 0;
    this.select(selected);
  }

  private select(index: number) {
    const rows = [...this.list.children] as HTMLElement[];
    this.selected = index >= 0 && index < rows.length ? index : -1;
    rows.forEach((r, i) => r.setAttribute('aria-selected', String(i === this.selected)));
    const row = rows[this.selected];
    if (!row) {
      this.list.removeAttribute('aria-activedescendant');
      return;
    }
    this.list.setAttribute('aria-activedescendant', row.id);
    // Into view below the sticky heading, scrolling only the table.
    const top = row.offsetTop - this.header.offsetHeight;
    const bottom = row.offsetTop + row.offsetHeight - this.frame.clientHeight;
    if (this.frame.scrollTop > top) this.frame.scrollTop = top;
    else if (this.frame.scrollTop < bottom) this.frame.scrollTop = bottom;
  }
}
