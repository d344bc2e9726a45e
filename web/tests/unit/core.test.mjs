// One step into the drill: an action's result, its notes and the view after
// it come together, the notes handed on before the view is read. (The
// answers' own shapes are checked on the compiled core: drill-values.test.mjs.)
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './load.mjs';

const { DrillCore } = await load('core.ts');

function fakeDrill() {
  const calls = [];
  const notes = [{ atMs: 0, key: 60, velocity: 100, lengthMs: 900 }];
  let pending = notes;
  return {
    calls,
    notes,
    native: {
      repeat: () => calls.push('repeat'),
      takeNotes: () => {
        calls.push('takeNotes');
        const out = pending;
        pending = [];
        return out;
      },
      view: () => (calls.push('view'), { drilling: true, correct: 2, rows: [{ label: '3-1 (0,1,2)', name: '1' }] }),
    },
  };
}

test('a step runs the action, hands its notes on, then reads the view', () => {
  const fake = fakeDrill();
  const drill = new DrillCore(fake.native);
  const heard = [];
  const step = drill.step((d) => (d.repeat(), 'done'), (plan) => heard.push([[...fake.calls], plan]));
  assert.deepEqual(fake.calls, ['repeat', 'takeNotes', 'view']);
  assert.deepEqual(heard, [[['repeat', 'takeNotes'], fake.notes]]);
  assert.equal(step.result, 'done');
  assert.deepEqual(step.notes, fake.notes);
  assert.equal(step.view.correct, 2);
  // The notes are taken once: the next step plays none.
  assert.deepEqual(drill.step(() => undefined).notes, []);
});
