// The teacher's Class Overview against a real class folder: Debian's Apache
// (scripts/class-server.sh) on a free port, the page from another origin, two
// students' drills in their folders (sent by their own pages, and recorded
// parts beside them). The page's figures are the desktop command's on the
// same folder on disk; a reopen fetches only what changed; a student's account
// sees its own row; a large class reads in steps and can be cancelled.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { chownSync, mkdirSync, mkdtempSync, readdirSync, readFileSync, rmSync, utimesSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { browser, login, openPage, root, serve } from './harness.mjs';
import { ClassServer, apacheMissing as skip, freePort } from './class-server.mjs';
import { shoot } from './shots.mjs';

const className = 'Theory 1';

// The recorded drill log's two drills (ann's login "Zoë Ann"), each a part as a device sends it.
const recorded = (name) => readFileSync(join(root, 'tests', 'drill', 'window', 'files', name));
function drills() {
  const log = recorded('report.dat').toString('latin1');
  const starts = [...log.matchAll(/(^|\r\n)S /g)].map((m) => m.index + m[1].length);
  return starts.map((s, i) => Buffer.from(log.slice(s, starts[i + 1]).replace(/\r\n$/, '') + '\r\n', 'latin1'));
}
// One digit of a segment record's check value changed: the drill no longer verifies.
const tampered = (part) => Buffer.from(part.toString('latin1').replace(/^(D .* )(\d)(\d*)\r$/m, (_, a, d, rest) => `${a}${(Number(d) + 1) % 10}${rest}\r`), 'latin1');

const at = {};

before(async () => {
  if (skip) return;
  at.dir = mkdtempSync(join(tmpdir(), 'sonorix-class-'));
  at.folder = join(at.dir, 'dav', className);
  const [first, second] = drills();
  // A part file as a device leaves it in its account's folder, owned as Apache needs.
  at.put = (account, name, bytes, folder = at.folder) => {
    mkdirSync(join(folder, account), { recursive: true });
    const file = join(folder, account, name);
    writeFileSync(file, bytes);
    // A minute old: Apache then tags it strongly, as any file not just written.
    const old = new Date(Date.now() - 60000);
    utimesSync(file, old, old);
    if (process.getuid?.() === 0) {
      const [uid, gid] = ['-u', '-g'].map((f) => Number(execFileSync('id', [f, 'daemon'], { encoding: 'utf8' })));
      for (const path of [folder, join(folder, account), file]) chownSync(path, uid, gid);
    }
  };
  at.put('ann', 'report.dat.a1b2.1', first);
  at.put('ann', 'report.dat.a1b2.2', second);
  at.put('ann', 'errors.dat.a1b2.1', recorded('errors.dat'));
  at.put('ann', 'practice.dat.a1b2.1', recorded('practice.dat'));
  at.put('bob', 'report.dat.c3d4.1', first);
  at.put('bob', 'report.dat.c3d4.2', tampered(second));
  at.put('bob', 'errors.dat.c3d4.1', recorded('errors.dat'));

  // A large class beside it, which the teacher reads too.
  for (let i = 0; i < 150; i++) at.put(`s${String(i).padStart(3, '0')}`, 'report.dat.e5f6.1', first, join(at.dir, 'dav', 'Big'));

  at.page = await serve();
  at.port = await freePort();
  at.origin = `http://127.0.0.1:${at.port}`;
  at.address = `${at.origin}/${encodeURIComponent(className)}/`;
  // Only the teacher reads the whole class; each student their own folder.
  at.apache = await new ClassServer({ origin: at.page.url.replace(/\/$/, ''), accounts: ['teacher:t-pw', 'ann:a-pw', 'bob:b-pw'],
    className, dir: at.dir, port: at.port, env: { CLASS_READERS: 'teacher' } }).start();
  at.chrome = await browser();
  // Each student's page joins the class and drills once: its parts go to the student's folder.
  // bob's first answer is wrong, so that his score is below ann's.
  for (const [account, password, wrongFirst] of [['ann', 'a-pw', false], ['bob', 'b-pw', true]]) {
    const chrome = await browser();
    try {
      await studentDrill(chrome, account, password, wrongFirst);
    } finally {
      await chrome.close();
    }
  }
  // Their parts a minute old too: a file changed within the second has only a weak tag, which no cache keeps.
  const old = new Date(Date.now() - 60000);
  for (const account of ['ann', 'bob']) for (const name of readdirSync(join(at.folder, account))) utimesSync(join(at.folder, account, name), old, old);
});

const idle = (page) => page.evaluate(() => window.sonorixTest.idle());

async function studentDrill(chrome, account, password, wrongFirst) {
  const page = await openPage(chrome.context, at.page.url);
  await login(page, account[0].toUpperCase() + account.slice(1));
  await page.waitForSelector('body[data-ready=yes]');
  await page.evaluate(() => document.querySelector('[data-action=join-class]').click());
  await page.fill('#join-address', at.address);
  await page.fill('#join-account', account);
  await page.fill('#join-password', password);
  await page.click('#join-ok');
  await page.waitForFunction(() => !document.querySelector('#join-dialog').open);
  await page.click('#begin');
  await idle(page);
  for (let i = 0; i < 40; i++) {
    const v = await page.evaluate(() => window.sonorixTest.view());
    if (v.begin === 'END' && v.beginEnabled) break;
    const q = await page.evaluate(() => window.sonorixTest.question());
    const right = (await page.evaluate(() => window.sonorixTest.rowListIndices())).indexOf(q.listIndex);
    await page.evaluate(() => window.sonorixTest.advance(3000));
    if (wrongFirst && i === 0) {
      await page.fill('#edit1', v.rows[(right + 1) % v.rows.length].name);
      await page.press('#edit1', 'Enter');
      await idle(page);
    }
    await page.fill('#edit1', v.rows[right].name);
    await page.press('#edit1', 'Enter');
    await idle(page);
  }
  await page.click('#begin');
  await page.waitForSelector('#score-dialog[open]');
  await page.click('#s-ok');
  await page.waitForFunction(() => document.querySelector('#class-status')?.textContent === 'Saved to the class', null, { timeout: 20000 });
  await page.close();
}

// The part files of both students' folders, as the server holds them.
const partCount = () => ['ann', 'bob'].reduce((n, a) => n + readdirSync(join(at.folder, a)).length, 0);

after(async () => {
  await at.chrome?.close();
  await at.page?.close();
  await at.apache?.stop();
  if (at.dir) rmSync(at.dir, { recursive: true, force: true });
});

// What the desktop's command says of the same folder on disk: the local copy of the layout.
function commandFigures() {
  const build = process.env.SONORIX_BUILD_DIR || join(root, 'build-test');
  const json = execFileSync(join(build, 'bin', 'sonorix-class'), ['--json', at.folder], { encoding: 'utf8' });
  return new Map(JSON.parse(json).map((r) => [r.name, r]));
}

async function openOverview(page, account, password) {
  await page.evaluate(() => document.querySelector('[data-action=class-overview]').click());
  await page.waitForSelector('#class-overview-dialog[open]');
  await page.fill('#co-address', at.address);
  await page.fill('#co-account', account);
  await page.fill('#co-password', password);
  await page.click('#co-read');
  await page.waitForFunction(() => document.querySelector('#co-reading').hidden);
}

// The overview's rows, drawn or not.
const rowCount = (page) => page.$eval('#co-table', (t) => Number(t.getAttribute('aria-rowcount')) - 1);

const table = (page, selector) =>
  page.$$eval(`${selector} tr`, (trs) => trs.map((tr) => [...tr.cells].map((c) => c.textContent)));

test('the teacher sees the class as the desktop command reads it, and a reopen fetches only what changed', { skip }, async () => {
  const page = await openPage(at.chrome.context, at.page.url);
  const requests = [];
  page.on('request', (r) => {
    if (r.url().startsWith(at.origin)) requests.push(`${r.method()} ${decodeURIComponent(new URL(r.url()).pathname)}`);
  });
  await login(page, 'Teacher');
  await page.waitForSelector('body[data-ready=yes]');
  await openOverview(page, 'teacher', 't-pw');
  assert.equal(await page.isVisible('#co-fault'), false, await page.textContent('#co-fault'));

  // The table, row by row under its heads, against the command's figures.
  const [heads, ...rows] = await table(page, '#co-table');
  const col = (name) => heads.indexOf(name);
  const expected = commandFigures();
  assert.deepEqual(rows.map((r) => r[0]), ['ann', 'bob']);
  for (const row of rows) {
    const want = expected.get(row[0]);
    const seconds = (t) => t.split(':').reduce((m, s) => m * 60 + Number(s), 0);
    assert.equal(Number(row[col('Drills')]), want.drills, `${row[0]} drills`);
    assert.equal(seconds(row[col('Time\nin all')]), want.seconds, `${row[0]} seconds`);
    assert.equal(row[col('Last\npractice')], want.last ?? '', `${row[0]} last`);
    assert.equal(Number(row[col('Unverified')]), want.unverified, `${row[0]} unverified`);
    assert.equal(Number(row[col('Ambiguous')]), want.ambiguous, `${row[0]} ambiguous`);
    assert.equal(Number(row[col('Practice\nquestions')]), want['practice questions'], `${row[0]} practice`);
    assert.equal(seconds(row[col('Practice\nin all')]), want['practice seconds'], `${row[0]} practice seconds`);
  }
  // bob's second drill fails its check: unverified in his row and nobody else's.
  assert.ok(expected.get('bob').unverified > 0 && expected.get('ann').unverified === 0);
  assert.equal(await page.getAttribute('#co-table tbody tr:nth-child(2) td:nth-child(' + (col('Unverified') + 1) + ')', 'class'), 'num warn');

  await shoot(page, 'web-class-overview');
  // On a phone the wide table scrolls in its own frame: neither the window nor the page scrolls sideways.
  await page.setViewportSize({ width: 360, height: 780 });
  const sideways = await page.evaluate(() => {
    const d = document.querySelector('#class-overview-dialog');
    return [document.documentElement.scrollWidth - innerWidth, d.scrollWidth - d.clientWidth, d.getBoundingClientRect().right - innerWidth];
  });
  assert.ok(sideways.every((px) => px <= 1), `${sideways}`);
  await page.setViewportSize({ width: 1280, height: 900 });
  // Filled, the window passes an accessibility scan in both themes.
  await page.addScriptTag({ path: join(root, 'web', 'node_modules', 'axe-core', 'axe.min.js') });
  for (const colorScheme of ['light', 'dark']) {
    await page.emulateMedia({ colorScheme });
    const { violations } = await page.evaluate(() =>
      window.axe.run('#class-overview-dialog', { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] }));
    assert.deepEqual(violations.map((v) => `${colorScheme}: ${v.id} ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), []);
  }

  // Sorted from the keyboard: Enter on a head's button, again for the other way.
  const sortBy = async (head) => {
    await page.locator('#co-table thead button', { hasText: head }).focus();
    await page.keyboard.press('Enter');
  };
  await sortBy('Unverified');
  assert.equal(await page.getAttribute(`#co-table thead th:nth-child(${col('Unverified') + 1})`, 'aria-sort'), 'ascending');
  await page.keyboard.press('Enter');
  assert.equal(await page.getAttribute(`#co-table thead th:nth-child(${col('Unverified') + 1})`, 'aria-sort'), 'descending');
  assert.deepEqual((await table(page, '#co-table tbody')).map((r) => r[0]), ['bob', 'ann']);
  await sortBy('Name');
  assert.deepEqual((await table(page, '#co-table tbody')).map((r) => r[0]), ['ann', 'bob']);

  // The export is the desktop's CSV of the same rows: right and wrong as the command counts them.
  const download = page.waitForEvent('download');
  await page.click('#co-csv');
  const csv = readFileSync(await (await download).path(), 'utf8');
  assert.ok(csv.startsWith('\ufeffname,drills,right,wrong,seconds,'), JSON.stringify(csv.slice(0, 60)));
  const lines = csv.slice(1).split('\r\n');
  assert.equal(lines.length, 4, 'a head, two rows and the last line end');
  for (const line of lines.slice(1, 3)) {
    const [name, drillCount, right, wrong, seconds] = line.split(',');
    const want = expected.get(name);
    assert.deepEqual([Number(drillCount), Number(right), Number(wrong), Number(seconds)], [want.drills, want.right, want.wrong, want.seconds]);
  }

  // The class's high scores hold both students' drills, one entry each, best first: the page's
  // drills (close position, trichords) and the recorded eligible one (within 2 octaves, trichords).
  const scores = await page.$$eval('#co-scores table', (ts) => ts.map((t) => [...t.tBodies[0].rows].map((r) => [r.cells[1].textContent, Number(r.cells[2].textContent)])));
  assert.deepEqual(scores[0].map(([name]) => name), ['ann', 'bob']);
  assert.ok(scores[0][0][1] > scores[0][1][1], JSON.stringify(scores[0]));
  assert.deepEqual(scores[2].map(([name]) => name).sort(), ['ann', 'bob']);
  assert.equal(scores.flat().length, 4);
  // The class's statistics sum both folders' error statistics.
  assert.ok((await table(page, '#co-hardest tbody')).length > 0);

  // Printed (the browser's print to PDF): the desktop report's heading, its two tables and the lists, nothing of the drill.
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  await page.emulateMedia({ media: 'print' });
  assert.match(await page.textContent('#co-report h2'), /^Sonorix — Class Overview, \d{4}-\d\d-\d\d$/);
  assert.deepEqual(await page.$$eval('#co-report table', (ts) => ts.map((t) => t.tBodies[0].rows.length)), [2, 2]);
  for (const [selector, shown] of [['#co-report', true], ['#co-legend', true], ['#co-hardest', true], ['#co-login', false], ['#drill', false], ['.co-buttons', false]])
    assert.equal(await page.isVisible(selector), shown, selector);
  // Per student from practice mode: ann practised, bob did not.
  assert.deepEqual(await page.$$eval('#co-students b', (bs) => bs.map((b) => b.textContent)), ['ann']);
  assert.match(await page.textContent('#co-students p'), /^ann: hardest: 3-\w+ \(\d+ of \d+ at the first try\)/);
  await page.emulateMedia({ media: 'screen' });
  assert.equal(await page.isVisible('#co-report'), false);

  // The first read: the class's assignments, the class, each folder, and every part once.
  const first = [...requests];
  assert.equal(first.filter((r) => r.startsWith('PROPFIND')).length, 3, first.join('\n'));
  assert.equal(first.filter((r) => r.startsWith('GET')).length, partCount() + 1, first.join('\n'));
  assert.equal(first.filter((r) => r === `GET /${className}/assignments.txt`).length, 1, first.join('\n'));

  // Reopened with nothing changed: only the assignments and the listings.
  requests.length = 0;
  await page.keyboard.press('Escape');
  await openOverview(page, 'teacher', 't-pw');
  assert.deepEqual(requests.filter((r) => !r.startsWith('OPTIONS')).map((r) => r.split(' ')[0]), ['GET', 'PROPFIND', 'PROPFIND', 'PROPFIND']);
  assert.deepEqual((await table(page, '#co-table tbody')).map((r) => r[col('Drills')]), rows.map((r) => r[col('Drills')]));

  // A new drill of ann's: that one file is fetched, and her row counts it.
  requests.length = 0;
  at.put('ann', 'report.dat.a1b2.3', drills()[0]);
  await page.keyboard.press('Escape');
  await openOverview(page, 'teacher', 't-pw');
  assert.deepEqual(requests.filter((r) => r.startsWith('GET')), [`GET /${className}/assignments.txt`, `GET /${className}/ann/report.dat.a1b2.3`]);
  const [ann] = await table(page, '#co-table tbody');
  assert.equal(Number(ann[col('Drills')]), commandFigures().get('ann').drills);
  assert.equal(Number(ann[col('Drills')]), Number(rows[0][col('Drills')]) + 1);

  // The fetched files are kept in the page's storage: after a reload, too, only the listings.
  await page.reload();
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Teacher');
  await page.waitForSelector('body[data-ready=yes]');
  requests.length = 0;
  await openOverview(page, 'teacher', 't-pw');
  assert.deepEqual(requests.filter((r) => !r.startsWith('OPTIONS')).map((r) => r.split(' ')[0]), ['GET', 'PROPFIND', 'PROPFIND', 'PROPFIND']);
  assert.equal((await table(page, '#co-table tbody')).length, 2);

  // Leaving the class on this device takes the classmates' files with it.
  const cached = () => page.evaluate(() => window.sonorixTest.fileNames().filter((n) => n.startsWith('classfiles-')).length);
  assert.ok((await cached()) > 0);
  await page.keyboard.press('Escape');
  await page.evaluate(() => document.querySelector('[data-action=join-class]').click());
  await page.fill('#join-address', at.address);
  // The teacher's account owns no folder to join with; a student's does.
  await page.fill('#join-account', 'ann');
  await page.fill('#join-password', 'a-pw');
  await page.click('#join-ok');
  await page.waitForFunction(() => !document.querySelector('#join-dialog').open);
  await page.evaluate(() => document.querySelector('[data-action=leave-class]').click());
  await page.waitForSelector('#leave-dialog[open]');
  await page.click('#leave-yes');
  await page.waitForFunction(() => !document.querySelector('#leave-dialog').open);
  // The dialog closes before the page's files are changed.
  await page.evaluate(() => window.sonorixTest.idle());
  assert.equal(await cached(), 0);
  await page.close();
});

test('a student\'s account sees only its own row, and every fault is said in the student\'s language', { skip }, async () => {
  const page = await openPage(at.chrome.context, at.page.url, 'seed=12345&clock=manual&start=10000&today=38961&nosw&lang=de');
  const requests = [];
  page.on('request', (r) => requests.push(r.url()));
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  await openOverview(page, 'ann', 'a-pw');
  assert.equal(await page.isVisible('#co-fault'), false);
  const rows = await table(page, '#co-table tbody');
  assert.deepEqual(rows.map((r) => r[0]), ['ann']);
  assert.match(await page.textContent('#co-summary'), /1 Ordner der Klasse ist diesem Konto verschlossen; seine Zahlen werden nicht gezeigt\.$/);
  // Her high scores only.
  assert.deepEqual(await page.$$eval('#co-scores tbody td:nth-child(2)', (tds) => tds.map((td) => td.textContent)), ['ann', 'ann']);

  // A wrong password: said so, and the figures shown stay.
  await page.fill('#co-password', 'wrong');
  await page.click('#co-read');
  await page.waitForFunction(() => document.querySelector('#co-reading').hidden && !document.querySelector('#co-fault').hidden);
  assert.equal(await page.textContent('#co-fault'), 'Der Server der Klasse hat das Konto oder das Passwort nicht angenommen.');
  assert.deepEqual((await table(page, '#co-table tbody')).map((r) => r[0]), ['ann']);
  // A class folder closed to the account altogether: the server's 403, said plainly.
  await page.fill('#co-password', 'a-pw');
  await page.fill('#co-address', `${at.origin}/Big/`);
  await page.click('#co-read');
  await page.waitForFunction(() => document.querySelector('#co-reading').hidden && !document.querySelector('#co-fault').hidden);
  assert.equal(await page.textContent('#co-fault'), 'Der Server der Klasse lässt dieses Konto nicht die ganze Klasse lesen.');
  // Plain http to another machine is refused before any request.
  requests.length = 0;
  await page.fill('#co-address', 'http://class.example/Theory/');
  await page.click('#co-read');
  await page.waitForFunction(() => !document.querySelector('#co-fault').hidden && /https/.test(document.querySelector('#co-fault').textContent));
  assert.match(await page.textContent('#co-fault'), /^Die Adresse der Klasse muss mit https:\/\/ beginnen/);
  assert.deepEqual(requests.filter((u) => u.includes('class.example')), []);
  await page.close();
});

test('a large class is read in steps under a moving bar, and Cancel keeps what was shown', { skip }, async () => {
  const page = await openPage(at.chrome.context, at.page.url);
  await login(page, 'Teacher');
  await page.waitForSelector('body[data-ready=yes]');
  // Every value the bar shows.
  const bars = [];
  await page.exposeFunction('sawBar', (value, max) => bars.push([value, max]));
  await page.evaluate(() => new MutationObserver(() => {
    const bar = document.querySelector('#co-progress');
    window.sawBar(bar.value, bar.max);
  }).observe(document.querySelector('#co-progress'), { attributes: true }));
  const read = async () => {
    await page.click('#co-read');
    await page.waitForFunction(() => document.querySelector('#co-reading').hidden, null, { timeout: 60000 });
  };
  await page.evaluate(() => document.querySelector('[data-action=class-overview]').click());
  await page.fill('#co-address', `${at.origin}/Big/`);
  await page.fill('#co-account', 'teacher');
  await page.fill('#co-password', 't-pw');
  await read();
  assert.equal(await rowCount(page), 150);
  // Only the rows in view are drawn, in order; the keyboard's End in the scroll box brings the last ones.
  const drawn = () => page.$$eval('#co-table tbody tr:not(.co-gap)', (trs) => trs.map((tr) => Number(tr.getAttribute('aria-rowindex'))));
  const top = await drawn();
  assert.ok(top.length >= 10 && top.length < 100, `${top.length} rows drawn`);
  assert.deepEqual(top, top.map((_, i) => i + 2));
  const names = await page.$$eval('#co-table tbody tr:not(.co-gap) th', (ths) => ths.map((th) => th.textContent));
  assert.deepEqual(names, [...names].sort());
  const tall = await page.$eval('#co-table-wrap', (box) => [box.scrollHeight, box.querySelector('tbody tr:not(.co-gap)').offsetHeight]);
  assert.ok(tall[0] >= 150 * tall[1], `the box is ${tall[0]} px tall for rows of ${tall[1]} px`);
  await page.focus('#co-table-wrap');
  await page.keyboard.press('End');
  await page.waitForFunction(() => [...document.querySelectorAll('#co-table tbody tr:not(.co-gap)')].at(-1)?.getAttribute('aria-rowindex') === '151');
  const bottom = await drawn();
  assert.deepEqual(bottom, bottom.map((_, i) => 152 - bottom.length + i));
  // Sorted the other way by its head, the first name is now drawn last.
  await page.locator('#co-table thead button').first().click();
  await page.waitForFunction((first) => [...document.querySelectorAll('#co-table tbody tr:not(.co-gap) th')].at(-1)?.textContent === first, names[0]);
  // The printed report carries every row.
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  assert.equal(await page.$$eval('#co-report table:first-of-type tbody tr', (trs) => trs.length), 150);
  // Answer by answer: the class's listing, then 150 folders' and their 150 parts.
  assert.deepEqual(bars.at(-1), [301, 301]);
  assert.ok(new Set(bars.map(([v]) => v)).size > 150, `${bars.length} values`);

  // Read again over a slow link, cancelled halfway: the figures read before stay.
  await page.route(`${at.origin}/**`, async (route) => {
    await new Promise((r) => setTimeout(r, 100));
    await route.continue();
  });
  await page.click('#co-read');
  await page.waitForFunction(() => document.querySelector('#co-progress').value >= 10);
  assert.equal(await page.isVisible('#co-cancel'), true);
  await page.click('#co-cancel');
  await page.waitForFunction(() => document.querySelector('#co-reading').hidden);
  assert.match(await page.textContent('#co-summary'), /reading the logs was cancelled\.$/);
  assert.equal(await rowCount(page), 150);
  assert.equal(await page.isEnabled('#co-csv'), true);
  await page.close();
});
