// The drill, the score and the error report by keyboard alone, on a phone's
// 360 px and at 200 % zoom, with nothing cut off or scrolled sideways.
// SONORIX_SCREENSHOTS=dir also saves them as pictures.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { join } from 'node:path';
import { browser, login, openPage, serve } from './harness.mjs';

let server;
let chrome;

before(async () => {
  server = await serve();
  chrome = await browser();
});

after(async () => {
  await chrome?.close();
  await server?.close();
});

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

async function shot(page, name) {
  if (process.env.SONORIX_SCREENSHOTS) await page.screenshot({ path: join(process.env.SONORIX_SCREENSHOTS, name) });
}

// width × zoom: 360 px at 100 %, and 1280 px at 200 % (a 640 px wide page of twice the size).
for (const [width, zoom] of [[1280, 1], [360, 1], [640, 2]]) {
  test(`a drill by keyboard alone, ${width} px at ${zoom * 100} %`, async () => {
    const page = await openPage(chrome.context, server.url);
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
    await page.evaluate(() => window.sonorixTest.idle());
    assert.equal(await page.isVisible('#score-dialog'), false);
    assert.equal((await page.evaluate(() => window.sonorixTest.view())).correct, 0);
    await page.close();
  });
}
