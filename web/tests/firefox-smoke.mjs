// A scripted drill in Debian's Firefox ESR, headless, through WebDriver BiDi:
// login, five right answers with the built-in synthesizer loaded, the score.
// Not part of the test command (the page tests drive Chromium); run by hand
// after a build, with puppeteer-core fetched for the run:
//   cd web && npm install --no-save puppeteer-core@24.43.1 && node tests/firefox-smoke.mjs
import assert from 'node:assert/strict';
import { serve } from './harness.mjs';

const { default: puppeteer } = await import('puppeteer-core');
const server = await serve();
const browser = await puppeteer.launch({
  browser: 'firefox',
  executablePath: process.env.SONORIX_FIREFOX || '/usr/bin/firefox-esr',
  headless: true,
  extraPrefsFirefox: { 'media.autoplay.default': 0 },
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 1280, height: 900 });
  const errors = [];
  page.on('pageerror', (e) => errors.push(String(e)));
  await page.goto(`${server.url}?seed=12345&clock=manual&start=10000&today=38961&nosw`);
  await page.waitForSelector('#login-dialog[open]');
  await page.type('#login-name', 'Ann');
  await page.keyboard.press('Enter');
  await page.waitForFunction(() => document.body.dataset.ready === 'yes');
  assert.equal(await page.evaluate(() => document.getElementById('notice').hidden), true, 'no sound or storage trouble');
  await page.click('#begin');
  await page.evaluate(() => window.sonorixTest.idle());
  for (let i = 0; i < 5; i++) {
    await page.evaluate(() => window.sonorixTest.advance(2000));
    const row = await page.evaluate(() => {
      const t = window.sonorixTest;
      return t.rowListIndices().indexOf(t.question().listIndex);
    });
    await page.select('#listbox', String(row));
    await page.click('#submit');
    await page.evaluate(() => window.sonorixTest.idle());
  }
  assert.equal((await page.evaluate(() => window.sonorixTest.view())).correct, 5);
  await page.click('#begin');
  await page.waitForSelector('#score-dialog[open]');
  assert.ok((await page.evaluate(() => window.sonorixTest.file('report.dat').length)) > 0);
  assert.deepEqual(errors, []);
  console.log(`${await browser.version()}: a drill of five answers, the score and report.dat: as in Chromium`);
} finally {
  await browser.close();
  await server.close();
}
