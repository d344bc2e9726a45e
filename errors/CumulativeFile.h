// errors.dat folded in at the end of a drill: read, added to, written back,
// under its lock so that a second running copy loses nothing.
#pragma once

#include "ErrorStats.h"

// Reads errors.dat into `cumulative` (zero when missing), adds the drill's
// statistics unless it used filters, and writes the file back. A file that
// exists but cannot be read is kept: rewriting it from zero would lose every
// drill before this one. False when the file was not written.
bool UpdateCumulativeFile(const ErrorStats& session, bool filtersUsed, ErrorStats& cumulative);
