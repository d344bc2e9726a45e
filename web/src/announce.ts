// What the live region says, in the desktop's words: short, so that it does
// not cover the next question; the counts and time wait for Ctrl+I.
import type { DrillView, Judged } from './core';
import { arg, tr } from './i18n';

const a = (source: string) => tr('Accessibility', source);

// The set class as the student hears it named: "3-11", "4-Z15".
export function setClassName(view: DrillView, row: number): string {
  const r = view.rows[row];
  return r ? `${view.prefix.replace(/\s*-\s*$/, '')}-${r.name}` : '';
}

// After an answer; `after` is the drill as the answer left it.
export function judgedText(judged: Judged, row: number, before: DrillView, after: DrillView): string {
  if (row < 0) return a('No set class chosen.');
  const name = setClassName(before, row);
  if (judged.right) {
    let text = arg(a('Right: %1.'), name);
    if (after.correct === 5) text += a(' The drill can now be ended with Ctrl+B.');
    return text + a(' Next question.');
  }
  return arg(judged.counted ? a('Wrong: not %1. Try again.') : a('Not %1, counted once. Try again.'), name);
}

export const startedText = () => a('Drill started. First question.');

// Ctrl+I: the counts and the time, and whether END is open.
export function stateText(view: DrillView): string {
  if (!view.drilling) return a('No drill running. Ctrl+B begins one.');
  let text = arg(a('%1 right, %2 wrong, time %3.'), view.correct, view.incorrect, view.clock);
  if (view.beginEnabled) text += a(' END possible: Ctrl+B.');
  return text;
}
