// The drill's answers as the compiled core hands them, from a module of its
// own on files of its own: every field core.ts declares is there with its
// type, and texts come through as they went in.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { openPage, shared } from './harness.mjs';

const at = shared();

// A value's shape: the type of each field, the distinct shapes of a list's items.
function shape(v) {
  if (Array.isArray(v)) return [...new Set(v.map((x) => JSON.stringify(shape(x))))].map((s) => JSON.parse(s));
  if (v === null) return 'null';
  if (typeof v === 'object') return Object.fromEntries(Object.entries(v).map(([k, x]) => [k, shape(x)]));
  return typeof v;
}

const note = { atMs: 'number', key: 'number', velocity: 'number', lengthMs: 'number' };
const viewShape = {
  drilling: 'boolean', correct: 'number', incorrect: 'number', clock: 'string', clockShown: 'boolean', begin: 'string',
  beginEnabled: 'boolean', playEnabled: 'boolean', prefix: 'string', rows: [{ label: 'string', name: 'string' }],
  cardinality: 'number', range: 'number', manner: 'number', loggedIn: 'boolean', person: 'string', catalogueMissing: 'boolean',
};
const filtersShape = { cardinality: 'number', range: 'number', save: 'boolean', boxes: [{ label: 'string', checked: 'boolean' }] };
const judgedShape = { right: 'boolean', counted: 'boolean', judgeMs: 'number' };

test('a drill from login to score hands typed values', async () => {
  const page = await openPage(at.chrome.context, at.server.url);
  const name = 'Zoë "Z" \\ Ünal';
  const got = await page.evaluate(async (person) => {
    const factory = (await import(new URL('./sonorix-core.js', document.baseURI).href)).default;
    const stored = new Map();
    let now = 10000;
    const core = await factory({
      webFiles: {
        read: (n) => stored.get(n),
        replace: (n, b) => stored.set(n, b),
        append: (n, b) => stored.set(n, new Uint8Array([...(stored.get(n) ?? []), ...b])),
      },
      webClock: () => now,
      webToday: () => 38961,
      webSchedule: () => undefined,
    });
    const drill = new core.WebDrill(await (await fetch('ftclass.dat')).text(), 12345);
    const out = { nobody: drill.people(), idleJudged: drill.submit(0), login: drill.login(person) };
    drill.shown();
    Object.assign(out, { people: drill.people(), filters: drill.filters(), filtersFor: drill.filtersFor(1), idleNotes: drill.takeNotes() });
    out.begun = drill.beginOrEnd();
    Object.assign(out, { notes: drill.takeNotes(), notesAgain: drill.takeNotes(), question: drill.question(), rows: drill.rowListIndices(), view: drill.view() });
    now += 3000;
    out.judged = drill.submit(out.rows.indexOf(out.question.listIndex));
    out.after = drill.view();
    out.score = drill.beginOrEnd();
    drill.scoreClosed();
    out.closed = drill.view();
    drill.delete();
    return out;
  }, name);
  await page.close();

  assert.deepEqual(got.nobody, { names: [], selected: -1 });
  assert.deepEqual(got.idleJudged, { right: false, counted: false, judgeMs: 0 });
  // No saved filters: nothing to ask, and no summary.
  assert.deepEqual(got.login, { ask: false, listed: '', rest: '' });
  assert.deepEqual(got.people, { names: [name], selected: 0 });

  assert.deepEqual(shape(got.filters), filtersShape);
  assert.equal(got.filters.cardinality, 0);
  assert.equal(got.filters.boxes.length, 12);
  assert.match(got.filters.boxes[0].label, /^3-1 /);
  assert.equal(got.filtersFor.cardinality, 1);
  assert.equal(got.filtersFor.boxes.length, 29);
  assert.ok(got.filtersFor.boxes.every((b) => b.checked));

  // BEGIN has no score; its question's notes are taken once.
  assert.equal(got.begun, null);
  assert.deepEqual(got.idleNotes, []);
  assert.deepEqual(shape(got.notes), [note]);
  assert.ok(got.notes.length >= 3);
  assert.deepEqual(got.notesAgain, []);

  assert.deepEqual(shape(got.question), { listIndex: 'number', sorted: ['number'], played: ['number'], joined: 'number' });
  assert.equal(got.question.sorted.length, 3);
  assert.deepEqual([...got.question.played].sort((a, b) => a - b), got.question.sorted);
  assert.deepEqual(shape(got.rows), ['number']);
  assert.equal(got.rows.length, 12);

  assert.deepEqual(shape(got.view), viewShape);
  assert.equal(got.view.person, name);
  assert.equal(got.view.drilling, true);
  assert.equal(got.view.begin, 'BEGIN');
  assert.deepEqual(got.view.rows.map((r) => r.name), got.rows.map((i) => got.filters.boxes[i].label.split(' ')[0].slice(2)));

  assert.deepEqual(shape(got.judged), judgedShape);
  assert.equal(got.judged.right, true);
  assert.equal(got.judged.counted, true);
  assert.ok(got.judged.judgeMs >= 0);
  assert.equal(got.after.correct, 1);

  const s = got.score;
  assert.deepEqual(shape({ ...s, tables: [] }), {
    time: 'string', timePoints: 'string', percentage: 'string', longevity: 'string', score: 'string', filtersUsed: 'boolean',
    cardinality: 'number', range: 'number', newEntryIndex: 'number', tables: [],
  });
  assert.equal(s.tables.length, 6);
  assert.ok(s.tables.every((t) => Array.isArray(t) && t.every((line) => typeof line === 'string')));
  // The drill's own table holds it, at the row it went into.
  assert.match(s.tables[s.cardinality * 3 + s.range][s.newEntryIndex], /100\.0%/);
  assert.equal(got.closed.drilling, false);
});
