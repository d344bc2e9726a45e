// What the drill log does not say about a drill: the time of day it began and
// the "Play:" manners it was heard in. Kept in a file of our own beside the
// log, drillnotes.dat, one line per note: the byte position of the drill's
// S record in report.dat, its day number, the seconds since midnight when it
// began, and a manner (0 chord, 1 figure, 2 mixed figure). A drill whose
// manner changes gets one more line. The log itself stays as it is.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

inline constexpr const char* kDrillNotesFileName = "drillnotes.dat";

struct DrillNote {
  int32_t day = 0;
  int32_t secondsOfDay = -1;
  std::vector<int32_t> manners;  // in the order first heard, each once
};

// By the S record's byte position.
using DrillNotes = std::map<uint64_t, DrillNote>;

// One line, CR LF included.
std::string DrillNoteLine(uint64_t startOffset, int32_t day, int32_t secondsOfDay, int32_t manner);
// Damaged lines are skipped; a Ctrl-Z ends the notes only before nothing but line breaks.
DrillNotes ParseDrillNotes(std::string_view text);
// Empty when the file is missing or unreadable.
DrillNotes LoadDrillNotes(const std::string& fileName);

// The position of the last S record that starts at or after `from` in the
// log's text, or -1 when there is none.
int64_t LastStartRecordFrom(std::string_view log, uint64_t from);

// "14:05"; empty when unknown.
std::string TimeOfDayText(int32_t secondsOfDay);
// "chord", "figure", "mixed figure", joined by ", "; empty when unknown.
std::string MannersText(const std::vector<int32_t>& manners);
