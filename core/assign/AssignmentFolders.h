// A class folder's account folder judged for the assignments: every drill
// and practice record in it is the account's, whatever name it holds, as the
// class's other figures take them. The same for the command, the desktop and
// the page.
#pragma once

#include <string>

#include "Assignments.h"
#include "ClassReader.h"

// `person` is the row's name (PersonKey of the account).
void JudgeFolder(AssignmentJudge& judge, const std::string& person, const FolderFiles& folder);
