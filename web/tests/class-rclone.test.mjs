// The page in a class on a second WebDAV server, rclone's (scripts/class-
// server-rclone.sh). rclone sends no CORS headers, so the page comes from the
// same server, beside the class folder, as the README sets it up. It ignores
// If-None-Match and If-Match: the student's drill still lands once, and the
// teacher's overview reads it as the desktop's command reads the folder.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { cpSync, existsSync, readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { browser, dist, login, openPage, root } from './harness.mjs';
import { ClassServer } from './class-server.mjs';
import { drill, overviewTable } from './class-page.mjs';

const build = process.env.SONORIX_BUILD_DIR || join(root, 'build-test');
const command = join(build, 'bin', 'sonorix-class');
const skip = !existsSync('/usr/bin/rclone') ? 'rclone is not installed' : !existsSync(command) ? 'no desktop build' : false;
const at = {};

before(async () => {
  if (skip) return;
  at.dav = new ClassServer({ origin: '', accounts: ['teacher:t-pw', 'ann:a-pw'], kind: 'rclone' });
  cpSync(dist, join(at.dav.dir, 'dav', 'sonorix'), { recursive: true });
  await at.dav.start();
  // rclone asks for a password for the page itself too.
  at.chrome = await browser({ httpCredentials: { username: 'ann', password: 'a-pw' } });
});

after(async () => {
  await at.chrome?.close();
  await at.dav?.close();
});

test('a student\'s drill reaches rclone once, and the teacher\'s overview reads it there', { skip }, async () => {
  const page = await openPage(at.chrome.context, `${at.dav.url}/sonorix/index.html`);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  await page.evaluate(() => document.querySelector('[data-action=join-class]').click());
  await page.fill('#join-address', at.dav.address);
  await page.fill('#join-account', 'ann');
  await page.fill('#join-password', 'a-pw');
  await page.click('#join-ok');
  await page.waitForFunction(() => !document.querySelector('#join-dialog').open || !document.querySelector('#join-error').hidden);
  assert.equal(await page.evaluate(() => document.querySelector('#join-dialog').open), false, await page.textContent('#join-error'));

  await drill(page);
  await page.waitForFunction(() => document.querySelector('#class-status')?.textContent === 'Saved to the class', null, { timeout: 20000 });

  // Once, with the page's own bytes; the probe of the server is gone again.
  const folder = at.dav.folder('ann');
  const parts = readdirSync(folder).filter((n) => n.startsWith('report.dat.'));
  assert.equal(parts.length, 1, readdirSync(folder).join(' '));
  const log = Buffer.from(await page.evaluate(() => window.sonorixTest.file('report.dat'))).toString('latin1');
  assert.equal(readFileSync(join(folder, parts[0]), 'latin1'), log);
  assert.ok(!readdirSync(folder).includes('.sonorix-probe'));

  const figures = JSON.parse(execFileSync(command, ['--json', at.dav.folder()], { encoding: 'utf8' }));
  const [heads, ...rows] = await overviewTable(page, at.dav.address, 'teacher', 't-pw');
  assert.deepEqual(rows.map((r) => [r[0], Number(r[heads.indexOf('Drills')])]), figures.map((f) => [f.name, f.drills]));
  assert.equal(figures[0].drills, 1);
});
