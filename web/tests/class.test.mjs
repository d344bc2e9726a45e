// The page in a class on a real WebDAV server: Debian's Apache (scripts/
// class-server.sh) on a port of its own, the page served from another, so
// every request is a cross-origin one with its preflight. Each student's
// drills land once, in their own folder, whatever the network does.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { existsSync, readdirSync, readFileSync, writeFileSync } from 'node:fs';
import { join } from 'node:path';
import { browser, login, openPage, serve } from './harness.mjs';
import { ClassServer, apacheMissing as skip } from './class-server.mjs';
import { drill as playDrill } from './class-page.mjs';

class StudentsServer extends ClassServer {
  constructor(origin) {
    super({ origin, accounts: ['teacher:t-pw', 'ann:a-pw', 'bob:b-pw'] });
  }
  // The names of the drill log's parts in the account's folder.
  reportParts(account) {
    const dir = this.folder(account);
    return existsSync(dir) ? readdirSync(dir).filter((n) => n.startsWith('report.dat.')) : [];
  }
  // The parts not among `before`, in the order of their numbers (one device's).
  newParts(account, before = []) {
    return this.reportParts(account)
      .filter((n) => !before.includes(n))
      .sort((a, b) => Number(a.split('.').pop()) - Number(b.split('.').pop()))
      .map((n) => readFileSync(join(this.folder(account), n), 'latin1'));
  }
}

let web;
let dav;
const browsers = [];

before(async () => {
  if (skip) return;
  web = await serve();
  dav = new StudentsServer(web.url.replace(/\/$/, ''));
  await dav.start();
});

after(async () => {
  for (const b of browsers) await b.close();
  await dav?.close();
  await web?.close();
});

// A student's page of their own browser profile, logged in.
async function student(name) {
  const chrome = await browser();
  browsers.push(chrome);
  const page = await openPage(chrome.context, web.url);
  await login(page, name);
  await page.waitForSelector('body[data-ready=yes]');
  return { chrome, page };
}

const idle = (page) => page.evaluate(() => window.sonorixTest.idle());
const fileText = async (page, name) => Buffer.from(await page.evaluate((n) => window.sonorixTest.file(n), name)).toString('latin1');
const statusOf = (page) => page.evaluate(() => document.querySelector('#class-status').textContent);

async function waitForStatus(page, text) {
  try {
    await page.waitForFunction((t) => document.querySelector('#class-status')?.textContent === t, text, { timeout: 20000 });
  } catch {
    assert.equal(await statusOf(page), text);
  }
}

async function fillJoin(page, { account, password, address = dav.address, remember = false }) {
  await page.click('summary:has-text("Class")');
  await page.click('[data-action=join-class]');
  await page.waitForSelector('#join-dialog[open]');
  await page.fill('#join-address', address);
  await page.fill('#join-account', account);
  await page.fill('#join-password', password);
  await page.setChecked('#join-remember', remember);
  await page.click('#join-ok');
}

async function joinClass(page, typed) {
  await fillJoin(page, typed);
  // Joined (the dialog closes) or refused (it says why).
  await page.waitForFunction(() => !document.querySelector('#join-dialog').open || !document.querySelector('#join-error').hidden);
  const refused = await page.evaluate(() => (document.querySelector('#join-dialog').open ? document.querySelector('#join-error').textContent : ''));
  if (refused) await page.click('#join-cancel');
  return refused;
}

async function leave(page) {
  await page.click('summary:has-text("Class")');
  await page.click('[data-action=leave-class]');
  await page.waitForSelector('#leave-dialog[open]');
  const said = await page.textContent('#leave-text');
  await page.click('#leave-yes');
  await page.waitForSelector('#class-status', { state: 'hidden' });
  return said;
}

// One drill to its score; what it added to the page's report.dat.
async function drill(page) {
  const before = await fileText(page, 'report.dat');
  await playDrill(page);
  const after = await fileText(page, 'report.dat');
  assert.ok(after.startsWith(before) && after.length > before.length);
  return after.slice(before.length);
}

test('two students join and drill: each drill is on the server once, in its own folder', { skip }, async () => {
  const ann = await student('Ann');
  const bob = await student('Bob');
  // Refused before any request: plain http to another machine.
  const asked = [];
  ann.page.on('request', (r) => !r.url().startsWith(web.url) && asked.push(r.url()));
  assert.match(await joinClass(ann.page, { account: 'ann', password: 'a-pw', address: 'http://cloud.example/Theory 1/' }), /https:\/\//);
  assert.deepEqual(asked, []);
  assert.equal(await joinClass(ann.page, { account: 'ann', password: 'a-pw', remember: true }), '');
  assert.equal(await joinClass(bob.page, { account: 'bob', password: 'b-pw' }), '');
  await waitForStatus(ann.page, 'Saved to the class');

  const annDrill = await drill(ann.page);
  const bobDrill = await drill(bob.page);
  await waitForStatus(ann.page, 'Saved to the class');
  await waitForStatus(bob.page, 'Saved to the class');
  assert.deepEqual(dav.newParts('ann'), [annDrill]);
  assert.deepEqual(dav.newParts('bob'), [bobDrill]);
  // And each drill's error statistics, as its errors.dat took them.
  for (const account of ['ann', 'bob']) assert.equal(readdirSync(dav.folder(account)).filter((n) => n.startsWith('errors.dat.')).length, 1);
  // A sung try goes as a part of its own: the line sing.dat took, once.
  const exercise = { kind: 1, setClassList: 3, listIndex: 10, className: '3-11', primeForm: [0, 3, 7], inverted: false,
    startPitchClass: 0, anyForm: false, played: [60], expected: [3, 7] };
  const heard = [63.1, 67].map((midi, i) => ({ start: i, end: i + 0.5, midi, pitchClass: Math.round(midi) % 12, cents: Math.round((midi - Math.round(midi)) * 100) }));
  await ann.page.evaluate(([e, h]) => window.sonorixTest.sung(e, h, true, 1), [exercise, heard]);
  await idle(ann.page);
  await waitForStatus(ann.page, 'Saved to the class');
  const sung = await fileText(ann.page, 'sing.dat');
  assert.match(sung, /^\S+ 3-11 C A 0 60 63\+10,67\+0 R 1 [0-9a-f]{8} Ann\r\n$/);
  const singParts = readdirSync(dav.folder('ann')).filter((n) => n.startsWith('sing.dat.'));
  assert.deepEqual(singParts.map((n) => readFileSync(join(dav.folder('ann'), n), 'latin1')), [sung]);
  assert.deepEqual(readdirSync(dav.folder('bob')).filter((n) => n.startsWith('sing.dat.')), []);
  // The password went only in the Authorization header, never in an address.
  assert.ok(asked.length > 0 && asked.every((u) => !u.includes('a-pw')));

  // A remembered password outlives a reload; one not remembered does not, and
  // is in none of the page's storage.
  await ann.page.reload();
  await bob.page.reload();
  for (const s of [ann, bob]) {
    await s.page.waitForSelector('#login-dialog[open]');
    await login(s.page, s === ann ? 'Ann' : 'Bob');
  }
  await waitForStatus(ann.page, 'Saved to the class');
  await waitForStatus(bob.page, 'Type the app password again to send to the class: Class › Join a Class…');
  const stored = (s) =>
    s.page.evaluate(async () => {
      const db = await new Promise((r) => (indexedDB.open('sonorix', 1).onsuccess = (e) => r(e.target.result)));
      const values = await new Promise((r) => (db.transaction('files').objectStore('files').getAll().onsuccess = (e) => r(e.target.result)));
      const local = Object.keys(localStorage).map((k) => localStorage.getItem(k));
      return [...values.filter((v) => v instanceof Uint8Array).map((v) => new TextDecoder().decode(v)), ...local].join('\n');
    });
  assert.match(await stored(ann), /a-pw/);
  assert.doesNotMatch(await stored(bob), /b-pw/);
  // Bob drills meanwhile: it waits, and goes once he types the password again.
  const waiting = await drill(bob.page);
  await waitForStatus(bob.page, 'Type the app password again to send to the class: Class › Join a Class…');
  assert.equal(await joinClass(bob.page, { account: 'bob', password: 'b-pw' }), '');
  await waitForStatus(bob.page, 'Saved to the class');
  assert.deepEqual(dav.newParts('bob'), [bobDrill, waiting]);
  assert.deepEqual(dav.newParts('ann'), [annDrill]);
});

test('offline, three drills wait and say so; back online they arrive once, in order', { skip }, async () => {
  const ann = await student('Ann');
  assert.equal(await joinClass(ann.page, { account: 'ann', password: 'a-pw' }), '');
  await waitForStatus(ann.page, 'Saved to the class');
  const before = dav.reportParts('ann');
  await ann.chrome.context.setOffline(true);
  const drills = [await drill(ann.page), await drill(ann.page), await drill(ann.page)];
  await waitForStatus(ann.page, '3 drills waiting for the network');
  assert.deepEqual(dav.newParts('ann', before), []);
  // The retry timer's try fails too; the next is 10 s away, the network back at once.
  await ann.page.waitForEvent('requestfailed', { timeout: 15000 });
  await ann.chrome.context.setOffline(false);
  const online = Date.now();
  await waitForStatus(ann.page, 'Saved to the class');
  assert.ok(Date.now() - online < 8000, 'sent as the page came online, not at the next retry');
  assert.deepEqual(dav.newParts('ann', before), drills);
});

test('the server gone in the middle of a send and back: nothing lost, nothing twice', { skip }, async () => {
  const bob = await student('Bob');
  assert.equal(await joinClass(bob.page, { account: 'bob', password: 'b-pw' }), '');
  await waitForStatus(bob.page, 'Saved to the class');
  const before = dav.reportParts('bob');
  // The server writes the drill's part, then goes before its answer is back.
  let held = false;
  await bob.page.route(`${dav.address}**`, async (route) => {
    if (held || route.request().method() !== 'PUT' || !route.request().url().includes('report.dat.')) return route.continue();
    held = true;
    const answer = await route.fetch();
    assert.equal(answer.status(), 201);
    await dav.stop();
    await route.abort('connectionreset');
  });
  const one = await drill(bob.page);
  await bob.page.waitForFunction(() => document.querySelector('#class-status').textContent !== 'Saved to the class');
  assert.ok(held);
  await bob.page.unroute(`${dav.address}**`);
  const two = await drill(bob.page);
  assert.notEqual(await statusOf(bob.page), 'Saved to the class');
  await dav.start();
  // The retry timer, or the next drill, sends what waits.
  const three = await drill(bob.page);
  await waitForStatus(bob.page, 'Saved to the class');
  assert.deepEqual(dav.newParts('bob', before), [one, two, three]);
});

test('a wrong password and a classmate\'s folder are said so, and what waits stays', { skip }, async () => {
  const ann = await student('Ann');
  // Cancelled while the server is asked: its yes joins nothing.
  let release;
  const held = new Promise((r) => (release = r));
  let asked;
  const askedNow = new Promise((r) => (asked = r));
  let answered;
  await ann.page.route(`${dav.address}**`, async (route) => {
    if (answered) return route.continue();
    answered = held.then(() => route.continue());
    asked();
  });
  await fillJoin(ann.page, { account: 'ann', password: 'a-pw' });
  await askedNow;
  await ann.page.click('#join-cancel');
  release();
  await answered;
  await ann.page.unroute(`${dav.address}**`);
  await ann.page.waitForTimeout(500);
  await idle(ann.page);
  assert.equal(await fileText(ann.page, 'classlink.dat'), '');
  assert.equal(await ann.page.evaluate(() => document.querySelector('#class-status').hidden), true);

  assert.match(await joinClass(ann.page, { account: 'ann', password: 'wrong' }), /did not accept the account or the password/);
  assert.equal(await ann.page.evaluate(() => document.querySelector('#class-status').hidden), true);
  assert.equal(await joinClass(ann.page, { account: 'ann', password: 'a-pw' }), '');
  await waitForStatus(ann.page, 'Saved to the class');
  const before = dav.reportParts('ann');

  // The password changed on the server: the drill waits, and the fault is said.
  const htpasswd = join(dav.dir, 'htpasswd');
  const original = readFileSync(htpasswd);
  writeFileSync(htpasswd, original.toString().replace(/^ann:.*$/m, 'ann:$2y$04$invalidinvalidinvalidinvalidinvalidinvalidinvalidinva'));
  const refused = await drill(ann.page);
  await waitForStatus(ann.page, 'The class\'s server did not accept the account or the password.');
  assert.deepEqual(dav.newParts('ann', before), []);

  writeFileSync(htpasswd, original);
  // A classmate's folder as the class: the server forbids it, and the class joined stays with what waits.
  const bobs = `${dav.address}bob/`;
  assert.match(await joinClass(ann.page, { account: 'ann', password: 'a-pw', address: bobs }), /does not let this account write there/);
  assert.equal(existsSync(join(dav.folder('bob'), 'ann')), false);
  assert.deepEqual(dav.newParts('ann', before), []);
  assert.equal(await joinClass(ann.page, { account: 'ann', password: 'a-pw', remember: true }), '');
  await waitForStatus(ann.page, 'Saved to the class');
  assert.deepEqual(dav.newParts('ann', before), [refused]);

  // Leaving says what still waits, then forgets the class and it; the student's files stay.
  await ann.chrome.context.setOffline(true);
  await drill(ann.page);
  await waitForStatus(ann.page, '1 drill waiting for the network');
  const report = await fileText(ann.page, 'report.dat');
  assert.match(await fileText(ann.page, 'classpass.dat'), /a-pw/);
  assert.match(await leave(ann.page), /^1 drill still waiting for the network will not be sent to the class\./);
  await idle(ann.page);
  assert.equal(await fileText(ann.page, 'report.dat'), report);
  assert.equal(await fileText(ann.page, 'classpass.dat'), '');
  assert.equal(await ann.page.isDisabled('[data-action=leave-class]'), true);
  await ann.chrome.context.setOffline(false);
  await ann.page.evaluate(() => window.dispatchEvent(new Event('online')));
  await idle(ann.page);
  assert.deepEqual(dav.newParts('ann', before), [refused]);
});

test('a second tab follows the class the first joined and left', { skip }, async () => {
  const ann = await student('Ann');
  const other = await ann.chrome.context.newPage();
  await other.goto(ann.page.url());
  await other.waitForSelector('#login-dialog[open]');
  await login(other, 'Ann');
  await other.waitForSelector('body[data-ready=yes]');
  const before = dav.reportParts('ann');
  assert.equal(await joinClass(ann.page, { account: 'ann', password: 'a-pw', remember: true }), '');
  // Drilled in the tab opened before the class was joined: sent all the same.
  const drilled = await drill(other);
  await waitForStatus(other, 'Saved to the class');
  assert.deepEqual(dav.newParts('ann', before), [drilled]);
  // Left in the first tab: the second sends nothing more.
  await leave(ann.page);
  await drill(other);
  await other.waitForSelector('#class-status', { state: 'hidden' });
  await ann.page.evaluate(() => window.dispatchEvent(new Event('online')));
  await other.evaluate(() => window.dispatchEvent(new Event('online')));
  await idle(other);
  await new Promise((r) => setTimeout(r, 500));
  assert.deepEqual(dav.newParts('ann', before), [drilled]);
});

test('a class server that redirects elsewhere is refused, and the other server hears nothing', async () => {
  const { createServer: createHttp } = await import('node:http');
  const listen = async (handler) => {
    const s = createHttp(handler);
    await new Promise((r) => s.listen(0, '127.0.0.1', r));
    return s;
  };
  const heard = [];
  const elsewhere = await listen((req, res) => (heard.push(req.url), res.end()));
  const origin = (web ?? (web = await serve())).url.replace(/\/$/, '');
  const redirecting = await listen((req, res) => {
    res.setHeader('Access-Control-Allow-Origin', origin);
    res.setHeader('Access-Control-Allow-Methods', 'GET, PUT, PROPFIND, MKCOL, OPTIONS');
    res.setHeader('Access-Control-Allow-Headers', 'Authorization, Content-Type, Depth, If-None-Match');
    if (req.method === 'OPTIONS') return res.end();
    res.writeHead(307, { Location: `http://127.0.0.1:${elsewhere.address().port}/steal/` });
    res.end();
  });
  try {
    const ann = await student('Ann');
    const said = await joinClass(ann.page, { account: 'ann', password: 'a-pw', address: `http://127.0.0.1:${redirecting.address().port}/Theory 1/` });
    assert.match(said, /sent Sonorix to another server/);
    assert.deepEqual(heard, []);
  } finally {
    elsewhere.close();
    redirecting.close();
  }
});

test('after 32 drills the page folds its parts into one, its singles deleted', { skip }, async () => {
  const bob = await student('Bob');
  assert.equal(await joinClass(bob.page, { account: 'bob', password: 'b-pw' }), '');
  const before = dav.reportParts('bob');
  const drills = [];
  for (let i = 0; i < 34; i++) drills.push(await drill(bob.page));
  await waitForStatus(bob.page, 'Saved to the class');
  await bob.page.waitForFunction(() => window.sonorixTest.idle().then(() => true));
  const number = (n) => Number(n.split('.').pop().split('-').pop());
  const covered = (names) => {
    const range = names.find((n) => n.includes('-'));
    if (!range) return true;
    const [first, last] = range.split('.').pop().split('-').map(Number);
    return names.some((n) => !n.includes('-') && number(n) >= first && number(n) <= last);
  };
  let mine = [];
  // The singles go once the folded part is there.
  for (let i = 0; i < 100 && covered(mine); i++) {
    await new Promise((r) => setTimeout(r, 200));
    mine = dav.reportParts('bob').filter((n) => !before.includes(n));
  }
  const folded = mine.filter((n) => n.includes('-'));
  assert.equal(folded.length, 1, mine.join(' '));
  assert.equal(covered(mine), false, mine.join(' '));
  // The folded part holds the singles it replaced, in order; the rest stay single, once each.
  const text = (n) => readFileSync(join(dav.folder('bob'), n), 'latin1');
  const singles = mine.filter((n) => !n.includes('-')).sort((a, b) => number(a) - number(b));
  assert.equal(text(folded[0]) + singles.map(text).join(''), drills.join(''));
});
