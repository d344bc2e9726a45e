// The drill's answers read in one place: an action's result, its notes and
// the view after it come together, the notes handed on before the view is read.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { load } from './load.mjs';

const { DrillCore } = await load('core.ts');

function fakeDrill() {
  const calls = [];
  const notes = [{ atMs: 0, key: 60, velocity: 100, lengthMs: 900 }];
  let pending = JSON.stringify(notes);
  return {
    calls,
    notes,
    native: {
      repeat: () => calls.push('repeat'),
      takeNotes: () => {
        calls.push('takeNotes');
        const out = pending;
        pending = '[]';
        return out;
      },
      view: () => (calls.push('view'), '{"drilling":true,"correct":2,"rows":[{"label":"3-1 (0,1,2)","name":"1"}]}'),
      beginOrEnd: () => '',
      submit: () => '{"right":true,"counted":true,"judgeMs":0.25}',
      rowListIndices: () => '[4,0,2]',
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

test('the answers arrive typed: no score after BEGIN, the judgement, the rows', () => {
  const drill = new DrillCore(fakeDrill().native);
  assert.equal(drill.beginOrEnd(), null);
  assert.deepEqual(drill.submit(0), { right: true, counted: true, judgeMs: 0.25 });
  assert.deepEqual(drill.rowListIndices(), [4, 0, 2]);
});
