// What the drill asks, without widgets: the enabled set classes of the list in
// use, the cardinality, the range and the play mode. The filter window and the
// drill window's selectors show it and change it; the drill reads it.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "FilterState.h"

class FilterModel {
 public:
  // Choice: one value changed. Applied: a whole saved state replaced them all,
  // which a view shows as such rather than value by value.
  enum class Change { Choice, Applied };
  using Listener = std::function<void(Change)>;

  int Cardinality() const { return cardinality_; }  // 0 trichords, 1 tetrachords
  int Range() const { return range_; }              // 0 close, 1 one octave, 2 two octaves
  int ModeCode() const { return range_ + 3 * cardinality_; }
  int PlayMode() const { return playMode_; }        // 0 chord, 1 figure, 2 mixed figure
  int ListLength() const { return listLength_; }
  // Only list indices of the list in use can be asked.
  bool Asks(int listIndex) const;
  // Every mark as set, whatever the list in use: bit i for list index i.
  uint32_t Marks() const { return asks_; }
  // The enabled list indices, in order.
  std::vector<int32_t> Asked() const;
  // The masks of the list in use and the mode code, as logged and saved.
  FilterState State() const;

  // Each setter tells the listeners only when something changed.
  void SetCardinality(int cardinality);
  void SetRange(int range);
  void SetPlayMode(int mode);
  void SetListLength(int length);
  void SetAsks(int listIndex, bool asks);
  // Every set class of the list in use enabled.
  void AskAll();
  // The cardinality, range and masks of a saved state; told as Applied.
  void Apply(const FilterState& state);

  // The key removes the listener again.
  int Listen(Listener listener);
  void StopListening(int key);

 private:
  void Tell(Change change);

  int cardinality_ = 0;
  int range_ = 0;
  int playMode_ = 0;
  int listLength_ = 0;
  uint32_t asks_ = 0;  // bit i: list index i
  std::vector<std::pair<int, Listener>> listeners_;
  int nextKey_ = 0;
};
