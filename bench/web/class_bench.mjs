// The teacher's Class Overview in the browser against a class folder on
// Debian's Apache (scripts/class-server.sh) on this machine, beside its goals:
//  - 30 students with a term's logs (about 200,000 records): the first open,
//    from the click on "Read the class" to the table drawn, and a reopen with
//    nothing changed (only the listings; no file fetched again);
//  - 300 students: the first open, the progress bar shown meanwhile, and the
//    page's longest task (PerformanceObserver 'longtask') while it reads.
// The class folder is written by bench/classnet's class_layout as the
// students' devices leave it. Build that and the page first, then:
//   node bench/web/class_bench.mjs [--build DIR] [--dist DIR] [--students N,N] [--add-errors] [--assignments]
//                                  [--bare] [--keep DIR] [--profile FILE]
// --bare: first the page in a Chromium that Playwright does not drive, as a
// teacher's browser runs it (below, bareBrowser).
// --build is the CMake build holding bin/class_layout (build-rel by default).
// --assignments: the teacher puts five assignments on the server first (some
// past their due date, some running), so that every folder is judged too.
// With --send [--drills N] [--queued N] it times the page's own sending instead:
// a drill from END to its part on the server, and 50 drills done offline sent
// when the page is online again.
import { execFileSync, spawn, spawnSync } from 'node:child_process';
import { existsSync, mkdtempSync, readdirSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { loadavg, tmpdir } from 'node:os';
import { join } from 'node:path';
import { browser, chromiumArgs, dist as defaultDist, login, openPage, root, serve } from '../../web/tests/harness.mjs';
import { ClassServer } from '../../web/tests/class-server.mjs';
import { drillToEnd } from '../../web/tests/class-page.mjs';

const argv = process.argv.slice(2);
// Node 20 has its WebSocket behind a flag; the bare browser is driven through it.
if (argv.includes('--bare') && typeof WebSocket === 'undefined') {
  const again = spawnSync(process.execPath, ['--experimental-websocket', '--no-warnings', ...process.argv.slice(1)], { stdio: 'inherit' });
  process.exit(again.status ?? 1);
}
const option = (name, fallback) => {
  const i = argv.indexOf(name);
  return i >= 0 ? argv[i + 1] : fallback;
};
const build = option('--build', join(root, 'build-rel'));
const dist = option('--dist', defaultDist);
const sizes = option('--students', '30,300').split(',').map(Number);
const layout = join(build, 'bin', 'class_layout');
const className = 'Theory 1';
// --profile FILE: the first open's main thread sampled, kept as a .cpuprofile
// (DevTools opens it) and its heaviest functions printed.
let profile = option('--profile', null);

function summarise(taken) {
  const self = new Map();
  const byId = new Map(taken.nodes.map((n) => [n.id, n]));
  const dt = taken.timeDeltas;
  taken.samples.forEach((id, i) => {
    const f = byId.get(id).callFrame;
    const name = `${f.functionName || '(anonymous)'} ${f.url.split('/').pop()}:${f.lineNumber}`;
    self.set(name, (self.get(name) ?? 0) + (dt[i] ?? 0) / 1000);
  });
  const top = [...self].sort((a, b) => b[1] - a[1]).slice(0, 25);
  for (const [name, ms] of top) console.log(`  ${ms.toFixed(0).padStart(7)} ms  ${name}`);
}

function line(name, figure, goal, ok) {
  console.log(`${name.padEnd(62)} ${figure.padStart(12)}   goal ${goal.padEnd(10)} ${ok ? 'met' : 'MISSED'}`);
  return ok;
}

// Every long task the page runs, from its start.
function watchLongTasks() {
  window.benchLongTasks = [];
  new PerformanceObserver((list) => {
    for (const e of list.getEntries()) window.benchLongTasks.push({ start: e.startTime, duration: e.duration });
  }).observe({ type: 'longtask', buffered: true });
}

// In the page: opens Class › Class Overview…, fills in the class and reads
// it; the time from the click to the table drawn, what the progress bar
// showed meanwhile and the longest task in between. Self-contained: it is
// handed to the page as its text by both drivers below.
async function readInPage(address) {
  document.querySelector('[data-action=class-overview]').click();
  const dialog = document.getElementById('class-overview-dialog');
  while (!dialog.open) await new Promise((r) => setTimeout(r, 10));
  for (const [id, value] of [['co-address', address], ['co-account', 'teacher'], ['co-password', 't-pw']]) {
    const input = document.getElementById(id);
    input.value = value;
    input.dispatchEvent(new Event('input', { bubbles: true }));
  }
  const result = await new Promise((resolve) => {
    const reading = document.getElementById('co-reading');
    const bar = document.getElementById('co-progress');
    const values = new Set();
    let shown = false;
    const start = performance.now();
    document.getElementById('co-read').click();
    const look = () => {
      if (!reading.hidden) {
        shown = true;
        values.add(`${bar.value}/${bar.max}`);
      }
      if (reading.hidden && shown) {
        // The table drawn: the frame after the read ended.
        requestAnimationFrame(() => {
          const end = performance.now();
          const tasks = window.benchLongTasks.filter((t) => t.start + t.duration >= start);
          const longest = Math.max(0, ...tasks.map((t) => t.duration));
          // Where the long ones fell: ms after the click, and their length.
          const long = tasks.filter((t) => t.duration > 50).map((t) => `${(t.start - start).toFixed(0)}+${t.duration.toFixed(0)}`);
          resolve({
            ms: end - start,
            longest,
            long,
            steps: values.size,
            // Only the rows in view are drawn: the table says how many there are.
            rows: Number(document.getElementById('co-table').getAttribute('aria-rowcount')) - 1,
            assignments: document.querySelectorAll('#co-assign-table thead th').length - 1,
            assignCells: document.querySelector('#co-assign-table tbody')?.textContent ?? '',
            foldersRead: Number(dialog.dataset.foldersRead),
            fault: document.getElementById('co-fault').hidden ? '' : document.getElementById('co-fault').textContent,
          });
        });
      } else requestAnimationFrame(look);
    };
    look();
  });
  dialog.querySelector('button[value=ok]').click();
  return result;
}

// The page's CPU time too, less swayed than the wall clock by a busy machine.
async function timed(send, read) {
  await send('Performance.enable');
  const cpu = async () => Object.fromEntries((await send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  const before = await cpu();
  if (profile) {
    await send('Profiler.enable');
    await send('Profiler.setSamplingInterval', { interval: 500 });
    await send('Profiler.start');
  }
  const result = await read();
  const after = await cpu();
  if (profile) {
    const { profile: taken } = await send('Profiler.stop');
    writeFileSync(profile, JSON.stringify(taken));
    summarise(taken);
    profile = null;
  }
  result.cpuMs = (after.ProcessTime - before.ProcessTime) * 1000;
  result.mainMs = (after.ThreadTime - before.ThreadTime) * 1000;
  return result;
}

async function readClass(page, address) {
  const cdp = await page.context().newCDPSession(page);
  try {
    return await timed((method, params) => cdp.send(method, params), () => page.evaluate(readInPage, address));
  } finally {
    await cdp.detach();
  }
}

// The same page in a Chromium that Playwright does not drive: Playwright follows
// every request of the page and its workers over the DevTools pipe, which costs
// the browser about as much as the requests themselves; a teacher's browser
// has none of it. Driven over plain CDP, with no network events asked for.
async function bareBrowser() {
  const profileDir = mkdtempSync(join(tmpdir(), 'sonorix-chromium-'));
  const child = spawn(process.env.SONORIX_CHROMIUM || '/usr/bin/chromium',
    [...chromiumArgs, '--remote-debugging-port=0', `--user-data-dir=${profileDir}`, 'about:blank'], { stdio: 'ignore', detached: true });
  const portFile = join(profileDir, 'DevToolsActivePort');
  for (let i = 0; i < 300 && !existsSync(portFile); i++) await new Promise((r) => setTimeout(r, 50));
  const [port, path] = readFileSync(portFile, 'utf8').trim().split('\n');
  const socket = new WebSocket(`ws://127.0.0.1:${port}${path}`);
  await new Promise((ok, fail) => { socket.onopen = ok; socket.onerror = fail; });
  let next = 0;
  const waiting = new Map();
  socket.onmessage = (m) => {
    const message = JSON.parse(m.data);
    const held = waiting.get(message.id);
    if (!held) return;
    waiting.delete(message.id);
    if (message.error) held.fail(new Error(`${held.method}: ${message.error.message}`));
    else held.done(message.result);
  };
  const send = (method, params = {}, sessionId) => new Promise((done, fail) => {
    const id = ++next;
    waiting.set(id, { done, fail, method });
    socket.send(JSON.stringify({ id, method, params, sessionId }));
  });
  // The tab it opened with: a tab opened later stays in the background, where no frame is drawn.
  const { targetInfos } = await send('Target.getTargets');
  const { targetId } = targetInfos.find((t) => t.type === 'page');
  const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
  const page = (method, params) => send(method, params, sessionId);
  const evaluate = async (fn, ...args) => {
    const r = await page('Runtime.evaluate', { expression: `(${fn})(...${JSON.stringify(args)})`, awaitPromise: true, returnByValue: true });
    if (r.exceptionDetails) throw new Error(r.exceptionDetails.exception?.description ?? r.exceptionDetails.text);
    return r.result.value;
  };
  return {
    page,
    evaluate,
    async open(url) {
      await page('Page.enable');
      await page('Page.addScriptToEvaluateOnNewDocument', { source: `(${watchLongTasks})()` });
      await page('Page.navigate', { url });
      // Asked again and again: a promise awaited across the navigation would be lost with its document.
      for (let i = 0; !(await evaluate(() => !!document.querySelector('#login-dialog[open]') && !!window.benchLongTasks)); i++) {
        if (i > 600) throw new Error('the page shows no login');
        await new Promise((r) => setTimeout(r, 50));
      }
    },
    async close() {
      socket.close();
      // Its helpers too: they write to the profile as they go.
      const gone = new Promise((r) => child.once('exit', r));
      process.kill(-child.pid);
      await gone;
      rmSync(profileDir, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    },
  };
}

// The login as a student does it: the name, then Enter.
async function loginInPage(name) {
  const input = document.getElementById('login-name');
  input.value = name;
  input.dispatchEvent(new KeyboardEvent('keydown', { key: 'Enter', bubbles: true }));
  input.dispatchEvent(new KeyboardEvent('keyup', { key: 'Enter', bubbles: true }));
  while (document.getElementById('login-dialog').open) await new Promise((r) => setTimeout(r, 20));
}

async function bareReads(url, address) {
  const bare = await bareBrowser();
  try {
    await bare.open(`${url}?nosw`);
    await bare.evaluate(loginInPage, 'Teacher');
    const read = () => timed(bare.page, () => bare.evaluate(readInPage, address));
    return [await read(), await read()];
  } finally {
    await bare.close();
  }
}

// Five assignments over the term's last weeks, as a teacher sets them: two past
// their due date, three running; each kind of goal.
function assignmentsText() {
  const day = (offset) => {
    const d = new Date();
    d.setDate(d.getDate() + offset);
    return `${d.getFullYear()}-${String(d.getMonth() + 1).padStart(2, '0')}-${String(d.getDate()).padStart(2, '0')}`;
  };
  const one = (title, lines, start, due) => [`assignment ${title}`, ...lines, `start ${day(start)}`, `due ${day(due)}`, ''];
  return [
    ...one('Trichords, week 1', ['classes 3-1 3-2 3-11', 'range close', 'goal drills 3 right 20 percent 80'], -60, -54),
    ...one('Tetrachords', ['classes all tetrachords', 'goal drills 5 right 10 percent 70'], -30, -24),
    ...one('Practice time', ['classes all trichords', 'goal minutes 60'], -13, 1),
    ...one('Right at once', ['classes 3-11 3-12', 'goal first-try 4'], -6, 7),
    ...one('Two octaves', ['classes all trichords', 'range two octaves', 'goal drills 2 right 10 percent 60'], -3, 10),
  ].join('\r\n');
}

async function putAssignments(address) {
  const r = await fetch(new URL('assignments.txt', address), {
    method: 'PUT',
    headers: { Authorization: `Basic ${Buffer.from('teacher:t-pw').toString('base64')}`, 'Content-Type': 'text/plain; charset=utf-8' },
    body: assignmentsText(),
  });
  if (!r.ok) throw new Error(`assignments.txt not written: ${r.status}`);
}

async function measure(students) {
  // --keep DIR: the class written there once and read again by later runs.
  const kept = option('--keep', null);
  const dir = kept ? join(kept, String(students)) : mkdtempSync(join(tmpdir(), 'sonorix-class-bench-'));
  let apache;
  let pageServer;
  let chrome;
  const met = [];
  try {
    if (kept && existsSync(join(dir, 'dav', className, 's001'))) {
      console.log(`\n${join(dir, 'dav', className)}: written by an earlier run`);
    } else {
      const written = execFileSync(layout, [join(dir, 'dav', className), '--students', String(students),
        ...(argv.includes('--add-errors') ? ['--add-errors'] : [])], { encoding: 'utf8' });
      console.log(`\n${written.trim()}`);
    }
    pageServer = await serve({}, 0, dist);
    const accounts = Array.from({ length: students }, (_, i) => `s${String(i + 1).padStart(3, '0')}:pw`);
    apache = await new ClassServer({ origin: pageServer.url.replace(/\/$/, ''), accounts: ['teacher:t-pw', ...accounts], className, dir,
      waitMs: 30000 }).start();
    const { port, address } = apache;
    const withAssignments = argv.includes('--assignments');
    if (withAssignments) await putAssignments(address);
    const goal = students > 30 ? 20000 : 3000;

    if (argv.includes('--bare')) {
      const [bare, bareAgain] = await bareReads(pageServer.url, address);
      if (bare.fault) console.log(`  the page said: ${bare.fault}`);
      console.log(`  the page alone (no Playwright): the page's CPU time ${bare.cpuMs.toFixed(0)} ms, of it the main thread ${bare.mainMs.toFixed(0)} ms`);
      met.push(line(`${students} students: first open, the page alone`, `${bare.ms.toFixed(0)} ms`, `<= ${goal} ms`,
        !bare.fault && bare.rows === students && bare.ms <= goal));
      met.push(line(`${students} students: ... its longest task`, `${bare.longest.toFixed(0)} ms`, '<= 50 ms', bare.longest <= 50));
      if (bare.long.length) console.log(`  tasks over 50 ms (ms after the click + length): ${bare.long.join(', ')} of ${bare.ms.toFixed(0)} ms`);
      met.push(line(`${students} students: ... reopened with nothing changed`, `${bareAgain.ms.toFixed(0)} ms`,
        students > 30 ? 'as it is' : '<= 500 ms', !bareAgain.fault && bareAgain.rows === students && (students > 30 || bareAgain.ms <= 500)));
    }

    chrome = await browser();
    // A GET answered 304 (the copy kept is current) or 404 fetches no file: counted as asked, not fetched.
    const requests = [];
    chrome.context.on('response', (r) => {
      if (!r.url().startsWith(`http://127.0.0.1:${port}/`)) return;
      const method = r.request().method();
      requests.push(method === 'GET' && r.status() !== 200 ? 'GET asked' : method);
    });
    await chrome.context.addInitScript(watchLongTasks);
    const page = await openPage(chrome.context, pageServer.url, 'nosw');
    await login(page, 'Teacher');

    const first = await readClass(page, address);
    const firstGets = requests.filter((m) => m === 'GET').length;
    if (first.fault) console.log(`  the page said: ${first.fault}`);
    const asked = () => requests.filter((m) => m === 'GET asked').length;
    console.log(`  ${first.rows} rows, ${firstGets} files fetched, ${asked()} GETs fetching none, ${requests.length - firstGets - asked()} other requests; ` +
      `the page's CPU time ${first.cpuMs.toFixed(0)} ms, of it the main thread ${first.mainMs.toFixed(0)} ms`);
    if (first.rows !== students) console.log(`  ${students} rows expected`);
    if (withAssignments) console.log(`  ${first.assignments} assignments' columns, ${first.foldersRead} folders read and judged`);
    const ok = !first.fault && first.rows === students;
    met.push(line(`${students} students: first open`, `${first.ms.toFixed(0)} ms`, `<= ${goal} ms`, ok && first.ms <= goal));
    if (students > 30) {
      met.push(line(`${students} students: progress bar shown while reading`, `${first.steps} steps`, '>= 2 steps', first.steps >= 2));
    }
    met.push(line(`${students} students: the page's longest task while reading`, `${first.longest.toFixed(0)} ms`, '<= 50 ms',
      first.longest <= 50));

    requests.length = 0;
    const again = await readClass(page, address);
    const gets = requests.filter((m) => m === 'GET').length;
    console.log(`  reopened: ${again.rows} rows, ${gets} files fetched, ${asked()} GETs fetching none, ${requests.length - gets - asked()} other requests; ` +
      `the page's CPU time ${again.cpuMs.toFixed(0)} ms, of it the main thread ${again.mainMs.toFixed(0)} ms; ${again.foldersRead} folders read again`);
    // With assignments, the same statuses from what was kept of each folder.
    const sameCells = !withAssignments || (again.assignments === 5 && again.assignCells === first.assignCells && again.foldersRead === 0);
    if (!sameCells) console.log(`  the assignments' cells differ from the first open's, or folders were read again`);
    met.push(line(`${students} students: reopen with nothing changed${withAssignments ? ', with assignments' : ''}`, `${again.ms.toFixed(0)} ms`,
      students > 30 ? 'as it is' : '<= 500 ms',
      !again.fault && again.rows === students && gets === 0 && sameCells && (students > 30 || again.ms <= 500)));

    // The desktop's reading of the same class, for comparison: the command
    // shares the Class Overview's fetch and cache.
    const command = join(build, 'bin', 'sonorix-class');
    if (existsSync(command)) {
      const cache = mkdtempSync(join(tmpdir(), 'sonorix-class-cache-'));
      const env = { ...process.env, XDG_CACHE_HOME: cache, SONORIX_CLASS_PASSWORD: 't-pw' };
      const timed = () => {
        const start = performance.now();
        execFileSync(command, ['--user', 'teacher', address], { env, stdio: ['ignore', 'ignore', 'inherit'] });
        return performance.now() - start;
      };
      const [cold, warm] = [timed(), timed()];
      rmSync(cache, { recursive: true, force: true });
      console.log(`  the desktop's reading (sonorix-class): first ${cold.toFixed(0)} ms, from its cache ${warm.toFixed(0)} ms`);
    }

    // A later visit: the page's own storage keeps what was fetched.
    await page.close();
    requests.length = 0;
    const later = await openPage(chrome.context, pageServer.url, 'nosw');
    await login(later, 'Teacher');
    const visit = await readClass(later, address);
    const laterGets = requests.filter((m) => m === 'GET').length;
    console.log(`  a later visit, nothing changed: ${visit.ms.toFixed(0)} ms, ${visit.rows} rows, ${laterGets} files fetched again`);
  } finally {
    await chrome?.close();
    await pageServer?.close();
    await apache?.stop();
    if (!kept) rmSync(dir, { recursive: true, force: true });
  }
  return met.every(Boolean);
}

// --- a student's drills on their way: the page's own sending ------------------

async function onServer(folder, count, timeoutMs) {
  const start = Date.now();
  const parts = () => (existsSync(folder) ? readdirSync(folder).filter((n) => n.startsWith('report.dat.')).length : 0);
  while (parts() < count && Date.now() - start < timeoutMs) await new Promise((r) => setTimeout(r, 5));
  return parts() >= count;
}

async function end(page) {
  await page.click('#begin');
  await page.waitForSelector('#score-dialog[open]');
  await page.click('#s-ok');
}

async function sending(drills, queued) {
  const dir = mkdtempSync(join(tmpdir(), 'sonorix-class-bench-'));
  let apache;
  let pageServer;
  let chrome;
  const met = [];
  try {
    pageServer = await serve({}, 0, dist);
    apache = await new ClassServer({ origin: pageServer.url.replace(/\/$/, ''), accounts: ['teacher:t-pw', 'ann:a-pw'], className, dir,
      waitMs: 30000 }).start();
    const folder = apache.folder('ann');
    chrome = await browser();
    const page = await openPage(chrome.context, pageServer.url);
    await login(page, 'Ann');
    await page.waitForSelector('body[data-ready=yes]');
    await page.click('summary:has-text("Class")');
    await page.click('[data-action=join-class]');
    await page.waitForSelector('#join-dialog[open]');
    await page.fill('#join-address', apache.address);
    await page.fill('#join-account', 'ann');
    await page.fill('#join-password', 'a-pw');
    await page.click('#join-ok');
    await page.waitForFunction(() => !document.querySelector('#join-dialog').open || !document.querySelector('#join-error').hidden);
    if (await page.evaluate(() => document.querySelector('#join-dialog').open)) {
      throw new Error(`could not join: ${await page.textContent('#join-error')}`);
    }
    console.log('\nThe page sends a student\'s drills (Apache on localhost, another origin)');
    const times = [];
    for (let n = 1; n <= drills; n++) {
      await drillToEnd(page);
      const start = performance.now();
      await end(page);
      if (!(await onServer(folder, n, 10000))) throw new Error(`drill ${n} did not reach the server`);
      times.push(performance.now() - start);
    }
    times.sort((a, b) => a - b);
    met.push(line('a drill\'s records on the server after END, median', `${times[Math.floor(times.length / 2)].toFixed(0)} ms`, '<= 1000 ms',
      times[Math.floor(times.length / 2)] <= 1000));
    met.push(line(`... the slowest of ${drills}`, `${times.at(-1).toFixed(0)} ms`, '<= 1000 ms', times.at(-1) <= 1000));

    // Drills done offline wait; back online, they go.
    await chrome.context.setOffline(true);
    for (let n = 0; n < queued; n++) {
      await drillToEnd(page);
      await end(page);
    }
    const status = await page.textContent('#class-status');
    const start = performance.now();
    await chrome.context.setOffline(false);
    const arrived = await onServer(folder, drills + queued, 60000);
    const ms = performance.now() - start;
    console.log(`  offline, the header said: ${status}`);
    met.push(line(`${queued} queued drills sent when back online`, `${ms.toFixed(0)} ms`, queued === 50 ? '<= 5000 ms' : 'as it is',
      arrived && (queued !== 50 || ms <= 5000)));
    // The device folds its parts as it goes: the folder stays a few files.
    const failed = [];
    chrome.context.on('requestfailed', (r) => failed.push(`${r.method()} ${r.failure()?.errorText}`));
    await new Promise((r) => setTimeout(r, 10000));
    if (failed.length) console.log(`  requests that failed meanwhile: ${[...new Set(failed)].join(', ')} (${failed.length})`);
    const names = readdirSync(folder);
    const folded = names.filter((n) => /\.\d+-\d+$/.test(n)).length;
    console.log(`  the student's folder after ${drills + queued} drills: ${folded} folded parts, ${names.length - folded} single parts`);
  } finally {
    await chrome?.close();
    await pageServer?.close();
    await apache?.stop();
    rmSync(dir, { recursive: true, force: true });
  }
  return met.every(Boolean);
}

if (argv.includes('--send')) {
  process.exit((await sending(Number(option('--drills', 10)), Number(option('--queued', 50)))) ? 0 : 1);
}

if (!existsSync(layout)) {
  console.error(`${layout} is missing: ninja -C ${build} class_layout`);
  process.exit(2);
}
console.log(`The teacher's Class Overview in the browser (headless Chromium, Apache on localhost, ${new Date().toISOString().slice(0, 10)})`);
const loadBefore = loadavg()[0];
let all = true;
for (const n of sizes) all = (await measure(n)) && all;
console.log(`the machine's load (1-minute average) ${loadBefore.toFixed(1)} as the runs began, ${loadavg()[0].toFixed(1)} at their end`);
process.exit(all ? 0 : 1);
