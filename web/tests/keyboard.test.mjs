// Answering on a MIDI keyboard: a test's own MIDI input, fed through the
// page's one seam for MIDI access, plays right, wrong and a wrong number of
// notes; without Web MIDI the page says so plainly.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { login, openPage, shared } from './harness.mjs';

const at = shared();

// A keyboard the test plays: window.sonorixKeys(notes) presses the notes
// together and releases them.
function fakeKeyboard() {
  const input = { id: 'k1', name: 'Test Keyboard', type: 'input', state: 'connected', onmidimessage: null };
  window.sonorixMidiAccess = async () => ({ inputs: new Map([['k1', input]]), outputs: new Map() });
  const send = (data) => input.onmidimessage?.({ data: new Uint8Array(data) });
  window.sonorixKeys = (notes) => {
    for (const n of notes) send([0x90, n, 90]);
    send([0xb0, 64, 127]);  // the pedal keeps nothing open
    for (const n of notes) send(n % 2 ? [0x80, n, 0] : [0x90, n, 0]);
  };
}

test('a chord played on the keyboard is judged as the typed answer: right, wrong, a wrong number of notes', async () => {
  const page = await at.chrome.context.newPage();
  await page.addInitScript(fakeKeyboard);
  await page.goto(`${at.server.url}?seed=12345&clock=manual&start=10000&today=38961&nosw`);
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  await page.evaluate(() => document.querySelector('[data-action=keyboard]').click());
  await page.waitForSelector('#keyboard-dialog[open]');
  assert.deepEqual(await page.locator('#kbd-list option').allTextContents(), ['Test Keyboard']);
  await page.check('#kbd-play');
  await page.click('#keyboard-dialog button[value=ok]');
  await page.keyboard.press('Control+b');
  const idle = () => page.evaluate(() => window.sonorixTest.idle());
  await idle();
  const view = () => page.evaluate(() => window.sonorixTest.view());
  // The prime form from the row's label, "3-11 (0, 3, 7)".
  const primeOf = (label) => label.replace(/^[^(]*\(|\)$/g, '').split(',').map(Number);
  const rowOf = async () => {
    const q = await page.evaluate(() => window.sonorixTest.question());
    return (await page.evaluate(() => window.sonorixTest.rowListIndices())).indexOf(q.listIndex);
  };
  const v = await view();
  const right = await rowOf();
  const wrong = (right + 1) % v.rows.length;
  const play = async (notes) => {
    await page.evaluate((n) => window.sonorixKeys(n), notes);
    await idle();
  };

  // Two notes of a trichord: heard, not counted.
  await play([60, 67]);
  assert.equal(await page.getAttribute('#edit1', 'placeholder'), 'played 2 notes, 3 expected');
  assert.equal((await view()).incorrect, 0);
  // Another class, inverted and spread over two octaves: wrong.
  await play(primeOf(v.rows[wrong].label).map((pc, i) => 72 - pc - 12 * (i % 2)));
  assert.equal((await view()).incorrect, 1);
  assert.equal(await page.textContent('#status'), `Wrong: not 3-${v.rows[wrong].name}. Try again.`);
  assert.equal(await page.getAttribute('#edit1', 'placeholder'), '');
  // The class asked, transposed, with a doubled note: right.
  await play([...primeOf(v.rows[right].label).map((pc) => 65 + pc), 77]);
  assert.equal((await view()).correct, 1);
  assert.match(await page.textContent('#status'), new RegExp(`^Right: 3-${v.rows[right].name}\\.`));
  await page.close();
});

test('without Web MIDI the keyboard window says so plainly, and the drill is typed', async () => {
  const page = await at.chrome.context.newPage();
  await page.addInitScript(() => {
    delete Navigator.prototype.requestMIDIAccess;
  });
  await page.goto(`${at.server.url}?seed=1&clock=manual&nosw`);
  await page.waitForSelector('#login-dialog[open]');
  await login(page, 'Bea');
  await page.waitForSelector('body[data-ready=yes]');
  await page.evaluate(() => document.querySelector('[data-action=keyboard]').click());
  await page.waitForSelector('#keyboard-dialog[open]');
  assert.match(await page.textContent('#kbd-note'), /^This browser offers no MIDI inputs \(Web MIDI\)/);
  assert.equal(await page.isDisabled('#kbd-play'), true);
  await page.close();
});
