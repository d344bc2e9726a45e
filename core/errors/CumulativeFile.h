// errors.dat folded in at the end of a drill: read, added to, written back,
// under its lock so that a second running copy loses nothing.
#pragma once

#include "ErrorStats.h"

// Reads errors.dat into `cumulative` (zero when missing), adds the drill's
// statistics unless it used filters, and writes the file back. A file that
// exists but cannot be read is kept: rewriting it from zero would lose every
// drill before this one. A lock refused is no write either. False when the
// file was not written; in a shared folder the drill's statistics are then
// kept in the account's own folder and the student told.
bool UpdateCumulativeFile(const ErrorStats& session, bool filtersUsed, ErrorStats& cumulative);

// errors.dat as it is now, for the cumulative report: zero when it is
// missing or cannot be read.
ErrorStats ReadCumulativeFile();

// errors.dat back to zero, under its lock. `cumulative` is cleared only when
// the file was: a report never shows a clear that did not happen.
bool ClearCumulativeFile(ErrorStats& cumulative);

// Adds the statistics kept by earlier runs into errors.dat when it can be
// written now; the kept copy goes once they are in.
void CatchUpKeptStats();
