// The people who practise (people.dat) and what the login shows of the saved
// filters, without widgets or Qt (the readers are fuzzed on their own).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FilterState.h"

inline constexpr const char* kPeopleFileName = "people.dat";
inline constexpr const char* kCatalogueFileName = "ftclass.dat";

// A reader keeps at most this many bytes of a line; typed names are shorter.
inline constexpr size_t kMaxStoredNameLength = 99;
inline constexpr int kMaxTypedNameLength = 40;

struct PeopleList {
  int32_t lastIndex = -1;  // as read; -1 when the first line holds no number
  std::vector<std::string> names;

  // The position of the last login, or -1 when the file names nobody on its list.
  int SelectedIndex() const;
};

// The file's text (already cut at Ctrl-Z): the last index on the first line,
// then one name per line. A line break after the last name is one more, empty,
// name. Lines are cut to 99 bytes (never inside a UTF-8 character). A first
// line that is not a number selects nobody but keeps the names below it.
PeopleList ParsePeople(std::string_view text);
// The file's bytes: the index, then CR LF and a name for each name; no break
// at the end. Names never carry a line break or Ctrl-Z into the file.
std::string FormatPeople(int32_t lastIndex, const std::vector<std::string>& names);
// A missing file is an empty list that selects nobody.
PeopleList LoadPeopleFile(const std::string& fileName);
bool SavePeopleFile(const std::string& fileName, int32_t lastIndex, const std::vector<std::string>& names);

// What a name may hold in the file: line breaks and Ctrl-Z become blanks.
std::string CleanName(std::string name);
// At most maxBytes bytes of a UTF-8 text, never ending in a cut character.
std::string CutUtf8(std::string_view text, size_t maxBytes);

// The names of the first 222 catalogue records (at most 4 characters each).
// A damaged file yields the names read before the damage; the rest are empty.
std::vector<std::string> ReadClassNames(std::string_view text);

// The two lines that show a saved filter state: the set classes listed
// ("3-1 3-11 ON") and what the rest are ("(all else off)").
struct FilterSummary {
  std::string listed;
  std::string rest;
};
// More than half of the cardinality's set classes on lists the ones that are
// off; otherwise the ones that are on. Class names come from `classNames`
// (catalogue record order: trichords from record 6, tetrachords from 18).
FilterSummary SummariseFilters(const FilterState& state, const std::vector<std::string>& classNames);
