#include "CumulativeFile.h"

#include "Storage.h"

bool UpdateCumulativeFile(const ErrorStats& session, bool filtersUsed, ErrorStats& cumulative) {
  ClearStats(cumulative);
  return DataStorage().Update(kErrorsFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
    if (found == Storage::Found::Text) cumulative = ParseErrorStats(text);
    if (!filtersUsed) AddStats(cumulative, session);
    // An errors.dat that is there but cannot be read is kept as it is.
    if (found == Storage::Found::Unreadable) return std::nullopt;
    return FormatErrorStats(cumulative);
  });
}
