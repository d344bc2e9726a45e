#include "CumulativeFile.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

#include "DataFile.h"
#include "FileLock.h"
#include "Platform.h"

namespace {

// Under the lock: errors.dat read, `add` added, written back. The errno of a
// failure, 0 when written.
int FoldIntoFile(const ErrorStats& add, bool adding, ErrorStats& cumulative) {
  FileLock lock(kErrorsFileName);
  ClearStats(cumulative);
  if (lock.Refused()) return lock.Refusal();
  if (PlatformFileExists(kErrorsFileName)) {
    auto text = ReadTextFile(kErrorsFileName);
    if (!text) return errno != 0 ? errno : EIO;
    cumulative = ParseErrorStats(*text);
  }
  if (adding) AddStats(cumulative, add);
  return WriteFileAtomic(kErrorsFileName, FormatErrorStats(cumulative)) ? 0 : errno;
}

}  // namespace

bool UpdateCumulativeFile(const ErrorStats& session, bool filtersUsed, ErrorStats& cumulative) {
  const int error = FoldIntoFile(session, !filtersUsed, cumulative);
  if (error == 0) return true;
  if (!filtersUsed && DataFolderIsShared()) {
    // Added to what earlier runs kept, under the kept copy's own lock.
    std::string kept = KeptFile(kErrorsFileName);
    if (!kept.empty()) {
      FileLock keptLock(kept);
      ErrorStats all = session;
      if (const auto old = ReadTextFile(kept)) AddStats(all, ParseErrorStats(*old));
      if (keptLock.Refused() || !WriteFileAtomic(kept, FormatErrorStats(all))) kept.clear();
    }
    ReportFileTrouble(FileTrouble::NotWritten, kErrorsFileName, std::strerror(error), kept);
  }
  return false;
}

void CatchUpKeptStats() {
  const std::string dir = KeptFolder();
  if (dir.empty()) return;
  const std::string kept = dir + "/" + kErrorsFileName;
  if (!PlatformFileExists(kept)) return;
  FileLock keptLock(kept);
  const auto text = ReadTextFile(kept);
  if (keptLock.Refused() || !text) return;
  ErrorStats cumulative{};
  if (FoldIntoFile(ParseErrorStats(*text), true, cumulative) == 0) ::unlink(kept.c_str());
}
