// The page tests' common ground: a static server over dist/ on localhost and
// Debian's chromium, headless, in a fresh profile, driven through playwright-core.
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { dirname, join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { after, before } from 'node:test';
import { chromium } from 'playwright-core';
import { serve } from '../serve.mjs';

export const web = dirname(dirname(fileURLToPath(import.meta.url)));
export const root = dirname(web);
export const dist = join(web, 'dist');

export { serve };

export const chromiumArgs = [
  '--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run', '--disable-background-networking',
  '--disable-component-update', '--disable-sync', '--autoplay-policy=no-user-gesture-required',
];

// A browser with a profile of its own, removed again by close().
export async function browser(options = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'sonorix-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.SONORIX_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    args: chromiumArgs,
    viewport: { width: 1280, height: 900 },
    acceptDownloads: true,
    ...options,
  });
  return {
    context,
    close: async () => {
      await context.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Opens the page with a fixed seed and clock and waits for the login.
export async function openPage(context, url, query = 'seed=12345&clock=manual&start=10000&today=38961&nosw') {
  const page = await context.newPage();
  page.on('pageerror', (e) => console.error('page error:', e));
  await page.goto(`${url}?${query}`);
  await page.waitForSelector('#login-dialog[open]');
  return page;
}

export async function login(page, name) {
  await page.fill('#login-name', name);
  await page.press('#login-name', 'Enter');
  await page.waitForFunction(() => document.body.dataset.ready === 'yes' || !document.querySelector('#login-dialog[open]'));
}

// One drill to its score, every answer right, each after 3 s on the page's clock.
export async function drillRight(page) {
  const idle = () => page.evaluate(() => window.sonorixTest.idle());
  await page.click('#begin');
  await idle();
  for (let i = 0; i < 40; i++) {
    const v = await page.evaluate(() => window.sonorixTest.view());
    if (v.begin === 'END' && v.beginEnabled) break;
    const q = await page.evaluate(() => window.sonorixTest.question());
    const rows = await page.evaluate(() => window.sonorixTest.rowListIndices());
    await page.evaluate(() => window.sonorixTest.advance(3000));
    await page.fill('#edit1', v.rows[rows.indexOf(q.listIndex)].name);
    await page.press('#edit1', 'Enter');
    await idle();
  }
  await page.click('#begin');
  await page.waitForSelector('#score-dialog[open]');
  await page.click('#s-ok');
  await idle();
}

// The server and the browser that a test file's tests share: started before
// its first test and closed after its last; a test reads `.server` and `.chrome`.
// `then(at)` finishes the set-up in the same hook, as a file's own top-level
// hooks would not wait for this one.
export function shared(browserOptions = {}, files = undefined, then = undefined) {
  const at = {};
  before(async () => {
    at.server = await serve(files);
    at.chrome = await browser(browserOptions);
    await then?.(at);
  });
  after(async () => {
    await at.chrome?.close();
    await at.server?.close();
  });
  return at;
}
