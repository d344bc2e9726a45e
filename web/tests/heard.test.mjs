// What I Heard: off until View › Show What I Heard is checked (and kept so);
// then each right answer, and only a right one, draws the question on a grand
// staff and a keyboard, names its notes as they sound and tells it with the
// judgement; the confusion map shows both classes of a cell. Passes an axe
// scan in both themes and fits 360 px.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { login, openPage, shared, web } from './harness.mjs';
import { shoot } from './shots.mjs';

const at = shared({ viewport: { width: 360, height: 780 } });

const idle = (page) => page.evaluate(() => window.sonorixTest.idle());

async function axe(page, what, found) {
  if (!(await page.evaluate(() => 'axe' in window))) await page.addScriptTag({ path: join(web, 'node_modules', 'axe-core', 'axe.min.js') });
  const result = await page.evaluate(() => window.axe.run(document, { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] }));
  for (const v of result.violations) found.push(`${what}: ${v.id} ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

// The MIDI note an English name stands for: "C♯4" is 61, "B♭3" 58.
function midiOf(name) {
  const m = /^([A-G])([♯♭]?)(-?\d)$/.exec(name);
  assert.ok(m, `a note name: ${name}`);
  return 12 * (Number(m[3]) + 1) + { C: 0, D: 2, E: 4, F: 5, G: 7, A: 9, B: 11 }[m[1]] + (m[2] === '♯' ? 1 : m[2] === '♭' ? -1 : 0);
}

async function answer(page, right) {
  const q = await page.evaluate(() => window.sonorixTest.question());
  const rows = await page.evaluate(() => window.sonorixTest.rowListIndices());
  const row = right ? rows.indexOf(q.listIndex) : (rows.indexOf(q.listIndex) + 1) % rows.length;
  await page.evaluate(() => window.sonorixTest.advance(2500));
  await page.selectOption('#listbox', String(row));
  await page.press('#listbox', 'Enter');
  await idle(page);
  return q;
}

test('Show What I Heard draws each right answer, tells it, and the confusion map compares two classes', async () => {
  const page = await openPage(at.chrome.context, at.server.url);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  assert.equal(await page.isChecked('#show-heard'), false, 'off by default');
  await page.click('summary:has-text("View")');
  await page.check('#show-heard');
  await page.keyboard.press('Escape');
  await page.reload();
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  assert.equal(await page.isChecked('#show-heard'), true, 'kept in the page\'s storage');

  await page.keyboard.press('Control+b');
  await idle(page);
  await answer(page, false);
  assert.equal(await page.isHidden('#heard'), true, 'a wrong answer shows nothing: a test stays a test');
  const found = [];
  for (let i = 0; i < 5; i++) {
    const q = await answer(page, true);
    await page.waitForSelector('#heard-picture[data-drawn=yes]');
    const v = await page.evaluate(() => window.sonorixTest.view());
    const row = (await page.evaluate(() => window.sonorixTest.rowListIndices())).indexOf(q.listIndex);
    const [name, prime] = /^(\d-\w+) \(([\d, ]+)\)/.exec(v.rows[row].label).slice(1);
    // The text equivalent names the notes heard, the class and its prime form.
    const text = await page.textContent('#heard .heard-text');
    const m = /^(.+): (\d-\w+), prime form ([\d ]+)$/.exec(text);
    assert.ok(m, text);
    assert.equal(m[2], name);
    assert.equal(m[3], prime.replace(/,/g, ''));
    assert.deepEqual(m[1].split(', ').map(midiOf).sort((a, b) => a - b), [...q.sorted].sort((a, b) => a - b));
    // Played one after another, the notes stand and are named in the order played.
    if (i >= 3) assert.deepEqual(m[1].split(', ').map(midiOf), q.played);
    assert.match(await page.textContent('#status'), new RegExp(`^Right: ${name}\\.( The drill can now be ended with Ctrl\\+B\\.)? Next question\\. ${text.replace(/[.*+?^${}()|[\]\\]/g, '\\$&')}$`));
    // Engraved: a grand staff with a note for each heard note, a key pressed for each.
    const drawn = await page.evaluate(() => ({
      staves: document.querySelectorAll('#heard .heard-staff svg .vf-stave').length,
      heads: document.querySelectorAll('#heard .heard-staff svg .vf-notehead').length,
      pressed: document.querySelectorAll('#heard .heard-keys .pressed').length,
      wide: document.documentElement.scrollWidth > document.documentElement.clientWidth,
    }));
    assert.deepEqual(drawn, { staves: 2, heads: q.sorted.length, pressed: new Set(q.sorted).size, wide: false });
    assert.equal(await page.locator('#heard .heard-staff svg .vf-stavenote').count(), i >= 3 ? q.sorted.length : new Set(q.sorted.map((n) => n >= 60)).size);
    if (i === 2) await page.check('input[name=manner][value="1"]');
    if (i === 0) {
      for (const scheme of ['light', 'dark']) {
        await page.emulateMedia({ colorScheme: scheme });
        await axe(page, `drill ${scheme}`, found);
      }
      await page.emulateMedia({ colorScheme: 'light' });
      await shoot(page, 'web-heard', () => page.evaluate(() => document.querySelector('#heard').scrollIntoView({ block: 'end' })));
    }
  }
  await page.keyboard.press('Control+b');
  await page.waitForSelector('#score-dialog[open]');
  await page.keyboard.press('Escape');
  await idle(page);

  // The confusion map: the wrong answer's cell shows both classes on middle C.
  await page.evaluate(() => document.querySelector('[data-action=confusions]').click());
  await page.waitForSelector('#confusions-dialog[open]');
  await page.click('#cf-table button.wrong');
  await page.waitForSelector('#cf-heard[data-drawn=yes]');
  assert.deepEqual(await page.locator('#cf-heard .heard-label').allTextContents(), ['Asked', 'Answered']);
  const text = await page.textContent('#cf-heard .heard-text');
  const m = /^Asked: C4, (.+)\. Answered: C4, (.+)\. They differ in interval classes ([\d, ]+)$/.exec(text);
  assert.ok(m, text);
  const differing = m[3].split(', ').map(Number);
  // The marked interval classes are those the two vectors differ in.
  const vectors = await page.evaluate(() =>
    [...document.querySelectorAll('#cf-heard .heard-line')].map((l) => /⟨(\d+)⟩/.exec(l.textContent)[1].split('').map(Number)),
  );
  assert.deepEqual(differing, [1, 2, 3, 4, 5, 6].filter((ic) => vectors[0][ic - 1] !== vectors[1][ic - 1]));
  assert.equal(await page.locator('#cf-heard .heard-differs').count(), 2 * differing.length);
  assert.equal(await page.locator('#cf-heard .heard-staff svg').count(), 2);
  assert.ok((await page.locator('#cf-heard .heard-keys polygon.pressed').count()) >= 3, 'the second class marked apart on the keys');
  for (const scheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme: scheme });
    await axe(page, `confusions ${scheme}`, found);
  }
  await page.emulateMedia({ colorScheme: 'light' });
  await shoot(page, 'web-heard-confusions', () => page.evaluate(() => document.querySelector('#cf-heard .heard-set-1').scrollIntoView({ block: 'start' })));

  // Note names as each language writes them.
  await page.keyboard.press('Escape');
  await page.selectOption('#language', 'de');
  await page.waitForFunction(() => /Primform/.test(document.querySelector('#heard .heard-text').textContent));
  assert.doesNotMatch(await page.textContent('#heard .heard-text'), /[♯♭]/, 'German: Cis, Es');
  assert.deepEqual(found, []);
  await page.close();
});
