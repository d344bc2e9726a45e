// A judged try into sing.dat, through the drill's core, which has the files:
// the exercise, the notes heard with their deviations, the verdict, the try.
import { act, page, view } from './page';
import type { SingExercise, SingVerdict, SungNote } from './sing-core';

export function recordSung(exercise: SingExercise, heard: SungNote[], verdict: SingVerdict, attempt: number) {
  const core = page.core;
  const person = view()?.person ?? '';
  if (!core || !person) return;
  void act(() => core.recordSung(exercise, heard, verdict.right, attempt, person));
}
