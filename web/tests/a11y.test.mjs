// A screen reader's and a keyboard's drill: every view passes an axe scan in
// the light and the dark theme; the live region tells right, wrong and the
// next question in the desktop's words; Ctrl+I tells the counts and time;
// the focus stays in the answer field.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { browser, login, openPage, shared, web } from './harness.mjs';
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

const idle = (page) => page.evaluate(() => window.sonorixTest.idle());
const status = (page) => page.textContent('#status');

async function answerRow(page, row) {
  await page.selectOption('#listbox', String(row));
  await page.press('#listbox', 'Enter');
  await idle(page);
}

for (const scheme of ['light', 'dark']) {
  test(`every view in the ${scheme} theme has no accessibility violation, and the drill is told`, async () => {
    const page = await openPage(at.chrome.context, at.server.url);
    await page.emulateMedia({ colorScheme: scheme });
    const found = [];
    await scan(page, 'login', found);
    await login(page, 'Ann');
    await page.waitForSelector('body[data-ready=yes]');
    await scan(page, 'drill', found);
    await page.click('nav summary >> nth=0');
    await scan(page, 'menu', found);
    await page.keyboard.press('Escape');
    for (const [action, dialog] of [['filters', 'filters-dialog'], ['midi', 'midi-dialog'], ['readme', 'readme-dialog'], ['about', 'about-dialog'], ['keys', 'keys-dialog'], ['pacing', 'pacing-dialog'], ['keyboard', 'keyboard-dialog'], ['progress', 'progress-dialog'], ['confusions', 'confusions-dialog'], ['join-class', 'join-dialog']]) {
      await page.evaluate((a) => document.querySelector(`[data-action=${a}]`).click(), action);
      await page.waitForSelector(`#${dialog}[open]`);
      if (action === 'readme') await page.waitForFunction(() => document.querySelector('#readme-text').textContent.length > 100);
      await scan(page, action, found);
      await page.keyboard.press('Escape');
      await idle(page);
    }

    await page.keyboard.press('Control+b');
    await idle(page);
    assert.equal(await status(page), 'Drill started. First question.');
    assert.equal(await page.evaluate(() => document.activeElement.id), 'edit1');
    for (let i = 0; i < 5; i++) {
      const q = await page.evaluate(() => window.sonorixTest.question());
      const right = (await page.evaluate(() => window.sonorixTest.rowListIndices())).indexOf(q.listIndex);
      const v = await page.evaluate(() => window.sonorixTest.view());
      const name = (row) => `3-${v.rows[row].name}`;
      await page.evaluate(() => window.sonorixTest.advance(2500));
      if (i === 0) {
        const wrong = (right + 1) % v.rows.length;
        await answerRow(page, wrong);
        assert.equal(await status(page), `Wrong: not ${name(wrong)}. Try again.`);
        await answerRow(page, wrong);
        assert.equal(await status(page), `Not ${name(wrong)}, counted once. Try again.`);
        // Answered from the list, the next answer is typed in the field again.
        assert.equal(await page.evaluate(() => document.activeElement.id), 'edit1');
      }
      await answerRow(page, right);
      assert.equal(await status(page), `Right: ${name(right)}.${i === 4 ? ' The drill can now be ended with Ctrl+B.' : ''} Next question.`);
    }
    await page.keyboard.press('Control+i');
    assert.match(await status(page), /^5 right, 1 wrong, time \d+:\d\d\. END possible: Ctrl\+B\.$/);
    await scan(page, 'drilling', found);
    if (scheme === 'dark') await shoot(page, 'web-drill-dark');

    await page.keyboard.press('Control+b');
    await page.waitForSelector('#score-dialog[open]');
    await scan(page, 'score', found);
    await page.click('#s-errors');
    await page.waitForSelector('#errors-dialog[open]');
    await page.check('input[name=edisplay][value="1"]');
    await scan(page, 'errors', found);
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
    await idle(page);
    await page.keyboard.press('Control+i');
    assert.equal(await status(page), 'No drill running. Ctrl+B begins one.');
    // My Progress with a drill logged: charts and table.
    await page.evaluate(() => document.querySelector('[data-action=progress]').click());
    await page.waitForSelector('#progress-dialog[open] #pr-acc canvas');
    assert.ok((await page.locator('#pr-table tbody tr').count()) >= 1);
    await scan(page, 'progress', found);
    await page.keyboard.press('Escape');
    // The confusion map with a cell's two classes drawn on staves.
    await page.evaluate(() => document.querySelector('[data-action=confusions]').click());
    await page.waitForSelector('#confusions-dialog[open]');
    await page.click('#cf-table button.wrong');
    await page.waitForSelector('#cf-heard[data-drawn=yes]');
    await scan(page, 'confusion pictures', found);
    await page.keyboard.press('Escape');
    assert.deepEqual(found, []);
    await page.close();
  });
}

test('"wait for me" holds each question until Space, Enter or Next; a pause delays it', async () => {
  const page = await openPage(at.chrome.context, at.server.url);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  const sounded = () => page.evaluate(() => window.sonorixSounded.length);
  const choose = async (pause, wait) => {
    await page.evaluate(() => document.querySelector('[data-action=pacing]').click());
    await page.waitForSelector('#pacing-dialog[open]');
    await page.selectOption('#pacing-pause', String(pause));
    await page.setChecked('#pacing-wait', wait);
    await page.keyboard.press('Escape');  // every way of closing keeps the choice
    await idle(page);
  };
  const answerRight = async () => {
    const q = await page.evaluate(() => window.sonorixTest.question());
    await answerRow(page, (await page.evaluate(() => window.sonorixTest.rowListIndices())).indexOf(q.listIndex));
  };
  await choose(0, true);
  await page.keyboard.press('Control+b');
  await idle(page);
  assert.equal(await sounded(), 0);
  assert.ok(await page.isVisible('#next'));
  await page.keyboard.press('Space');
  assert.equal(await sounded(), 1);
  assert.ok(await page.isHidden('#next'));
  assert.equal(await page.inputValue('#edit1'), '');

  await answerRight();
  assert.match(await status(page), /^Right: 3-\w+\. Next question\.$/);
  assert.equal(await sounded(), 1);
  await page.press('#edit1', 'Enter');
  await idle(page);
  assert.equal(await sounded(), 2);
  assert.equal((await page.evaluate(() => window.sonorixTest.view())).correct, 1, 'Enter asked for the question and answered nothing');
  await answerRight();
  await page.click('#next');
  assert.equal(await sounded(), 3);

  // The choice is kept; a pause of a second instead.
  await page.reload();
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  await page.evaluate(() => document.querySelector('[data-action=pacing]').click());
  assert.equal(await page.isChecked('#pacing-wait'), true);
  await page.keyboard.press('Escape');
  await choose(1, false);
  await page.keyboard.press('Control+b');
  await idle(page);
  assert.equal(await sounded(), 0);
  await page.waitForFunction(() => window.sonorixSounded.length === 1, null, { timeout: 3000 });
  await page.close();
});

test('at 400 % zoom (1280 px seen as 320) no view runs off the side', async () => {
  const small = await browser({ viewport: { width: 320, height: 256 } });
  const page = await openPage(small.context, at.server.url);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  // The page, or an open dialog, wider than the window; a table may scroll in its own frame.
  const overflow = () =>
    page.evaluate(() => {
      const d = document.documentElement;
      const wide = [...document.querySelectorAll('dialog[open]')].filter((x) => x.scrollWidth > x.clientWidth + 1).map((x) => x.id);
      return d.scrollWidth > d.clientWidth ? ['page', ...wide] : wide;
    });
  const found = [];
  found.push(...(await overflow()));
  for (const action of ['filters', 'midi', 'readme', 'about', 'keys', 'pacing', 'keyboard', 'progress', 'confusions', 'join-class']) {
    await page.evaluate((a) => document.querySelector(`[data-action=${a}]`).click(), action);
    await page.waitForSelector('dialog[open]');
    if (action === 'readme') await page.waitForFunction(() => document.querySelector('#readme-text').textContent.length > 100);
    found.push(...(await overflow()).map((w) => `${action}: ${w}`));
    await page.keyboard.press('Escape');
    await idle(page);
  }
  assert.deepEqual(found, []);
  await small.close();
});
