// The drill window's "Progress" menu: the progress and confusion windows, and
// the choice to hear the set class named by a wrong answer.
#pragma once

#include <QObject>
#include <cstdint>
#include <optional>

#include "ConfusionMatrix.h"

class DrillSession;
class DrillView;
class QAction;
class QMenu;
class QObject;
class TProgressForm;

class TProgressMenu : public QObject {
  Q_OBJECT
 public:
  explicit TProgressMenu(DrillView* view);

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
  // A wrong answer naming that set class was just counted.
  void WrongAnswer(int givenListIndex);

  std::optional<EndedDrill> LastDrill;

  // The menu of that drill window, nullptr before InstallProgressMenu.
  static TProgressMenu* Of(const QObject* window);

 signals:
  // "My Progress…" is about to show its window: others may add to it.
  void progressWindowOpening(TProgressForm* window);

 private:
  // After BEGIN: notes when the drill began and how it is played.
  void DrillStarted();
  void MannerChanged(int manner);
  void WriteNote(int32_t secondsOfDay, int manner);
  DrillView& view_;
  DrillSession& drill_;
  int playMode_ = 0;  // the manner last told by the filter model
  uint64_t logSizeBefore_ = 0;
  int64_t noteOffset_ = -1;  // the running drill's S record, -1 when unknown
  int32_t noteDay_ = 0;
  int32_t noteSeconds_ = 0;
};

// Adds the menu between "MIDI" and "Help", once.
void InstallProgressMenu(DrillView* view);

// The stored choice; off when never made.
bool PlayWrongAnswersSetting();
void SetPlayWrongAnswersSetting(bool on);
