// Reading the drill log report.dat back: S records start drills, F records
// give their filters, D records their segments. A D record counts only when
// its check value matches the drill's S record; a damaged line or a record
// that fails its check is counted as unverified and left out. In a log that
// several copies append to, a D record whose check fails against the latest
// S record belongs to the open drill of another person that it matches.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FilterState.h"

// One verified D record.
struct LoggedSegment {
  int32_t correct = 0;
  int32_t incorrect = 0;
  uint32_t seconds = 0;
  int32_t modeCode = -1;  // ModeCode of the F record in force, -1 when none was readable
};

struct LoggedDrill {
  uint64_t offset = 0;  // byte position of its S record in the log
  double date = 0;  // day number of the S record (days since 30 December 1899)
  int32_t personIndex = 0;
  std::string person;                   // as logged: may hold blanks, any bytes
  std::vector<FilterState> filters;     // the readable F records, in order
  std::vector<LoggedSegment> segments;  // the verified D records, in order
  bool filtersUnknown = false;          // one of its F records could not be read
  int32_t unverified = 0;               // its records left out: damaged, or failing their check
};

struct ReportLog {
  std::vector<LoggedDrill> drills;
  int32_t records = 0;     // non-empty lines
  int32_t unverified = 0;  // lines left out: damaged, outside a drill, or failing their check
};

// Any bytes; stops at Ctrl-Z, takes CR LF or LF. Never fails.
ReportLog ParseReportLog(std::string_view text);
// nullopt when the file cannot be read; a missing file is an empty log.
std::optional<ReportLog> LoadReportLog(const std::string& fileName);

// Eligible as the drill window judges it: one filter state for the whole
// drill, enabling every set class of its cardinality.
bool IsEligible(const LoggedDrill& drill);

// The whole day of a day number, and its calendar date "yyyy-mm-dd".
int32_t DayOf(double date);
std::string IsoDate(int32_t day);
// The Monday on or before the day.
int32_t WeekStartOf(int32_t day);
