// The filter window's steps, without widgets: a cardinality's page built
// with all of it on, the masks' set classes enabled, a saved state applied,
// the window closed. The desktop's window and the page's binding both run
// them on the drill's FilterModel; check boxes only show the model.
#pragma once

#include <cstdint>
#include <vector>

#include "FilterModel.h"
#include "FilterState.h"

// What the steps ask of the drill they filter.
class FilteredDrillSide {
 public:
  virtual ~FilteredDrillSide() = default;
  // The catalogue's set classes with that many notes become the list in use; its length.
  virtual int UseListOf(int noteCount) = 0;
  // The length of the list in use.
  virtual int ListLength() const = 0;
  // The answer list shows these list indices, in order.
  virtual void ShowRows(const std::vector<int32_t>& listIndices) = 0;
  virtual void UseNoteCount(int noteCount) = 0;
  // The choice kept for the next login.
  virtual void Save(const FilterState& state) = 0;
  // The window closed: a question no longer drilled is replaced.
  virtual void FiltersApplied() = 0;
};

class FilterSteps {
 public:
  FilterSteps(FilterModel& model, FilteredDrillSide& drill) : model_(model), drill_(drill) {}

  // The list of that cardinality (0 trichords, 1 tetrachords) in use, every
  // set class of it on; the list's length. The model's cardinality is the caller's.
  int BuildPage(int cardinality);
  // List indices 0 to count - 1 on, whatever the list's length.
  void CheckFirst(int count);
  // Every set class of the list in use on, or off.
  void SetAll(bool on);
  // Only the masks' set classes of the list in use; none would leave the
  // drill without a question, so then all of them.
  void AskMasked(const FilterState& masks);
  // The answer list follows the enabled set classes.
  void FillAnswerList();
  // Another cardinality chosen: its page, every one of its set classes on.
  void ChangePage(int cardinality);
  // A saved state in force: its range and cardinality, its set classes, the
  // answer list and the notes per question.
  void Apply(const FilterState& state);
  // The window closes: never an empty choice, saved when asked, and the drill takes it.
  void Close(bool save);

  // Any set class of the list in use enabled.
  bool AnyAsked() const;
  // The masks of the list in use and the mode code.
  FilterState State() const;

 private:
  FilterModel& model_;
  FilteredDrillSide& drill_;
};
