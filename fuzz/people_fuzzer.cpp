// Any bytes as people.dat, and as the catalogue the login reads names from:
// the readers never read out of bounds, and what they keep is what the login
// can show and write back.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "People.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);

  const PeopleList people = ParsePeople(text);
  const int selected = people.SelectedIndex();
  Require(selected == -1 || (selected >= 0 && static_cast<size_t>(selected) < people.names.size()));
  for (const std::string& name : people.names) {
    Require(name.size() <= kMaxStoredNameLength);
    Require(name.find('\n') == std::string::npos && name.find('\x1a') == std::string::npos);
  }
  // Writing the list back and reading it again changes nothing.
  const PeopleList again = ParsePeople(FormatPeople(people.lastIndex, people.names));
  Require(again.lastIndex == people.lastIndex || people.lastIndex == -1);
  Require(again.names == people.names);

  const std::vector<std::string> classes = ReadClassNames(text);
  Require(classes.size() == 222);
  for (const std::string& name : classes) Require(name.size() <= 4);
  for (int32_t mode = 0; mode < 6; ++mode) {
    const FilterState state{static_cast<int32_t>(size), static_cast<int32_t>(size * 31), mode};
    const FilterSummary summary = SummariseFilters(state, classes);
    Require(summary.listed.size() >= 2 && !summary.rest.empty());
  }
  return 0;
}
