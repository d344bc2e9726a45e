// The drill window's "Progress" menu: the progress and confusion windows, and
// the choice to hear the set class named by a wrong answer.
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>
#include <vector>

#include "ErrorStats.h"
#include "Random.h"

class QAction;
class QMenu;
class TForm1;
struct SetClassEntry;

// The statistics of the drill that ended last, kept until the next begins:
// the drill window clears its own once the drill is over.
struct EndedDrill {
  ErrorStats stats{};
  int cardinalityIndex = 0;
};

class TProgressMenu : public QObject {
  Q_OBJECT
 public:
  explicit TProgressMenu(TForm1* form);

  QMenu* Progress1 = nullptr;
  QAction* MyProgress1 = nullptr;
  QAction* Confusions1 = nullptr;
  QAction* ClassOverview1 = nullptr;
  QAction* PlayMyWrongAnswers1 = nullptr;

  void MyProgress1Click();
  void Confusions1Click();
  void PlayMyWrongAnswers1Click();
  // Before the menu opens: its windows only between drills.
  void UpdateItems();
  // A wrong answer was just counted.
  void WrongAnswer();

  std::optional<EndedDrill> LastDrill;

  // The menu of that drill window, nullptr before InstallProgressMenu.
  static TProgressMenu* Of(const TForm1* form);

 private:
  void Button1Pressed();
  // After BEGIN: notes when the drill began and how it is played.
  void Button1Clicked();
  void MannerChanged(int manner);
  void WriteNote(int32_t secondsOfDay, int manner);
  TForm1* form_;
  bool drillWasRunning_ = false;
  uint64_t logSizeBefore_ = 0;
  int64_t noteOffset_ = -1;  // the running drill's S record, -1 when unknown
  int32_t noteDay_ = 0;
  int32_t noteSeconds_ = 0;
};

// Adds the menu between "MIDI" and "Help", once.
void InstallProgressMenu(TForm1* form);
// Called where the drill window counts a wrong answer: when chosen, plays the
// set class the student named after a short pause. Counts nothing.
void PlayWrongAnswerIfWanted(TForm1* form);

// Plays the entries in their prime forms through the drill window's output
// port, in its range and "Play:" manner: a pause, then each entry with a pause
// between. Uses a random source of its own so the drill's questions stay as
// they would have been.
void PlayThroughDrillWindow(TForm1* form, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                            uint32_t pauseBetween);

// The stored choice; off when never made.
bool PlayWrongAnswersSetting();
void SetPlayWrongAnswersSetting(bool on);
