// A Web MIDI output that records what it is sent: every note ends 2 s after
// its last note-on, and nothing is left sounding when the drill ends, the
// output changes or the page is hidden.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { login, shared } from './harness.mjs';

const at = shared();

// The browser's Web MIDI with one output, which keeps each message with the
// moment it takes effect (its time stamp, else when it was sent).
function fakeMidi() {
  const sent = [];
  window.sonorixSent = sent;
  const output = {
    id: 'o1', name: 'Test Synth', type: 'output', state: 'connected', connection: 'open',
    send: (data, at) => sent.push({ data: [...data], at: at ?? performance.now() }),
  };
  const access = { inputs: new Map(), outputs: new Map([['o1', output]]), sysexEnabled: false, onstatechange: null };
  Object.defineProperty(Navigator.prototype, 'requestMIDIAccess', { configurable: true, value: async () => access });
}

const isOn = (m) => (m.data[0] & 0xf0) === 0x90 && m.data[2] > 0;
const isOff = (m) => (m.data[0] & 0xf0) === 0x80 || ((m.data[0] & 0xf0) === 0x90 && m.data[2] === 0);
const isAllOff = (m) => (m.data[0] & 0xf0) === 0xb0 && m.data[1] === 123;

test('a MIDI output: each note released 2 s after its last note-on; all notes off at the end, on a change of output and when hidden', async () => {
  const page = await at.chrome.context.newPage();
  page.on('pageerror', (e) => console.error('page error:', e));
  await page.addInitScript(fakeMidi);
  await page.goto(`${at.server.url}?seed=12345&clock=manual&start=10000&today=38961&nosw`);
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  const sent = () => page.evaluate(() => window.sonorixSent);
  const chooseOutput = async (index) => {
    await page.evaluate(() => document.querySelector('[data-action=midi]').click());
    await page.waitForSelector('#midi-dialog[open]');
    await page.selectOption('#midi-list', String(index));
    await page.keyboard.press('Escape');
  };
  const channelsSounded = (messages) => new Set(messages.filter(isOn).map((m) => m.data[0] & 0x0f));
  // After `from`, an all-notes-off for every channel sounded before it.
  const allOffAfter = (messages, from) => {
    const cleared = new Set(messages.slice(from).filter(isAllOff).map((m) => m.data[0] & 0x0f));
    const used = channelsSounded(messages.slice(0, from));
    assert.ok(used.size > 0);
    for (const c of used) assert.ok(cleared.has(c), `no all-notes-off on channel ${c + 1}`);
  };
  await chooseOutput(1);

  await page.keyboard.press('Control+b');
  await page.evaluate(() => window.sonorixTest.idle());
  let m = await sent();
  const first = m.filter(isOn);
  assert.ok(first.length >= 3, 'the question sounds on the output');
  await page.waitForTimeout(2400);
  m = await sent();
  for (const on of first) {
    const offs = m.filter((x) => isOff(x) && x.data[1] === on.data[1]);
    assert.equal(offs.length, 1, `key ${on.data[1]}`);
    const late = offs[0].at - (on.at + 2000);
    assert.ok(late > -5 && late < 300, `key ${on.data[1]} released ${late} ms after its 2 s`);
  }

  // Struck again within the 2 s: the earlier release must not cut the later note.
  const before = m.length;
  await page.keyboard.press('F1');
  await page.waitForTimeout(1000);
  await page.keyboard.press('F1');
  await page.evaluate(() => window.sonorixTest.idle());
  await page.waitForTimeout(2400);
  m = (await sent()).slice(before);
  const ons = m.filter(isOn);
  const lastOn = new Map(ons.map((on) => [on.data[1], on.at]));
  assert.equal(ons.length, first.length * 2);
  for (const [key, at] of lastOn) {
    const offs = m.filter((x) => isOff(x) && x.data[1] === key);
    assert.equal(offs.length, 1, `key ${key} released once, after its last note-on`);
    const late = offs[0].at - (at + 2000);
    assert.ok(late > -5 && late < 300, `key ${key} released ${late} ms after its 2 s`);
  }

  // Five right answers and END.
  for (let right = 0; right < 5; right++) {
    await page.evaluate(() => window.sonorixTest.advance(3000));
    const name = await page.evaluate(() => {
      const t = window.sonorixTest;
      return t.view().rows[t.rowListIndices().indexOf(t.question().listIndex)].name;
    });
    await page.keyboard.type(name);
    await page.keyboard.press('Enter');
    await page.evaluate(() => window.sonorixTest.idle());
  }
  let from = (await sent()).length;
  await page.keyboard.press('Control+b');
  await page.waitForSelector('#score-dialog[open]');
  allOffAfter(await sent(), from);
  await page.click('#s-ok');
  await page.evaluate(() => window.sonorixTest.idle());

  // Hidden in the middle of a drill.
  await page.keyboard.press('Control+b');
  await page.evaluate(() => window.sonorixTest.idle());
  from = (await sent()).length;
  await page.evaluate(() => {
    Object.defineProperty(document, 'visibilityState', { configurable: true, get: () => 'hidden' });
    document.dispatchEvent(new Event('visibilitychange'));
    delete document.visibilityState;
  });
  allOffAfter(await sent(), from);

  // Back to the built-in synthesizer: the MIDI output is left silent.
  from = (await sent()).length;
  await chooseOutput(0);
  allOffAfter(await sent(), from);
  await page.close();
});
