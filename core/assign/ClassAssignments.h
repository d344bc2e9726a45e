// The Class Overview's columns for the class's assignments, one making for
// the desktop's window, its CSV and printed report, and the page's teacher
// overview: a column per assignment, each cell a student's status and
// progress; all of the assignments or only those due this week.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "Assignments.h"
#include "ClassOverviewReport.h"
#include "ClassReader.h"

struct ClassAssignmentColumns {
  std::vector<Assignment> assignments;  // the columns, in the file's order
  // Row name -> one per column; a row without an entry (the unknown one) shows empty cells.
  std::map<std::string, std::vector<AssignmentProgress>> byName;
  const AssignmentProgress* Of(const PersonFigures& p, size_t column) const;
};

// `rows` as AssignmentJudge::Rows gives them for `assignments`.
ClassAssignmentColumns MakeClassAssignmentColumns(const std::vector<Assignment>& assignments,
                                                  const std::vector<PersonAssignments>& rows, bool dueThisWeekOnly,
                                                  int32_t today);

// "in progress, 2 of 3 drills" in English. It sorts late lowest, then not
// started, in progress and done, and within a status by how much is done.
ClassCell ClassAssignmentCellOf(const ClassAssignmentColumns& columns, const PersonFigures& p, size_t column);

// ClassCsv with "<title> status" and "<title> progress" after its columns.
std::string ClassCsvWithAssignments(const std::vector<PersonFigures>& rows, const ClassAssignmentColumns& columns,
                                    char separator = ',', bool byteOrderMark = false);

// Every record in an account's folder is that account's, whatever name it holds.
void JudgeClassFiles(AssignmentJudge& judge, const ClassFiles& files);
