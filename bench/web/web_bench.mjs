// The browser version's figures beside their goals:
//  - a cold load from localhost (a fresh profile, as a first visit) to the first
//    question's first note on the audio clock, and the same from the service
//    worker's cache (a later visit);
//  - all the page's WebAssembly and JavaScript, gzipped, the SoundFont aside;
//  - an answer judged and the next question's notes scheduled, worst of 200.
// Build the page first (scripts/web.sh --build-only), then:
//   node bench/web/web_bench.mjs [--runs N] [--profile] [--size] [--dist DIR]...
// --size prints the size alone, at once.
// --profile adds, per kind of load, the median moment of each step of the start
// and of each file's fetch, in ms from the navigation. Two or more --dist (a copy
// of web/dist before a change, say) are loaded in turn, run by run, so that a
// busy machine weighs on each alike; the figures come per folder.
import { readdirSync, readFileSync, statSync } from 'node:fs';
import { join } from 'node:path';
import { availableParallelism, loadavg } from 'node:os';
import { gzipSync } from 'node:zlib';
import { browser, dist, serve } from '../../web/tests/harness.mjs';

const argv = process.argv.slice(2);
const runsArg = argv.indexOf('--runs');
const RUNS = runsArg >= 0 ? Number(argv[runsArg + 1]) : 7;
const PROFILE = argv.includes('--profile');
const dists = argv.flatMap((a, i) => (a === '--dist' ? [argv[i + 1]] : []));
if (dists.length === 0) dists.push(dist);

function line(name, figure, goal, ok) {
  console.log(`${name.padEnd(56)} ${figure.padStart(12)}   goal ${goal.padEnd(10)} ${ok ? 'met' : 'MISSED'}`);
}

// Size: every .js and .wasm the page can load (the worklet's FluidSynth included).
function sizeOf(folder) {
  let total = 0;
  const sizes = [];
  (function walk(d) {
    for (const f of readdirSync(d).sort()) {
      const p = join(d, f);
      if (statSync(p).isDirectory()) walk(p);
      else if (/\.(js|wasm|mjs)$/.test(f)) {
        const gz = gzipSync(readFileSync(p), { level: 9 }).length;
        sizes.push(`${f} ${(gz / 1024).toFixed(1)}`);
        total += gz;
      }
    }
  })(folder);
  return { total, sizes };
}

// Acts at once, as a student who types the name and presses BEGIN the moment they can,
// and notes when the first note falls on the audio clock, in ms from the navigation.
function student() {
  const Base = window.AudioContext;
  window.AudioContext = class extends Base {
    constructor(...a) {
      super(...a);
      window.benchAudio = this;
    }
  };
  addEventListener('sonorix-notes', (e) => {
    const now = performance.now();
    const ctx = window.benchAudio;
    const first = Math.min(...e.detail.plan.map((n) => n.atMs));
    // The audio clock as the page sees it now; the output's own stamp where it has one.
    const stamp = ctx.getOutputTimestamp?.();
    const onClock = stamp && stamp.performanceTime > 0
      ? stamp.performanceTime + (e.detail.start - stamp.contextTime) * 1000
      : now + (e.detail.start - ctx.currentTime) * 1000;
    window.firstNoteAt = onClock + first;
    performance.mark('bench-first-note');
  }, { once: true });
  const step = () => {
    const name = document.getElementById('login-name');
    if (!window.named && name && document.getElementById('login-dialog')?.open && !name.disabled) {
      window.named = true;
      if (!name.value) name.value = 'Bench';
      performance.mark('bench-login');
      document.getElementById('login-form').requestSubmit();
    }
    if (document.body?.dataset.ready === 'yes' && !window.begun) {
      window.begun = true;
      performance.mark('bench-begin');
      document.getElementById('begin').click();
    }
    if (!window.firstNoteAt) requestAnimationFrame(step);
  };
  requestAnimationFrame(step);
}

// When each step happened: the page's marks, and each file's fetch (start-end).
function timeline() {
  const out = {};
  for (const m of performance.getEntriesByType('mark')) out[m.name.replace(/^(sonorix|bench)-/, '')] ??= m.startTime;
  const nav = performance.getEntriesByType('navigation')[0];
  out['html received'] = nav.responseEnd;
  out['DOM parsed'] = nav.domInteractive;
  for (const r of performance.getEntriesByType('resource')) {
    const name = r.name.replace(/^.*\//, '').replace(/\?.*$/, '') || '/';
    out[`${name} (fetch)`] ??= [r.startTime, r.responseEnd];
  }
  return out;
}

// The page's process's CPU time, and its main thread's, up to the first
// note: less swayed than the wall clock by a machine that is busy with other work.
async function oneLoad(page, url) {
  const cdp = await page.context().newCDPSession(page);
  await cdp.send('Performance.enable');
  await page.goto(url);
  await page.waitForFunction(() => window.firstNoteAt, null, { timeout: 30000, polling: 50 });
  const metrics = Object.fromEntries((await cdp.send('Performance.getMetrics')).metrics.map((m) => [m.name, m.value]));
  await cdp.detach();
  return {
    first: await page.evaluate(() => window.firstNoteAt),
    cpu: metrics.ProcessTime * 1000,
    main: metrics.ThreadTime * 1000,
    steps: await page.evaluate(timeline),
  };
}

// One cold visit and one from the service worker's cache, in a fresh profile;
// the first also answers 200 times.
async function visit(url, results, answers) {
  const chrome = await browser();
  try {
    const page = await chrome.context.newPage();
    await page.addInitScript(student);
    results.cold.push(await oneLoad(page, url));
    if (answers) {
      // 200 answers, right and wrong in turn.
      await page.evaluate(async () => {
        const t = window.sonorixTest;
        window.sonorixJudgeMs.length = 0;
        window.sonorixActMs.length = 0;
        for (let i = 0; i < 200; i++) {
          const rows = t.rowListIndices();
          const right = rows.indexOf(t.question().listIndex);
          document.getElementById('listbox').selectedIndex = i % 2 ? (right + 1) % rows.length : right;
          document.getElementById('submit').click();
          await t.idle();
        }
      });
      results.judge = await page.evaluate(() => window.sonorixJudgeMs);
      results.act = await page.evaluate(() => window.sonorixActMs.slice(-200));
    }
    // The later visit: the service worker has kept every file.
    await page.evaluate(async () => {
      await navigator.serviceWorker.ready;
      if (!navigator.serviceWorker.controller) {
        await new Promise((r) => navigator.serviceWorker.addEventListener('controllerchange', r, { once: true }));
      }
    });
    await page.close();
    const again = await chrome.context.newPage();
    await again.addInitScript(student);
    results.warm.push(await oneLoad(again, url));
    const served = await again.evaluate(() => performance.getEntriesByType('resource').filter((r) => r.workerStart > 0).length);
    if (served === 0) throw new Error('the later visit was not served by the service worker');
  } finally {
    await chrome.close();
  }
}

// --size: only the size, which needs no browser and no quiet machine.
if (argv.includes('--size')) {
  let met = true;
  for (const folder of dists) {
    const { total, sizes } = sizeOf(folder);
    if (dists.length > 1) console.log(`${folder}:`);
    line('WebAssembly and JavaScript, gzip -9', `${(total / 1024).toFixed(1)} KB`, '<= 700 KB', total <= 700 * 1024);
    console.log(`  ${sizes.join(', ')}`);
    met &&= total <= 700 * 1024;
  }
  process.exit(met ? 0 : 1);
}

const all = dists.map(() => ({ cold: [], warm: [], judge: [], act: [] }));
// The machine's load as the runs start and end: figures taken on a busy machine say so.
const loadBefore = loadavg()[0];
const servers = await Promise.all(dists.map((d) => serve({}, 0, d)));
try {
  for (let run = 0; run < RUNS; run++) {
    for (let i = 0; i < dists.length; i++) await visit(`${servers[i].url}?clock=manual`, all[i], run === 0);
  }
} finally {
  await Promise.all(servers.map((s) => s.close()));
}

const sorted = (xs) => [...xs].sort((a, b) => a - b);
const median = (xs) => sorted(xs)[Math.floor(xs.length / 2)];
const worst = (xs) => Math.max(...xs);
const spread = (xs) => `min ${Math.min(...xs).toFixed(0)}, median ${median(xs).toFixed(0)}, max ${worst(xs).toFixed(0)} ms`;

const cpuOf = (loads) => `median ${median(loads.map((l) => l.cpu)).toFixed(0)} ms, of it the main thread ${median(loads.map((l) => l.main)).toFixed(0)} ms`;

function profile(title, loads) {
  console.log(`  ${title}, median of ${loads.length} (ms from the navigation):`);
  const rows = new Map();
  for (const l of loads) {
    for (const [k, v] of Object.entries(l.steps)) {
      if (!rows.has(k)) rows.set(k, []);
      rows.get(k).push(v);
    }
  }
  const at = (v) => (Array.isArray(v[0]) ? [median(v.map((x) => x[0])), median(v.map((x) => x[1]))] : [median(v), median(v)]);
  for (const [k, v] of [...rows].sort((a, b) => at(a[1])[1] - at(b[1])[1])) {
    const [s, e] = at(v);
    console.log(`    ${(Array.isArray(v[0]) ? `${s.toFixed(0).padStart(5)}-${e.toFixed(0).padEnd(5)}` : `${e.toFixed(0).padStart(11)}`)}  ${k}`);
  }
}

console.log(`Sonorix in the browser (headless Chromium, ${new Date().toISOString().slice(0, 10)})`);
console.log(`the machine's load (1-minute average) ${loadBefore.toFixed(1)} as the runs began, ${loadavg()[0].toFixed(1)} at their end, on ${availableParallelism()} cores`);
dists.forEach((folder, i) => {
  const { cold, warm, judge, act } = all[i];
  const { total, sizes } = sizeOf(folder);
  const coldFirst = cold.map((l) => l.first);
  const warmFirst = warm.map((l) => l.first);
  if (dists.length > 1) console.log(`${folder}:`);
  line(`cold load to the first note on the audio clock, median of ${RUNS}`, `${median(coldFirst).toFixed(0)} ms`, '<= 1000 ms', median(coldFirst) <= 1000);
  console.log(`  ${spread(coldFirst)}`);
  console.log(`  the page's CPU time ${cpuOf(cold)}`);
  line(`from the service worker's cache, median of ${RUNS}`, `${median(warmFirst).toFixed(0)} ms`, '<= 400 ms', median(warmFirst) <= 400);
  console.log(`  ${spread(warmFirst)}`);
  console.log(`  the page's CPU time ${cpuOf(warm)}`);
  if (PROFILE) {
    profile('cold', cold);
    profile('from the cache', warm);
  }
  line('WebAssembly and JavaScript, gzip -9', `${(total / 1024).toFixed(1)} KB`, '<= 700 KB', total <= 700 * 1024);
  console.log(`  ${sizes.join(', ')}`);
  line('answer judged, next question made (core), median', `${median(judge).toFixed(3)} ms`, '<= 5 ms', median(judge) <= 5);
  line('... worst of 200', `${worst(judge).toFixed(3)} ms`, '<= 5 ms', worst(judge) <= 5);
  line('judged and its notes on the audio clock, median', `${median(act).toFixed(3)} ms`, '<= 5 ms', median(act) <= 5);
  line('... worst of 200', `${worst(act).toFixed(3)} ms`, '<= 5 ms', worst(act) <= 5);
});
