// One practice drill without widgets: the question open now, the answers
// given to it, its end (right, revealed, or left), the log line it leaves and
// the scheduler it teaches.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "Question.h"

class PracticeRun {
 public:
  // Reads the person's history from practice.dat and report.dat once.
  PracticeRun(const std::string& person, const PracticeLists& lists, uint32_t startTick);
  // From a history already read (tests, the benchmark).
  PracticeRun(PracticeScheduler scheduler, uint32_t startTick);

  PracticeScheduler& Scheduler() { return scheduler_; }

  // The next set class. A right answer is told after the next question is
  // made, so the wrong answers already given to the open question decide
  // what follows it.
  int Choose(const std::vector<PracticeCandidate>& candidates, RandomSource& rng);

  // A question was made: its set class's name ("3-11") and form (0 A, 1 B, as
  // the error statistics count it). A question made while another is open
  // waits: a right answer to the open one is told after the next is made.
  void Asked(const QuestionState& question, const std::string& name, int form, uint32_t tick);
  // A counted answer to `question`, naming `given`. A right answer ends it.
  void Answered(const QuestionState& question, const std::string& given, uint32_t tick);
  // Wrong answers given to the open question.
  int WrongAnswers() const;
  bool QuestionOpen() const { return current_.has_value(); }
  // The set class of the open question, "" when none is open.
  std::string OpenClass() const;

  // Ends the open question as revealed. Returns the set class named last,
  // wrongly, "" when none; nullopt when no question is open.
  std::optional<std::string> Reveal(Reveal how, uint32_t tick);

  // The drill is over: a question with answers but no right one is logged as
  // missed; one without answers is not logged at all.
  PracticeSummary End(uint32_t tick);

  const PracticeTotals& Totals() const { return totals_; }
  // False once a line could not be written to practice.dat.
  bool LogWritten() const { return logWritten_; }

 private:
  struct Open {
    QuestionState question;
    PracticeRecord record;
    uint32_t askedAt = 0;
  };
  static bool Same(const QuestionState& a, const QuestionState& b);
  void Finish(::Reveal how, uint32_t tick);
  // The waiting question becomes the open one.
  void Advance();

  PracticeScheduler scheduler_;
  std::map<std::string, int32_t> boxesAtStart_;
  uint32_t startTick_;
  std::optional<Open> current_;
  std::optional<Open> next_;
  PracticeTotals totals_;
  std::vector<std::string> revealed_;  // in this drill, for the summary
  bool logWritten_ = true;
  std::string filed_;  // this drill's lines of practice.dat
};
