#include "AssignmentTexts.h"

#include <QCoreApplication>

QString AssignmentText(const char* source) { return QCoreApplication::translate("Assignments", source); }

QString StatusName(AssignmentStatus status) { return AssignmentText(StatusText(status)); }

QString ProgressName(const Assignment& a, const AssignmentProgress& p) {
  const bool one = p.goal == 1;
  const char* source = a.goal == AssignmentGoal::Drills ? (one ? QT_TRANSLATE_NOOP("Assignments", "%1 of %2 drill")
                                                               : QT_TRANSLATE_NOOP("Assignments", "%1 of %2 drills"))
                       : a.goal == AssignmentGoal::Minutes
                           ? (one ? QT_TRANSLATE_NOOP("Assignments", "%1 of %2 minute")
                                  : QT_TRANSLATE_NOOP("Assignments", "%1 of %2 minutes"))
                           : (one ? QT_TRANSLATE_NOOP("Assignments", "%1 of %2 class")
                                  : QT_TRANSLATE_NOOP("Assignments", "%1 of %2 classes"));
  return AssignmentText(source).arg(p.done).arg(p.goal);
}
