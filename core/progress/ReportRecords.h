// One line of the drill log read (ReportReader.h): the fields of an S, F or
// D record, and the check value a D record shows for the drill it belongs to.
// ReportReader.cpp puts the lines together into drills.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string_view>

#include "FilterState.h"
#include "ReportReader.h"
#include "SessionLog.h"

namespace report_record {

// Day numbers of 1 January 100 and 31 December 9999: what a date can be.
inline constexpr double kFirstDay = -657434;
inline constexpr double kLastDay = 2958465;

// A finite decimal number as a stream writes a double.
std::optional<double> Number(std::string_view field);

// The S record after its "S ": date, person index and name.
std::optional<LoggedDrill> StartRecord(std::string_view rest);
// The F record after its "F ".
std::optional<FilterState> FilterRecord(std::string_view rest);

// The fields of a D record, read once.
struct SegmentFields {
  int32_t correct = 0;
  int32_t incorrect = 0;
  uint32_t seconds = 0;
  double check = 0;
};
std::optional<SegmentFields> ReadSegmentFields(std::string_view rest);

// The check value the drill window writes for a record, as read back: its
// writer keeps six significant digits, so from 1e6 on several whole values
// are written alike and a record verifies for each of them.
inline double WrittenValue(double expected) {
  // Whole values below 1e6 are written exactly; nearly every record is one.
  if (std::fabs(expected) < 1e6 && expected == std::trunc(expected)) return expected;
  return Number(FormatLogDouble(expected)).value_or(std::numeric_limits<double>::quiet_NaN());
}

// Whether the D record's check value is the one written for the drill it
// would belong to. `checkBase` is the drill's check value without answers:
// the same sum, done in the same order, as the check value itself.
inline bool Matches(const SegmentFields& d, double checkBase) {
  return d.check == WrittenValue(checkBase - d.correct - 2.0 * d.incorrect);
}

// How far a drill's checkBase can lie from the record's own: the rounding of
// six significant digits is at most 5e-6 of the value written.
inline double Slack(const SegmentFields& d) { return 1 + 1e-5 * std::fabs(d.check); }

// The verified segment of a D record in the drill it belongs to.
LoggedSegment SegmentOf(const SegmentFields& d, const LoggedDrill& drill);

}  // namespace report_record
