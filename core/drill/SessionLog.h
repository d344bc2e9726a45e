// The session log report.dat: S (start), F (filters) and D (segment) records,
// only ever appended, each after a line break of its own.
#pragma once

#include <cstdint>
#include <string>

#include "FilterState.h"

inline constexpr const char* kReportFileName = "report.dat";

// A double as a default-formatted stream writes it: six significant digits,
// no trailing zeros, exponent form from 1e6 on ("39228", "39228.5", "1.23457e+06").
std::string FormatLogDouble(double value);

// Signed bytes of the name, plus the session date, minus correct, minus twice incorrect.
double SegmentCheckValue(const std::string& personName, double sessionDate, int32_t correct, int32_t incorrect);

// Record texts, without line breaks.
std::string StartRecordText(double date, int32_t personIndex, const std::string& personName);
std::string FilterRecordText(const FilterState& state);
std::string SegmentRecordText(int32_t correct, int32_t incorrect, uint32_t seconds, double checkValue);

// Appends CR LF and the record in one write, creating the file if needed.
// False when it could not be written; in a shared folder the record is then
// kept for the next start and the student told.
bool AppendLogRecord(const std::string& fileName, const std::string& recordText);
