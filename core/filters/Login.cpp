#include "Login.h"

LoggedInPerson FindOrAddPerson(std::vector<std::string>& names, int chosen, std::string_view typed) {
  LoggedInPerson person;
  if (chosen >= 0 && static_cast<size_t>(chosen) < names.size()) {
    person.index = chosen;
  } else {
    // A host without a length limit on its box is cut to what the box allows.
    const std::string name = CleanName(CutUtf8(typed, kMaxTypedNameLength * 4));
    for (size_t i = 0; i < names.size() && person.index < 0; ++i)
      if (names[i] == name) person.index = static_cast<int32_t>(i);
    if (person.index < 0) {
      names.push_back(name);
      person.index = static_cast<int32_t>(names.size()) - 1;
    }
  }
  person.name = CutUtf8(names[static_cast<size_t>(person.index)], kMaxStoredNameLength);
  return person;
}

SavedFiltersOffer OfferSavedFilters(const FilterState& saved, const std::vector<std::string>* classNames) {
  SavedFiltersOffer offer;
  if (IsAllOn(saved)) return offer;
  if (!classNames) {
    offer.step = SavedFiltersStep::Keep;
    return offer;
  }
  offer.step = SavedFiltersStep::Ask;
  offer.summary = SummariseFilters(saved, *classNames);
  return offer;
}

FilterState AnswerSavedFilters(FilterState saved, bool use) {
  if (use) return saved;
  const bool trichords = saved.ModeCode < 3;
  saved.LowMask = trichords ? kAllTrichordsLow : kAllTetrachordsLow;
  saved.HighMask = trichords ? 0 : kAllTetrachordsHigh;
  return saved;
}
