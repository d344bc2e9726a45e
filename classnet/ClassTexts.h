// The core's texts about the class, in the student's language.
#pragma once

#include <QString>

#include "ClassLink.h"

// A source text of the core (a fault, a status), translated; "%n" is `n`.
QString ClassText(const char* source, int n = -1);
QString ClassStatusLine(const ClassStatus& status);
