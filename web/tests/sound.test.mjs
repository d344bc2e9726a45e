// The built-in synthesizer, rendered offline in the browser: every note of a
// question starts within 1.5 ms of its planned time, and the piano cut out of
// TimGM6mb sounds sample for sample as the whole SoundFont does.
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { browser, login, openPage, serve } from './harness.mjs';

let server;
let chrome;
let page;

before(async () => {
  server = await serve({ '/full.sf2': process.env.SONORIX_SOUNDFONT || '/usr/share/sounds/sf2/TimGM6mb.sf2' });
  chrome = await browser();
  page = await openPage(chrome.context, server.url);
});

after(async () => {
  await chrome?.close();
  await server?.close();
});

// Renders the plans offline; the notes start `lead` seconds in. Returns the left channel of each.
async function render(plans, font = 'sonorix.sf2', seconds = 3) {
  return page.evaluate(
    async ({ plans, font, seconds }) => {
      const { loadWorklet, createSynthNode, planFrames } = window.sonorixAudio;
      const bytes = await (await fetch(font)).arrayBuffer();
      const out = [];
      for (const plan of plans) {
        const rate = 48000;
        const ctx = new OfflineAudioContext(2, rate * seconds, rate);
        await loadWorklet(ctx);
        // The processor runs once rendering has begun: stop at once to hand it its font and notes.
        const suspended = ctx.suspend(256 / rate);
        const rendering = ctx.startRendering();
        await suspended;
        const node = await createSynthNode(ctx, bytes.slice(0));
        node.port.postMessage({ type: 'notes', notes: planFrames(plan, 0.2, rate) });
        await new Promise((r) => setTimeout(r, 50));
        await ctx.resume();
        const buffer = await rendering;
        out.push(Array.from(buffer.getChannelData(0)));
      }
      return out;
    },
    { plans, font, seconds },
  );
}

function firstSound(samples, from = 0, threshold = 1e-4) {
  for (let i = from; i < samples.length; i++) if (Math.abs(samples[i]) > threshold) return i;
  return -1;
}

const rate = 48000;
const start = 0.2 * rate;

test("every note of a question sounds within 1.5 ms of its planned time", async () => {
  await login(page, 'Onset');
  // A figure of the drill: its plan as the core made it.
  await page.check('input[name="manner"][value="1"]');
  await page.click('#begin');
  await page.waitForFunction(() => window.sonorixPlayed.some((p) => p.length > 0));
  const plan = await page.evaluate(() => window.sonorixPlayed.find((p) => p.length > 0));
  assert.ok(plan.length >= 3);
  assert.ok(plan.some((n) => n.atMs > 0), 'a figure spreads its notes');

  // Each note alone, at the plan's start, gives its own attack; each note's
  // onset in the whole figure is where the figure without it differs.
  const solos = plan.map((n) => [{ atMs: 0, key: n.key, velocity: n.velocity }]);
  const without = plan.map((_, i) => plan.filter((__, j) => j !== i));
  const [whole, ...rest] = await render([plan, ...solos, ...without]);
  const soloRenders = rest.slice(0, plan.length);
  const withoutRenders = rest.slice(plan.length);
  plan.forEach((note, i) => {
    const attack = firstSound(soloRenders[i]) - start;
    assert.ok(attack >= 0 && attack < 0.01 * rate, `note ${note.key} sounds alone`);
    const diff = whole.map((v, k) => v - withoutRenders[i][k]);
    const onset = firstSound(diff);
    const planned = start + (note.atMs / 1000) * rate + attack;
    const errorMs = ((onset - planned) / rate) * 1000;
    assert.ok(Math.abs(errorMs) <= 1.5, `note ${i} (${note.key}) at ${note.atMs} ms is off by ${errorMs.toFixed(2)} ms`);
  });
});

test('the piano cut out of the SoundFont sounds as the whole SoundFont does', async () => {
  const chord = [43, 50, 55, 61, 67].map((key, i) => ({ atMs: i * 250, key, velocity: 64 }));
  const [cut] = await render([chord], 'sonorix.sf2', 2);
  const [whole] = await render([chord], 'full.sf2', 2);
  assert.ok(firstSound(cut) > 0, 'it sounds');
  let worst = 0;
  for (let i = 0; i < cut.length; i++) worst = Math.max(worst, Math.abs(cut[i] - whole[i]));
  assert.equal(worst, 0);
});
