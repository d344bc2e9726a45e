// "What I Heard": the question's notes on a staff and a keyboard, in a window of
// its own beside the drill window, so the drill window stays as it is.
// In practice mode it shows after every answer and after Show Answer, with the
// class named wrongly beside the question. In a drill it shows only when the
// student checks View › Show What I Heard (kept in sonorix.ini), and only after
// a right answer, so that a test stays a test.
#pragma once

#include <QDialog>
#include <vector>

#include "NotationView.h"

class DrillView;
class QAction;
class QLabel;
struct QuestionState;
struct SetClassEntry;

class THeardForm : public QDialog {
  Q_OBJECT
 public:
  explicit THeardForm(DrillView* view);

  TNotationView* View = nullptr;
  QLabel* TextLabel = nullptr;  // the picture in words

  // The question asked; the class named wrongly beside it, in close position on
  // the question's lowest note, when `named` is given. Shown beside the drill
  // window without taking the keyboard from it.
  void ShowQuestion(const QuestionState& asked, const SetClassEntry* named);

 private:
  DrillView* view_;
  bool placed_ = false;
};

// The window, made on first use; nullptr before.
THeardForm* HeardWindow(const QObject* window);
// View › Show What I Heard, and the window following the drill and practice mode.
void InstallHeardPicture(DrillView* view);

bool ShowWhatIHeardSetting();
void SetShowWhatIHeardSetting(bool on);
