// The desktop joins the same class as the page: the desktop's drill window
// (the desktop build's test_class_desktop, from SONORIX_BUILD_DIR) joins the
// class on Debian's Apache and plays a drill to END; the teacher's page, of
// another origin, opens the Class Overview and shows that drill, as the
// desktop's command reads the folder on disk.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFile, execFileSync } from 'node:child_process';
import { existsSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { promisify } from 'node:util';
import { browser, login, openPage, root, serve } from './harness.mjs';
import { ClassServer, apacheMissing } from './class-server.mjs';
import { overviewTable } from './class-page.mjs';

const build = process.env.SONORIX_BUILD_DIR || join(root, 'build-test');
const desktop = join(build, 'bin', 'test_class_desktop');
const skip = apacheMissing || (!process.env.SONORIX_BUILD_DIR && !existsSync(desktop) ? 'no desktop build' : false);
const at = {};

before(async () => {
  if (skip) return;
  at.web = await serve();
  at.dav = await new ClassServer({ origin: at.web.url.replace(/\/$/, ''), accounts: ['teacher:t-pw', 'ann:a-pw'],
    env: { CLASS_READERS: 'teacher' } }).start();
  at.chrome = await browser();
});

after(async () => {
  await at.chrome?.close();
  await at.web?.close();
  await at.dav?.close();
});

test('a drill played on the desktop reaches the class, and the teacher\'s page shows it', { skip }, async () => {
  // The password goes to the desktop as its own variable, never in a command line.
  const { stdout } = await promisify(execFile)(desktop, ['--gtest_filter=ClassDesktopTest.ADrillPlayedHereReachesTheClassThePageTestNames'], {
    env: { ...process.env, QT_QPA_PLATFORM: 'offscreen', SONORIX_CLASS_ADDRESS: at.dav.address, SONORIX_CLASS_ACCOUNT: 'ann',
      SONORIX_CLASS_PASSWORD: 'a-pw' },
    timeout: 50000,
  });
  assert.match(stdout, /\[ {2}PASSED {2}\] 1 test/, stdout);
  assert.ok(readdirSync(at.dav.folder('ann')).some((n) => n.startsWith('report.dat.')), 'the drill is on the server');
  const command = JSON.parse(execFileSync(join(build, 'bin', 'sonorix-class'), ['--json', at.dav.folder()], { encoding: 'utf8' }));
  assert.equal(command.length, 1);
  assert.ok(command[0].drills >= 1 && command[0].right > 0, JSON.stringify(command));

  const page = await openPage(at.chrome.context, at.web.url);
  await login(page, 'Teacher');
  await page.waitForSelector('body[data-ready=yes]');
  const [heads, ...rows] = await overviewTable(page, at.dav.address, 'teacher', 't-pw');
  assert.deepEqual(rows.map((r) => r[0]), ['ann']);
  const cell = (name) => rows[0][heads.indexOf(name)];
  const seconds = (t) => t.split(':').reduce((m, s) => m * 60 + Number(s), 0);
  assert.equal(Number(cell('Drills')), command[0].drills);
  assert.equal(seconds(cell('Time\nin all')), command[0].seconds);
  assert.equal(Number(cell('Unverified')), 0, 'the desktop\'s drill verifies in the page');
  await page.close();
});
