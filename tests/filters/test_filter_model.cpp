// The filter model without widgets: what it asks, what it tells, and the state
// it hands the log and filters.dat.
#include <gtest/gtest.h>

#include <vector>

#include "FilterModel.h"

namespace {

TEST(FilterModel, AsksOnlyTheListInUseAndTellsOnlyChanges) {
  FilterModel model;
  std::vector<FilterModel::Change> told;
  const int key = model.Listen([&told](FilterModel::Change c) { told.push_back(c); });

  // Marks beyond the list in use ask nothing and are not in the state.
  model.SetListLength(12);
  for (int i : {0, 5, 11, 20}) model.SetAsks(i, true);
  EXPECT_TRUE(model.Asks(11));
  EXPECT_FALSE(model.Asks(20));
  EXPECT_FALSE(model.Asks(-1));
  EXPECT_EQ(model.Asked(), (std::vector<int32_t>{0, 5, 11}));
  FilterState state = model.State();
  EXPECT_EQ(state.LowMask, (1 << 0) | (1 << 5) | (1 << 11));
  EXPECT_EQ(state.HighMask, 0);

  // A longer list takes the mark in: the tetrachords' 21st set class.
  model.SetCardinality(1);
  model.SetRange(2);
  model.SetListLength(29);
  EXPECT_TRUE(model.Asks(20));
  state = model.State();
  EXPECT_EQ(state.HighMask, 1 << 4);
  EXPECT_EQ(state.ModeCode, 5);

  // Setting what is already set tells nobody.
  const size_t before = told.size();
  model.SetRange(2);
  model.SetAsks(0, true);
  model.SetPlayMode(0);
  EXPECT_EQ(told.size(), before);

  model.AskAll();
  EXPECT_EQ(model.Asked().size(), 29u);
  model.StopListening(key);
  model.SetAsks(3, false);
  EXPECT_EQ(told.size(), before + 1);
}

TEST(FilterModel, AppliedStateReplacesEveryChoiceAndIsToldAsSuch) {
  FilterModel model;
  model.SetListLength(12);
  model.AskAll();
  std::vector<FilterModel::Change> told;
  model.Listen([&](FilterModel::Change c) {
    told.push_back(c);
    // A listener sees the whole state at once, never half of it.
    EXPECT_EQ(model.Cardinality(), 1);
    EXPECT_EQ(model.Range(), 1);
  });
  model.Apply(FilterState{0b101, 0b1, 4});
  EXPECT_EQ(told, std::vector<FilterModel::Change>{FilterModel::Change::Applied});
  EXPECT_EQ(model.Marks(), (1u << 16) | 0b101u);
  model.SetListLength(29);
  EXPECT_EQ(model.Asked(), (std::vector<int32_t>{0, 2, 16}));
}

}  // namespace
