// Assignments between pages over a real class server (Debian's Apache, the
// page from another origin): the teacher's page sets one, the student's page
// sees it, starts it (its settings over the student's own, which stay saved)
// and does it, and the teacher's overview then says "done", as the desktop's
// command says of the same folder. A second device's change and a student's
// account are never written over.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { appendFileSync, copyFileSync, existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { ClassServer, apacheMissing } from './class-server.mjs';
import { drill } from './class-page.mjs';
import { convertCatalogues } from '../i18n-build.mjs';
import { browser, dist, login, openPage, root, serve } from './harness.mjs';
import { shoot } from './shots.mjs';

const skip = apacheMissing;
const title = 'Trichords, week 1';
// The real day, as the command judges by it.
const query = 'seed=12345&clock=manual&start=10000&nosw';

let web;
let dav;
const browsers = [];

before(async () => {
  if (skip) return;
  web = await serve();
  dav = new ClassServer({ origin: web.url.replace(/\/$/, ''), accounts: ['teacher:t-pw', 'ann:a-pw', 'bob:b-pw'] });
  await dav.start();
});

after(async () => {
  for (const b of browsers) await b.close();
  await dav?.close();
  await web?.close();
});

async function person(name, language = 'en') {
  const chrome = await browser();
  browsers.push(chrome);
  const page = await openPage(chrome.context, web.url, `${query}&lang=${language}`);
  await login(page, name);
  await page.waitForSelector('body[data-ready=yes]');
  return page;
}

const menu = async (page, action, dialog) => {
  await page.evaluate((a) => document.querySelector(`[data-action=${a}]`).click(), action);
  await page.waitForSelector(`#${dialog}[open]`);
};

// The overview read with this account; the assignments' table as [name, ...cells].
async function overview(page, account, password) {
  if (!(await page.isVisible('#class-overview-dialog[open]'))) await menu(page, 'class-overview', 'class-overview-dialog');
  await page.fill('#co-address', dav.address);
  await page.fill('#co-account', account);
  await page.fill('#co-password', password);
  await page.click('#co-read');
  await page.waitForFunction(() => !document.querySelector('#co-reading').hidden === false && !document.querySelector('#co-read').disabled);
  return page.$$eval('#co-assign-table tbody tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
}

// The teacher's editor filled in: the set classes by their boxes.
async function edit(page, { name, classes, drills = 1, due }) {
  await page.waitForSelector('#assign-edit-dialog[open]');
  await page.fill('#ae-name', name);
  await page.fill('#ae-instructions', 'Listen to each chord twice.\nSing the lowest note.');
  await page.click('#ae-none');
  for (const c of classes) await page.check(`#ae-boxes input[value="${c}"]`);
  await page.check('input[name=aerange][value="0"]');
  await page.check('input[name=aegoal][value="0"]');
  await page.fill('#ae-drills', String(drills));
  await page.fill('#ae-right', '5');
  await page.fill('#ae-percent', '80');
  if (due) await page.fill('#ae-due', due);
  await page.click('#ae-ok');
  await page.waitForSelector('#assign-edit-dialog', { state: 'hidden' });
}

// On a phone's 360 px nothing runs off the side: the open dialogs wrap.
async function fitsPhone(page, what) {
  const before = page.viewportSize();
  await page.setViewportSize({ width: 360, height: 780 });
  const over = await page.evaluate(() =>
    [document.documentElement, ...document.querySelectorAll('dialog[open]')]
      .map((e) => Math.max(e.scrollWidth - e.clientWidth, e.getBoundingClientRect().right - innerWidth))
      .filter((px) => px > 1));
  await page.setViewportSize(before);
  assert.deepEqual(over, [], `${what} runs off the side at 360 px`);
}

const items = (page) =>
  page.$$eval('#as-list li', (lis) => lis.map((li) => ({ title: li.querySelector('h3').textContent, status: li.dataset.status ?? '', text: li.querySelector('.as-progress')?.textContent ?? '' })));

test('the teacher sets an assignment, the student does it, and the overview and the command say "done"', { skip }, async () => {
  const teacher = await person('Teacher');
  // The overview read the whole class: this account sets the work.
  assert.deepEqual(await overview(teacher, 'teacher', 't-pw'), []);
  await teacher.click('#co-assignments');
  await teacher.waitForSelector('#assign-dialog[open]');
  await teacher.waitForSelector('#as-new:not([hidden])');
  await teacher.click('#as-new');
  await edit(teacher, { name: title, classes: ['3-1', '3-11'] });
  await teacher.waitForFunction((t) => document.querySelector('#as-list h3')?.textContent === t, title);
  const file = readFileSync(join(dav.folder(), 'assignments.txt'), 'utf8');
  assert.match(file, /\r\nassignment Trichords, week 1\r\ninstructions Listen to each chord twice\.\r\ninstructions Sing the lowest note\.\r\nclasses 3-1 3-11\r\nrange close\r\nplay chord\r\ngoal drills 1 right 5 percent 80\r\n/);
  await fitsPhone(teacher, 'the teacher\'s list');
  await teacher.click('#as-list button');
  await teacher.waitForSelector('#assign-edit-dialog[open]');
  await fitsPhone(teacher, 'the editor');
  await teacher.click('#ae-cancel');
  await teacher.keyboard.press('Escape');

  // The student: what is due, said after the login, and the dialog's list.
  const ann = await person('Ann');
  await menu(ann, 'join-class', 'join-dialog');
  await ann.fill('#join-address', dav.address);
  await ann.fill('#join-account', 'ann');
  await ann.fill('#join-password', 'a-pw');
  await ann.check('#join-remember');
  await ann.click('#join-ok');
  await ann.waitForSelector('#join-dialog', { state: 'hidden' });
  const ownFilters = await ann.evaluate(() => window.sonorixTest.file('filters.dat'));
  await ann.reload();
  await login(ann, 'Ann');
  await ann.waitForFunction(() => document.querySelector('#assign-due').textContent !== '');
  assert.match(await ann.textContent('#assign-due'), /^1 assignment due this week: Trichords, week 1 by /);
  assert.equal(await ann.getAttribute('#assign-due', 'aria-live'), 'polite');
  await menu(ann, 'assignments', 'assign-dialog');
  await ann.waitForSelector('#as-list li');
  assert.deepEqual(await items(ann), [{ title, status: 'not started', text: 'not started: 0 of 1 drill' }]);
  assert.equal(await ann.isVisible('#as-new'), false);

  // Start, by the keyboard: the assignment's two classes, its title in the heading.
  await ann.focus('#as-list button');
  await ann.keyboard.press('Enter');
  await ann.waitForSelector('#as-stop:not([hidden])');
  assert.equal(await ann.evaluate(() => document.activeElement.id), 'as-stop');
  await shoot(ann, 'web-assignments-student');
  await fitsPhone(ann, 'the student\'s list');
  // The window passes an accessibility scan in both themes.
  await ann.addScriptTag({ path: join(root, 'web', 'node_modules', 'axe-core', 'axe.min.js') });
  for (const colorScheme of ['light', 'dark']) {
    await ann.emulateMedia({ colorScheme });
    const { violations } = await ann.evaluate(() => window.axe.run('#assign-dialog', { runOnly: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] }));
    assert.deepEqual(violations.map((v) => `${colorScheme}: ${v.id} ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`), []);
  }
  await ann.emulateMedia({ colorScheme: 'light' });
  await ann.keyboard.press('Escape');
  assert.deepEqual((await ann.evaluate(() => window.sonorixTest.view())).rows.map((r) => r.name), ['1', '11']);
  assert.equal(await ann.textContent('#assign-mark'), `Assignment: ${title}`);
  assert.match(await ann.title(), /Trichords, week 1$/);
  // Changing the range meanwhile saves nothing as the student's own.
  await ann.check('input[name=range][value="1"]');
  await ann.check('input[name=range][value="0"]');
  await drill(ann);
  assert.deepEqual(await ann.evaluate(() => window.sonorixTest.file('filters.dat')), ownFilters);
  await ann.waitForFunction(() => document.querySelector('#class-status').textContent === 'Saved to the class', null, { timeout: 20000 });

  await menu(ann, 'assignments', 'assign-dialog');
  await ann.waitForSelector('#as-list li[data-status=done]');
  assert.deepEqual(await items(ann), [{ title, status: 'done', text: 'done: 1 of 1 drill' }]);
  await ann.click('#as-stop');
  await ann.keyboard.press('Escape');
  assert.equal((await ann.evaluate(() => window.sonorixTest.view())).rows.length, 12);
  assert.equal(await ann.isVisible('#assign-mark'), false);

  // The teacher's overview: a column per assignment, and the command's statuses of the same folder.
  const rows = await overview(teacher, 'teacher', 't-pw');
  assert.deepEqual(rows, [['ann', 'done, 1 of 1 drill']]);
  // Reopened with nothing changed, past the server's second (its tags of newer files are weak):
  // no file fetched again, the assignments only asked after with their tag.
  await new Promise((r) => setTimeout(r, 1200));
  await overview(teacher, 'teacher', 't-pw');
  const answers = [];
  const heard = (r) => {
    if (r.request().method() === 'GET' && r.url().startsWith(dav.address)) answers.push(`${r.status()} ${r.url().split('/').at(-1)}`);
  };
  teacher.on('response', heard);
  assert.deepEqual(await overview(teacher, 'teacher', 't-pw'), rows);
  teacher.off('response', heard);
  assert.deepEqual(answers, ['304 assignments.txt']);
  // Nor was any folder read again: the statuses came from what was kept of each, judged for today.
  assert.deepEqual(await teacher.$eval('#class-overview-dialog', (d) => [d.dataset.fetched, d.dataset.foldersRead]), ['0', '0']);
  await shoot(teacher, 'web-assignments-teacher', () => teacher.evaluate(() => document.querySelector('#co-assign').scrollIntoView()));
  const build = process.env.SONORIX_BUILD_DIR || join(root, 'build-test');
  const command = join(build, 'bin', 'sonorix-class');
  let commandCsv = '';
  if (existsSync(command)) {
    // The file beside the catalogue the page uses, as in a class folder of the lab.
    const copy = mkdtempSync(join(tmpdir(), 'sonorix-assign-'));
    copyFileSync(join(dist, 'ftclass.dat'), join(copy, 'ftclass.dat'));
    copyFileSync(join(dav.folder(), 'assignments.txt'), join(copy, 'assignments.txt'));
    const json = JSON.parse(execFileSync(command, ['--json', '--assignments', join(copy, 'assignments.txt'), dav.folder()], { encoding: 'utf8' }));
    commandCsv = execFileSync(command, ['--assignments', join(copy, 'assignments.txt'), dav.folder()], { encoding: 'utf8' });
    rmSync(copy, { recursive: true, force: true });
    const byName = Object.fromEntries(json.map((r) => [r.name, r.assignments.map((a) => `${a.status}, ${a.progress}`)]));
    assert.deepEqual(byName.ann, ['done, 1 of 1 drill']);
  }
  // The printed page carries the same column.
  await teacher.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  assert.deepEqual(await teacher.$$eval('#co-report table:last-of-type tbody tr', (rs) => rs.map((r) => [...r.cells].map((c) => c.textContent))), [['ann', 'done, 1 of 1 drill']]);
  // "Due this week" keeps it; the CSV carries the column.
  await teacher.check('#co-week');
  assert.deepEqual(await teacher.$$eval('#co-assign-table thead th', (t) => t.map((c) => c.textContent)), ['Name', title]);
  const [download] = await Promise.all([teacher.waitForEvent('download'), teacher.click('#co-csv')]);
  const bytes = readFileSync(await download.path());
  assert.deepEqual([...bytes.subarray(0, 3)], [0xef, 0xbb, 0xbf], 'the byte order mark');
  const csv = bytes.subarray(3).toString('utf8');
  assert.match(csv.split('\r\n')[0], /,"Trichords, week 1 status","Trichords, week 1 progress"$/);
  assert.match(csv.split('\r\n').find((l) => l.startsWith('ann')), /,done,1 of 1 drill$/);
  if (commandCsv) {
    // Line by line the command's bytes: its name, then after the overview's own fields the same assignment fields.
    const theirs = commandCsv.split('\r\n');
    const ours = csv.split('\r\n');
    assert.equal(ours.length, theirs.length, csv);
    theirs.forEach((line, i) => {
      if (!line) return assert.equal(ours[i], '', 'both end their last line');
      const name = line.slice(0, line.indexOf(','));
      assert.ok(ours[i].startsWith(`${name},`) && ours[i].endsWith(line.slice(name.length)), `${ours[i]}\n${line}`);
    });
  }
});

test('a second device\'s change is never written over, and a student may not change them', { skip }, async () => {
  const one = await person('Teacher');
  const two = await person('Teacher');
  for (const p of [one, two]) {
    await overview(p, 'teacher', 't-pw');
    await p.click('#co-assignments');
    await p.waitForSelector('#as-new:not([hidden])');
  }
  // The second device adds one; the first, which read before, then edits.
  await two.click('#as-new');
  await edit(two, { name: 'Tetrachords later', classes: ['3-2'] });
  await two.waitForFunction(() => document.querySelectorAll('#as-list li').length === 2);
  const written = readFileSync(join(dav.folder(), 'assignments.txt'), 'utf8');
  await one.click('#as-list li button');
  await edit(one, { name: 'Renamed', classes: ['3-1'] });
  await one.waitForSelector('#as-fault:not([hidden])');
  assert.match(await one.textContent('#as-fault'), /^Another device changed the assignments meanwhile/);
  assert.equal(readFileSync(join(dav.folder(), 'assignments.txt'), 'utf8'), written);
  // The first device now shows the file as it is.
  assert.equal(await one.$$eval('#as-list h3', (h) => h.map((x) => x.textContent).join('|')), `${title}|Tetrachords later`);

  // A student's account reads the whole class here, but the server lets only the teacher write.
  const bob = await person('Bob');
  await overview(bob, 'bob', 'b-pw');
  await bob.click('#co-assignments');
  await bob.waitForSelector('#as-list li');
  await bob.click('#as-list li button:has-text("Delete")');
  await bob.waitForSelector('#confirm-dialog[open]');
  await bob.click('#confirm-yes');
  await bob.waitForSelector('#as-fault:not([hidden])');
  assert.equal(await bob.textContent('#as-fault'), 'Only the teacher may change the assignments.');
  assert.equal(readFileSync(join(dav.folder(), 'assignments.txt'), 'utf8'), written);
});


test('a line of the file that is skipped is named in the teacher\'s language', { skip }, async () => {
  const file = join(dav.folder(), 'assignments.txt');
  const line = readFileSync(file, 'utf8').split('\r\n').length;
  appendFileSync(file, 'range wide\r\n');
  const de = convertCatalogues([join(root, 'translations', 'sonorix_de.ts'), join(root, 'web', 'translations', 'sonorix-web_de.ts')]).messages;
  const why = de['Assignments\u0004The range is close, one octave or two octaves; this line is skipped.'];
  assert.ok(why);
  const teacher = await person('Teacher', 'de');
  await overview(teacher, 'teacher', 't-pw');
  await teacher.click('#co-assignments');
  await teacher.waitForSelector('#as-fault:not([hidden])');
  assert.equal(await teacher.textContent('#as-fault'), de['TAssignmentsForm\u0004%1, line %2: %3'].replace('%1', 'assignments.txt').replace('%2', line).replace('%3', why));
});
