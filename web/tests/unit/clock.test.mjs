// The page's time: the browser's clock and the drill files' day numbers, and
// the address's repeatable drill: a clock moved by hand, as the core's 32-bit count.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './load.mjs';

const { addressClock, systemClock } = await load('clock.ts');

let t = 1000.75;
const date = () => new Date(2006, 8, 1, 10, 30, 15);
const system = systemClock(() => t, date);

test('the browser\'s clock counts from the page\'s start; the day and time are the local ones', () => {
  t = 3500.5;
  assert.equal(system.now(), 2499);
  system.advance(1e6);
  assert.equal(system.now(), 2499, 'a running clock is not moved');
  assert.equal(system.today(), 38961, '1 September 2006 in the files\' days');
  assert.equal(system.secondOfDay(), 10 * 3600 + 30 * 60 + 15);
  assert.equal(system.seed, Math.floor(date().getTime() / 1000));
});

test('a manual clock moves only by hand and wraps as the core\'s count; the address fixes the day and seed', () => {
  const c = addressClock(new URLSearchParams('clock=manual&start=4294967000&today=40000&seed=7'), system);
  assert.equal(c.now(), 4294967000);
  t += 5000;
  assert.equal(c.now(), 4294967000);
  c.advance(500);
  assert.equal(c.now(), 204);
  assert.deepEqual([c.today(), c.secondOfDay(), c.seed], [40000, 36000, 7]);
  // What the address leaves out stays the browser's.
  const seeded = addressClock(new URLSearchParams('seed=12'), system);
  seeded.advance(1e6);
  assert.deepEqual([seeded.now(), seeded.today(), seeded.seed], [system.now(), 38961, 12]);
});
