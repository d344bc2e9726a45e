#include "CumulativeFile.h"

#include "DataFile.h"
#include "FileLock.h"
#include "Platform.h"

bool UpdateCumulativeFile(const ErrorStats& session, bool filtersUsed, ErrorStats& cumulative) {
  FileLock lock(kErrorsFileName);
  ClearStats(cumulative);
  bool readable = true;
  if (PlatformFileExists(kErrorsFileName)) {
    if (auto text = ReadTextFile(kErrorsFileName)) {
      cumulative = ParseErrorStats(*text);
    } else {
      readable = false;
    }
  }
  if (!filtersUsed) AddStats(cumulative, session);
  return readable && WriteFileAtomic(kErrorsFileName, FormatErrorStats(cumulative));
}
