#include "ClassAssignments.h"

#include <algorithm>

#include "AssignmentFolders.h"
#include "ClassFigures.h"

const AssignmentProgress* ClassAssignmentColumns::Of(const PersonFigures& p, size_t column) const {
  if (p.unknown) return nullptr;
  const auto row = byName.find(p.name);
  return row != byName.end() && column < row->second.size() ? &row->second[column] : nullptr;
}

ClassAssignmentColumns MakeClassAssignmentColumns(const std::vector<Assignment>& assignments,
                                                  const std::vector<PersonAssignments>& rows, bool dueThisWeekOnly,
                                                  int32_t today) {
  ClassAssignmentColumns columns;
  std::vector<size_t> kept;
  for (size_t i = 0; i < assignments.size(); ++i) {
    if (dueThisWeekOnly && !DueThisWeek(assignments[i], today)) continue;
    kept.push_back(i);
    columns.assignments.push_back(assignments[i]);
  }
  for (const PersonAssignments& row : rows) {
    std::vector<AssignmentProgress>& progress = columns.byName[row.name];
    // A row judged against other assignments than these gives empty cells rather than wrong ones.
    if (row.progress.size() != assignments.size()) continue;
    for (size_t i : kept) progress.push_back(row.progress[i]);
  }
  return columns;
}

ClassCell ClassAssignmentCellOf(const ClassAssignmentColumns& columns, const PersonFigures& p, size_t column) {
  const AssignmentProgress* progress = columns.Of(p, column);
  if (!progress) return {};
  double rank = 0;
  switch (progress->status) {
    case AssignmentStatus::Late: rank = 0; break;
    case AssignmentStatus::NotStarted: rank = 1; break;
    case AssignmentStatus::InProgress: rank = 2; break;
    case AssignmentStatus::Done: rank = 3; break;
  }
  const double part = progress->goal > 0 ? std::min(0.99, static_cast<double>(progress->done) / progress->goal) : 0;
  return {std::string(StatusText(progress->status)) + ", " + ProgressText(columns.assignments[column], *progress),
          rank + part};
}

std::string ClassCsvWithAssignments(const std::vector<PersonFigures>& rows, const ClassAssignmentColumns& columns,
                                    char separator, bool byteOrderMark) {
  ClassCsvExtra extra;
  for (const Assignment& a : columns.assignments) {
    extra.heads.push_back(a.title + " status");
    extra.heads.push_back(a.title + " progress");
  }
  extra.fields = [&columns](const PersonFigures& p) {
    std::vector<std::string> fields;
    for (size_t c = 0; c < columns.assignments.size(); ++c) {
      const AssignmentProgress* progress = columns.Of(p, c);
      fields.push_back(progress ? StatusText(progress->status) : "");
      fields.push_back(progress ? ProgressText(columns.assignments[c], *progress) : "");
    }
    return fields;
  };
  return ClassCsv(rows, separator, byteOrderMark, &extra);
}

void JudgeClassFiles(AssignmentJudge& judge, const ClassFiles& files) {
  for (const auto& [account, folder] : files) JudgeFolder(judge, PersonKey(account), folder);
}
