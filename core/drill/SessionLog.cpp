#include "SessionLog.h"

#include <locale>
#include <sstream>

#include "Storage.h"

std::string FormatLogDouble(double value) {
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << value;
  return out.str();
}

double SegmentCheckValue(const std::string& personName, double sessionDate, int32_t correct, int32_t incorrect) {
  double sum = 0;
  for (char c : personName) sum += static_cast<signed char>(c);
  return sum + sessionDate - correct - 2.0 * incorrect;
}

std::string StartRecordText(double date, int32_t personIndex, const std::string& personName) {
  return "S " + FormatLogDouble(date) + " " + std::to_string(personIndex) + " " + personName;
}

std::string FilterRecordText(const FilterState& state) {
  return "F " + std::to_string(state.ModeCode) + " " + std::to_string(state.LowMask) + " " +
         std::to_string(state.HighMask);
}

std::string SegmentRecordText(int32_t correct, int32_t incorrect, uint32_t seconds, double checkValue) {
  return "D " + std::to_string(correct) + " " + std::to_string(incorrect) + " " + std::to_string(seconds) + " " +
         FormatLogDouble(checkValue);
}

bool AppendLogRecord(const std::string& fileName, const std::string& recordText) {
  return DataStorage().Append(fileName, "\r\n" + recordText);
}
