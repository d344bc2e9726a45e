// The built-in synthesizer, rendered offline in the browser: every note of a
// question starts within 1.5 ms of its planned time, and the piano cut out of
// TimGM6mb sounds sample for sample as the whole SoundFont does.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { login, openPage, shared } from './harness.mjs';

let page;
shared({}, { '/full.sf2': process.env.SONORIX_SOUNDFONT || '/usr/share/sounds/sf2/TimGM6mb.sf2' }, async (at) => {
  page = await openPage(at.chrome.context, at.server.url);
});

// Renders the plans offline (notes from `lead` seconds in) and hands each rendering's
// left channel to `analyse` inside the page, so only figures come back.
async function render(plans, font, seconds, analyse) {
  return page.evaluate(
    async ({ plans, font, seconds, analyse, lead }) => {
      const { loadWorklet, createSynthNode, planFrames } = window.sonorixAudio;
      const bytes = await (await fetch(font)).arrayBuffer();
      const rate = 48000;
      const renders = [];
      for (const plan of plans) {
        const ctx = new OfflineAudioContext(2, rate * seconds, rate);
        await loadWorklet(ctx);
        // The processor runs once rendering has begun: stop at once to hand it its font and notes.
        const suspended = ctx.suspend(256 / rate);
        const rendering = ctx.startRendering();
        await suspended;
        const node = await createSynthNode(ctx, bytes.slice(0));
        // The notes are in the processor's queue before rendering goes on.
        await new Promise((resolve) => {
          node.port.onmessage = (ev) => ev.data.type === 'queued' && resolve();
          node.port.postMessage({ type: 'notes', notes: planFrames(plan, lead, rate) });
        });
        await ctx.resume();
        renders.push((await rendering).getChannelData(0));
      }
      const firstSound = (x) => x.findIndex((v) => Math.abs(v) > 1e-4);
      return new Function('renders', 'firstSound', analyse)(renders, firstSound);
    },
    { plans, font, seconds, analyse, lead },
  );
}

const rate = 48000;
// Off the synthesizer's 64-frame grid, so that its rounding is measured too.
const lead = 0.2004;
const start = lead * rate;

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
  const { attacks, onsets } = await render([plan, ...solos, ...without], 'sonorix.sf2', 0.6 + Math.max(...plan.map((n) => n.atMs)) / 1000, `
    const n = (renders.length - 1) / 2;
    const whole = renders[0];
    const attacks = renders.slice(1, 1 + n).map(firstSound);
    const onsets = renders.slice(1 + n).map((w) => firstSound(whole.map((v, k) => v - w[k])));
    return { attacks, onsets };`);
  const errors = plan.map((note, i) => {
    const attack = attacks[i] - start;
    assert.ok(attack >= 0 && attack < 0.01 * rate, `note ${note.key} sounds alone`);
    const planned = start + (note.atMs / 1000) * rate + attack;
    return ((onsets[i] - planned) / rate) * 1000;
  });
  console.log(`onset errors (ms): ${errors.map((e) => e.toFixed(3)).join(' ')}`);
  errors.forEach((e, i) => assert.ok(Math.abs(e) <= 1.5, `note ${i} at ${plan[i].atMs} ms is off by ${e.toFixed(2)} ms`));
});

test('the piano cut out of the SoundFont sounds as the whole SoundFont does', async () => {
  const chord = [43, 50, 55, 61, 67].map((key, i) => ({ atMs: i * 250, key, velocity: 64 }));
  const analyse = 'return [Array.from(renders[0])]';
  const [cut] = await render([chord], 'sonorix.sf2', 1.5, analyse);
  const [whole] = await render([chord], 'full.sf2', 1.5, analyse);
  assert.ok(cut.some((v) => Math.abs(v) > 1e-3), 'it sounds');
  let worst = 0;
  for (let i = 0; i < cut.length; i++) worst = Math.max(worst, Math.abs(cut[i] - whole[i]));
  assert.equal(worst, 0);
});
