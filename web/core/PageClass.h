// Between the teacher's overview and the assignments, which the page binds
// apart: who hears each account folder the overview reads (the assignments'
// statuses), none when it has no judge; and the assignments' columns of the overview.
#pragma once

#include <functional>
#include <string>

#include "ClassAssignments.h"
#include "ClassFetch.h"

const FolderJudge& PageFolderJudge();
void SetPageFolderJudge(FolderJudge judge);

// All of the assignments last judged, or those due this week; none before a judged read.
using PageAssignmentColumnsFn = std::function<ClassAssignmentColumns(bool dueThisWeekOnly)>;
ClassAssignmentColumns PageAssignmentColumns(bool dueThisWeekOnly);
void SetPageAssignmentColumns(PageAssignmentColumnsFn columns);
