// The drill, the score and the error report by keyboard alone, on a phone's
// 360 px and at 200 % zoom, with nothing cut off or scrolled sideways.
// SONORIX_SCREENSHOTS=dir also saves them as pictures.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { login, openPage, shared } from './harness.mjs';

const at = shared();

async function noSidewaysScroll(page, what) {
  const { scroll, width } = await page.evaluate(() => ({ scroll: document.documentElement.scrollWidth, width: innerWidth }));
  assert.ok(scroll <= width, `${what}: ${scroll} px wide in ${width} px`);
  // An open dialog fits too.
  const dialog = await page.evaluate(() => {
    const d = document.querySelector('dialog[open]');
    if (!d) return null;
    const r = d.getBoundingClientRect();
    return { left: r.left, right: r.right, inner: d.scrollWidth - d.clientWidth };
  });
  if (dialog) {
    assert.ok(dialog.left >= 0 && dialog.right <= width, `${what}: the dialog lies outside the page`);
    assert.ok(dialog.inner <= 1, `${what}: the dialog scrolls sideways`);
  }
}

// The high scores: every heading whole in the table's frame and over its column
// (the date's left edge, the figures' right edges), and each row read as its line.
async function headingsOverColumns(page, what) {
  const t = await page.evaluate(() => {
    const box = (el) => {
      const range = document.createRange();
      range.selectNodeContents(el);
      const b = range.getBoundingClientRect();
      return { left: b.left, right: b.right, text: el.textContent };
    };
    const frame = document.getElementById('s-list');
    const f = frame.getBoundingClientRect();
    return {
      heads: [...document.querySelectorAll('#s-header span')].map(box),
      rows: [...document.querySelectorAll('#s-rows [role=option]')].map((o) => ({ name: o.getAttribute('aria-label'), selected: o.getAttribute('aria-selected'), cells: [...o.children].map(box) })),
      frame: { left: f.left, right: f.right, sideways: frame.scrollWidth - frame.clientWidth },
    };
  });
  assert.deepEqual(t.heads.map((h) => h.text), ['', 'Date', 'Correct', 'Incrct', 'Pctge', 'Time/Int', 'Score'], what);
  for (const h of t.heads.slice(1)) assert.ok(h.left >= t.frame.left && h.right <= t.frame.right, `${what}: "${h.text}" is cut`);
  assert.ok(t.frame.sideways <= 1, `${what}: the table scrolls sideways`);
  assert.ok(t.rows.length > 0);
  assert.equal(t.rows.filter((r) => r.selected === 'true').length, 1, `${what}: the new entry is chosen`);
  for (const row of t.rows) {
    assert.match(row.name, /^ *\d+\. \d\d\/\d\d\/\d\d +5 +1 +83\.3% +\d+\.\d +\d+$/, what);
    assert.deepEqual(row.cells.map((c) => c.text), row.name.trim().split(/ +/), what);
    assert.equal(await page.getByRole('option', { name: row.name, exact: true }).count(), 1, `${what}: "${row.name}" is not the row's name`);
    const [, date, ...figures] = row.cells;
    assert.ok(Math.abs(date.left - t.heads[1].left) <= 1, `${what}: the date is not under "Date"`);
    figures.forEach((c, i) => {
      const h = t.heads[i + 2];
      assert.ok(Math.abs(c.right - h.right) <= 1, `${what}: ${c.text} is ${c.right - h.right} px off "${h.text}"`);
    });
  }
}

async function shot(page, name) {
  if (process.env.SONORIX_SCREENSHOTS) await page.screenshot({ path: join(process.env.SONORIX_SCREENSHOTS, name) });
}

// width × zoom: 360 px at 100 %, and 1280 px at 200 % (a 640 px wide page of twice the size).
for (const [width, zoom] of [[1280, 1], [360, 1], [640, 2]]) {
  test(`a drill by keyboard alone, ${width} px at ${zoom * 100} %`, async () => {
    const page = await openPage(at.chrome.context, at.server.url);
    await page.setViewportSize({ width, height: zoom === 2 ? 450 : 800 });
    const tag = zoom === 2 ? `${width * zoom}-zoom200` : `${width}`;
    // The name is typed and Enter logs in.
    await page.keyboard.type('Ann');
    await page.keyboard.press('Enter');
    await page.waitForSelector('body[data-ready=yes]');
    await page.keyboard.press('Control+b');
    await page.evaluate(() => window.sonorixTest.idle());
    for (let right = 0; right < 5; ) {
      await page.evaluate(() => window.sonorixTest.advance(3000));
      const { name, wrong } = await page.evaluate(() => {
        const t = window.sonorixTest;
        const rows = t.view().rows;
        const at = t.rowListIndices().indexOf(t.question().listIndex);
        return { name: rows[at].name, wrong: rows[(at + 1) % rows.length].name };
      });
      // One wrong answer first, then the right one.
      await page.keyboard.type(right === 2 ? wrong : name);
      await page.keyboard.press('Enter');
      await page.evaluate(() => window.sonorixTest.idle());
      if (right === 2) {
        await page.keyboard.type(name);
        await page.keyboard.press('Enter');
        await page.evaluate(() => window.sonorixTest.idle());
      }
      right++;
    }
    assert.deepEqual(
      await page.evaluate(() => [window.sonorixTest.view().correct, window.sonorixTest.view().incorrect]),
      [5, 1],
    );
    await noSidewaysScroll(page, 'drill');
    await shot(page, `web-drill-${tag}.png`);

    // END by Ctrl+B; in the score, Tab reaches "Error Report".
    await page.keyboard.press('Control+b');
    await page.waitForSelector('#score-dialog[open]');
    await noSidewaysScroll(page, 'score');
    await headingsOverColumns(page, `score at ${tag}`);
    // The rows are walked by keys, as a list is.
    await page.focus('#s-rows');
    const chosen = () => page.evaluate(() => [...document.querySelectorAll('#s-rows [role=option]')].findIndex((o) => o.getAttribute('aria-selected') === 'true'));
    await page.keyboard.press('Home');
    assert.equal(await chosen(), 0);
    await page.keyboard.press('End');
    assert.equal(await chosen(), (await page.locator('#s-rows [role=option]').count()) - 1);
    await shot(page, `web-score-${tag}.png`);
    for (let i = 0; i < 20 && !(await page.evaluate(() => document.activeElement?.id === 's-errors')); i++) {
      await page.keyboard.press('Shift+Tab');
    }
    await page.keyboard.press('Enter');
    await page.waitForSelector('#errors-dialog[open]');
    assert.match(await page.textContent('#e-text'), /^3-\d+ \[/);
    await noSidewaysScroll(page, 'error report');
    await shot(page, `web-errors-${tag}.png`);
    // Escape closes the report, then the score; the drill is idle again.
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
    assert.equal(await page.isVisible('#score-dialog'), false);
    // The dialog's close event is queued: the drill is cleared once it has run.
    await page.waitForFunction(() => window.sonorixTest.view().correct === 0);
    await page.close();
  });
}
