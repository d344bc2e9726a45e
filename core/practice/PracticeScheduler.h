// Which set class a practice question asks: among the enabled ones, weighted
// by one person's history. Widget-free and deterministic for a given random
// source.
//
// The weight of a set class is the product of three factors:
//   accuracy    1 + 3 × (1 − a), a = (right + 1) / (answered + 2), from the
//               person's practice questions (right at the first try) and their
//               verified drills in report.dat. A drill logs answers per
//               segment, not per set class, so each segment's answers are
//               shared evenly among the set classes its filters enabled.
//   confusions  1 + 0.5 × min(c, 8), c the person's practice confusions of
//               the class either way (asked it and named another, or named it
//               for another), each weighed 2^(−age in days / 7).
//   schedule    2^(1 − box): a Leitner box per person and set class, 1 to 5;
//               right at the first try moves it up one, a miss (a wrong first
//               answer, a reveal) back to box 1. A class never asked is in box 1.
// Right after a question with wrong answers, the classes named wrongly share
// half of the whole weight between them, so the other class of a confused pair
// is a likely next question.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "PracticeLog.h"
#include "Random.h"

struct ReportLog;

inline constexpr int32_t kLeitnerBoxes = 5;

// A set class of the current list: its name ("3-11") and whether the filters
// enable it. The position in the vector is its list index.
struct PracticeCandidate {
  std::string name;
  bool enabled = false;
};

// The names of the trichord and the tetrachord lists in list order, to give
// report.dat's filter masks their set classes.
struct PracticeLists {
  std::vector<std::string> trichords;
  std::vector<std::string> tetrachords;
};

class Catalogue;
// Both lists' names, as the catalogue gives them, to read the drill log's filter masks.
PracticeLists ListsOf(const Catalogue& catalogue);

struct ClassHistory {
  int32_t box = 1;
  int32_t questions = 0;       // practice questions asking it
  int32_t firstTryRight = 0;
  double drillRight = 0;       // its share of verified drill answers
  double drillAnswers = 0;
  // Confusions counted by day, so the state does not depend on the day it
  // was learnt on and a saved one can be carried on exactly.
  std::map<int32_t, int32_t> confusionsByDay;
  // Day -> other class -> confusions, kept only for the days a week can still reach.
  std::map<int32_t, std::map<std::string, int32_t>> partnersByDay;
  // Derived from the two above for today.
  double recentConfusions = 0;              // weighed by age
  std::map<std::string, int32_t> thisWeek;  // other class -> confusions in the last 7 days
};

struct PracticeLearnInfo {
  bool fromCheckpoint = false;  // a saved state was carried on
  int64_t bytesRead = 0;        // of practice.dat
};

// A set class the schedule weighs most now, and why.
struct FocusItem {
  std::string name;
  double share = 0;  // of the whole weight of the enabled classes, 0..1
  std::string why;   // "confused with 3-5 four times this week; right at the first try in 2 of 9 questions"
  // The same reasons as figures, for a window to say them in its language.
  bool practised = false;
  int32_t drillPercent = -1;  // when not practised: right in the drills; -1 without drills
  std::vector<std::pair<std::string, int32_t>> confusedWith;  // this week, most first, at most two
  int32_t firstTryRight = 0;
  int32_t questions = 0;
  int32_t box = 1;
};

class PracticeScheduler {
 public:
  // Today's day number dates the confusions.
  PracticeScheduler(std::string person, int32_t today);

  // The person's history, read once per practice drill: their practice
  // records in order, then their verified drills. Either may be empty.
  void Learn(const PracticeLog& practice, const ReportLog* drills, const PracticeLists& lists);
  // Reads practice.dat and report.dat from the working directory; a file
  // that cannot be read adds nothing. What was learnt from practice.dat is
  // kept in a checkpoint in the account's cache folder, so the next drill
  // reads only the lines appended since.
  PracticeLearnInfo LearnFromFiles(const PracticeLists& lists);
  // The same with the log and checkpoint named; an empty checkpoint name
  // reads the log whole and keeps nothing.
  PracticeLearnInfo LearnFromFiles(const std::string& practiceFile, const std::string& reportFile,
                                   const std::string& checkpointFile, const PracticeLists& lists);

  // The state learnt from practice records alone, as text, and back. Load
  // fails on anything it did not write; then the state is as before.
  std::string SaveState() const;
  bool LoadState(std::string_view text);
  int32_t Today() const { return today_; }

  // A question has ended: box, accuracy, confusions, and the classes that
  // follow it.
  void Record(const PracticeRecord& record);

  // The classes that take half the weight at the next choice; Record sets
  // them to the classes named wrongly.
  void SetFollowUp(std::vector<std::string> names) { followUp_ = std::move(names); }

  // The weight of each candidate, 0 for the disabled ones.
  std::vector<double> Weights(const std::vector<PracticeCandidate>& candidates) const;
  // The list index of the next set class, using one draw of the random
  // source; -1 (drawing nothing) when no candidate is enabled.
  int Choose(const std::vector<PracticeCandidate>& candidates, RandomSource& rng) const;

  // Up to `count` enabled classes of the highest weight, highest first.
  std::vector<FocusItem> Focus(const std::vector<PracticeCandidate>& candidates, size_t count) const;

  int32_t Box(const std::string& name) const;
  const ClassHistory* History(const std::string& name) const;
  const std::string& Person() const { return person_; }
  // Every class with a box other than 1, by name.
  std::map<std::string, int32_t> Boxes() const;

 private:
  double Weight(const std::string& name) const;
  void Count(const PracticeRecord& record);
  void Refresh(ClassHistory& h);
  void LearnDrills(const ReportLog* drills, const PracticeLists& lists);
  std::string Why(const std::string& name) const;

  std::string person_;
  int32_t today_;
  std::map<std::string, ClassHistory> classes_;
  std::vector<std::string> followUp_;  // named wrongly at the last question
};

// "once", "twice", "three times" … "twelve times", then "13 times".
std::string TimesText(int32_t n);

// What a practice drill changed in the boxes: classes that moved up and down
// between two snapshots of Boxes(), each as "3-5 (box 2 → 3)".
struct BoxMoves {
  std::vector<std::string> up;
  std::vector<std::string> down;
};
BoxMoves CompareBoxes(const std::map<std::string, int32_t>& before, const std::map<std::string, int32_t>& after);
