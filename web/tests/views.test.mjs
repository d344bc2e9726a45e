// The other windows, and a browser that refuses what the page asks for: the
// page says so plainly and the drill goes on.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { browser, login, openPage, shared } from './harness.mjs';

const at = shared();

const idle = (page) => page.evaluate(() => window.sonorixTest.idle());

async function menu(page, top, action) {
  await page.click(`summary:has-text("${top}")`);
  await page.click(`[data-action=${action}]`);
}

test('More Filters narrows the drill, and the next login offers the saved filters', async () => {
  const page = await openPage(at.chrome.context, at.server.url);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  await page.click('#more-filters');
  await page.waitForSelector('#filters-dialog[open]');
  await page.check('input[name="fcard"][value="1"]');
  assert.equal(await page.locator('#filter-boxes .boxes input').count(), 29);
  await page.click('#filters-none');
  for (const i of [0, 5, 28]) await page.check(`#filter-boxes .boxes input[data-index="${i}"]`);
  await page.click('#filters-dialog button[value=ok]');
  await idle(page);
  const v = await page.evaluate(() => window.sonorixTest.view());
  assert.equal(v.prefix, '4 -');
  assert.deepEqual(v.rows.map((r) => r.label.split(' ')[0]), ['4-1', '4-6', '4-Z29']);
  // A drill asks only those.
  await page.click('#begin');
  await idle(page);
  const asked = await page.evaluate(() => window.sonorixTest.question().listIndex);
  assert.ok([0, 5, 28].includes(asked));
  await page.evaluate(() => window.sonorixTest.advance(1000));

  await menu(page, 'Exit', 'login');
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('#login-saved:not([hidden])');
  assert.match(await page.textContent('#login-listed'), /4-1 4-6 4-Z29 ON/);
  assert.equal(await page.textContent('#login-rest'), '(all else off)');
  await page.click('#login-no');
  await idle(page);
  assert.equal((await page.evaluate(() => window.sonorixTest.view())).rows.length, 29);

  await menu(page, 'MIDI', 'midi');
  await page.waitForSelector('#midi-dialog[open]');
  assert.match(await page.textContent('#midi-list'), /Built-in synthesizer/);
  await page.keyboard.press('Escape');
  await menu(page, 'Help', 'readme');
  await page.waitForSelector('#readme-dialog[open]');
  assert.ok((await page.textContent('#readme-text')).length > 1000);
  await page.keyboard.press('Escape');
  await menu(page, 'Help', 'about');
  assert.match(await page.textContent('#about-dialog'), /Sonorix v\. 3\.0/);
  await page.keyboard.press('Escape');
  await page.close();
});

test('without storage or AudioWorklet the page says so, and the drill still runs', async () => {
  const fresh = await browser();
  const page = await fresh.context.newPage();
  // A private window that refuses IndexedDB, in a browser without AudioWorklet.
  await page.addInitScript(() => {
    indexedDB.open = () => {
      throw new DOMException('refused', 'SecurityError');
    };
    delete window.AudioWorkletNode;
  });
  await page.goto(`${at.server.url}?seed=1&clock=manual&nosw`);
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  const notice = await page.textContent('#notice');
  assert.match(notice, /does not let Sonorix keep its files|cannot play Sonorix's built-in synthesizer/);
  await page.click('#begin');
  await idle(page);
  const v = await page.evaluate(() => window.sonorixTest.view());
  assert.equal(v.drilling, true);
  // The log is kept in memory: it can still be exported.
  const report = await page.evaluate(() => new TextDecoder().decode(new Uint8Array(window.sonorixTest.file('report.dat'))));
  assert.match(report, /^\r\nS \d+ 0 Ann\r\nF 0 4095 0$/);
  await fresh.close();
});

test('a full storage loses nothing: the files are written once there is room again', async () => {
  const fresh = await browser();
  const page = await fresh.context.newPage();
  await page.addInitScript(() => {
    const put = IDBObjectStore.prototype.put;
    IDBObjectStore.prototype.put = function (...args) {
      if (window.storageFull) throw new DOMException('full', 'QuotaExceededError');
      return put.apply(this, args);
    };
  });
  await page.goto(`${at.server.url}?seed=1&clock=manual&nosw`);
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  await page.evaluate(() => {
    window.storageFull = true;
  });
  await page.click('#begin');
  await idle(page);
  assert.match(await page.textContent('#notice'), /storage is full/);
  await page.evaluate(() => {
    window.storageFull = false;
  });
  // The next change writes everything that waited.
  await page.check('input[name="manner"][value="1"]');
  await page.check('input[name="range"][value="1"]');
  await idle(page);
  await page.reload();
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  const report = await page.evaluate(() => new TextDecoder().decode(new Uint8Array(window.sonorixTest.file('report.dat'))));
  assert.match(report, /^\r\nS \d+ 0 Ann\r\nF 0 4095 0$/);
  await fresh.close();
});
