// Two tabs that end their drills at the same moment both land in the log and
// the tables; a drill whose tab is closed keeps its answers; and after one
// visit the page works with the network gone.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readdirSync, readFileSync } from 'node:fs';
import { join, relative } from 'node:path';
import { browser, dist, login, openPage, shared } from './harness.mjs';

const at = shared();

async function fiveRight(page) {
  await page.click('#begin');
  await page.evaluate(() => window.sonorixTest.idle());
  for (let i = 0; i < 5; i++) {
    await page.evaluate(() => window.sonorixTest.advance(2000));
    const row = await page.evaluate(() => {
      const t = window.sonorixTest;
      return t.rowListIndices().indexOf(t.question().listIndex);
    });
    await page.selectOption('#listbox', String(row));
    await page.click('#submit');
    await page.evaluate(() => window.sonorixTest.idle());
  }
}

test('two tabs ending their drills at once both reach the log and the high scores', async () => {
  // Each tab takes 50 ms between reading the files and writing them back.
  const a = await openPage(at.chrome.context, at.server.url, 'seed=12345&clock=manual&start=10000&today=38961&nosw&slowstore=50');
  await login(a, 'Ann');
  await a.waitForSelector('body[data-ready=yes]');
  const b = await openPage(at.chrome.context, at.server.url, 'seed=777&clock=manual&start=10000&today=38961&nosw&slowstore=50');
  await login(b, 'Bea');
  await b.waitForSelector('body[data-ready=yes]');
  await fiveRight(a);
  await fiveRight(b);
  // Both END at the same moment: a third tab tells them through one broadcast.
  for (const page of [a, b]) {
    await page.evaluate(() => {
      new BroadcastChannel('sonorix-test-end').onmessage = () => document.getElementById('begin').click();
    });
  }
  const c = await at.chrome.context.newPage();
  await c.goto(`${at.server.url}licenses/`);
  await c.evaluate(() => new BroadcastChannel('sonorix-test-end').postMessage('end'));
  await Promise.all([a.waitForSelector('#score-dialog[open]'), b.waitForSelector('#score-dialog[open]')]);
  await Promise.all([a.click('#s-ok'), b.click('#s-ok')]);
  await a.evaluate(() => window.sonorixTest.idle());
  await b.evaluate(() => window.sonorixTest.idle());

  const text = (page, name) => page.evaluate((n) => new TextDecoder().decode(new Uint8Array(window.sonorixTest.file(n))), name);
  const report = await text(a, 'report.dat');
  assert.match(report, /S \d+ 0 Ann\r\n/);
  assert.match(report, /S \d+ 1 Bea\r\n/);
  assert.equal(report.match(/\r\nD 5 0 /g)?.length, 2, report);
  // The first table (trichords, close position) holds both drills.
  const hiscore = (await text(b, 'hiscore.dat')).split('\r\n');
  assert.equal(hiscore[0], '2');
  assert.equal((await text(a, 'people.dat')).split('\r\n').slice(1).join(','), 'Ann,Bea');
  await Promise.all([a.close(), b.close(), c.close()]);
});

test('a tab closed or left in the middle of a drill keeps its answers, as the desktop window does', async () => {
  const own = await browser();
  try {
    for (const leave of ['Cal', 'Dee']) {
      const page = await openPage(own.context, at.server.url, 'seed=3&clock=manual&start=10000&today=38961&nosw');
      await login(page, leave);
      await page.waitForSelector('body[data-ready=yes]');
      await fiveRight(page);
      // The tab goes at once: closed, or another page opened in it.
      let again = page;
      if (leave === 'Cal') {
        await page.close({ runBeforeUnload: true });
        again = await openPage(own.context, at.server.url);
      } else {
        await page.goto(`${at.server.url}licenses/`);
        await page.goto(`${at.server.url}?seed=3&clock=manual&nosw`);
        await page.waitForSelector('#login-dialog[open]');
      }
      await login(again, leave);
      await again.waitForSelector('body[data-ready=yes]');
      const report = await again.evaluate(() => new TextDecoder().decode(new Uint8Array(window.sonorixTest.file('report.dat'))));
      assert.match(report, new RegExp(`S \\d+ \\d+ ${leave}\\r\\n(F .*\\r\\n)?D 5 0 `), report);
      await again.close();
    }
  } finally {
    await own.close();
  }
});

test('after one visit the page opens and drills with the network gone', async () => {
  const page = await at.chrome.context.newPage();
  await page.goto(`${at.server.url}?seed=5&clock=manual`);
  await page.evaluate(() => navigator.serviceWorker.ready);
  await page.waitForFunction(() => !!navigator.serviceWorker.controller);
  at.server.state.offline = true;
  try {
    await page.reload();
    await page.waitForSelector('#login-dialog[open]');
    await login(page, 'Ann');
    await page.waitForSelector('body[data-ready=yes]');
    assert.equal(await page.isVisible('#notice'), false, 'no sound or storage trouble');
    await page.click('#begin');
    await page.evaluate(() => window.sonorixTest.idle());
    assert.equal((await page.evaluate(() => window.sonorixTest.view())).drilling, true);
    // Installable from the cache too: the manifest's icons are there, each as large as it claims,
    // with the 192 and 512 px sizes that an install asks for.
    const icons = await page.evaluate(async () => {
      const manifest = await (await fetch(document.querySelector('link[rel=manifest]').href)).json();
      const out = [];
      for (const icon of manifest.icons) {
        const blob = await (await fetch(new URL(icon.src, location.href))).blob();
        if (icon.type !== 'image/png') continue;
        const bitmap = await createImageBitmap(blob);
        out.push({ sizes: icon.sizes, real: `${bitmap.width}x${bitmap.height}` });
      }
      return out;
    });
    for (const i of icons) assert.equal(i.real, i.sizes);
    assert.ok(['192x192', '512x512'].every((s) => icons.some((i) => i.sizes === s)), JSON.stringify(icons));
  } finally {
    at.server.state.offline = false;
  }
});

test('the first question waits for no code of the later views, and they open from the cache with the network gone', async () => {
  // The files that hold the charts, the archive's zip and the notation library.
  const scripts = (d) => readdirSync(d, { withFileTypes: true }).flatMap((e) => (e.isDirectory() ? scripts(join(d, e.name)) : e.name.endsWith('.js') ? [join(d, e.name)] : []));
  const holding = (marker) => scripts(dist).filter((f) => readFileSync(f, 'latin1').includes(marker)).map((f) => relative(dist, f));
  const later = { charts: holding('u-legend'), zip: holding('invalid zip data'), notation: holding('Gonville') };
  for (const [what, files] of Object.entries(later)) assert.ok(files.length > 0, `no file holds the ${what}`);

  const own = await browser();
  try {
    const page = await own.context.newPage();
    await page.goto(`${at.server.url}?seed=5&clock=manual`);
    await page.waitForSelector('#login-dialog[open]');
    await login(page, 'Ann');
    await page.waitForSelector('body[data-ready=yes]');
    await page.click('#begin');
    await page.evaluate(() => window.sonorixTest.idle());
    assert.equal(await page.evaluate(() => window.sonorixSounded.length), 1, 'the first question sounded');
    const fetched = await page.evaluate(() => performance.getEntriesByType('resource').map((r) => new URL(r.name).pathname.slice(1)));
    for (const [what, files] of Object.entries(later)) {
      assert.deepEqual(files.filter((f) => fetched.includes(f)), [], `the first question waited for the ${what}`);
    }

    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.waitForFunction(() => !!navigator.serviceWorker.controller);
    at.server.state.offline = true;
    await page.reload();
    await page.waitForSelector('#login-dialog[open]');
    await login(page, 'Ann');
    await page.waitForSelector('body[data-ready=yes]');
    await page.evaluate(() => document.querySelector('[data-action=progress]').click());
    await page.waitForSelector('#progress-dialog[open]');
    await page.waitForSelector('#pr-acc canvas');
    await page.keyboard.press('Escape');
    const download = page.waitForEvent('download');
    await page.evaluate(() => document.querySelector('[data-action=export]').click());
    assert.equal((await download).suggestedFilename(), 'sonorix-data.zip');
    assert.equal(await page.isVisible('#notice'), false);
  } finally {
    at.server.state.offline = false;
    await own.close();
  }
});
