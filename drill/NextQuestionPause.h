// An opt-in pause before the next question sounds after a right answer, so
// that a screen reader's "Right" is not covered by the music. Kept in
// sonorix.ini ([Drill] PauseBeforeNextQuestion, 0 to 3 seconds; 0 is off).
// Nothing else waits: the counters, the announcement and the drill's clock go
// on at once; only the new question's notes come later.
#pragma once

inline constexpr int kMaxPauseBeforeNextQuestion = 3;  // seconds

// The pause in seconds as sonorix.ini sets it, 0 to 3.
int PauseBeforeNextQuestion();
