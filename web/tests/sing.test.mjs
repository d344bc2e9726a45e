// Sing the Answer in the page, with no microphone: voices whose pitches are
// known exactly are rendered to WAV files at test time. The core compiled for
// the page judges each as written here, and as the native core does where its
// judge tool is built; the same file through Chromium's fake capture device
// (the microphone path: getUserMedia, the worklet, the window) gives the same
// notes and verdict, goes to sing.dat, and leaves the microphone closed. A
// refused microphone gets its message and the way back to the drill.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { existsSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { browser, chromiumArgs, login, openPage, serve } from './harness.mjs';
import { voice, writeWav, rate } from './sing-voice.mjs';
import { shoot } from './shots.mjs';

const figure = (midis, extra = {}) => midis.map((midi) => ({ midi, seconds: 0.6, ...extra }));
// 3-11 from D in prime form, sung back: D F A in any octave.
const cases = [
  { name: 'in tune', notes: figure([62, 65, 69]), right: true, sung: [2, 5, 9] },
  { name: 'detuned by +20 cents', notes: figure([62, 65, 69], { cents: 20 }), right: true, sung: [2, 5, 9] },
  { name: 'one note 60 cents flat', notes: [...figure([62, 65]), { midi: 69, seconds: 0.6, cents: -60 }], right: false },
  { name: 'an octave off within the figure', notes: figure([50, 65, 57]), right: true, sung: [2, 5, 9] },
  { name: 'a bass with a strong second harmonic', notes: figure([50, 41, 45]), options: { secondHarmonic: 1.6 }, right: true, sung: [2, 5, 9] },
  { name: 'pink-ish noise at 20 dB SNR', notes: figure([62, 65, 69]), options: { snrDb: 20 }, right: true, sung: [2, 5, 9] },
  { name: 'a note held too short', notes: [...figure([62, 65]), { midi: 69, seconds: 0.08 }], right: false },
  { name: 'a wrong note', notes: figure([62, 66, 69]), right: false },
];

// The native core's judgement of a file, and its FluidSynth choir, where its tool is built.
const judgeTool = ['bin/sonorix-sing-judge', 'bench/sonorix-sing-judge', 'tools/sonorix-sing-judge']
  .map((p) => join(process.env.SONORIX_BUILD_DIR ?? '', p))
  .find((p) => process.env.SONORIX_BUILD_DIR && existsSync(p));

const dir = mkdtempSync(join(tmpdir(), 'sonorix-sing-'));
for (const [i, c] of cases.entries()) {
  c.wav = join(dir, `case-${i}.wav`);
  writeWav(c.wav, voice(c.notes, c.options));
}
if (judgeTool) {
  for (const sound of ['choir', 'oohs']) {
    const wav = join(dir, `${sound}.wav`);
    execFileSync(judgeTool, ['render', wav, '--notes', '62,65,57', '--voice', sound, '--rate', String(rate)]);
    cases.push({ name: `TimGM6mb's ${sound}`, wav, right: true, sung: [2, 5, 9] });
  }
}
process.on('exit', () => rmSync(dir, { recursive: true, force: true }));

function forced(listIndex) {
  return { gateDb: -50, kind: 0, listIndex, inverted: false, start: 2 };
}

async function ready(context, server) {
  const page = await openPage(context, server.url);
  await login(page, 'Ann');
  await page.waitForSelector('body[data-ready=yes]');
  // The list index of 3-11 among the trichords, as the drill lists them.
  const listIndex = await page.evaluate(() => {
    const v = window.sonorixTest.view();
    return window.sonorixTest.rowListIndices()[v.rows.findIndex((r) => r.name === '11')];
  });
  return { page, listIndex };
}

// Each case fed straight to the page's core, sample block by sample block as the worklet posts them.
async function judgeInPage(page, listIndex, wav) {
  return page.evaluate(
    async ({ listIndex, pcm, rate }) => {
      const m = await (await import('./sonorix-sing.js')).default();
      const ex = m.exercise(0, 3, listIndex, '3-11', [0, 3, 7], false, 2, false, m.rangeOf(1));
      const settings = { ...m.defaults(), noiseGateDb: -50 };
      const session = new m.WebSingSession(ex, settings, rate);
      // 16-bit samples, as the file holds them.
      const bytes = Uint8Array.from(atob(pcm), (ch) => ch.charCodeAt(0));
      const all = Float32Array.from(new Int16Array(bytes.buffer), (v) => v / 32767);
      const notes = [];
      for (let i = 0; i < all.length && !session.done(); i += 1024)
        for (const e of session.feed(all.slice(i, i + 1024))) if (e.note) notes.push(e.note);
      const verdict = session.verdict();
      session.delete();
      return { verdict, notes: notes.map((n) => ({ pitchClass: n.pitchClass, cents: n.cents })) };
    },
    { listIndex, pcm: readFileSync(wav).subarray(44).toString('base64'), rate },
  );
}

test('the page\'s core judges each rendered voice as written, and as the native core does', async () => {
  const server = await serve();
  const chrome = await browser();
  try {
    const { page, listIndex } = await ready(chrome.context, server);
    for (const c of cases) {
      c.page = await judgeInPage(page, listIndex, c.wav);
      assert.equal(c.page.verdict.right, c.right, `${c.name}: ${JSON.stringify(c.page)}`);
      if (c.sung) assert.deepEqual(c.page.notes.map((n) => n.pitchClass), c.sung, c.name);
      if (judgeTool) {
        const native = JSON.parse(execFileSync(judgeTool, ['judge', c.wav, '--back', '62,65,69', '--name', '3-11', '--tolerance', '40'], { encoding: 'utf8' }));
        assert.equal(native.right, c.page.verdict.right, c.name);
        assert.deepEqual(native.notes.map((n) => ({ pitchClass: n.pitchClass, cents: n.cents })), c.page.notes, c.name);
      }
    }
    if (!judgeTool) console.log('# the native judge tool is not built: the page is checked against the verdicts written here');
  } finally {
    await chrome.close();
    await server.close();
  }
});

// The browser's fake microphone plays the file from its start each time it is opened.
async function throughMicrophone(c, shots = false) {
  const server = await serve();
  const chrome = await browser({
    args: [...chromiumArgs, '--use-fake-device-for-media-stream', '--use-fake-ui-for-media-stream', `--use-file-for-fake-audio-capture=${c.wav}`],
  });
  try {
    await chrome.context.grantPermissions(['microphone']);
    const { page, listIndex } = await ready(chrome.context, server);
    await page.evaluate((f) => {
      window.sonorixSingNext = f;
      window.sonorixStreams = [];
      const open = navigator.mediaDevices.getUserMedia.bind(navigator.mediaDevices);
      navigator.mediaDevices.getUserMedia = async (c) => {
        const s = await open(c);
        window.sonorixStreams.push(s);
        return s;
      };
      window.sonorixSingJudged = (v) => (window.sung = v);
    }, forced(listIndex));
    await page.click('summary:has-text("Progress")');
    await page.click('#sing-menu');
    await page.waitForSelector('#sing-dialog[open]');
    assert.equal(await page.evaluate(() => window.sonorixStreams.length), 0, 'no microphone before Start');
    await page.click('#sing-start');
    if (shots) {
      await page.waitForSelector('#sing-heard li');
      await shoot(page, 'web-sing-progress', () => page.evaluate(() => document.getElementById('sing-prompt').scrollIntoView()));
    }
    await page.waitForFunction(() => window.sung, null, { timeout: 30000 });
    // At 360 px nothing of the window needs scrolling sideways.
    await page.setViewportSize({ width: 360, height: 780 });
    const sideways = await page.evaluate(() => {
      const d = document.getElementById('sing-dialog');
      return d.scrollWidth - d.clientWidth;
    });
    assert.ok(sideways <= 0, `the window at 360 px is ${sideways} px too wide`);
    await page.setViewportSize({ width: 1280, height: 900 });
    if (shots) await shoot(page, 'web-sing-verdict', () => page.evaluate(() => document.getElementById('sing-verdict').scrollIntoView()));
    const result = await page.evaluate(() => ({
      verdict: window.sung.verdict,
      notes: window.sung.heard.map((n) => ({ pitchClass: n.pitchClass, cents: n.cents })),
      shown: document.getElementById('sing-verdict').textContent,
      listed: [...document.querySelectorAll('#sing-heard li')].map((li) => li.textContent),
      said: document.getElementById('sing-said').textContent,
      live: [...window.sonorixStreams.flatMap((s) => s.getTracks())].map((t) => t.readyState),
    }));
    await page.evaluate(() => window.sonorixTest.idle());
    result.log = await page.evaluate(() => String.fromCharCode(...window.sonorixTest.file('sing.dat')));
    await page.click('#sing-close');
    result.closed = await page.evaluate(() => !document.getElementById('sing-dialog').open);
    // My Progress counts the sung question.
    await page.click('summary:has-text("Progress")');
    await page.click('[data-action=progress]');
    await page.waitForFunction(() => document.getElementById('sing-counts').textContent);
    result.counts = await page.textContent('#sing-counts');
    return result;
  } finally {
    await chrome.close();
    await server.close();
  }
}

test('through the fake microphone the window shows the same notes and verdict, logs them and closes the microphone', async () => {
  for (const c of [cases[0], cases[2]]) {
    const r = await throughMicrophone(c, c === cases[2]);
    const direct = c.page ?? {};
    assert.equal(r.verdict.right, c.right, `${c.name}: ${JSON.stringify(r)}`);
    if (direct.notes) {
      assert.deepEqual(r.notes.map((n) => n.pitchClass), direct.notes.map((n) => n.pitchClass), c.name);
      // The capture starts within a hop of the file's start: the tracker's frames may fall a sample apart.
      r.notes.forEach((n, i) => assert.ok(Math.abs(n.cents - direct.notes[i].cents) <= 2, `${c.name}: ${n.cents} against ${direct.notes[i].cents}`));
    }
    // Worded by the core, as the desktop words it.
    assert.equal(r.shown, c.right ? 'Right! 3-11' : `Not yet: ${r.verdict.notes.filter((n) => n.expected >= 0 && n.right).length} of 3 notes right (3-11).`);
    assert.equal(r.listed.length, r.notes.length);
    assert.match(r.listed[0], /^D\d, [+−±]\d+ cents$/);
    assert.ok(r.said.startsWith(r.shown), 'the verdict is announced after the singing');
    assert.ok(r.live.length > 0 && r.live.every((s) => s === 'ended'), `the microphone is closed: ${r.live}`);
    const line = r.log.trim().split(/\r\n/).pop();
    assert.match(line, new RegExp(`^\\d{4}-\\d\\d-\\d\\dT[\\d:]{8} 3-11 B A 2 62,65,69 \\S+ ${c.right ? 'R' : 'W'} 1 [0-9a-f]{8} Ann$`));
    assert.ok(r.closed, 'Back to the Drill closes the window');
    assert.equal(r.counts, `Sung questions: 1; right at the first try: ${c.right ? 1 : 0}`);
  }
});

test('a refused microphone says so and leads back to the drill', async () => {
  const server = await serve();
  const chrome = await browser({ args: [...chromiumArgs, '--use-fake-device-for-media-stream', '--deny-permission-prompts'] });
  try {
    const { page, listIndex } = await ready(chrome.context, server);
    await page.evaluate((f) => (window.sonorixSingNext = f), forced(listIndex));
    await page.click('summary:has-text("Progress")');
    await page.click('#sing-menu');
    await page.click('#sing-start');
    await page.waitForSelector('#sing-fault:not([hidden])', { timeout: 15000 });
    assert.match(await page.textContent('#sing-fault-text'), /may not use the microphone.*go back to the drill/);
    assert.equal(await page.getAttribute('#sing-fault-text', 'role'), 'alert');
    await page.keyboard.press('Escape');
    assert.equal(await page.evaluate(() => document.getElementById('sing-dialog').open), false);
    assert.equal(await page.evaluate(() => document.activeElement?.closest('dialog')), null);
  } finally {
    await chrome.close();
    await server.close();
  }
});
