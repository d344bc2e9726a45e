// Any bytes as assignments.txt: the reader never fails, names only lines that
// exist, keeps only assignments that make sense, and what it writes reads
// back as the same assignments without a warning; judging them never fails.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "Assignments.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const AssignmentFile file = ParseAssignments(text);
  Require(file.lines.size() == file.assignments.size());
  const auto lines = static_cast<int32_t>(std::count(text.begin(), text.end(), '\n')) + 1;
  for (const AssignmentWarning& w : file.warnings) Require(w.line >= 1 && w.line <= lines && !w.why.empty());
  for (const Assignment& a : file.assignments) {
    Require(!a.title.empty() && a.start <= a.due && a.count >= 1 && (a.cardinality == 3 || a.cardinality == 4));
    Require(a.allClasses == a.classes.empty());
  }
  const AssignmentFile again = ParseAssignments(FormatAssignments(file.assignments));
  Require(again.warnings.empty() && again.assignments == file.assignments);

  PracticeLists lists;
  lists.trichords = {"3-1", "3-2", "3-11"};
  lists.tetrachords = {"4-1", "4-Z15"};
  AssignmentJudge judge(file.assignments, lists);
  PracticeRecord r;
  r.asked = "3-11";
  r.answers = {"3-11"};
  r.voicing = {0, 3, 7};
  r.person = "Ann";
  r.seconds = 60;
  for (const Assignment& a : file.assignments) {
    r.day = a.start;
    judge.AddPractice(r);
  }
  for (const PersonAssignments& row : judge.Rows(0)) Require(row.progress.size() == file.assignments.size());
  return 0;
}
