// Reading the drill log report.dat back: S records start drills, F records
// give their filters, D records their segments. Several copies may append to
// one log, so records of different drills interleave. A drill is open from
// its S record until a later S record of the same person or of a later day.
// A D record counts for the one open drill whose check value it matches; when
// it matches none it is unverified, charged to the only open drill or else to
// nobody ("unknown"); when it matches several it is ambiguous and counts for
// none. A check value verifies only as the drill window writes it: with six
// significant digits. An F record belongs to the drill whose next D records
// show it must. A damaged S record's drill verifies nothing; while its name
// still shows, the records that fit that name are that name's unverified ones.
// Names that decode to the same text (UTF-8, or Latin-1 where a name is not
// UTF-8) are one person.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
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
  bool filtersUnknown = false;          // one of its F records could not be read or placed
  int32_t unverified = 0;               // its records left out: damaged, or failing their check
  int32_t ambiguous = 0;                // records that verify for it and for another open drill
};

struct ReportLog {
  std::vector<LoggedDrill> drills;  // in log order
  int32_t records = 0;     // non-empty lines
  int32_t unverified = 0;  // lines left out: damaged, outside a drill, or failing their check
  int32_t ambiguous = 0;   // D records that verify for more than one open drill, counted once
  int32_t unknown = 0;     // unverified lines that no single drill can be charged with
  // F records that no drill's D records showed to be its own (a drill left
  // without answers leaves one): neither verified nor unverified.
  int32_t unplacedFilters = 0;
  // Unverified records of drills whose S record was damaged but still shows
  // the name: its F and D records, never that S line itself.
  std::map<std::string, int32_t> lostByName;
  // Those damaged S lines: unverified, but in no person's figures.
  int32_t namedDamagedStarts = 0;
};

// Reads a log piece by piece, in any pieces, handing over each drill once it
// can gain no more records (so not in log order). Keeps only the open drills.
class ReportLogReader {
 public:
  using DrillSink = std::function<void(LoggedDrill&&)>;
  explicit ReportLogReader(DrillSink sink);
  ~ReportLogReader();
  ReportLogReader(const ReportLogReader&) = delete;
  ReportLogReader& operator=(const ReportLogReader&) = delete;

  void Feed(std::string_view bytes);
  // The end of the log: hands over the open drills; the counts, without drills.
  ReportLog Finish();

 private:
  struct State;
  State* state_;
};

// Any bytes, CR LF or LF. A Ctrl-Z ends the log only when nothing but line
// breaks follows it; otherwise its line is damaged. Never fails.
ReportLog ParseReportLog(std::string_view text);
// nullopt when the file cannot be read; a missing file is an empty log.
std::optional<ReportLog> LoadReportLog(const std::string& fileName);

// Reads the file in pieces into the reader. `progress`, when given, hears the
// bytes read so far and the size, and stops the read by returning false.
// False when the file cannot be read or the read was stopped; a missing file
// reads as empty.
bool ReadReportFile(const std::string& fileName, ReportLogReader& reader,
                    const std::function<bool(uint64_t done, uint64_t size)>& progress = {});

// Names are logged as the login took them; bytes that are not UTF-8 are
// taken as Latin-1 so that exports stay valid UTF-8.
std::string Utf8(const std::string& bytes);
// The person a logged name is: its text as UTF-8.
std::string PersonKey(const std::string& name);

// Eligible as the drill window judges it: one filter state for the whole
// drill, enabling every set class of its cardinality.
bool IsEligible(const LoggedDrill& drill);

// The whole day of a day number, and its calendar date "yyyy-mm-dd".
int32_t DayOf(double date);
std::string IsoDate(int32_t day);
// The Monday on or before the day.
int32_t WeekStartOf(int32_t day);
