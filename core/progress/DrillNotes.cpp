#include "DrillNotes.h"

#include <algorithm>
#include <cstdio>

#include "Storage.h"
#include "TokenReader.h"

std::string DrillNoteLine(uint64_t startOffset, int32_t day, int32_t secondsOfDay, int32_t manner) {
  char buffer[96];
  std::snprintf(buffer, sizeof buffer, "%llu %d %d %d\r\n", static_cast<unsigned long long>(startOffset), day,
                secondsOfDay, manner);
  return buffer;
}

DrillNotes ParseDrillNotes(std::string_view text) {
  // Ctrl-Z ends the notes only when nothing but line breaks follows it;
  // otherwise its line alone is damaged.
  const size_t ctrlZ = text.find('\x1a');
  if (ctrlZ != std::string_view::npos && text.find_first_not_of("\r\n", ctrlZ + 1) == std::string_view::npos)
    text = text.substr(0, ctrlZ);
  DrillNotes notes;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view lineText = text.substr(pos, end - pos);
    pos = end + 1;
    if (lineText.find('\x1a') != std::string_view::npos) continue;
    TokenReader line(lineText);
    std::string offsetToken;
    int32_t day = 0, seconds = 0, manner = 0;
    if (!line.ReadToken(offsetToken) || !line.ReadInt(day) || !line.ReadInt(seconds) || !line.ReadInt(manner)) continue;
    if (offsetToken.empty() || offsetToken.size() > 19 ||
        !std::all_of(offsetToken.begin(), offsetToken.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    if (seconds < 0 || seconds >= 86400 || manner < 0 || manner > 2) continue;
    const uint64_t offset = std::stoull(offsetToken);
    auto [it, fresh] = notes.try_emplace(offset);
    DrillNote& note = it->second;
    if (fresh) {
      note.day = day;
      note.secondsOfDay = seconds;
    } else if (note.day != day) {
      continue;  // another drill at that place: the log was replaced
    }
    if (std::find(note.manners.begin(), note.manners.end(), manner) == note.manners.end())
      note.manners.push_back(manner);
  }
  return notes;
}

DrillNotes LoadDrillNotes(const std::string& fileName) {
  const auto text = DataStorage().Read(fileName);
  return text ? ParseDrillNotes(*text) : DrillNotes{};
}

int64_t LastStartRecordFrom(std::string_view log, uint64_t from) {
  int64_t found = -1;
  for (size_t pos = from; pos + 1 < log.size(); ++pos) {
    const bool lineStart = pos == 0 || log[pos - 1] == '\n';
    if (lineStart && log[pos] == 'S' && log[pos + 1] == ' ') found = static_cast<int64_t>(pos);
  }
  return found;
}

std::string TimeOfDayText(int32_t secondsOfDay) {
  if (secondsOfDay < 0 || secondsOfDay >= 86400) return {};
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", secondsOfDay / 3600, secondsOfDay / 60 % 60);
  return buffer;
}

std::string MannersText(const std::vector<int32_t>& manners) {
  static const char* const kNames[] = {"chord", "figure", "mixed figure"};
  std::string text;
  for (int32_t m : manners) {
    if (m < 0 || m > 2) continue;
    if (!text.empty()) text += ", ";
    text += kNames[m];
  }
  return text;
}
