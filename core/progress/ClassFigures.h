// What the drill log and the error statistics say about a whole class: one
// row of figures per person, merged by name, and the class's hardest set
// classes and most frequent confusions. Shared by the teacher's window and
// the sonorix-class command.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "ErrorStats.h"
#include "ProgressFigures.h"
#include "ReportReader.h"

inline constexpr int kModes = 6;  // ModeCode 0..5: range and cardinality

// A drill with fewer right answers never reached END.
inline constexpr int64_t kEndedFrom = 5;

struct PersonFigures {
  std::string name;      // as UTF-8
  bool unknown = false;  // the records that no single person can be charged with
  int32_t verifiedDrills = 0;  // drills with at least one verified segment
  AnswerTotals all;            // the verified segments
  int64_t secondsThisWeek = 0;
  std::optional<int32_t> firstDay;  // the day of the earliest drill with a verified segment
  std::optional<int32_t> lastDay;  // the day of the latest drill with a verified segment
  std::array<AnswerTotals, kModes> byMode;          // every verified segment, by its mode
  std::array<AnswerTotals, kModes> eligibleByMode;  // those of eligible drills that reached END
  AnswerTotals ineligible;  // drills that reached END but were not eligible
  int32_t ineligibleDrills = 0;
  AnswerTotals notEnded;    // drills left before END (fewer than five right answers)
  int32_t notEndedDrills = 0;
  // The best score by the score window's formula of an eligible drill of at
  // least five right answers, per high-score table.
  std::array<std::optional<int32_t>, kModes> bestScore;
  int32_t unverified = 0;  // records of the person's drills that are damaged or fail their check
  int32_t ambiguous = 0;   // records that verify for this person and for another alike
  // Practice mode, from practice.dat.
  int32_t practiceQuestions = 0;
  int32_t practiceFirstTry = 0;  // right at the first answer, nothing revealed
  int64_t practiceSeconds = 0;
  int32_t practiceQuestionsThisWeek = 0;
  int64_t practiceSecondsThisWeek = 0;
  std::optional<int32_t> lastPracticeDay;
  // Singing, from sing.dat: questions sung (first tries) and those right at once.
  int32_t singQuestions = 0;
  int32_t singFirstTry = 0;

  // Adds another log's figures of the same name.
  void Merge(const PersonFigures& other);
};

// One row per person in the log, sorted by name, then a row "unknown" when
// some records belong to no single person. `today` is a day number: the week
// is the one from the Monday on or before it.
std::vector<PersonFigures> ClassRows(const ReportLog& log, int32_t today);

// The same, drill by drill, as a ReportLogReader hands them over.
class ClassRowBuilder {
 public:
  explicit ClassRowBuilder(int32_t today);
  void Add(const LoggedDrill& drill);
  // With the log's counts of records that belong to no drill.
  std::vector<PersonFigures> Rows(const ReportLog& counts);

 private:
  int32_t today_;
  int32_t weekStart_;
  std::map<std::string, PersonFigures> people_;
  // Each name as logged to its row, so that a name is decoded once.
  std::unordered_map<std::string, PersonFigures*> byName_;
};

// Reads a log file into rows; nullopt when it cannot be read or `progress` stopped it.
std::optional<std::vector<PersonFigures>> ClassRowsOfFile(
    const std::string& fileName, int32_t today, ReportLog* counts = nullptr,
    const std::function<bool(uint64_t done, uint64_t size)>& progress = {});

// Merges rows of the same person into `into`, keeping the order: by name,
// the unknown row last.
void MergeRows(std::vector<PersonFigures>& into, const std::vector<PersonFigures>& rows);
// The row of that person, made when missing.
PersonFigures& RowOf(std::vector<PersonFigures>& rows, const std::string& utf8Name);

// "m:ss" of a number of seconds: minutes need not stop at 59.
std::string MinutesSeconds(int64_t seconds);

struct HardClass {
  int cardinalityIndex = 0;  // 0 trichords, 1 tetrachords
  int listIndex = 0;         // in the catalogue's list of that cardinality
  int64_t right = 0;
  int64_t wrong = 0;
  double accuracy = 0;  // percent
};
// The set classes answered least accurately (at least `minAnswers` answers),
// worst first, at most `count`; ties by more answers, then by list order.
std::vector<HardClass> HardestClasses(const ErrorStats& stats, int count, int64_t minAnswers = 1);

struct Confusion {
  int cardinalityIndex = 0;
  int asked = 0;     // list index of the set class played
  int answered = 0;  // list index of the set class given
  int64_t count = 0;
};
// The most frequent wrong answers, most first, at most `count`.
std::vector<Confusion> FrequentConfusions(const ErrorStats& stats, int count);

// The rows as RFC 4180 CSV in UTF-8, a header row first, CR LF after every
// row. `separator` is ',' or the ';' that spreadsheets use where the decimal
// mark is a comma; with `byteOrderMark` the text starts with one, so that
// spreadsheets take it as UTF-8.
std::string ClassCsv(const std::vector<PersonFigures>& rows, char separator = ',', bool byteOrderMark = false);
// The command's short CSV: name,right,wrong,seconds,unverified,last, then
// drills,ambiguous,practice questions,practice first try,practice seconds,
// sung questions,sung first try. The first columns stay where scripts expect them.
std::string ClassSummaryCsv(const std::vector<PersonFigures>& rows);
// The same as a JSON array of objects with those keys; the unknown row has a null name.
std::string ClassSummaryJson(const std::vector<PersonFigures>& rows);

// Percent of the practice questions right at the first try; none without questions.
std::optional<double> PracticeFirstTryPercent(const PersonFigures& p);
// The same of the questions sung.
std::optional<double> SingFirstTryPercent(const PersonFigures& p);

// Short names of the modes for column heads: "close 3", "1 oct 4".
std::string ModeShortName(int32_t modeCode);
