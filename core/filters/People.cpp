#include "People.h"

#include "Storage.h"
#include "TokenReader.h"

namespace {

constexpr int kCatalogueRecords = 222;
constexpr size_t kClassNameLength = 4;
constexpr int kMaxCardinality = 12;

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

// One line of at most kMaxStoredNameLength bytes. When the line was longer and
// the cut falls inside a UTF-8 character, the broken character goes too. A
// name never ends in CR, which a line break would swallow on the next reading.
std::string ReadName(TokenReader& reader) {
  std::string line;
  reader.ReadLine(line, kMaxStoredNameLength + 1);
  if (line.size() > kMaxStoredNameLength) {
    size_t keep = kMaxStoredNameLength;
    if (IsContinuationByte(line[keep])) {
      size_t start = keep;
      while (start > 0 && keep - start < 3 && IsContinuationByte(line[start])) --start;
      if ((static_cast<unsigned char>(line[start]) & 0xC0) == 0xC0) keep = start;
    }
    line.resize(keep);
  }
  while (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

}  // namespace

int PeopleList::SelectedIndex() const {
  if (lastIndex < 0 || static_cast<size_t>(lastIndex) >= names.size()) return -1;
  return lastIndex;
}

PeopleList ParsePeople(std::string_view text) {
  text = text.substr(0, text.find('\x1a'));
  PeopleList people;
  TokenReader first(text);
  size_t namesStart;
  if (first.ReadInt(people.lastIndex)) {
    first.SkipLine();
    namesStart = first.Position();
  } else {
    // Not a number: nobody is selected, but the names below still count, so
    // that the next save does not lose them.
    people.lastIndex = -1;
    size_t lineEnd = text.find('\n');
    namesStart = lineEnd == std::string_view::npos ? text.size() : lineEnd + 1;
  }
  // Without a line break after the first line there are no names; after one,
  // every line is a name, the one after a final break empty.
  if (namesStart == 0 || namesStart > text.size() || text[namesStart - 1] != '\n') return people;
  TokenReader reader(text.substr(namesStart));
  for (;;) {
    if (reader.AtEnd()) {
      people.names.emplace_back();
      break;
    }
    people.names.push_back(ReadName(reader));
    if (reader.AtEnd() && text.back() != '\n') break;
  }
  return people;
}

std::string CleanName(std::string name) {
  for (char& c : name)
    if (c == '\n' || c == '\r' || c == '\x1a') c = ' ';
  return name;
}

std::string CutUtf8(std::string_view text, size_t maxBytes) {
  if (text.size() <= maxBytes) return std::string(text);
  size_t keep = maxBytes;
  while (keep > 0 && IsContinuationByte(text[keep])) --keep;
  return std::string(text.substr(0, keep));
}

std::string FormatPeople(int32_t lastIndex, const std::vector<std::string>& names) {
  std::string bytes = std::to_string(lastIndex);
  for (const std::string& name : names) {
    bytes += "\r\n";
    // A name read from the file may end in a lone CR; it cannot hold LF or Ctrl-Z.
    for (char c : name) bytes += (c == '\n' || c == '\x1a') ? ' ' : c;
  }
  return bytes;
}

PeopleList LoadPeopleFile(const std::string& fileName) {
  if (auto text = DataStorage().Read(fileName)) return ParsePeople(*text);
  return PeopleList{};
}

bool SavePeopleFile(const std::string& fileName, int32_t lastIndex, const std::vector<std::string>& names) {
  return DataStorage().Replace(fileName, FormatPeople(lastIndex, names));
}

std::vector<std::string> ReadClassNames(std::string_view text) {
  std::vector<std::string> names(kCatalogueRecords);
  TokenReader reader(text.substr(0, text.find('\x1a')));
  for (int record = 0; record < kCatalogueRecords; ++record) {
    int32_t cardinality = 0;
    if (!reader.ReadInt(cardinality) || cardinality < 0 || cardinality > kMaxCardinality) break;
    int32_t pitchClass = 0;
    for (int i = 0; i < cardinality; ++i) reader.ReadInt(pitchClass);
    std::string name;
    if (!reader.ReadToken(name)) break;
    names[static_cast<size_t>(record)] = name.substr(0, kClassNameLength);
    int32_t trailing = 0;
    if (!reader.ReadInt(trailing)) break;
  }
  return names;
}

FilterSummary SummariseFilters(const FilterState& state, const std::vector<std::string>& classNames) {
  const bool trichords = state.ModeCode < 3;
  const int cardinality = trichords ? 3 : 4;
  const int count = trichords ? kTrichordCount : kTetrachordCount;
  const size_t firstRecord = trichords ? 6 : 18;

  std::vector<std::string> on, off;
  for (int m = 0; m < count; ++m) {
    const size_t record = firstRecord + static_cast<size_t>(m);
    std::string entry = std::to_string(cardinality) + "-" + (record < classNames.size() ? classNames[record] : "");
    (MaskEnables(state, m) ? on : off).push_back(std::move(entry));
  }
  FilterSummary summary;
  const bool mostlyOn = static_cast<int>(on.size()) > count / 2;
  for (const std::string& entry : mostlyOn ? off : on) summary.listed += entry + " ";
  summary.listed += mostlyOn ? "OFF" : "ON";
  summary.rest = mostlyOn ? "(all else on)" : "(all else off)";
  return summary;
}
