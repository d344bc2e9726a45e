// An assignment as the page's dialogs hold it (plain objects, dates as
// yyyy-mm-dd as a date field gives them), shared by the drill's Start and
// the assignments' own binding.
#pragma once

#include <emscripten/val.h>

#include "Assignments.h"

// {title, instructions: string[], cardinality, allClasses, classes: string[],
//  range, playMode, goal: 0 drills 1 minutes 2 first-try, count, right,
//  percent, start, due}
emscripten::val AssignmentValue(const Assignment& assignment);
// Anything else than such an object gives what it can; a date that is none is day 0.
Assignment AssignmentOf(const emscripten::val& value);
