// My Progress: the drill log's figures from the core, drawn with uPlot, the
// table of drills, and the table as CSV for a teacher.
// First: the chart library reads the browser's language as it loads.
import './browser-locale';
import uPlot from 'uplot';
import { arg, pageContext, tr } from './i18n';
import type { WebProgressNative } from './core';

const t = (source: string) => tr('TProgressForm', source);
const round = (v: number) => String(Math.round(v * 10) / 10);
// Day numbers count from 30 December 1899; uPlot's time axis takes Unix seconds.
const unixSeconds = (day: number) => (day - 25569) * 86400;
// Lines that stay apart from each other and from both themes' backgrounds.
const colours = ['#1f77b4', '#d62728', '#2ca02c', '#9467bd', '#e377c2', '#8c564b'];

// A mode's words in the table, each part of "within 1 octave / close position" on its own.
const modeText = (text: string) => text.split(' / ').map(t).join(' / ');

function chart(host: HTMLElement, title: string, data: uPlot.AlignedData, series: string[], time: boolean, unit: string, bars = false, summary = '') {
  host.replaceChildren();
  host.setAttribute('role', 'img');
  // A picture is only its title to a screen reader: say where each line goes.
  host.setAttribute('aria-label', summary ? `${title}. ${summary}` : title);
  const ink = getComputedStyle(host).color;
  const width = Math.max(260, Math.min(640, host.parentElement!.clientWidth - 8));
  const axis = { stroke: ink, grid: { stroke: 'rgb(128 128 128 / 35%)' }, ticks: { stroke: ink } };
  new uPlot(
    {
      width,
      height: 200,
      legend: { show: series.length > 1 },
      // Room beside the first and last point: a single drill or week still shows.
      scales: { x: { time, range: (_u, min, max) => (time ? [min - 4 * 86400, max + 4 * 86400] : [min - 0.5, max + 0.5]) } },
      // Drills are counted in whole numbers.
      axes: [{ ...axis, ...(time ? {} : { incrs: [1, 2, 5, 10, 20, 50, 100, 200, 500] }) }, { ...axis, label: unit }],
      series: [
        {},
        ...series.map((label, i) => ({
          label,
          stroke: colours[i % colours.length],
          width: 2,
          spanGaps: true,
          points: { show: true, size: 6 },
          ...(bars ? { paths: uPlot.paths.bars!({ size: [0.6, 40] }), fill: colours[0] } : {}),
        })),
      ],
    },
    data,
    host,
  );
}

export function showProgressFigures(native: WebProgressNative, index: number) {
  const f = native.figures(index);
  const $ = (id: string) => document.getElementById(id)!;
  const notes: string[] = [];
  if (!native.readable()) notes.push(t('report.dat cannot be read.'));
  else if (f.records === 0) notes.push(t('No drill has been logged yet.'));
  if (f.unverified > 0) notes.push(arg(t('%1 of %2 records could not be verified and are left out.'), f.unverified, f.records));
  $('pr-note').textContent = notes.join(' ');

  // One line per range and cardinality drilled, on common x values.
  const names = f.series.map((s) => `${t(s.range)}, ${t(s.cardinality)}`);
  const x = (v: number) => (f.daily ? unixSeconds(v) : v);
  const joined = (k: 1 | 2) =>
    f.series.length === 0
      ? ([[]] as unknown as uPlot.AlignedData)
      : uPlot.join(f.series.map((s) => [s.points.map((p) => x(p[0])), s.points.map((p) => p[k])] as uPlot.AlignedData));
  $('pr-acc-title').textContent = t(f.daily ? 'Accuracy per day' : 'Accuracy per drill');
  $('pr-spr-title').textContent = t(f.daily ? 'Seconds per right answer per day' : 'Seconds per right answer per drill');
  // "within 1 octave, trichords: from 40 to 75" for each line, first point to last.
  const said = (k: 1 | 2) =>
    f.series
      .map((s, i) => {
        const values = s.points.map((p) => p[k]).filter((v): v is number => v !== null);
        return values.length ? arg(tr(pageContext, '%1: from %2 to %3'), names[i], round(values[0]), round(values[values.length - 1])) : '';
      })
      .filter(Boolean)
      .join('; ');
  chart($('pr-acc'), $('pr-acc-title').textContent!, joined(1), names, f.daily, t('% right'), false, said(1));
  chart($('pr-spr'), $('pr-spr-title').textContent!, joined(2), names, f.daily, t('seconds'), false, said(2));
  const minutes = f.weeks.reduce((n, w) => n + (w[1] ?? 0), 0);
  chart($('pr-week'), t('Practice minutes per week'), [f.weeks.map((w) => unixSeconds(w[0])), f.weeks.map((w) => w[1])], [t('minutes')], true, t('minutes'), true,
    f.weeks.length ? arg(tr(pageContext, '%n week(s), %1 minutes in all', f.weeks.length), round(minutes)) : '');

  const body = document.querySelector('#pr-table tbody')!;
  body.replaceChildren(
    ...f.drills.map((d) => {
      const row = document.createElement('tr');
      for (const cell of [d.date, modeText(d.range), modeText(d.cardinality), d.right, d.wrong, d.accuracy, d.secondsPerRight, t(d.eligible ? 'yes' : 'no')]) {
        const td = document.createElement('td');
        td.textContent = String(cell);
        row.append(td);
      }
      return row;
    }),
  );
}
