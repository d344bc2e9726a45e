#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AssignFixture.h"
#include "Assignments.h"
#include "People.h"
#include "ScratchDir.h"

using namespace assign_fixture;

namespace {

constexpr int32_t kToday = 45000;  // a Wednesday; its week began on day 44998

PracticeLists ShippedLists() {
  Catalogue catalogue;
  EXPECT_TRUE(catalogue.Load(ShippedDataPath("ftclass.dat")));
  return ListsOf(catalogue);
}

// "Ann: done/2 of 2 drills, ..." for each row.
std::vector<std::string> Texts(const AssignmentJudge& judge, int32_t today) {
  std::vector<std::string> out;
  for (const PersonAssignments& row : judge.Rows(today)) {
    std::string text = row.name + ":";
    for (size_t n = 0; n < row.progress.size(); ++n)
      text += std::string(n ? ", " : " ") + StatusText(row.progress[n].status) + "/" +
              ProgressText(judge.Assignments()[n], row.progress[n]);
    out.push_back(text);
  }
  return out;
}

AssignmentJudge Judge(const ClassFiles& c, const std::vector<Assignment>& assignments, const PracticeLists& lists) {
  AssignmentJudge judge(assignments, lists);
  for (const LoggedDrill& drill : ParseReportLog(c.report).drills) judge.AddDrill(drill);
  for (const PracticeRecord& r : ParsePracticeLog(c.practice).records) judge.AddPractice(r);
  for (const std::string& name : ParsePeople(c.people).names) judge.AddPerson(name);
  return judge;
}

}  // namespace

// The file as a teacher edits it: damaged lines named and skipped, both line
// ends, the end at Ctrl-Z, and what is written reads back the same.
TEST(AssignmentFile, ReadsWhatATeacherWritesAndWritesItBack) {
  const ClassFiles c = MakeClass(ShippedLists(), kToday);
  const AssignmentFile file = ParseAssignments(c.assignments);
  ASSERT_EQ(file.assignments.size(), 3u);
  EXPECT_EQ(file.lines, (std::vector<int32_t>{3, 10, 15}));
  ASSERT_EQ(file.warnings.size(), 2u);
  EXPECT_EQ(file.warnings[0].line, 5);
  EXPECT_EQ(file.warnings[1].line, 20);

  const Assignment& pair = file.assignments[0];
  EXPECT_EQ(pair.title, "Pair drills");
  EXPECT_EQ(pair.instructions, std::vector<std::string>{"Two chords only."});
  EXPECT_EQ(pair.classes, (std::vector<std::string>{"3-1", "3-11"}));
  EXPECT_EQ(pair.cardinality, 3);
  EXPECT_EQ(pair.range, 0);
  EXPECT_EQ(pair.goal, AssignmentGoal::Drills);
  EXPECT_EQ(pair.count, 2);
  EXPECT_EQ(pair.right, 10);
  EXPECT_EQ(pair.percent, 75);
  EXPECT_EQ(pair.start, kToday - 10);
  EXPECT_EQ(pair.due, kToday - 1);
  EXPECT_TRUE(file.assignments[1].allClasses);
  EXPECT_EQ(file.assignments[1].goal, AssignmentGoal::Minutes);
  const Assignment& first = file.assignments[2];
  EXPECT_EQ(first.title, "First try");
  EXPECT_EQ(first.classes, (std::vector<std::string>{"4-Z15", "4-Z29"}));
  EXPECT_EQ(first.cardinality, 4);
  EXPECT_EQ(first.range, 2);
  EXPECT_EQ(first.playMode, 2);
  EXPECT_EQ(first.start, kToday - 7);  // the damaged start line took nothing

  const std::string written = FormatAssignments(file.assignments);
  const AssignmentFile again = ParseAssignments(written);
  EXPECT_TRUE(again.warnings.empty());
  EXPECT_EQ(again.assignments, file.assignments);
  EXPECT_EQ(written.find('\n'), written.find("\r\n") + 1);

  // Built by a program rather than read: its texts become single lines.
  Assignment built = first;
  built.title = "  Two\r\nlines ";
  built.instructions = {"a\nb", ""};
  built.goal = AssignmentGoal::Drills;
  built.count = 3;
  built.right = 0;
  built.percent = 100;
  const AssignmentFile read = ParseAssignments(FormatAssignments({built}));
  ASSERT_EQ(read.assignments.size(), 1u);
  EXPECT_EQ(read.assignments[0].title, "Two  lines");
  EXPECT_EQ(read.assignments[0].instructions, (std::vector<std::string>{"a b", ""}));
  built.title = "Two  lines";
  built.instructions = {"a b", ""};
  EXPECT_EQ(read.assignments[0], built);
}

// What cannot be understood costs its line, or its assignment when it lacks
// what it needs, and nothing else.
TEST(AssignmentFile, SkipsWhatItCannotUnderstand) {
  const std::string text =
      "classes 3-1\n"                                          // 1: before any assignment
      "assignment A\nclasses 3-1 4-1\nclasses 3-2\ngoal minutes 0\ngoal minutes 5\n"  // 2-6
      "start 2026-12-01\ndue 2026-11-30\n"                     // 7-8: due before start
      "assignment\nclasses 3-1\n"                              // 9-10: no title, lines go with it
      "assignment B\nclasses 3-x!\ngoal drills 2 percent 101\ngoal first-try 3 extra\n"  // 11-14
      "range wide\nplay chord\nstart 2026-12-01\ndue 2026-12-01\n"  // 15-18
      "assignment C\nclasses 3-2\ngoal drills 1\nstart 2026-12-01\ndue 2026-12-02\ndue 2026-12-09\n"
      "\xff\xfe garbage \x01\n";                                // 19-25
  const AssignmentFile file = ParseAssignments(text);
  std::vector<int32_t> lines;
  for (const AssignmentWarning& w : file.warnings) {
    lines.push_back(w.line);
    EXPECT_FALSE(w.why.empty());
  }
  EXPECT_EQ(lines, (std::vector<int32_t>{1, 3, 5, 2, 9, 12, 13, 14, 15, 11, 24, 25}));
  ASSERT_EQ(file.assignments.size(), 1u);
  EXPECT_EQ(file.assignments[0].title, "C");
  EXPECT_EQ(file.assignments[0].right, 5);  // what reaches END
  EXPECT_EQ(file.assignments[0].due, file.assignments[0].start + 1);
  for (const char* odd : {"", "\x1a", "assignment", "\r\n\r\n", "assignment x\rclasses 3-1"})
    EXPECT_TRUE(ParseAssignments(odd).assignments.empty()) << odd;
}

// The fixture class: a drill on the due date, more classes than assigned,
// another range, practice over two days, before the start and after the due
// date, first tries on the start day, a person without work.
TEST(AssignmentStatus, OfEachStudentFromTheLogs) {
  const PracticeLists lists = ShippedLists();
  const ClassFiles c = MakeClass(lists, kToday);
  const AssignmentFile file = ParseAssignments(c.assignments);
  AssignmentJudge judge = Judge(c, file.assignments, lists);
  EXPECT_TRUE(judge.Warnings().empty());
  EXPECT_EQ(Texts(judge, kToday), Expected());

  // The same logs judged before the due dates: nothing is late yet.
  const auto early = judge.Rows(kToday - 2);
  EXPECT_EQ(early[3].progress[0].status, AssignmentStatus::NotStarted);
  EXPECT_EQ(early[1].progress[0].status, AssignmentStatus::InProgress);

  // Edited after the students began: judged by the text as it is now.
  std::string edited = c.assignments;
  edited.insert(edited.find("classes 3-1, 3-11"), "range one octave\r\n");
  const AssignmentFile now = ParseAssignments(edited);
  ASSERT_EQ(now.assignments.size(), 3u);
  AssignmentJudge again = Judge(c, {now.assignments[0]}, lists);
  EXPECT_EQ(Texts(again, kToday), ExpectedPairInOneOctave());

  // A class the catalogue does not have: never done, and said so.
  Assignment unknown = file.assignments[0];
  unknown.classes = {"3-1", "3-99"};
  AssignmentJudge strange = Judge(c, {unknown}, lists);
  ASSERT_EQ(strange.Warnings().size(), 1u);
  for (const PersonAssignments& row : strange.Rows(kToday))
    EXPECT_NE(row.progress[0].status, AssignmentStatus::Done) << row.name;

  EXPECT_TRUE(DueThisWeek(file.assignments[0], kToday));   // Tuesday, passed
  EXPECT_TRUE(DueThisWeek(file.assignments[1], kToday));   // Sunday
  EXPECT_FALSE(DueThisWeek(file.assignments[2], kToday));  // next Wednesday
}

// The table the command prints, and the file through the data storage.
TEST(AssignmentStatus, TableAndFile) {
  const PracticeLists lists = ShippedLists();
  const ClassFiles c = MakeClass(lists, kToday);
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  ASSERT_TRUE(LoadAssignmentsFile(kAssignmentsFileName)->assignments.empty());
  const AssignmentFile file = ParseAssignments(c.assignments);
  ASSERT_TRUE(SaveAssignmentsFile(kAssignmentsFileName, file.assignments));
  EXPECT_EQ(LoadAssignmentsFile(kAssignmentsFileName)->assignments, file.assignments);

  std::vector<Assignment> titled = file.assignments;
  titled[0].title = "Pairs, \"close\"";
  const AssignmentJudge judge = Judge(c, titled, lists);
  const std::string csv = AssignmentsCsv(titled, judge.Rows(kToday));
  EXPECT_EQ(csv.substr(0, csv.find("\r\n")),
            "name,\"Pairs, \"\"close\"\" status\",\"Pairs, \"\"close\"\" progress\",Practice time status,"
            "Practice time progress,First try status,First try progress");
  EXPECT_NE(csv.find("\r\nBob,late,0 of 2 drills,in progress,3 of 10 minutes,in progress,0 of 2 classes\r\n"),
            std::string::npos);
  const std::string json = AssignmentsJson(titled, judge.Rows(kToday));
  EXPECT_NE(json.find("{\"title\": \"Pairs, \\\"close\\\"\", \"status\": \"done\", \"progress\": \"2 of 2 drills\", "
                      "\"done\": 2, \"goal\": 2, \"due\": \"" + IsoDate(kToday - 1) + "\"}"),
            std::string::npos);
}

// What a folder's work was kept as, judged again on another day, is what its
// records give then: split by person and kind, in any order, and merged per person.
TEST(AssignmentStatus, KeptTalliesJudgeAsTheRecordsDo) {
  const PracticeLists lists = ShippedLists();
  const ClassFiles c = MakeClass(lists, kToday);
  const AssignmentFile file = ParseAssignments(c.assignments);
  const AssignmentJudge whole = Judge(c, file.assignments, lists);
  // Each person's drills and practice kept apart, as if in folders of their own.
  std::vector<std::string> kept;
  for (const std::string name : {"Ann", "Bob", "Cleo"}) {
    AssignmentJudge drills = whole.Blank(), practice = whole.Blank();
    for (const LoggedDrill& d : ParseReportLog(c.report).drills)
      if (d.person == name) drills.AddDrill(d);
    for (const PracticeRecord& r : ParsePracticeLog(c.practice).records)
      if (r.person == name) practice.AddPractice(r);
    kept.push_back(practice.TalliesText());
    kept.push_back(drills.TalliesText());
  }
  AssignmentJudge people = whole.Blank();
  for (const std::string& name : ParsePeople(c.people).names) people.AddPerson(name);
  kept.push_back(people.TalliesText());
  AssignmentJudge again = whole.Blank();
  for (const std::string& text : kept) ASSERT_TRUE(again.AddTalliesText(text)) << text;
  for (int32_t today : {kToday - 2, kToday, kToday + 8}) EXPECT_EQ(Texts(again, today), Texts(whole, today)) << today;

  // Damaged or cut short: refused, and nothing of it added.
  const std::string ann = kept[0];
  AssignmentJudge none = whole.Blank();
  for (const std::string& bad : std::vector<std::string>{ann.substr(0, ann.size() - 2), ann + " 1", "1 9:Ann", "",
                                                         "x" + ann, "1 3:Ann 1 1 -1 0 0 0 0 0 0 0 0 0"})
    EXPECT_FALSE(none.AddTalliesText(bad)) << bad;
  EXPECT_TRUE(none.Rows(kToday).empty());
  // Kept for other assignments it is refused too, and another due date is another key.
  AssignmentJudge fewer({file.assignments[0]}, lists);
  EXPECT_FALSE(fewer.AddTalliesText(ann));
  std::vector<Assignment> later = file.assignments;
  later[0].due += 1;
  EXPECT_EQ(AssignmentJudge(file.assignments, lists).Key(), whole.Key());
  EXPECT_NE(AssignmentJudge(later, lists).Key(), whole.Key());
}
