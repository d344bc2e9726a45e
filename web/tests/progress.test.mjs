// My Progress on a known log: the desktop's recorded drill log (the one its
// own recorded-files test keeps) gives the table, the charts and the CSV the
// desktop's rules give.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { zipSync } from 'fflate';
import { login, openPage, root, shared } from './harness.mjs';
import { shoot } from './shots.mjs';

const at = shared();

test('My Progress on the recorded log: the drills table, the charts and the CSV', async () => {
  const page = await openPage(at.chrome.context, at.server.url);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  // The log arrives as a student's exported folder would.
  const recorded = (name) => readFileSync(join(root, 'tests', 'drill', 'window', 'files', name));
  const log = recorded('report.dat');
  await page.evaluate(() => document.querySelector('[data-action=import]').click());
  await page.setInputFiles('#import-file', { name: 'data.zip', mimeType: 'application/zip', buffer: Buffer.from(zipSync({ 'report.dat': log, 'errors.dat': recorded('errors.dat') })) });
  await page.click('#confirm-yes');
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Zoë Ann');
  await page.waitForSelector('body[data-ready=yes]');

  await page.evaluate(() => document.querySelector('[data-action=progress]').click());
  await page.waitForSelector('#progress-dialog[open]');
  assert.equal(await page.$eval('#pr-person', (s) => s.selectedOptions[0].text), 'Zoë Ann');
  const rows = await page.$$eval('#pr-table tbody tr', (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));
  assert.deepEqual(rows, [
    ['2006-09-01', 'within 2 octaves', 'trichords', '9', '6', '60.0', '4.0', 'yes'],
    ['2006-09-01', 'within 2 octaves / within 1 octave', 'tetrachords', '7', '4', '63.6', '3.9', 'no'],
  ]);
  assert.equal(await page.textContent('#pr-note'), '');
  // Fewer than a week of days: the charts go per drill, one line per range and cardinality.
  assert.equal(await page.textContent('#pr-acc-title'), 'Accuracy per drill');
  assert.equal(await page.locator('#pr-acc canvas').count(), 1);
  assert.equal(
    await page.getAttribute('#pr-acc', 'aria-label'),
    'Accuracy per drill. within 2 octaves, trichords: from 60 to 60; within 1 octave, tetrachords: from 50 to 50; within 2 octaves, tetrachords: from 71.4 to 71.4',
  );
  assert.equal(await page.getAttribute('#pr-week', 'aria-label'), 'Practice minutes per week. 1 week, 1.1 minutes in all');
  await shoot(page, 'web-progress', () => page.dispatchEvent('#pr-person', 'change'));

  const download = page.waitForEvent('download');
  await page.click('#pr-csv');
  const csv = readFileSync(await (await download).path(), 'utf8');
  const lines = csv.split('\r\n');
  assert.equal(lines[0], 'Name,Date,Time,Range,Cardinality,Play,Right,Wrong,Accuracy %,Seconds per right answer,Eligible');
  assert.match(lines[1], /^Zoë Ann,2006-09-01,.*,9,6,60\.0,4\.0,yes$/);
  assert.match(lines[2], /^Zoë Ann,2006-09-01,.*,7,4,63\.6,3\.9,no$/);
  assert.equal(lines.length, 4);
  await page.keyboard.press('Escape');

  // The confusion map of the eligible drill (trichords): its 9 right and 6
  // wrong answers, and a cell plays the class asked, then the one answered.
  await page.evaluate(() => document.querySelector('[data-action=confusions]').click());
  await page.waitForSelector('#confusions-dialog[open]');
  await page.check('input[name=cfcard][value="0"]');
  const labels = await page.$$eval('#cf-table button .visually-hidden', (bs) => bs.map((b) => b.textContent.replace(/^ % /, '')));
  const sum = (re) => labels.map((l) => re.exec(l)).filter(Boolean).reduce((n, m) => n + Number(m[1]), 0);
  assert.equal(sum(/^3-\w+: (\d+) right of \d+ answers$/), 9);
  assert.equal(sum(/^3-\w+ answered as 3-\w+: (\d+) of \d+ answers$/), 6);
  await shoot(page, 'web-confusions');
  await page.click('#cf-table button.wrong >> nth=0');
  const [plan] = await page.evaluate(() => window.sonorixSounded.slice(-1));
  const onsets = [...new Set(plan.map((n) => n.atMs))];
  assert.equal(plan.length, 6, 'two trichords');
  assert.ok(onsets.at(-1) - onsets[0] >= 1000, 'a second apart');
  await page.close();
});
