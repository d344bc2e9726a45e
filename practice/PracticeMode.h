// Practice mode in the drill window: its items in the "Progress" menu, the choice of the
// next question by the student's history, Show Answer, and END at any time
// with a summary. A practice drill is never eligible: it writes nothing to
// report.dat, errors.dat or hiscore.dat; practice.dat is its log.
#pragma once

#include <QObject>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "PracticeRun.h"
#include "Question.h"
#include "Random.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class TForm1;
class TProgressForm;
struct SetClassEntry;

class TPracticeMode : public QObject {
  Q_OBJECT
 public:
  explicit TPracticeMode(TForm1* form);
  ~TPracticeMode() override;

  QMenu* Practice1 = nullptr;        // the menu holding the items below
  QAction* PracticeMode1 = nullptr;  // checkable, kept in sonorix.ini
  QAction* ShowAnswer1 = nullptr;    // F5
  QMenu* AutoReveal1 = nullptr;      // "Show Answer Automatically"
  QAction* RevealNever1 = nullptr;
  QAction* RevealAfter2 = nullptr;
  QAction* RevealAfter3 = nullptr;
  QAction* RevealAfter5 = nullptr;
  QLabel* AnswerLabel = nullptr;     // the revealed set class, beside the answer field

  // The mode is chosen; a drill begun now is a practice drill.
  bool Active() const;
  // A practice drill runs (from its BEGIN to its END).
  bool Running() const { return run_ != nullptr; }
  PracticeRun* Run() { return run_.get(); }
  // Wrong answers to one question after which it is revealed; 0 never.
  int AutoRevealAfter() const;

  void PracticeMode1Click();
  void ShowAnswer1Click();
  void AutoRevealClick(int after);

  // --- the drill's steps, as the drill tells them -------------------------------
  void DrillBegins();
  int Choose(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng);
  void QuestionMade();
  void Answered(const QuestionState& asked, int givenListIndex, bool right);
  // Ends the practice drill; the summary window when asked.
  void DrillEnds(bool showSummary);

  static TPracticeMode* Of(const TForm1* form);

 signals:
  // Show Answer: the question shown, and the class named wrongly last (or none).
  void answerShown(const QuestionState& asked, const SetClassEntry* named);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateItems();
  void UpdateTitle();
  void Reveal(::Reveal how);
  std::string NameOf(int listIndex) const;

  TForm1* form_;
  QActionGroup* revealGroup_ = nullptr;
  std::unique_ptr<PracticeRun> run_;
  bool settingTitle_ = false;
};

// Adds the items to the "Progress" menu (a "Practice" menu before "Help"
// when there is none), once.
void InstallPracticeMode(TForm1* form);
// The practice section in an open "My Progress…" window, for the drill
// window's current list as the filters enable it.
void AddPracticeSection(TForm1* form, TProgressForm* window);

// The stored settings.
bool PracticeModeSetting();
void SetPracticeModeSetting(bool on);
int AutoRevealSetting();  // 0, 2, 3 or 5
void SetAutoRevealSetting(int after);
