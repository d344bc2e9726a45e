// Figures of practice: per day for My Progress, and the summary at the end of
// a practice drill.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "ClassFigures.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"

struct PracticeTotals {
  int32_t questions = 0;
  int32_t firstTryRight = 0;
  int32_t revealed = 0;
  int64_t seconds = 0;
  void Add(const PracticeRecord& record);
  // Percent of the questions right at the first try; -1 without questions.
  double FirstTryPercent() const;
};

struct PracticeDay : PracticeTotals {
  int32_t day = 0;
};

// The person's practice per day, ascending, days without practice left out.
std::vector<PracticeDay> PracticeDays(const PracticeLog& log, const std::string& person);

// Adds each person's practice to the class's rows, making rows for people
// who only practised. `today` is a day number: the week from its Monday.
void AddClassPractice(std::vector<PersonFigures>& rows, const PracticeLog& log, int32_t today);

// Per person (by PersonKey): the set classes least often right at the first
// try, worst first, and the most frequent first wrong answers, at most
// `count` of each; from the practice log, the one log that keeps answers per person.
struct ClassAnswered {
  std::string name;  // "3-11"
  int32_t asked = 0;
  int32_t firstTry = 0;
};
struct ClassConfused {
  std::string asked;
  std::string answered;
  int32_t times = 0;
};
struct StudentClasses {
  std::vector<ClassAnswered> hardest;
  std::vector<ClassConfused> confusions;
};
std::map<std::string, StudentClasses> StudentClassFigures(const PracticeLog& log, int count);

// What the summary window says of a practice drill: questions, right at the
// first try, revealed, time, and which classes the student is getting surer
// of and which need more work.
struct PracticeSummary {
  PracticeTotals totals;
  uint32_t drillSeconds = 0;  // from BEGIN to END
  BoxMoves moves;
  std::vector<std::string> surer;      // moved up a box, never revealed
  std::vector<std::string> needsWork;  // moved down, or revealed in this drill
};

// Fills `surer` and `needsWork` from the boxes at the drill's start and end
// and the classes revealed in it, each in the list's order (3-2 before 3-11).
void SortProgress(PracticeSummary& summary, const std::map<std::string, int32_t>& before,
                  const std::map<std::string, int32_t>& after, const std::vector<std::string>& revealed);

// The lines of "Practice focus" for a person, as My Progress shows them.
std::vector<std::string> FocusLines(const PracticeScheduler& scheduler, const std::vector<PracticeCandidate>& candidates);

// "3-2" before "3-11", "4-Z15" by its number.
bool ListOrderLess(const std::string& a, const std::string& b);
