// The drill window for screen readers and keyboard users: its controls'
// names, the keys the design leaves to the mouse, and its spoken news.
#pragma once

#include <QString>

class TForm1;

// Names the controls, sets the tab order and installs the extra keys. Run
// once, after the window is created.
void MakeDrillWindowAccessible(TForm1* form);

enum class DrillNews {
  Started,     // BEGIN: the first question sounds
  Right,       // listIndex: the set class answered
  Wrong,       // listIndex: the set class given
  WrongAgain,  // the same wrong answer again, not counted
  NoAnswer,    // Submit with no set class chosen
};
// Announces what just happened in the drill window: `setClass` is the set
// class answered or given ("3-11"), `waitsForStudent` whether the next
// question waits for Space.
void AnnounceDrill(TForm1* form, DrillNews news, const QString& setClass, bool waitsForStudent);

// The drill's state as the state key speaks it: "3 right, 1 wrong, time
// 1:05, END possible."
QString DrillStateText(const TForm1* form);

// Names the answer field after the cardinality its prefix shows ("3 -" or
// "4 -"); run whenever the prefix changes.
void NameAnswerField(TForm1* form);
