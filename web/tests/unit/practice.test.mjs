// Practice's words from the core's figures: the summary, and a focus line
// said again in the student's language from the figures the core hands over.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './load.mjs';

const { focusLine, summaryLines, useCatalogue } = await load('practice.ts', 'i18n.ts');

const focus = (more) => ({
  line: 'the desktop\'s line', name: '3-11', percent: 40, questions: 0, firstTryRight: 0, box: 1, boxes: 5, drillPercent: -1, partners: [], ...more,
});

test('a focus line in English is the desktop\'s; in another language its reasons come from the figures', () => {
  useCatalogue('en', {});
  assert.equal(focusLine(focus({ questions: 4 })), 'the desktop\'s line');
  useCatalogue('de', {});
  // The page's catalogue is not loaded here: the source texts show which reasons were chosen.
  assert.equal(focusLine(focus()), '3-11 (40 % of the questions): not practised yet');
  assert.equal(focusLine(focus({ drillPercent: 0 })), '3-11 (40 % of the questions): not practised yet; 0 % right in your drills');
  assert.equal(
    focusLine(focus({ questions: 3, firstTryRight: 1, box: 2, partners: [['3-5', 2], ['3-4', 1]] })),
    '3-11 (40 % of the questions): confused with 3-5 (2 time(s)) and 3-4 (1 time(s)) this week; ' +
      'right at the first try in 1 of 3 question(s); box 2 of 5',
  );
  assert.equal(
    focusLine(focus({ questions: 1, partners: [['3-5', 1]] })),
    '3-11 (40 % of the questions): confused with 3-5 (1 time(s)) this week; right at the first try in 0 of 1 question(s); missed when last asked',
  );
});

test('the summary: no percentage without a question, the time as minutes and seconds', () => {
  useCatalogue('en', {});
  const summary = { questions: 0, firstTryRight: 0, percent: -1, revealed: 0, seconds: 65, surer: [], needsWork: ['3-1', '3-2'], logWritten: true };
  assert.deepEqual(summaryLines(summary), [
    'Questions: 0', 'Right at the first try: 0', 'Revealed: 0', 'Time: 1:05', 'Getting surer: none yet', 'Needs more work: 3-1, 3-2',
  ]);
  assert.equal(summaryLines({ ...summary, questions: 4, firstTryRight: 3, percent: 75 })[1], 'Right at the first try: 3 (75 %)');
});
