// What an assignment does to the student's own drill: "Start" and "Stop",
// their progress from their own logs, the notice at login, and the lab's
// file that two teachers' machines may both hold open.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssignFixture.h"
#include "AssignmentDrill.h"
#include "AssignmentStore.h"
#include "ScratchDir.h"

using namespace assign_fixture;

namespace {

constexpr int32_t kToday = 45000;  // a Wednesday; its week ends on Sunday, day 45004

PracticeLists ShippedLists() {
  Catalogue catalogue;
  EXPECT_TRUE(catalogue.Load(ShippedDataPath("ftclass.dat")));
  return ListsOf(catalogue);
}

// The drill as the filter window's steps see it; it counts what it is asked to save.
struct Drill : FilteredDrillSide {
  const PracticeLists& lists;
  FilterModel& model;
  int length = 0;
  int saved = 0;
  std::vector<int32_t> rows;
  Drill(const PracticeLists& l, FilterModel& m) : lists(l), model(m) {}
  int UseListOf(int noteCount) override {
    length = static_cast<int>((noteCount == 3 ? lists.trichords : lists.tetrachords).size());
    model.SetListLength(length);
    return length;
  }
  int ListLength() const override { return length; }
  void ShowRows(const std::vector<int32_t>& listIndices) override { rows = listIndices; }
  void UseNoteCount(int) override {}
  void Save(const FilterState&) override { ++saved; }
  void FiltersApplied() override {}
};

std::string ProgressTexts(const std::vector<Assignment>& assignments, const std::vector<AssignmentProgress>& mine) {
  std::string text;
  for (size_t n = 0; n < mine.size(); ++n)
    text += std::string(n ? ", " : " ") + StatusText(mine[n].status) + "/" + ProgressText(assignments[n], mine[n]);
  return text;
}

}  // namespace

// "Start" drills exactly what counts for the assignment and saves nothing;
// "Stop" gives the student's own settings back as they were, and their
// filters.dat never changed.
TEST(AssignmentStart, DrillsWhatCountsAndGivesTheOwnSettingsBack) {
  const PracticeLists lists = ShippedLists();
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  FilterModel model;
  Drill drill(lists, model);
  FilterSteps steps(model, drill);
  // The student's own: three tetrachords in one octave, as figures.
  const DrillSettings own{Filter(lists, {"4-1", "4-Z15", "4-Z29"}, 1), 1};
  ApplySettings(steps, model, own);
  ASSERT_EQ(SettingsOf(model), own);
  ASSERT_TRUE(SaveFiltersFile(kFiltersFileName, own.filters));
  const std::string savedBytes = dir.Read(kFiltersFileName);

  const AssignmentFile file = ParseAssignments(MakeClass(lists, kToday).assignments);
  AssignmentRun run;
  const auto pair = run.Start(file.assignments[0], lists, SettingsOf(model));
  ASSERT_TRUE(pair);
  ApplySettings(steps, model, *pair);
  EXPECT_TRUE(run.Started());
  EXPECT_EQ(run.Title(), "Pair drills");
  EXPECT_EQ(drill.rows, (std::vector<int32_t>{0, 10}));  // 3-1 and 3-11 only
  EXPECT_EQ(model.Cardinality(), 0);
  EXPECT_EQ(model.Range(), 0);
  EXPECT_EQ(model.PlayMode(), 0);

  // A drill logged with what Start put in force counts for the assignment.
  const std::string name = "Eve";
  const double date = kToday - 2 + 0.5;
  AssignmentJudge judge({file.assignments[0]}, lists);
  for (const LoggedDrill& d :
       ParseReportLog(Start(name, date) + Filters(SettingsOf(model).filters) + Segment(name, date, 12, 0)).drills)
    judge.AddDrill(d);
  EXPECT_EQ(judge.Rows(kToday - 2)[0].progress[0].done, 1);

  // Another assignment started over it: Stop still gives back the student's own.
  const auto first = run.Start(file.assignments[2], lists, SettingsOf(model));
  ASSERT_TRUE(first);
  ApplySettings(steps, model, *first);
  EXPECT_EQ(model.Cardinality(), 1);
  EXPECT_EQ(model.Range(), 2);
  EXPECT_EQ(model.PlayMode(), 2);
  EXPECT_EQ(run.Title(), "First try");
  // One naming a class the catalogue lacks changes nothing.
  Assignment strange = file.assignments[0];
  strange.classes = {"3-1", "3-99"};
  EXPECT_FALSE(run.Start(strange, lists, SettingsOf(model)));
  EXPECT_EQ(run.Title(), "First try");

  const auto back = run.Stop();
  ASSERT_TRUE(back);
  ApplySettings(steps, model, *back);
  EXPECT_EQ(SettingsOf(model), own);
  EXPECT_FALSE(run.Started());
  EXPECT_EQ(run.Title(), "");
  EXPECT_FALSE(run.Stop());
  EXPECT_EQ(drill.saved, 0);
  EXPECT_EQ(dir.Read(kFiltersFileName), savedBytes);
}

// Each student's own progress from the lab's shared logs (everybody's
// records in them) is the class's as the teacher's table gives it, and the
// notice after the login names what is open and due by Sunday.
TEST(AssignmentStart, OwnProgressAndWhatIsDue) {
  const PracticeLists lists = ShippedLists();
  const ClassFiles c = MakeClass(lists, kToday);
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  dir.Write("report.dat", c.report);
  dir.Write("practice.dat", c.practice);
  const AssignmentFile file = ParseAssignments(c.assignments);
  const std::vector<std::string> names = {"Ann", "Bob", "Cleo", "Dan"};
  std::vector<std::vector<AssignmentProgress>> mine;
  for (size_t i = 0; i < names.size(); ++i) {
    const auto own = OwnProgress(file.assignments, lists, names[i], kToday, "report.dat", "practice.dat");
    ASSERT_TRUE(own);
    EXPECT_EQ(names[i] + ":" + ProgressTexts(file.assignments, *own), Expected()[i]);
    mine.push_back(*own);
  }
  // Nobody's logs yet: all not started, and no log is an unreadable one.
  const auto none = OwnProgress(file.assignments, lists, "Ann", kToday, "missing.dat", "missing too.dat");
  ASSERT_TRUE(none);
  EXPECT_EQ(none->size(), 3u);

  // Ann did "Practice time", "Pair drills" is past, "First try" is due next week.
  EXPECT_EQ(DueNoticeText(DueNoticeOf(file.assignments, mine[0], kToday)), "");
  EXPECT_EQ(DueNoticeText(DueNoticeOf(file.assignments, mine[1], kToday)),
            "1 assignment due this week: Practice time by " + IsoDate(kToday + 4));
  // On Thursday of next week, "First try" alone is left for Ann, due that day.
  const DueNotice later = DueNoticeOf(file.assignments, mine[0], kToday + 7);
  EXPECT_EQ(later.source, std::string(kDueThisWeekSource));
  ASSERT_EQ(later.items.size(), 1u);
  EXPECT_EQ(later.items[0].title, "First try");
  // Two due, in the order of their dates, whatever the file's.
  std::vector<Assignment> two = {file.assignments[2], file.assignments[1]};
  two[0].due = kToday + 3;
  const DueNotice both = DueNoticeOf(two, {mine[1][2], mine[1][1]}, kToday);
  EXPECT_EQ(DueNoticeText(both), "2 assignments due this week: First try by " + IsoDate(kToday + 3) +
                                     ", Practice time by " + IsoDate(kToday + 4));
}

// The lab's assignments.txt: a teacher's write goes only over what that
// machine read; another machine's change in between is kept and shown.
TEST(AssignmentPlace, TheLabFolderNeverOverwritesAnotherMachinesChange) {
  const PracticeLists lists = ShippedLists();
  const AssignmentFile fixture = ParseAssignments(MakeClass(lists, kToday).assignments);
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  FolderAssignments here, there;
  AssignmentsAnswer got;
  const auto take = [&got](AssignmentsAnswer a) { got = std::move(a); };

  here.Read(take);
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done);
  EXPECT_TRUE(got.file.assignments.empty());
  there.Read(take);
  here.Write({fixture.assignments[0]}, take);
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done);
  EXPECT_EQ(got.file.assignments, std::vector<Assignment>{fixture.assignments[0]});

  // The other machine read an empty folder: its write would lose "Pair drills".
  there.Write({fixture.assignments[1]}, take);
  EXPECT_EQ(got.outcome, AssignmentsOutcome::ChangedElsewhere);
  EXPECT_EQ(got.file.assignments, std::vector<Assignment>{fixture.assignments[0]});
  EXPECT_EQ(ParseAssignments(dir.Read(kAssignmentsFileName)).assignments, got.file.assignments);
  // Now it has seen it, its write goes.
  there.Write({fixture.assignments[0], fixture.assignments[1]}, take);
  ASSERT_EQ(got.outcome, AssignmentsOutcome::Done);
  // A teacher's hand edit is a change too.
  dir.Write(kAssignmentsFileName, dir.Read(kAssignmentsFileName) + "\r\n# checked\r\n");
  there.Write({}, take);
  EXPECT_EQ(got.outcome, AssignmentsOutcome::ChangedElsewhere);
  EXPECT_EQ(got.file.assignments.size(), 2u);
  // A write without a read first never goes over a file that is there.
  FolderAssignments fresh;
  fresh.Write({}, take);
  EXPECT_EQ(got.outcome, AssignmentsOutcome::ChangedElsewhere);
  EXPECT_EQ(ParseAssignments(dir.Read(kAssignmentsFileName)).assignments.size(), 2u);
}
