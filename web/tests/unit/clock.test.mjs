// The page's time: a clock moved by hand for repeatable drills, the drill
// files' day numbers, and the core's unsigned milliseconds.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './load.mjs';

const { pageClock } = await load('clock.ts');

test('a manual clock moves only by hand and wraps as the core\'s 32-bit count', () => {
  const c = pageClock(new URLSearchParams('clock=manual&start=4294967000&today=38961&seed=7'), () => 123456);
  assert.equal(c.now(), 4294967000);
  c.advance(500);
  assert.equal(c.now(), 204);
  assert.equal(c.today(), 38961);
  assert.equal(c.secondOfDay(), 36000);
  assert.equal(c.seed, 7);
});

test('a running clock counts from the page\'s start; the day and time are the local ones', () => {
  let t = 1000.75;
  const date = () => new Date(2006, 8, 1, 10, 30, 15);
  const c = pageClock(new URLSearchParams(''), () => t, date);
  t = 3500.5;
  assert.equal(c.now(), 2499);
  c.advance(1e6);
  assert.equal(c.now(), 2499, 'a running clock is not moved');
  assert.equal(c.today(), 38961, '1 September 2006 in the files\' days');
  assert.equal(c.secondOfDay(), 10 * 3600 + 30 * 60 + 15);
  assert.equal(c.seed, Math.floor(date().getTime() / 1000));
});
