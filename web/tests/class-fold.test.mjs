// The page keeps a student's folder on the class's server to a few files: after
// a run of drills it folds its single parts into one per log and deletes the
// singles, through the preflights a page of another origin needs. Debian's
// Apache (scripts/class-server.sh) on a port of its own.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { createServer, connect } from 'node:net';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { browser, drillRight, login, openPage, root, serve } from './harness.mjs';

const skip = existsSync('/usr/sbin/apache2') ? false : 'apache2 is not installed';
const className = 'Theory 1';
const at = {};

async function freePort() {
  const s = createServer();
  await new Promise((r) => s.listen(0, '127.0.0.1', r));
  const { port } = s.address();
  await new Promise((r) => s.close(r));
  return port;
}

const listening = (port) =>
  new Promise((resolve) => {
    const c = connect(port, '127.0.0.1', () => (c.destroy(), resolve(true)));
    c.on('error', () => resolve(false));
  });

before(async () => {
  if (skip) return;
  at.web = await serve();
  at.dir = mkdtempSync(join(tmpdir(), 'sonorix-dav-'));
  at.port = await freePort();
  at.apache = spawn('bash', [join(root, 'scripts', 'class-server.sh'), at.dir, String(at.port), at.web.url.replace(/\/$/, ''),
    className, 'teacher:t-pw', 'ann:a-pw'], { stdio: ['ignore', 'inherit', 'inherit'] });
  at.exited = new Promise((r) => at.apache.once('exit', r));
  for (let i = 0; i < 100 && !(await listening(at.port)); i++) await new Promise((r) => setTimeout(r, 100));
  at.chrome = await browser();
});

after(async () => {
  await at.chrome?.close();
  await at.web?.close();
  at.apache?.kill('SIGTERM');
  await at.exited;
  if (at.dir) rmSync(at.dir, { recursive: true, force: true });
});

const drill = drillRight;

test('a run of drills ends as one folded part per log, holding every drill once, and no single part', { skip, timeout: 240000 }, async () => {
  const page = await openPage(at.chrome.context, at.web.url);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  await page.click('summary:has-text("Class")');
  await page.click('[data-action=join-class]');
  await page.fill('#join-address', `http://127.0.0.1:${at.port}/${encodeURIComponent(className)}/`);
  await page.fill('#join-account', 'ann');
  await page.fill('#join-password', 'a-pw');
  await page.click('#join-ok');
  await page.waitForFunction(() => !document.querySelector('#join-dialog').open);
  await drill(page);

  // Offline for a while: back online, what waited goes, and then the device folds.
  await at.chrome.context.setOffline(true);
  for (let n = 0; n < 32; n++) await drill(page);
  await at.chrome.context.setOffline(false);

  const folder = join(at.dir, 'dav', className, 'ann');
  const names = () => readdirSync(folder).sort();
  const settled = () => names().length === 2 && names().every((n) => /\.\d{8}-\d{8}$/.test(n));
  for (let i = 0; i < 300 && !settled(); i++) await new Promise((r) => setTimeout(r, 100));
  const files = names();
  assert.deepEqual(files.map((n) => n.replace(/\..*/, '')), ['errors', 'report'], files.join(' '));
  assert.ok(settled(), `single parts left: ${files.join(' ')}`);
  // The folded log is the page's own report.dat, byte for byte: no drill lost, none twice.
  const local = Buffer.from(await page.evaluate(() => window.sonorixTest.file('report.dat')));
  assert.ok(local.length > 0);
  assert.ok(readFileSync(join(folder, files.find((n) => n.startsWith('report.dat.')))).equals(local));
});
