// Assignments: what a teacher sets the class, kept in assignments.txt in the
// class folder (only the teacher writes it), and how far each student is
// with each of them, judged afresh from the drill log and the practice log
// every time they are read, so an assignment edited after students began is
// judged by its text as it is now.
//
// The file, UTF-8 text, CR LF or LF, read up to a Ctrl-Z. A blank line or one
// beginning with # is a note. Each assignment begins with its "assignment"
// line; the lines up to the next one are its settings:
//
//   assignment Trichords, week 1
//   instructions Listen to each chord twice.     (repeat for more lines)
//   classes 3-1 3-2 3-11                          (or: all trichords, all tetrachords)
//   range close                                   (close, one octave, two octaves)
//   play chord                                    (chord, figure, mixed)
//   goal drills 3 right 20 percent 80             (or: goal minutes 20, goal first-try 4)
//   start 2026-12-07
//   due 2026-12-13
//
// classes, goal, start and due are needed; range and play are close and chord
// unless given. "goal drills N right R percent P": N drills, each with at
// least R right answers and at least P % of its answers right (right and
// percent may be left out: 5, what reaches END, and 0). "goal minutes M": M
// minutes of practice mode in all. "goal first-try K": every listed class
// right at the first try K times in practice mode.
//
// A line that cannot be understood is named in a warning and skipped; an
// assignment that lacks something it needs is named and skipped whole.
//
// What counts, for the student: only work from the start date to the due date,
// both days included (the logs' own day numbers, so no time zone matters).
//   A drill counts when every one of its filter records enables exactly the
//   assigned classes, in the assigned range: more classes, fewer, or the same
//   classes in another range do not count. The drill log does not say which
//   play mode was used, so "play" tells the student what to set and is not
//   checked.
//   A practice question counts when it asked one of the assigned classes in a
//   voicing the assigned range can play (the practice log keeps the voicing,
//   not the range: one spanning more than an octave was two octaves). Minutes
//   add up over any number of days.
// The status: done when the goal was met by the work that counts; else late
// once the due date has passed; else in progress when anything counted
// (a matching drill that fell short of R or P included); else not started.
// Work after the due date counts for nothing, so a late assignment stays late.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <map>
#include <vector>

#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "ReportReader.h"

inline constexpr const char* kAssignmentsFileName = "assignments.txt";

enum class AssignmentGoal { Drills, Minutes, FirstTry };

struct Assignment {
  std::string title;                      // one line
  std::vector<std::string> instructions;  // one entry per line
  int32_t cardinality = 3;                // 3 or 4
  bool allClasses = false;                // every set class of the cardinality's list
  std::vector<std::string> classes;       // "3-11", as written, once each; empty with allClasses
  int32_t range = 0;                      // the filter window's: 0 close, 1 one octave, 2 two octaves
  int32_t playMode = 0;                   // 0 chord, 1 figure, 2 mixed figure
  AssignmentGoal goal = AssignmentGoal::Drills;
  int32_t count = 1;    // drills N, minutes M, or first-try answers K per class
  int32_t right = 5;    // drills: right answers each at least
  int32_t percent = 0;  // drills: percent right each at least
  int32_t start = 0;    // day numbers, both included
  int32_t due = 0;

  bool operator==(const Assignment&) const = default;
};

struct AssignmentWarning {
  int32_t line = 0;  // from 1
  std::string why;   // English source text, for the front ends to translate
};

struct AssignmentFile {
  std::vector<Assignment> assignments;  // in file order
  std::vector<int32_t> lines;           // each one's "assignment" line
  std::vector<AssignmentWarning> warnings;
};

// Any bytes; never fails.
AssignmentFile ParseAssignments(std::string_view text);
// The file's text, CR LF, notes at the top explaining the format. Line breaks
// in a title or an instruction become blanks and outer blanks go; no classes
// is all of them; right and percent are written for a drills goal alone.
// Whatever ParseAssignments gives is written so that it reads back the same.
std::string FormatAssignments(const std::vector<Assignment>& assignments);
// A missing file has no assignments; nullopt when it cannot be read.
std::optional<AssignmentFile> LoadAssignmentsFile(const std::string& fileName);
// Replaces the file atomically; false when it could not be written.
bool SaveAssignmentsFile(const std::string& fileName, const std::vector<Assignment>& assignments);

// Why an assignment made in an editor may not be saved, and the field to go
// to: the editors' own words for what they can get wrong, then whatever the
// file's reader would say of it written and read back, then a class the
// catalogue does not have. Every why is an English source text, translated
// by the front ends under "Assignments". A day of 0 or before is a date not
// given (the page's empty date field).
enum class AssignmentField { None, Title, Classes, Start, Due, Goal };
struct AssignmentProblem {
  AssignmentField field = AssignmentField::None;  // None: it may be saved
  std::string why;
};
AssignmentProblem CheckEditedAssignment(const Assignment& assignment, const PracticeLists& lists);

// Due from the Monday on or before today to the Sunday after it.
bool DueThisWeek(const Assignment& assignment, int32_t today);

enum class AssignmentStatus { NotStarted, InProgress, Done, Late };

struct AssignmentProgress {
  AssignmentStatus status = AssignmentStatus::NotStarted;
  int64_t done = 0;  // drills, whole minutes, or classes; at most `goal`
  int64_t goal = 0;
};

// "done", "in progress", "not started", "late".
const char* StatusText(AssignmentStatus status);
// "2 of 3 drills", "12 of 20 minutes", "3 of 4 classes".
std::string ProgressText(const Assignment& assignment, const AssignmentProgress& progress);

struct PersonAssignments {
  std::string name;  // UTF-8, as ClassFigures names a person
  std::vector<AssignmentProgress> progress;  // one per assignment, in order
};

// The table of the rows: CSV (RFC 4180, UTF-8, CR LF) with the header
// name, then "<title> status" and "<title> progress" per assignment; and the
// same as a JSON array of {"name", "assignments": [{"title", "status",
// "progress", "done", "goal", "due"}]}.
std::string AssignmentsCsv(const std::vector<Assignment>& assignments, const std::vector<PersonAssignments>& rows);
std::string AssignmentsJson(const std::vector<Assignment>& assignments, const std::vector<PersonAssignments>& rows);

// Takes the logs record by record (as ReportLogReader hands drills over) and
// gives each person's status in every assignment.
class AssignmentJudge {
 public:
  // `lists` gives the filter masks their set classes, in the catalogue's order.
  AssignmentJudge(std::vector<Assignment> assignments, const PracticeLists& lists);

  // Classes an assignment names that the catalogue does not have: such an
  // assignment can never be done. The line is the assignment's index + 1.
  const std::vector<AssignmentWarning>& Warnings() const { return warnings_; }

  // A row for the person even without work (a class list's names).
  void AddPerson(const std::string& utf8Name);
  void AddDrill(const LoggedDrill& drill);
  void AddPractice(const PracticeRecord& record);

  // Sorted by name.
  std::vector<PersonAssignments> Rows(int32_t today) const;
  const std::vector<Assignment>& Assignments() const { return assignments_; }

  // A judge of the same assignments with no one in it: for judging one
  // account folder alone and keeping what it gave.
  AssignmentJudge Blank() const;
  // What the judging depends on besides the records: the assignments' settings
  // and the catalogue's classes. Text kept of one judge is for another of the same key.
  const std::string& Key() const { return key_; }
  // Everyone's work so far, without today: Rows(today) of a judge that took
  // this text is what this judge's would be.
  std::string TalliesText() const;
  // Adds the text's people to those here; false (nothing added) when it is damaged.
  bool AddTalliesText(std::string_view text);

 private:
  struct Target {
    bool usable = true;  // every class known
    FilterState state;   // the masks and mode code of a matching drill
    std::vector<int32_t> slotOf;  // list index -> the class's place among those assigned, -1
    int32_t slotCount = 0;  // not "slots": Qt takes that word
  };
  struct Tally {
    int32_t drills = 0;  // that met R and P
    int32_t tried = 0;   // matching drills in the dates
    int64_t seconds = 0;
    int32_t reached = 0;             // classes with K first-try answers
    std::vector<int32_t> firstTry;   // per slot, made when first needed
  };
  using Tallies = std::vector<Tally>;
  Tallies& TalliesOf(const std::string& name);

  std::vector<Assignment> assignments_;
  PracticeLists lists_;
  std::vector<Target> targets_;
  std::vector<AssignmentWarning> warnings_;
  // "3-11" -> cardinality index and list index.
  std::unordered_map<std::string, std::pair<int32_t, int32_t>> classOf_;
  std::map<std::string, Tallies> people_;
  // Each name as logged to its row, so that a name is decoded once.
  std::unordered_map<std::string, Tallies*> byName_;
  std::string key_;
};
