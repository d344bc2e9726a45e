// Surroundings that ask what the session's filter model enables, in its range
// and play mode: what every host's drill is asked under. A host adds where
// the notes sound and how its answer list shows what is asked.
#pragma once

#include "DrillSession.h"
#include "FilterModel.h"
#include "Playback.h"

class FilteredSurroundings : public DrillSurroundings {
 public:
  explicit FilteredSurroundings(FilterModel& filters) : filters_(filters) {}
  void SettingsNow(FilterState& state) const override { state = filters_.State(); }
  int Cardinality() const override { return filters_.Cardinality(); }
  int Range() const override { return filters_.Range(); }
  bool Asks(int listIndex) const override { return filters_.Asks(listIndex); }
  void AskWholeList() override {
    filters_.AskAll();
    ShowAsked();
  }
  PlayManner Manner() const override { return PlayMannerFromItemIndex(filters_.PlayMode()); }

 protected:
  // The answer list shows what the model asks now.
  virtual void ShowAsked() = 0;

 private:
  FilterModel& filters_;
};
