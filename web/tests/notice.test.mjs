// The page's start and its message line: a browser language that Intl
// refuses still starts the page, in English; a page that cannot start says
// why; a refused import's message closes by its button or Escape, and the
// focus goes back to the menu it came from.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { zipSync } from 'fflate';
import { login, shared } from './harness.mjs';

const at = shared();

const query = '?seed=12345&clock=manual&start=10000&today=38961&nosw';

async function open(init, route) {
  const page = await at.chrome.context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  if (init) await page.addInitScript(init);
  if (route) await page.route(route[0], route[1] ?? ((r) => r.abort()));
  await page.goto(at.server.url + query);
  return { page, errors };
}

// The page's own start ends at the login, or at the message saying why it could not start.
const settled = (page) =>
  page.waitForFunction(() => document.querySelector('#login-dialog[open]') || !document.getElementById('notice').hidden, null, { timeout: 20000 });

test('a browser language that Intl refuses ("C", as WebKitGTK reports under LANG=C.UTF-8) starts the page in English, charts and all', async () => {
  const { page, errors } = await open(() => {
    Object.defineProperty(Navigator.prototype, 'language', { configurable: true, get: () => 'C' });
    Object.defineProperty(Navigator.prototype, 'languages', { configurable: true, get: () => ['C'] });
  });
  // The tag really is refused here.
  assert.equal(await page.evaluate(() => { try { new Intl.NumberFormat('C'); return 'taken'; } catch (e) { return e.name; } }), 'RangeError');
  await settled(page);
  assert.equal(await page.isVisible('#notice'), false, await page.textContent('#notice'));
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  assert.equal(await page.getAttribute('html', 'lang'), 'en');
  assert.ok((await page.locator('#listbox option').count()) > 0);
  await page.evaluate(() => document.querySelector('[data-action=progress]').click());
  await page.waitForSelector('#progress-dialog[open] #pr-acc .uplot');
  assert.deepEqual(errors, []);
  await page.close();
});

test('a page that cannot start says why: its WebAssembly refused, or a module failing as it loads', async () => {
  for (const [what, init, route, reason] of [
    ['no core', null, ['**/sonorix-core.wasm'], /./],
    ['a module throws', null, ['**/app.js', (r) => r.fulfill({ contentType: 'text/javascript', body: "throw new RangeError('invalid language tag: C');" })], /invalid language tag: C/],
  ]) {
    const { page } = await open(init, route);
    await settled(page);
    const text = await page.textContent('#notice-text');
    assert.match(text, /^Sonorix could not start in this browser \(.+\)\./, what);
    assert.match(text, reason, what);
    // Nothing is left standing that looks ready and does nothing.
    assert.equal(await page.isVisible('#begin'), false, what);
    assert.equal(await page.isVisible('#login-dialog'), false, what);
    await page.close();
  }
});

test('a refused import\'s message closes by its button or by Escape, and the focus goes back to the menu', async () => {
  const { page } = await open();
  await settled(page);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  const foreign = Buffer.from(zipSync({ 'photos/cat.jpg': new Uint8Array([1, 2, 3]) }));
  for (const close of ['Escape', 'button']) {
    await page.click('summary:has-text("Exit")');
    const [chooser] = await Promise.all([page.waitForEvent('filechooser'), page.click('[data-action=import]')]);
    await chooser.setFiles({ name: 'cat.zip', mimeType: 'application/zip', buffer: foreign });
    await page.waitForSelector('#notice:not([hidden])');
    assert.match(await page.textContent('#notice'), /Nothing was changed/);
    assert.equal(await page.evaluate(() => document.activeElement.id), 'notice-close', 'the focus is on the message');
    if (close === 'Escape') await page.keyboard.press('Escape');
    else await page.click('#notice-close');
    assert.equal(await page.isVisible('#notice'), false, close);
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Exit', close);
  }
  await page.close();
});
