// The page in WebKit: Debian's MiniBrowser under Xvfb, driven by WebKitWebDriver
// over W3C WebDriver. Login, a drill by keys, the score, a reload and Export.
// Every step is bounded, and the driver, browser and X server end with the file.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { unzipSync } from 'fflate';
import { Builder, By, Key } from 'selenium-webdriver';
import { serve } from './harness.mjs';

const miniBrowser = process.env.SONORIX_MINIBROWSER || '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const stepMs = 20000;

let server;
let driver;
let home;
let driverLog = '';
const children = [];

function withTimeout(promise, ms, what) {
  let timer;
  return Promise.race([
    promise,
    new Promise((_, reject) => {
      timer = setTimeout(() => reject(new Error(`${what}: no answer in ${ms} ms`)), ms);
    }),
  ]).finally(() => clearTimeout(timer));
}

// Each child leads a process group, so that the browser the driver starts ends with it.
function start(cmd, args, env, stdio = 'ignore') {
  const child = spawn(cmd, args, { env, stdio, detached: true });
  // A missing program is reported by the step that waits for it.
  child.on('error', (e) => (child.failure = e));
  children.push(child);
  return child;
}

function killAll() {
  for (const child of children.reverse()) {
    try {
      process.kill(-child.pid, 'SIGKILL');
    } catch {
      // already gone
    }
  }
  children.length = 0;
}
process.on('exit', () => {
  killAll();
  if (home) rmSync(home, { recursive: true, force: true });
});
for (const signal of ['SIGINT', 'SIGTERM']) {
  process.on(signal, () => {
    killAll();
    process.exit(1);
  });
}

// Xvfb picks a free display itself and names it on the descriptor.
async function startXvfb(env) {
  const x = start('Xvfb', ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'], env, ['ignore', 'ignore', 'pipe', 'pipe']);
  let err = '';
  x.stderr.on('data', (d) => (err += d));
  const display = await withTimeout(
    new Promise((resolve, reject) => {
      let out = '';
      x.stdio[3].on('data', (d) => {
        out += d;
        if (out.includes('\n')) resolve(`:${out.trim()}`);
      });
      x.on('exit', (code) => reject(new Error(`Xvfb ended (${code}): ${err}`)));
      x.on('error', (e) => reject(new Error(`Xvfb: ${e.message} (scripts/install-deps.sh --test installs it)`)));
    }),
    stepMs,
    'Xvfb',
  );
  return display;
}

async function freePort() {
  const s = createServer();
  await new Promise((resolve) => s.listen(0, '127.0.0.1', resolve));
  const { port } = s.address();
  await new Promise((resolve) => s.close(resolve));
  return port;
}

async function startDriver(env) {
  const port = await freePort();
  const d = start('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], env, ['ignore', 'ignore', 'pipe']);
  d.stderr.on('data', (data) => (driverLog = (driverLog + data).slice(-4000)));
  const err = () => driverLog;
  const url = `http://127.0.0.1:${port}`;
  const deadline = Date.now() + stepMs;
  for (;;) {
    if (d.failure) throw new Error(`WebKitWebDriver: ${d.failure.message} (scripts/install-deps.sh --test installs it)`);
    if (d.exitCode !== null) throw new Error(`WebKitWebDriver ended (${d.exitCode}): ${err()}`);
    try {
      const r = await fetch(`${url}/status`, { signal: AbortSignal.timeout(2000) });
      if (r.ok) break;
    } catch {
      // not listening yet
    }
    if (Date.now() > deadline) throw new Error(`WebKitWebDriver did not start: ${err()}`);
    await new Promise((resolve) => setTimeout(resolve, 200));
  }
  return url;
}

const js = (script, ...args) => withTimeout(driver.executeScript(script, ...args), stepMs, 'script');
const waitFor = (script, what) =>
  withTimeout(
    driver.wait(() => driver.executeScript(script), stepMs - 1000, what),
    stepMs,
    what,
  );
const idle = () => withTimeout(driver.executeAsyncScript('window.sonorixTest.idle().then(arguments[0])'), stepMs, 'idle');
const view = () => js('return window.sonorixTest.view()');
const file = async (name) => Buffer.from(await js('return window.sonorixTest.file(arguments[0])', name));
const keys = async (id, ...k) => withTimeout((await driver.findElement(By.id(id))).sendKeys(...k), stepMs, `keys to #${id}`);
async function reload() {
  await idle();
  await withTimeout(driver.navigate().refresh(), stepMs, 'the reload');
}
const loggedIn = () =>
  waitFor("return document.body.dataset.ready === 'yes' && !document.querySelector('#login-dialog[open]')", 'the login to close');

before(async () => {
  server = await serve();
  home = mkdtempSync(join(tmpdir(), 'sonorix-webkit-'));
  // A home of its own: the browser's settings, caches and data start empty.
  const env = { ...process.env, HOME: home, XDG_CONFIG_HOME: join(home, '.config'), XDG_CACHE_HOME: join(home, '.cache'), XDG_DATA_HOME: join(home, '.local/share') };
  // The C locale, as on a fresh machine: WebKit then names the language "C",
  // which Intl refuses, and the page must start in English all the same.
  env.LANG = 'C.UTF-8';
  delete env.LC_ALL;
  delete env.WAYLAND_DISPLAY;
  if (!process.env.DISPLAY) env.DISPLAY = await startXvfb(env);
  const url = await startDriver(env);
  driver = await withTimeout(
    new Builder()
      .usingServer(url)
      .withCapabilities({
        browserName: 'MiniBrowser',
        'webkitgtk:browserOptions': { binary: miniBrowser, args: ['--automation', '--autoplay-policy=allow'] },
      })
      .build(),
    stepMs * 2,
    'a WebKit session',
  );
  await driver.manage().setTimeouts({ script: stepMs, pageLoad: stepMs, implicit: 0 });
  await driver.manage().window().setRect({ width: 1280, height: 900 });
});

after(async () => {
  // WebKitGTK's web process now and then crashes on a reload, and the driver then
  // answers with no message: its own output says so, and run.sh looks for it.
  if (driverLog.includes('CRASHED')) console.log(`# the driver said: ${driverLog.slice(-1000).replace(/\n/g, '\n# ')}`);
  if (driver) await withTimeout(driver.quit(), 5000, 'quit').catch(() => undefined);
  killAll();
  await server?.close();
  if (home) rmSync(home, { recursive: true, force: true });
});

test('WebKit: login, a drill by keys judged, the score', async () => {
  const caps = await driver.getCapabilities();
  console.log(`${caps.get('browserName')} ${caps.get('browserVersion')}`);
  await withTimeout(driver.get(`${server.url}?seed=12345&clock=manual&start=10000&today=38961&nosw`), stepMs, 'the page');
  await waitFor("return !!document.querySelector('#login-dialog[open]')", 'the login');
  await keys('login-name', 'Ann', Key.ENTER);
  await loggedIn();
  assert.equal((await view()).person, 'Ann');
  // Nothing went wrong on the way: the sound and the storage are there.
  assert.equal(await js("return document.getElementById('notice').hidden"), true);

  await keys('edit1', Key.chord(Key.CONTROL, 'b'));
  await idle();
  assert.equal((await view()).drilling, true);
  for (let i = 0; i < 5; i++) {
    await js('window.sonorixTest.advance(3000)');
    const q = await js('return window.sonorixTest.question()');
    const rows = await js('return window.sonorixTest.rowListIndices()');
    const names = (await view()).rows.map((r) => r.name);
    const right = names[rows.indexOf(q.listIndex)];
    if (i === 2) {
      await (await driver.findElement(By.id('edit1'))).clear();
      await keys('edit1', names.find((n) => n !== right), Key.ENTER);
      await idle();
    }
    await (await driver.findElement(By.id('edit1'))).clear();
    await keys('edit1', right, Key.ENTER);
    await idle();
  }
  const v = await view();
  assert.deepEqual([v.correct, v.incorrect, v.begin], [5, 1, 'END']);

  await keys('edit1', Key.chord(Key.CONTROL, 'b'));
  await waitFor("return !!document.querySelector('#score-dialog[open]')", 'the score');
  const [pct, score] = await js("return ['s-pct', 's-score'].map((id) => document.getElementById(id).textContent)");
  assert.equal(pct, '83.3%');
  assert.match(score, /^\d+$/);
  await (await driver.findElement(By.id('s-ok'))).click();
  await idle();
  assert.equal((await view()).drilling, false);
  assert.ok((await file('report.dat')).includes('Ann'));
});

// WebKit opens the field's suggestion list on the offered name; one Enter must still log in.
test('WebKit: after a reload one Enter logs in, the name offered, typed again or picked, the data kept; Export', async () => {
  const report = await file('report.dat');
  for (const typed of ['', 'Ann']) {
    await reload();
    await waitFor("return !!document.querySelector('#login-dialog[open]')", 'the login');
    assert.equal(await js("return document.getElementById('login-name').value"), 'Ann');
    if (typed) await (await driver.findElement(By.id('login-name'))).clear();
    await keys('login-name', typed, Key.ENTER);
    await loggedIn();
    assert.equal((await view()).person, 'Ann');
    assert.ok((await file('report.dat')).equals(report));
  }
  // A name picked in that list with the arrows is the one logged in.
  await (await driver.findElement(By.css('nav .menu summary'))).click();
  await (await driver.findElement(By.css('[data-action=login]'))).click();
  await waitFor("return !!document.querySelector('#login-dialog[open]')", 'the login');
  await (await driver.findElement(By.id('login-name'))).clear();
  await keys('login-name', 'Anna', Key.ENTER);
  await loggedIn();
  for (const [downs, name] of [[2, 'Anna'], [1, 'Ann']]) {
    await reload();
    await waitFor("return !!document.querySelector('#login-dialog[open]')", 'the login');
    // "Ann" typed: the list offers Ann and Anna.
    await (await driver.findElement(By.id('login-name'))).clear();
    await keys('login-name', 'Ann', ...Array(downs).fill(Key.ARROW_DOWN), Key.ENTER);
    await loggedIn();
    assert.equal((await view()).person, name);
  }

  // MiniBrowser saves no download under WebDriver, so the archive is taken
  // from the link the page clicks.
  await js(`window.sonorixExported = null;
    HTMLAnchorElement.prototype.click = function () {
      fetch(this.href).then((r) => r.arrayBuffer()).then((b) => {
        window.sonorixExported = { name: this.download, bytes: Array.from(new Uint8Array(b)) };
      });
    };`);
  await (await driver.findElement(By.css('nav .menu summary'))).click();
  await (await driver.findElement(By.css('[data-action=export]'))).click();
  await waitFor('return !!window.sonorixExported', 'the export');
  const exported = await js('return window.sonorixExported');
  assert.equal(exported.name, 'sonorix-data.zip');
  const files = unzipSync(new Uint8Array(exported.bytes));
  assert.ok(Buffer.from(files['sonorix/report.dat']).equals(report));
});

test('WebKit: the sing mode without a microphone says so and leads back to the drill', async () => {
  await js("window.sonorixSingNext = { gateDb: -50 }; document.getElementById('sing-menu').click();");
  await waitFor("return document.getElementById('sing-dialog').open", 'the sing window');
  await (await driver.findElement(By.id('sing-start'))).click();
  await waitFor("return !document.getElementById('sing-fault').hidden", 'the microphone\'s message');
  assert.match(await js("return document.getElementById('sing-fault-text').textContent"), /microphone.*go back to the drill\.$/);
  await (await driver.findElement(By.id('sing-close'))).click();
  await waitFor("return !document.getElementById('sing-dialog').open", 'the way back');
});
