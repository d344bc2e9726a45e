// The statuses of a term's assignments for a whole school year group: each
// student drills and practises most days of a fifteen-week term. Reading the
// logs is timed apart; the goal is for judging them.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "Assignments.h"
#include "Catalogue.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "ReportReader.h"
#include "SessionLog.h"

#include "Figure.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr int32_t kTermStart = 46000;
constexpr int32_t kTermDays = 105;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

FilterState StateOf(const std::vector<int32_t>& indices, int32_t cardinality, int32_t range) {
  FilterState f{0, 0, range + 3 * cardinality};
  for (int32_t i : indices) (i < 16 ? f.LowMask : f.HighMask) |= 1 << (i < 16 ? i : i - 16);
  return NormaliseFilterState(f);
}

// Assignments of a few classes each (one in five of all of a cardinality),
// one a week or so, with each kind of goal.
std::vector<Assignment> MakeAssignments(const PracticeLists& lists, int count, std::mt19937& rng) {
  std::vector<Assignment> out;
  for (int n = 0; n < count; ++n) {
    Assignment a;
    a.title = "Week " + std::to_string(n + 1);
    a.cardinality = 3 + static_cast<int32_t>(rng() % 2);
    const auto& list = a.cardinality == 3 ? lists.trichords : lists.tetrachords;
    if (n % 5 == 0) {
      a.allClasses = true;
    } else {
      for (int k = 0; k < 3; ++k) {
        const std::string& name = list[rng() % list.size()];
        if (std::find(a.classes.begin(), a.classes.end(), name) == a.classes.end()) a.classes.push_back(name);
      }
    }
    a.range = static_cast<int32_t>(rng() % 3);
    a.goal = static_cast<AssignmentGoal>(n % 3);
    a.count = a.goal == AssignmentGoal::Drills ? 3 : a.goal == AssignmentGoal::Minutes ? 20 : 2;
    a.start = kTermStart + n * kTermDays / count;
    a.due = a.start + 6;
    out.push_back(a);
  }
  return out;
}

}  // namespace

int main(int argc, char** argv) {
  const int students = argc > 1 ? std::max(1, std::atoi(argv[1])) : 300;
  const int count = argc > 2 ? std::max(1, std::atoi(argv[2])) : 20;
  Catalogue catalogue;
  if (!catalogue.Load(std::string(SONORIX_SOURCE_DIR) + "/data/ftclass.dat")) {
    std::fprintf(stderr, "assign_bench: cannot read data/ftclass.dat\n");
    return 1;
  }
  const PracticeLists lists = ListsOf(catalogue);
  std::mt19937 rng(11);
  const std::vector<Assignment> assignments = MakeAssignments(lists, count, rng);

  // Half the drills and questions follow an assignment of the day, the rest
  // are the student's own choice.
  std::string report;
  std::string practice;
  for (int32_t day = kTermStart; day < kTermStart + kTermDays; ++day) {
    const Assignment* current = nullptr;
    for (const Assignment& a : assignments)
      if (day >= a.start && day <= a.due) current = &a;
    for (int s = 0; s < students; ++s) {
      if (rng() % 7 < 2) continue;
      const std::string name = "Student " + std::to_string(s);
      const bool follows = current && rng() % 2 == 0;
      const int32_t cardinality = follows ? current->cardinality - 3 : static_cast<int32_t>(rng() % 2);
      const auto& list = cardinality == 0 ? lists.trichords : lists.tetrachords;
      std::vector<int32_t> indices;
      if (follows && !current->allClasses) {
        for (const std::string& c : current->classes)
          indices.push_back(static_cast<int32_t>(std::find(list.begin(), list.end(), c) - list.begin()));
      } else {
        for (size_t i = 0; i < list.size(); ++i) indices.push_back(static_cast<int32_t>(i));
      }
      const int32_t range = follows ? current->range : static_cast<int32_t>(rng() % 3);
      const double date = day + 0.5;
      report += "\r\n" + StartRecordText(date, s, name) + "\r\n" + FilterRecordText(StateOf(indices, cardinality, range));
      for (int segment = 0; segment < 2; ++segment) {
        const auto right = static_cast<int32_t>(rng() % 30);
        const auto wrong = static_cast<int32_t>(rng() % 8);
        report += "\r\n" + SegmentRecordText(right, wrong, 120, SegmentCheckValue(name, date, right, wrong));
      }
      for (int q = 0; q < 25; ++q) {
        PracticeRecord r;
        r.day = day;
        r.secondOfDay = 50000 + q * 20;
        r.asked = list[static_cast<size_t>(indices[rng() % indices.size()])];
        r.voicing = cardinality == 0 ? std::vector<int32_t>{0, 4, 7} : std::vector<int32_t>{0, 4, 7, 10};
        if (rng() % 3 == 0) r.voicing.back() += 12;
        r.answers = {rng() % 3 ? r.asked : list[rng() % list.size()]};
        r.seconds = 5 + rng() % 20;
        r.person = name;
        practice += PracticeLine(r) + "\r\n";
      }
    }
  }
  std::printf("report.dat %zu bytes, practice.dat %zu bytes, %d students, %d assignments\n", report.size(),
              practice.size(), students, count);

  double bestReport = 1e9, bestPractice = 1e9, bestJudge = 1e9;
  size_t done = 0;
  for (int run = 0; run < 3; ++run) {
    const auto start = Clock::now();
    const ReportLog log = ParseReportLog(report);
    const auto reportRead = Clock::now();
    const PracticeLog questions = ParsePracticeLog(practice);
    const auto read = Clock::now();
    AssignmentJudge judge(assignments, lists);
    for (const LoggedDrill& drill : log.drills) judge.AddDrill(drill);
    for (const PracticeRecord& r : questions.records) judge.AddPractice(r);
    const auto rows = judge.Rows(kTermStart + kTermDays);
    const auto judged = Clock::now();
    done = 0;
    for (const PersonAssignments& row : rows)
      for (const AssignmentProgress& p : row.progress) done += p.status == AssignmentStatus::Done;
    bestReport = std::min(bestReport, Ms(reportRead - start));
    bestPractice = std::min(bestPractice, Ms(read - reportRead));
    bestJudge = std::min(bestJudge, Ms(judged - read));
    if (run == 0)
      std::printf("drills %zu, practice questions %zu, statuses done %zu\n", log.drills.size(),
                  questions.records.size(), done);
  }
  std::printf("reading report.dat: %.1f ms, practice.dat: %.1f ms (best of 3)\n", bestReport, bestPractice);
  PrintFigure("Assignments: statuses of 20 for 300 students, a term's logs read", bestJudge / 1000, "s", 0.5);
  return 0;
}
