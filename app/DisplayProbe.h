// Whether the program can open a window at all, asked before the toolkit
// starts: without a display the toolkit aborts instead of saying why.
#pragma once

#include <string>

// True when one of the window systems the toolkit will try is reachable (or
// is one that needs no display, such as offscreen). Otherwise false, with the
// reason in `reason`.
bool CanOpenWindow(int argc, char** argv, std::string& reason);
