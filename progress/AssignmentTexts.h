// The texts of the assignments in the student's language: the Assignments
// window and the Class Overview's columns say them alike.
#pragma once

#include <QString>

#include "Assignments.h"

QString AssignmentText(const char* source);
QString StatusName(AssignmentStatus status);
// "2 of 3 drills".
QString ProgressName(const Assignment& assignment, const AssignmentProgress& progress);
