// What the filter window asks of the drill it filters. The drill window
// fills these in while it lives, so the filter window knows nothing of it.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

struct FilterDrill {
  // The catalogue's set classes of one cardinality become the list; its length.
  std::function<int(int cardinality)> fillListOf;
  std::function<int()> listLength;
  std::function<std::string(int listIndex)> listLabel;
  // The filter window's choices, as they are made.
  std::function<void(int noteCount)> noteCountChosen;
  std::function<void(const int32_t* listIndices, int count)> answerRowsChosen;
  std::function<void(const std::string& prefix)> answerPrefixChosen;
  // The filters were applied: a question no longer drilled is replaced.
  std::function<void()> filtersApplied;
};

// The drill being filtered; nullptr while there is none.
FilterDrill* FilteredDrill();
void SetFilteredDrill(FilterDrill* drill);
