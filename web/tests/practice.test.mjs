// A practice drill by keys, with the seed and clock of the desktop's recorded
// practice drill: a wrong answer and Show Answer (F5), the reveal's words
// before its music, Enter for the next question, an automatic reveal after
// two wrong answers, END and the summary. practice.dat equals the desktop's
// byte for byte; My Progress shows the practice and its focus; every
// practice view passes an axe scan in both themes.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { join } from 'node:path';
import { login, openPage, root, shared, web } from './harness.mjs';
import { shoot } from './shots.mjs';

const at = shared();

const axePath = join(web, 'node_modules', 'axe-core', 'axe.min.js');
async function scan(page, what, found) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ path: axePath });
  const result = await page.evaluate(() =>
    window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] }),
  );
  for (const v of result.violations) found.push(`${what}: ${v.id} ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test('a practice drill with Show Answer and the automatic reveal leaves the desktop\'s practice.dat and summary', async () => {
  const page = await openPage(at.chrome.context, at.server.url);
  await page.evaluate(() => localStorage.clear());
  assert.equal(await page.textContent('#login-title'), 'Sonorix v. 3.0', 'as the desktop\'s login reads');
  await login(page, 'Mary Ann Lee');
  await page.waitForSelector('body[data-ready=yes]');
  await page.evaluate(() => (window.sonorixPracticeShown = []));
  const idle = () => page.evaluate(() => window.sonorixTest.idle());
  const view = () => page.evaluate(() => window.sonorixTest.view());
  const advance = (ms) => page.evaluate((m) => window.sonorixTest.advance(m), ms);
  const sounded = () => page.evaluate(() => window.sonorixSounded.length);
  const lastSound = () => page.evaluate(() => window.sonorixSounded.at(-1));
  // The question's row, and the n-th row that is not it.
  const rows = async () => {
    const q = await page.evaluate(() => window.sonorixTest.question());
    const right = (await page.evaluate(() => window.sonorixTest.rowListIndices())).indexOf(q.listIndex);
    const v = await view();
    return { q, v, right, wrong: (n) => v.rows.map((_, r) => r).filter((r) => r !== right)[n] };
  };
  const type = async (name) => {
    await page.fill('#edit1', name);
    await page.press('#edit1', 'Enter');
    await idle();
  };
  const found = [];

  await page.click('summary:has-text("Progress")');
  await page.click('#pa-mode');
  assert.equal(await page.getAttribute('#pa-mode', 'aria-pressed'), 'true');
  assert.equal(await page.textContent('#status'), 'Practice mode on: BEGIN starts a practice drill.');
  assert.equal(await page.title(), 'Sonorix - Practice');
  await page.click('summary:has-text("Progress")');
  await page.click('#pa-auto-menu');
  await page.waitForSelector('#pa-auto-dialog[open]');
  for (const scheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme: scheme });
    await scan(page, `auto reveal ${scheme}`, found);
  }
  await page.check('input[name="pa-auto"][value="2"]');
  await page.click('#pa-auto-dialog button[value=ok]');

  await page.focus('#edit1');
  await page.keyboard.press('Control+b');
  await idle();
  assert.equal((await view()).drilling, true);
  assert.equal(await page.textContent('#begin'), 'END', 'END at any time');
  assert.equal(await page.isDisabled('#begin'), false);
  assert.equal(await page.isDisabled('#pa-mode'), true, 'the mode is chosen between drills');

  // One wrong answer, then F5 in the answer field.
  let r = await rows();
  await advance(4000);
  await type(r.v.rows[r.wrong(0)].name);
  await advance(5000);
  const before = await sounded();
  await page.press('#edit1', 'F5');
  await page.waitForSelector('#pa-answer:not([hidden])');
  const askedLabel = (await page.$$eval('#listbox option', (o) => o.map((x) => x.text)))[r.right].trim();
  const namedLabel = r.v.rows.length && (await page.$$eval('#listbox option', (o) => o.map((x) => x.text)))[r.wrong(0)].trim();
  assert.match(askedLabel, /^3-\w+ \(0, \d+, \d+\)$/);
  assert.equal(await page.textContent('#pa-answer'), `= ${askedLabel}; you named ${namedLabel}`);
  assert.equal(await page.evaluate(() => document.getElementById('listbox').selectedIndex), r.right, 'its row is highlighted');
  // Announced first, then the question and the class named, after a lead-in.
  assert.ok((await page.textContent('#status')).startsWith(`The answer is ${askedLabel}. You named ${namedLabel}.`));
  assert.equal(await sounded(), before + 1);
  const plan = await lastSound();
  assert.equal(plan.length, 6, 'the question, then the class named');
  assert.ok(plan[0].atMs >= 500);
  assert.deepEqual(plan.slice(0, 3).map((n) => n.key).sort(), [...r.q.sorted].sort());
  await page.waitForFunction(() => document.getElementById('pa-part').textContent.includes('your answer'), null, { timeout: 10000 });
  assert.equal(await page.isVisible('#pa-next'), true);
  assert.equal(await page.isDisabled('#submit'), true);
  const shown = await page.evaluate(() => window.sonorixPracticeShown);
  assert.deepEqual(shown.at(-1).sorted, r.q.sorted, 'the staff is given the revealed question');
  for (const scheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme: scheme });
    await scan(page, `reveal ${scheme}`, found);
  }
  await page.emulateMedia({ colorScheme: 'light' });
  await shoot(page, 'web-practice');

  // Waiting: F1 and F6 play again, an answer is no answer, Enter asks for the next question.
  await page.press('#edit1', 'F1');
  assert.equal((await lastSound()).length, 3);
  await page.press('#edit1', 'F6');
  assert.equal((await lastSound()).length, 3);
  const counted = (await view()).incorrect;
  await page.evaluate(() => document.getElementById('submit').click());
  await idle();
  assert.equal((await view()).incorrect, counted);
  await advance(2000);
  await page.press('#edit1', 'Enter');
  await idle();
  assert.equal(await page.isHidden('#pa-answer'), true, 'cleared as the next question is asked');
  assert.equal(await page.isDisabled('#submit'), false);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'edit1');

  // Two different wrong answers reveal by themselves.
  r = await rows();
  await advance(3000);
  await type(r.v.rows[r.wrong(0)].name);
  assert.equal(await page.isHidden('#pa-answer'), true);
  await advance(3000);
  await type(r.v.rows[r.wrong(1)].name);
  await page.waitForSelector('#pa-answer:not([hidden])');
  await advance(2000);
  await page.click('#pa-next');
  await idle();
  r = await rows();
  await advance(6000);
  await type(r.v.rows[r.right].name);

  await page.click('#begin');
  await page.waitForSelector('#pa-summary-dialog[open]');
  const summary = await page.$$eval('#pa-summary li', (l) => l.map((x) => x.textContent));
  assert.equal(summary.length, 6);
  assert.deepEqual(summary.slice(0, 3), ['Questions: 3', 'Right at the first try: 1 (33 %)', 'Revealed: 2']);
  assert.match(summary[3], /^Time: \d+:\d\d$/);
  assert.match(summary[5], /^Needs more work: 3-/);
  for (const scheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme: scheme });
    await scan(page, `summary ${scheme}`, found);
  }
  await page.emulateMedia({ colorScheme: 'light' });
  await shoot(page, 'web-practice-summary');
  await page.click('#pa-summary-ok');
  await idle();
  assert.equal((await view()).drilling, false);
  assert.equal(await page.textContent('#begin'), 'BEGIN');

  // The desktop's practice drill, with the same seed and clock, wrote these lines.
  const log = Buffer.from(await page.evaluate(() => window.sonorixTest.file('practice.dat')));
  const recorded = readFileSync(join(root, 'tests', 'drill', 'window', 'files', 'practice.dat'));
  assert.equal(log.toString('latin1'), recorded.toString('latin1'));
  assert.equal(await page.evaluate(() => window.sonorixTest.file('report.dat').length), 0, 'practice never writes the drill log');

  // My Progress: the day's practice and the focus.
  await page.click('summary:has-text("Progress")');
  await page.click('[data-action=progress]');
  await page.waitForSelector('#progress-dialog[open]');
  const day = await page.$$eval('#pa-days tbody tr td', (c) => c.map((x) => x.textContent));
  assert.deepEqual(day, ['2006-09-01', '3', '1', '33.3', '2']);
  const focus = await page.$$eval('#pa-focus li', (l) => l.map((x) => x.textContent));
  assert.equal(focus.length, 3);
  assert.ok(focus.some((l) => /^3-\w+ \(\d+ % of the questions\): confused with 3-/.test(l)), focus.join('\n'));
  assert.equal(await page.isHidden('#pa-none'), true);
  for (const scheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme: scheme });
    await scan(page, `progress ${scheme}`, found);
  }
  assert.deepEqual(found, []);

  // In German the focus gives the same reasons from the catalogue.
  const de = await openPage(at.chrome.context, at.server.url, 'seed=1&clock=manual&start=10000&today=38961&nosw&lang=de');
  await login(de, 'Mary Ann Lee');
  await de.waitForSelector('body[data-ready=yes]');
  await de.evaluate(() => document.querySelector('[data-action=progress]').click());
  await de.waitForSelector('#progress-dialog[open]');
  const german = await de.$$eval('#pa-focus li', (l) => l.map((x) => x.textContent));
  assert.equal(german.length, 3);
  assert.ok(german.some((l) => /^3-\w+ \(\d+ % der Fragen\): diese Woche verwechselt mit 3-\w+ \(1-mal\); beim ersten Versuch richtig in 0 von 1 Frage; zuletzt verfehlt$/.test(l)), german.join('\n'));
  assert.equal(await de.textContent('#pa-days-caption'), 'Training pro Tag');
  await de.close();
});
