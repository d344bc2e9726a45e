// When the next question sounds after a right answer: at once, after an
// opt-in pause, or only when the student asks for it ("wait for me"), so that
// a screen reader's "Right" is not covered by the music. Kept in sonorix.ini
// ([Drill] PauseBeforeNextQuestion, 0 to 5 seconds, 0 is off; WaitForMe).
// Nothing else waits: the counters, the announcement and the drill's clock go
// on at once; only the new question's notes come later.
#pragma once

inline constexpr int kMaxPauseBeforeNextQuestion = 5;  // seconds

// The pause in seconds as sonorix.ini sets it, 0 to 5.
int PauseBeforeNextQuestion();
// Whether each question waits for Space, Enter or Next.
bool WaitForMeSetting();
// Keeps both in sonorix.ini; false when it could not be written.
bool SetPacingSettings(int pauseSeconds, bool waitForMe);
