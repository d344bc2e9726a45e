// When a question sounds: at once, after the pause, or when the student asks;
// a question dropped never sounds later.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './load.mjs';

const stored = new Map();
globalThis.localStorage = { getItem: (k) => stored.get(k) ?? null, setItem: (k, v) => stored.set(k, String(v)) };
const { Pacing, readPacing, storePacing } = await load('pacing.ts');

function pacing(choice) {
  const sounded = [];
  const waiting = [];
  const p = new Pacing((plan) => sounded.push(plan), (w) => waiting.push(w));
  p.choice = choice;
  return { p, sounded, waiting };
}
const plan = [{ atMs: 0, key: 60, velocity: 100, lengthMs: 900 }];

test('"wait for me" holds the question until it is asked for, once', () => {
  const { p, sounded, waiting } = pacing({ pauseSeconds: 3, waitForMe: true });
  p.question(plan);
  assert.equal(p.waiting, true);
  assert.deepEqual(sounded, []);
  assert.equal(p.release(), true);
  assert.equal(p.release(), false, 'nothing waits any more');
  assert.deepEqual(sounded, [plan]);
  assert.deepEqual(waiting, [true, false]);
  // A question played another way before it was asked for is gone.
  p.question(plan);
  p.drop();
  assert.equal(p.release(), false);
  assert.equal(sounded.length, 1);
});

test('a pause delays the question; one dropped or replaced meanwhile never sounds', (t) => {
  t.mock.timers.enable({ apis: ['setTimeout'] });
  const { p, sounded } = pacing({ pauseSeconds: 2, waitForMe: false });
  p.question(plan);
  t.mock.timers.tick(1999);
  assert.deepEqual(sounded, []);
  t.mock.timers.tick(1);
  assert.deepEqual(sounded, [plan]);
  p.question([{ ...plan[0], key: 61 }]);
  p.drop();
  const next = [{ ...plan[0], key: 62 }];
  p.question([{ ...plan[0], key: 63 }]);
  p.question(next);
  t.mock.timers.tick(5000);
  assert.deepEqual(sounded, [plan, next]);
  // No pause: at once.
  p.choice = { pauseSeconds: 0, waitForMe: false };
  p.question(plan);
  assert.equal(sounded.length, 3);
});

test('a stored choice out of range or damaged reads as no pause', () => {
  storePacing({ pauseSeconds: 4, waitForMe: true });
  assert.deepEqual(readPacing(), { pauseSeconds: 4, waitForMe: true });
  for (const text of ['{"pauseSeconds":9}', '{"pauseSeconds":1.5,"waitForMe":"yes"}', '{', 'null']) {
    stored.set('sonorix-pacing', text);
    assert.deepEqual(readPacing(), { pauseSeconds: 0, waitForMe: false }, text);
  }
});
