// What a screen reader and a keyboard-only student need beyond what the
// windows show: names and descriptions of every control, roles the toolkit
// does not give on its own, spoken news of the drill, and keys that reach
// what otherwise only a mouse reaches. Nothing of it shows on the screen.
#pragma once

#include <QString>

#include "Accessible.h"

class QFont;
class QLabel;
class QWidget;
class TConfusionForm;
class TForm1;
class TProgressForm;

// Names every control of every window that exists, sets their tab orders
// and installs the extra keys. Run once, after the windows are created.
void MakeWindowsAccessible();

// The progress and confusion windows are made anew each time they open:
// their maker names their controls.
void MakeProgressWindowAccessible(TProgressForm* window);
void MakeConfusionWindowAccessible(TConfusionForm* window);

enum class DrillNews {
  Started,     // BEGIN: the first question sounds
  Right,       // listIndex: the set class answered
  Wrong,       // listIndex: the set class given
  WrongAgain,  // the same wrong answer again, not counted
  NoAnswer,    // Submit with no set class chosen
};
// Announces what just happened in the drill window, with the counts.
void AnnounceDrill(TForm1* form, DrillNews news, int listIndex = -1);

// Names the answer field after the cardinality its prefix shows ("3 -" or
// "4 -"); run whenever the prefix changes.
void NameAnswerField(TForm1* form);

// "3-11" for a list index of the drill window's current list; empty when none.
QString SetClassName(const TForm1* form, int listIndex);
