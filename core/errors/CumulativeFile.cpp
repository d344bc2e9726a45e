#include "CumulativeFile.h"

#include "Storage.h"

bool UpdateCumulativeFile(const ErrorStats& session, bool filtersUsed, ErrorStats& cumulative) {
  ClearStats(cumulative);
  const bool written =
      DataStorage().Update(kErrorsFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
        if (found == Storage::Found::Text) cumulative = ParseErrorStats(text);
        if (!filtersUsed) AddStats(cumulative, session);
        // An errors.dat that is there but cannot be read is kept as it is.
        if (found == Storage::Found::Unreadable) return std::nullopt;
        return FormatErrorStats(cumulative);
      });
  if (!written && !filtersUsed) {
    // Added to what earlier runs kept.
    DataStorage().Keep(kErrorsFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
      ErrorStats all = session;
      if (found == Storage::Found::Text) AddStats(all, ParseErrorStats(text));
      return FormatErrorStats(all);
    });
  }
  return written;
}

ErrorStats ReadCumulativeFile() {
  ErrorStats stats;
  ClearStats(stats);
  if (const auto text = DataStorage().Read(kErrorsFileName)) stats = ParseErrorStats(*text);
  return stats;
}

bool ClearCumulativeFile(ErrorStats& cumulative) {
  ErrorStats zero;
  ClearStats(zero);
  const bool written = DataStorage().Update(
      kErrorsFileName, [&](Storage::Found, const std::string&) -> std::optional<std::string> { return FormatErrorStats(zero); });
  if (written) cumulative = zero;
  return written;
}

void CatchUpKeptStats() {
  const auto kept = DataStorage().Kept(kErrorsFileName);
  if (!kept) return;
  const ErrorStats add = ParseErrorStats(*kept);
  const bool added =
      DataStorage().Update(kErrorsFileName, [&](Storage::Found found, const std::string& text) -> std::optional<std::string> {
        if (found == Storage::Found::Unreadable) return std::nullopt;
        ErrorStats all;
        ClearStats(all);
        if (found == Storage::Found::Text) all = ParseErrorStats(text);
        AddStats(all, add);
        return FormatErrorStats(all);
      });
  if (added) DataStorage().ForgetKept(kErrorsFileName);
}
