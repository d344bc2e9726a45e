// The README's pictures of a class on a WebDAV server, at 1280 px and 360 px:
// the Join a Class window filled in, the header's sync status after a drill
// and offline, and the teacher's Class Overview of three students' real drills.
// Run by hand after `node build.mjs` (never among the tests):
//
//   SONORIX_SCREENSHOTS=../doc/screenshots node tests/class-shots.mjs
import { mkdirSync } from 'node:fs';
import { join } from 'node:path';
import { browser, login, openPage, root, serve } from './harness.mjs';
import { ClassServer, apacheMissing, freePort } from './class-server.mjs';
import { shoot } from './shots.mjs';

process.env.SONORIX_SCREENSHOTS ||= join(root, 'doc', 'screenshots');
mkdirSync(process.env.SONORIX_SCREENSHOTS, { recursive: true });

const className = 'theory-1';
// The same port each run, so that the address in the pictures stays put.
const preferredPort = 8765;

const idle = (page) => page.evaluate(() => window.sonorixTest.idle());
// Drawn, and nothing runs off the side of the window: the wide table scrolls in its own frame.
async function settle(page) {
  await page.evaluate(() => new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r))));
  const over = await page.evaluate(() =>
    [document.documentElement, ...document.querySelectorAll('dialog[open]')]
      .map((e) => Math.max(e.scrollWidth - e.clientWidth, e.getBoundingClientRect().right - innerWidth))
      .filter((px) => px > 1));
  if (over.length) throw new Error(`${page.viewportSize().width} px wide, ${over} px run off the side`);
}

async function waitForStatus(page, text) {
  await page.waitForFunction((t) => document.querySelector('#class-status')?.textContent === t, text, { timeout: 30000 });
}

// One drill through the page to its score: `answers` answers (or as many as
// END waits for), every `wrongEvery`th one wrong, each after `ms` on the page's clock.
async function drill(page, { answers, ms, wrongEvery = 0 }) {
  await page.click('#begin');
  await idle(page);
  for (let i = 1; i <= 60; i++) {
    const v = await page.evaluate(() => window.sonorixTest.view());
    if (i > answers && v.begin === 'END' && v.beginEnabled) break;
    const q = await page.evaluate(() => window.sonorixTest.question());
    const rows = await page.evaluate(() => window.sonorixTest.rowListIndices());
    const right = rows.indexOf(q.listIndex);
    const pick = wrongEvery && i % wrongEvery === 0 ? (right + 1) % rows.length : right;
    await page.evaluate((t) => window.sonorixTest.advance(t), ms);
    await page.fill('#edit1', v.rows[pick].name);
    await page.press('#edit1', 'Enter');
    await idle(page);
  }
  await page.click('#begin');
  await page.waitForSelector('#score-dialog[open]');
  await page.click('#s-ok');
  await idle(page);
}

async function fillJoin(page, address, account, password) {
  await page.click('summary:has-text("Class")');
  await page.click('[data-action=join-class]');
  await page.waitForSelector('#join-dialog[open]');
  await page.fill('#join-address', address);
  await page.fill('#join-account', account);
  await page.fill('#join-password', password);
}

async function joinClass(page, address, account, password) {
  await fillJoin(page, address, account, password);
  await page.click('#join-ok');
  await page.waitForFunction(() => !document.querySelector('#join-dialog').open || !document.querySelector('#join-error').hidden);
  const refused = await page.evaluate(() => (document.querySelector('#join-dialog').open ? document.querySelector('#join-error').textContent : ''));
  if (refused) throw new Error(`${account} could not join: ${refused}`);
}

const browsers = [];
let web;
let apache;
try {
  if (apacheMissing) throw new Error(apacheMissing);
  web = await serve();
  const port = await freePort(preferredPort);
  const accounts = ['mayer:t-pw', 'ann:a-pw', 'bob:b-pw', 'carol:c-pw'];
  apache = await new ClassServer({ origin: web.url.replace(/\/$/, ''), accounts, className, port }).start();
  const address = apache.address;

  // The page's own dates: the days of one school week.
  const day = (iso) => Math.round((Date.parse(iso) - Date.UTC(1899, 11, 30)) / 86400000);
  const open = async (chrome, name, iso, seed) => {
    const page = await openPage(chrome.context, web.url, `seed=${seed}&clock=manual&start=10000&today=${day(iso)}&nosw`);
    await login(page, name);
    await page.waitForSelector('body[data-ready=yes]');
    return page;
  };
  const student = async (name, iso, seed) => {
    const chrome = await browser();
    browsers.push(chrome);
    return { chrome, page: await open(chrome, name, iso, seed) };
  };

  // Ann: the window filled in, the password remembered; one drill on Monday, saved.
  const ann = await student('Ann', '2026-12-07', 101);
  await fillJoin(ann.page, address, 'ann', 'a-pw');
  await ann.page.setChecked('#join-remember', true);
  await ann.page.evaluate(() => document.activeElement?.blur());
  await shoot(ann.page, 'web-class-join', () => settle(ann.page));
  await ann.page.click('#join-ok');
  await ann.page.waitForFunction(() => !document.querySelector('#join-dialog').open);
  await drill(ann.page, { answers: 12, ms: 2500, wrongEvery: 6 });
  await waitForStatus(ann.page, 'Saved to the class');
  await ann.page.evaluate(() => document.activeElement?.blur());
  await shoot(ann.page, 'web-class-saved', () => settle(ann.page));
  // And one on Wednesday, the page opened anew.
  await ann.page.close();
  ann.page = await open(ann.chrome, 'Ann', '2026-12-09', 102);
  await waitForStatus(ann.page, 'Saved to the class');
  await drill(ann.page, { answers: 15, ms: 2100, wrongEvery: 8 });
  await waitForStatus(ann.page, 'Saved to the class');

  // Bob: two drills on Tuesday, slower and with more wrong answers.
  const bob = await student('Bob', '2026-12-08', 201);
  await joinClass(bob.page, address, 'bob', 'b-pw');
  await drill(bob.page, { answers: 10, ms: 4800, wrongEvery: 3 });
  await drill(bob.page, { answers: 12, ms: 4100, wrongEvery: 4 });
  await waitForStatus(bob.page, 'Saved to the class');

  // Carol: three drills on Wednesday offline wait, and go when the network is back.
  const carol = await student('Carol', '2026-12-09', 301);
  await joinClass(carol.page, address, 'carol', 'c-pw');
  await waitForStatus(carol.page, 'Saved to the class');
  await carol.chrome.context.setOffline(true);
  await drill(carol.page, { answers: 10, ms: 3500, wrongEvery: 5 });
  await drill(carol.page, { answers: 10, ms: 3200, wrongEvery: 6 });
  await drill(carol.page, { answers: 12, ms: 3000, wrongEvery: 7 });
  await waitForStatus(carol.page, '3 drills waiting for the network');
  await carol.page.evaluate(() => document.activeElement?.blur());
  await shoot(carol.page, 'web-class-waiting', () => settle(carol.page));
  await carol.chrome.context.setOffline(false);
  await carol.page.evaluate(() => window.dispatchEvent(new Event('online')));
  await waitForStatus(carol.page, 'Saved to the class');

  // The teacher reads the class.
  const teacher = await student('Mrs Mayer', '2026-12-09', 401);
  await teacher.page.click('summary:has-text("Class")');
  await teacher.page.click('[data-action=class-overview]');
  await teacher.page.waitForSelector('#class-overview-dialog[open]');
  await teacher.page.fill('#co-address', address);
  await teacher.page.fill('#co-account', 'mayer');
  await teacher.page.fill('#co-password', 't-pw');
  await teacher.page.click('#co-read');
  await teacher.page.waitForFunction(() => document.querySelector('#co-reading').hidden);
  const fault = await teacher.page.evaluate(() => (document.querySelector('#co-fault').hidden ? '' : document.querySelector('#co-fault').textContent));
  if (fault) throw new Error(`the overview says: ${fault}`);
  const rows = await teacher.page.$eval('#co-table', (t) => Number(t.getAttribute('aria-rowcount')) - 1);
  if (rows !== 3) throw new Error(`the overview shows ${rows} students`);
  await teacher.page.evaluate(() => document.activeElement?.blur());
  await shoot(teacher.page, 'web-class-overview-teacher', () => settle(teacher.page));
  // The table scrolled to in the window, and sideways to the first figures.
  await shoot(teacher.page, 'web-class-overview-table', async () => {
    await teacher.page.evaluate(() => {
      const table = document.querySelector('#co-table');
      table.scrollIntoView({ block: 'start' });
      const frame = table.parentElement;
      const first = table.querySelector('thead th:nth-child(7)');
      frame.scrollLeft = innerWidth < 600 ? first.offsetLeft - table.querySelector('thead th').offsetWidth : 0;
    });
    await settle(teacher.page);
  });
  console.log(`pictures in ${process.env.SONORIX_SCREENSHOTS}`);
} finally {
  for (const b of browsers) await b.close();
  await apache?.close();
  await web?.close();
}
