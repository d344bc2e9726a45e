// What an assignment means for the student's own drill window: its settings
// put in force by "Start" over the student's own (which stay saved as they
// are, and come back with "Stop"), the student's own progress from their
// logs, and the few words said after the login about what is due.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Assignments.h"
#include "FilterModel.h"
#include "FilterState.h"
#include "FilterSteps.h"

// The drill's settings as the filter window and the selectors make them.
struct DrillSettings {
  FilterState filters;   // the masks of the list in use and the mode code
  int32_t playMode = 0;  // 0 chord, 1 figure, 2 mixed figure

  bool operator==(const DrillSettings& other) const {
    return filters.LowMask == other.filters.LowMask && filters.HighMask == other.filters.HighMask &&
           filters.ModeCode == other.filters.ModeCode && playMode == other.playMode;
  }
};

// What the model drills now.
DrillSettings SettingsOf(const FilterModel& model);
// Puts the settings in force through the filter window's steps (the answer
// list and the notes per question follow), saving nothing.
void ApplySettings(FilterSteps& steps, FilterModel& model, const DrillSettings& settings);

// The assignment's settings, as the drill log's records of a drill that
// counts for it show them; nullopt when it names a class `lists` lacks.
std::optional<DrillSettings> AssignmentSettings(const Assignment& assignment, const PracticeLists& lists);

// "Start" and "Stop". While an assignment is started the drill's settings are
// not the student's own: a front end saves none of them as the student's.
class AssignmentRun {
 public:
  // The settings to put in force; nullopt (and nothing changes) when the
  // assignment names a class the lists lack. `own` are the ones in force
  // now, given back by Stop; a second Start keeps the first one's.
  std::optional<DrillSettings> Start(const Assignment& assignment, const PracticeLists& lists,
                                     const DrillSettings& own);
  // The student's own settings to put back; nullopt when none was started.
  std::optional<DrillSettings> Stop();

  bool Started() const { return own_.has_value(); }
  // The started assignment's title, "" when none.
  const std::string& Title() const { return title_; }
  // What the student's own settings were at the first Start.
  const std::optional<DrillSettings>& Own() const { return own_; }

 private:
  std::optional<DrillSettings> own_;
  std::string title_;
};

// The person's own progress in each assignment, in order, from the drill log
// and the practice log (files through the data storage; the lab's shared
// logs hold the whole class, of which only the person's records count).
// nullopt when a log cannot be read.
std::optional<std::vector<AssignmentProgress>> OwnProgress(const std::vector<Assignment>& assignments,
                                                           const PracticeLists& lists, const std::string& person,
                                                           int32_t today, const std::string& reportFile,
                                                           const std::string& practiceFile);

// Whether the student still has it to do: not done, and open (started, not
// past due).
bool IsOpen(const Assignment& assignment, const AssignmentProgress& progress, int32_t today);

// "2 assignments due this week: Trichords, week 1 by Fri 11 Dec". The
// sources are English, with %n for the count as each front end's plural
// forms take it and %1 for the items; each item is "%1 by %2", its title
// and its due date, which the front end writes in the student's language.
struct DueItem {
  std::string title;
  int32_t due = 0;
};
struct DueNotice {
  const char* source = "";  // empty: nothing to say
  int count = 0;
  std::vector<DueItem> items;  // by due date, then in file order
};
inline constexpr const char* kDueThisWeekSource = "%n assignment(s) due this week: %1";
inline constexpr const char* kDueItemSource = "%1 by %2";
// The assignments due from today to the week's Sunday that are not done.
DueNotice DueNoticeOf(const std::vector<Assignment>& assignments, const std::vector<AssignmentProgress>& progress,
                      int32_t today);
// The notice in English, the dates as yyyy-mm-dd: for a log or a test.
std::string DueNoticeText(const DueNotice& notice);
