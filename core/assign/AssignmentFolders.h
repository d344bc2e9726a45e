// A class folder's account folder judged for the assignments: every drill
// and practice record in it is the account's, whatever name it holds, as the
// class's other figures take them. The same for the command, the desktop and
// the page.
#pragma once

#include <string>

#include <functional>

#include "Assignments.h"
#include "ClassFetch.h"
#include "ClassReader.h"

// `person` is the row's name (PersonKey of the account).
void JudgeFolder(AssignmentJudge& judge, const std::string& person, const FolderFiles& folder);

// A ClassFetch's judge of each folder for the judge `judge()` gives at the
// time (none: the folder is left alone): a folder unchanged since it was
// last judged for the same assignments is judged from what was kept of it.
FolderJudge KeptFolderJudge(std::function<AssignmentJudge*()> judge);
