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

class DrillSession;
class DrillView;
class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QPushButton;
class QWidget;
class TProgressForm;
struct SetClassEntry;

class TPracticeMode : public QObject {
  Q_OBJECT
 public:
  explicit TPracticeMode(DrillView* view);
  ~TPracticeMode() override;

  QMenu* Practice1 = nullptr;        // the menu holding the items below
  QAction* PracticeMode1 = nullptr;  // checkable, kept in sonorix.ini
  QAction* ShowAnswer1 = nullptr;    // F5
  QMenu* AutoReveal1 = nullptr;      // "Show Answer Automatically"
  QAction* RevealNever1 = nullptr;
  QAction* RevealAfter2 = nullptr;
  QAction* RevealAfter3 = nullptr;
  QAction* RevealAfter5 = nullptr;
  QAction* PlayNamed1 = nullptr;     // F6: the class named last, again, after a reveal
  QLabel* AnswerLabel = nullptr;     // the revealed set class and the one named, above the answer field
  QLabel* PartLabel = nullptr;       // which part of the reveal sounds now
  QPushButton* NextButton = nullptr; // the next question, once the student asks for it

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
  void PlayNamed1Click();
  // After a reveal: the next question is made and played.
  void NextButtonClick();
  // A reveal waits for the student to ask for the next question.
  bool WaitingForNext() const { return revealed_.has_value(); }

  // --- the drill's steps, as the drill tells them -------------------------------
  void DrillBegins();
  int Choose(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng);
  void QuestionMade();
  void Answered(const QuestionState& asked, int givenListIndex, bool right);
  // Ends the practice drill; the summary window when asked.
  void DrillEnds(bool showSummary);

  // The practice mode of that drill window, nullptr before InstallPracticeMode.
  static TPracticeMode* Of(const QObject* window);

 signals:
  // Show Answer: the question shown, and the class named wrongly last (or none).
  void answerShown(const QuestionState& asked, const SetClassEntry* named);
  // A question was revealed: its voicing, its list index and the list index
  // of the class named last (-1 when none was).
  void answerRevealed(const QuestionState& question, int askedListIndex, int namedListIndex);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void UpdateItems();
  void UpdateTitle();
  void Reveal(::Reveal how);
  // Plays the revealed question and/or the class named, `leadIn` ms from
  // now, without waiting; each part's name shows as it sounds.
  void PlayRevealed(bool question, bool named, uint32_t leadIn);
  // Silences what the reveal still has to play.
  void StopRevealed();
  void EndWaiting();
  std::string NameOf(int listIndex) const;

  DrillView& view_;
  DrillSession& drill_;
  QWidget* window_;
  QActionGroup* revealGroup_ = nullptr;
  std::unique_ptr<PracticeRun> run_;
  bool settingTitle_ = false;
  struct Revealed {
    QuestionState question;
    int asked = -1;
    int named = -1;
  };
  std::optional<Revealed> revealed_;
  QObject* partTimers_ = nullptr;  // owns the timers of the parts still to sound
  uint32_t soundingUntil_ = 0;     // tick at which the reveal's last note ends
};

// Adds the items to the "Progress" menu (a "Practice" menu before "Help"
// when there is none), once.
void InstallPracticeMode(DrillView* view);
// The practice section in an open "My Progress…" window, for the drill's
// current list as the filters enable it.
void AddPracticeSection(const DrillView* view, TProgressForm* window);

// The stored settings.
bool PracticeModeSetting();
void SetPracticeModeSetting(bool on);
int AutoRevealSetting();  // 0, 2, 3 or 5
void SetAutoRevealSetting(int after);
