// The drill window's "Progress" menu: the progress and confusion windows, and
// the choice to hear the set class named by a wrong answer.
#pragma once

#include <QObject>
#include <optional>

#include "ConfusionMatrix.h"

class QAction;
class QMenu;
class TForm1;

class TProgressMenu : public QObject {
  Q_OBJECT
 public:
  explicit TProgressMenu(TForm1* form);

  QMenu* Progress1 = nullptr;
  QAction* MyProgress1 = nullptr;
  QAction* Confusions1 = nullptr;
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
  TForm1* form_;
};

// Adds the menu between "MIDI" and "Help", once.
void InstallProgressMenu(TForm1* form);
// Called where the drill window counts a wrong answer: when chosen, plays the
// set class the student named after a short pause. Counts nothing.
void PlayWrongAnswerIfWanted(TForm1* form);

// The stored choice; off when never made.
bool PlayWrongAnswersSetting();
void SetPlayWrongAnswersSetting(bool on);
