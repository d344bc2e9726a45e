// One drill, kept in one place and without widgets: the list in use, the
// question, the counters and the clock, the eligibility of the drill, its log
// records and its error statistics. The drill window is its view; whatever
// else wants to know what a drill does is one of its listeners. Time comes
// from a clock and the pause before the next question from a scheduler, both
// handed in, so the drill runs the same on any host.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Clock.h"
#include "Catalogue.h"
#include "ErrorStats.h"
#include "FilterModel.h"
#include "FilterState.h"
#include "Playback.h"
#include "Question.h"
#include "QuestionGenerator.h"
#include "Random.h"

// What a drill needs from around it: the filter settings it is asked under,
// and where and how its questions sound.
class DrillSurroundings {
 public:
  virtual ~DrillSurroundings() = default;
  virtual void SettingsNow(FilterState& state) const = 0;
  virtual int Cardinality() const = 0;  // 0 trichords, 1 tetrachords
  virtual int Range() const = 0;        // 0 close position, 1 one octave, 2 two octaves
  virtual bool Asks(int listIndex) const = 0;
  // Nothing of the list is enabled (only a damaged state does that): enable
  // all of it rather than find no question.
  virtual void AskWholeList() = 0;
  virtual PlayManner Manner() const = 0;
  // Plays the notes (dropping them is fine).
  virtual void Play(const PlaybackPlan& plan) = 0;
  // Seconds to wait before the question after a right answer sounds.
  virtual int PauseBeforeNextQuestion() const { return 0; }
  // "Wait for me": the first question and each next one sound only when the
  // student asks for them (AskForQuestion); the clock runs on meanwhile.
  virtual bool WaitForMe() const { return false; }
};

// One answer as judged. `row` is the answer list's row, -1 when none was chosen.
struct JudgedAnswer {
  QuestionState asked;     // the question answered
  int row = -1;
  int givenListIndex = -1;  // the set class named, -1 with no row
  bool right = false;
  bool counted = false;     // a wrong answer repeated to the same question is not
};

// A drill as it ended, before its counters are cleared.
struct DrillResult {
  int32_t correct = 0;
  int32_t incorrect = 0;
  uint32_t drillStart = 0;  // millisecond clock at BEGIN
  uint32_t endedAt = 0;     // millisecond clock at END
  bool filtersUsed = false;
  FilterState filters;      // the settings in force at the end
  int cardinalityIndex = 0;
  ErrorStats stats{};
  bool practice = false;
  bool scored = false;      // ended by END (false: by Login New Person)
};

// What a drill tells, in the order it happens. Every step does nothing by default.
class DrillListener {
 public:
  virtual ~DrillListener() = default;
  // BEGIN: the drill runs, nothing of it is logged or asked yet.
  virtual void DrillBeginning() {}
  // Its records are logged and its first question made (not yet played).
  virtual void DrillStarted() {}
  // A new question was made (not yet played).
  virtual void QuestionAsked(const QuestionState&) {}
  virtual void QuestionPlayed() {}
  // "Wait for me": a question made waits for the student (true), or no
  // longer waits (false: played, or the drill ended).
  virtual void QuestionWaiting(bool) {}
  // Told once the counters count it, before the next question is made.
  virtual void AnswerJudged(const JudgedAnswer&) {}
  virtual void CountsChanged() {}
  virtual void DrillEnded(const DrillResult&) {}
  virtual void ListChanged() {}
};

// The drill's clock as it shows: minutes, then seconds in two digits.
std::string ClockText(uint32_t elapsedMs);

class DrillSession {
 public:
  // Picks the list index of the next question among the enabled ones; -1
  // when none can be picked. The default draws at random until enabled.
  using Chooser = std::function<int(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng)>;

  DrillSession();
  ~DrillSession();
  DrillSession(const DrillSession&) = delete;
  DrillSession& operator=(const DrillSession&) = delete;

  // Listeners are told in the order they were added; each must be removed
  // before it goes.
  void AddListener(DrillListener* listener);
  void RemoveListener(DrillListener* listener);
  // Without a scheduler the next question sounds without its pause.
  void SetScheduler(Scheduler* scheduler) { scheduler_ = scheduler; }
  // Without a clock of its own the drill reads the core's.
  void SetClock(Clock* clock) { clock_ = clock; }

  void SetSurroundings(DrillSurroundings* surroundings) { surroundings_ = surroundings; }
  void SetChooser(Chooser chooser) { chooser_ = std::move(chooser); }
  // A practice drill is judged as any other, but it is the student's own:
  // no log record and no error statistics; its result is marked so.
  void SetPractice(bool practice) { practice_ = practice; }
  bool IsPractice() const { return practice_; }
  // While it says so, no answer is taken (a practice reveal waits for the
  // student to ask for the next question).
  void SetAnswersHeld(std::function<bool()> held) { answersHeld_ = std::move(held); }

  // --- the drill's steps ------------------------------------------------------
  // Starts a drill: drillBeginning, clock, S and F records, the first
  // question, drillStarted, the question played. False, changing nothing,
  // when the list is empty.
  bool Begin();
  // Judges the answer in the answer list's row (-1: none chosen). Ignored
  // outside a drill.
  void Submit(int row);
  void Repeat() { PlayQuestion(); }
  // A question that waits for the student ("wait for me") sounds now; false
  // when none waited.
  bool AskForQuestion();
  bool QuestionWaits() const { return waiting_; }
  // Whether questions wait for the student, as the surroundings choose.
  bool WaitsForStudent() const;
  void Arpeggiate(bool up);
  // Ends the drill: a filter change after the last question marks it, the
  // last segment is logged, drillEnded tells its result. The counters and
  // statistics stay until Clear, so that the score can still be made.
  void End(bool scored);
  // Counters, statistics and FiltersUsed back to zero.
  void Clear();
  // END is offered from the fifth right answer on.
  static constexpr int32_t kRightAnswersForEnd = 5;
  bool EndOffered() const { return Drilling && CorrectCount >= kRightAnswersForEnd; }
  // END or a new login stops a drill once it has a right answer, and a
  // practice drill at any time; before that the drill goes on.
  bool Stoppable() const { return Drilling && (CorrectCount > 0 || practice_); }
  // Login New Person: a drill that can stop ends without a score and its
  // counts go. Whether it ended.
  bool EndForNewPerson();

  // --- pieces the other windows call -------------------------------------------
  void GenerateQuestion();
  void PlayQuestion();
  // Plays the question just made after the pause the surroundings ask for,
  // or holds it for the student; a question answered, replaced or ended
  // meanwhile is not played any more.
  void PlayNextQuestion();
  void WriteStartRecord();
  void WriteFilterRecord(const FilterState& state);
  void WriteSegmentRecord();
  void WriteSegmentIfAnswered();

  // --- the list in use --------------------------------------------------------
  bool ReadCatalogue(const std::string& fileName);
  // The set classes of that cardinality become the list in use; its length.
  int UseCardinality(int cardinality);
  const SetClassEntry* EntryAt(int listIndex) const;
  std::string LabelAt(int listIndex) const;
  // The answer list's rows: the list indices shown, in order.
  void SetAnswerRows(const int32_t* listIndices, int count);
  int AnswerRowCount() const { return answerRows_; }
  // The row showing that list index, -1 when none does.
  int RowOf(int listIndex) const;
  // The list index a row names, -1 outside the rows.
  int ListIndexOfRow(int row) const;
  // The set class name a row shows ("11" for 3-11), empty outside the rows.
  std::string NameOfRow(int row) const;
  // The last row showing that name, -1 when none does: typing a name
  // chooses its row.
  int RowNamed(const std::string& name) const;

  // The notes a question has, 3 or 4, as the cardinality drilled; whether
  // that changed.
  bool SetNoteCount(int noteCount);
  // After the settings changed: the note count follows the cardinality, and
  // during a drill a question of a cardinality or a set class no longer
  // drilled is replaced and played. Whether it was.
  bool ReplaceUndrilledQuestion();

  // The result as it would be if the drill ended now.
  DrillResult Result(bool scored) const;

  // --- state (named as the drill window names it) -------------------------------
  Catalogue catalogue;
  CardinalityList currentList;
  int32_t answerRowMap[kMaxListLength] = {};
  QuestionState question;
  int32_t lowestNote = 43;
  int32_t highestNote = 67;
  int32_t gapUnit = 250;
  bool FiltersUsed = false;
  FilterState DrillFilterState;
  bool Drilling = false;
  int32_t CorrectCount = 0;
  int32_t IncorrectCount = 0;
  uint32_t DrillStart = 0;
  int32_t SegmentCorrect = 0;
  int32_t SegmentIncorrect = 0;
  uint32_t SegmentStart = 0;
  double SessionDate = 0;
  int32_t CurrentPersonIndex = 0;
  std::string CurrentPersonName;
  bool LoggedIn = false;
  // Who practises from now on, as the login tells it.
  void SetPerson(int32_t index, std::string name) {
    CurrentPersonIndex = index;
    CurrentPersonName = std::move(name);
    LoggedIn = true;
  }
  ErrorStats SessionStats{};
  // What is asked; the list in use sets its length.
  FilterModel filters;

 private:
  void CorrectAnswer(int row);
  void IncorrectAnswer(int row);
  // A filter change since the last question marks the drill as one before a
  // question does.
  void MarkFilterChange();
  void SetWaiting(bool waiting);
  // Appends a record to report.dat; during a drill it is also kept for the
  // class, to which the drill's records go as one part when it ends.
  void Log(const std::string& record);
  void HandOverFiled();
  AnswerKey KeyOf(const QuestionState& q) const;
  Clock& Time() const { return clock_ ? *clock_ : CoreClock(); }
  template <typename Step>
  void Tell(Step step) {
    // A listener may remove itself while told.
    const std::vector<DrillListener*> now = listeners_;
    for (DrillListener* l : now) step(*l);
  }

  DrillSurroundings* surroundings_ = nullptr;
  Chooser chooser_;
  std::function<bool()> answersHeld_;
  bool practice_ = false;
  bool waiting_ = false;  // a question made waits for the student
  std::string filed_;     // this drill's bytes of report.dat
  int answerRows_ = 0;
  int questionCardinality_ = -1;  // the cardinality the question was made in
  std::vector<DrillListener*> listeners_;
  Scheduler* scheduler_ = nullptr;
  Clock* clock_ = nullptr;
  // Tasks left with the scheduler hold it weakly, so none runs on a drill gone.
  std::shared_ptr<DrillSession*> self_;
};
