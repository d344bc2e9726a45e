// The login's two steps, without widgets: who practises, then what becomes of
// the filters saved last ("Use These?"). The login window and the page both
// take them from here.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "FilterState.h"
#include "People.h"

struct LoggedInPerson {
  int32_t index = -1;  // the name's position on the list, which never changes
  std::string name;    // as the drill logs it: cut as people.dat is read back
};

// The person chosen on the list (`chosen` in range), else the one whose name
// is the typed one, else the typed name, cleaned for the file, added at the end.
LoggedInPerson FindOrAddPerson(std::vector<std::string>& names, int chosen, std::string_view typed);

enum class SavedFiltersStep {
  Apply,  // every set class of their cardinality on: applied without asking
  Ask,    // "Use These?" with their summary
  Keep,   // no catalogue to name them: the filters in force stay
};
struct SavedFiltersOffer {
  SavedFiltersStep step = SavedFiltersStep::Apply;
  FilterSummary summary;  // for Ask
};
// `classNames` are the catalogue's (ReadClassNames); null when it is missing.
SavedFiltersOffer OfferSavedFilters(const FilterState& saved, const std::vector<std::string>* classNames);
// Yes applies them as saved; No every set class of their cardinality, in their range.
FilterState AnswerSavedFilters(FilterState saved, bool use);
