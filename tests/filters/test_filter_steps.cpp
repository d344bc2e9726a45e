// The filter window's steps on a model, against a drill that records what it is told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FilterSteps.h"

namespace {

struct RecordingDrill : FilteredDrillSide {
  int trichords = 12, tetrachords = 29;  // list lengths the catalogue gives
  int length = 0;
  std::vector<int32_t> rows;
  int noteCount = 0;
  std::vector<FilterState> saved;
  std::string told;  // the order of what the drill was told

  int UseListOf(int notes) override {
    length = notes == 3 ? trichords : tetrachords;
    model->SetListLength(length);
    told += "list ";
    return length;
  }
  int ListLength() const override { return length; }
  void ShowRows(const std::vector<int32_t>& listIndices) override {
    rows = listIndices;
    told += "rows ";
  }
  void UseNoteCount(int notes) override {
    noteCount = notes;
    told += "notes ";
  }
  void Save(const FilterState& state) override {
    saved.push_back(state);
    told += "save ";
  }
  void FiltersApplied() override { told += "applied "; }

  FilterModel* model = nullptr;
};

std::vector<int32_t> Range(int from, int to) {
  std::vector<int32_t> out;
  for (int i = from; i < to; ++i) out.push_back(i);
  return out;
}

class FilterStepsTest : public ::testing::Test {
 protected:
  void SetUp() override { drill.model = &model; }
  FilterModel model;
  RecordingDrill drill;
  FilterSteps steps{model, drill};
};

TEST_F(FilterStepsTest, PagesCheckAllOfTheirListAndMasksEnableOnlyWhatTheListHas) {
  steps.BuildPage(0);
  steps.FillAnswerList();
  EXPECT_EQ(drill.rows, Range(0, 12));

  // Another cardinality: its list in use, every set class of it on.
  model.SetCardinality(1);
  steps.ChangePage(1);
  EXPECT_EQ(drill.rows, Range(0, 29));
  EXPECT_EQ(drill.told, "list rows list rows ");

  // Bits past the list's end stand for nothing; a state left empty by that enables all.
  steps.AskMasked(FilterState{0x0005, 0x1000, 3});
  steps.FillAnswerList();
  EXPECT_EQ(drill.rows, (std::vector<int32_t>{0, 2, 28}));
  steps.AskMasked(FilterState{0, static_cast<int32_t>(0xE000), 3});
  steps.FillAnswerList();
  EXPECT_EQ(drill.rows, Range(0, 29));

  // A short catalogue: masks beyond its list enable nothing, so all of it.
  drill.tetrachords = 5;
  steps.BuildPage(1);
  steps.AskMasked(FilterState{0x0FE0, 0, 3});
  steps.FillAnswerList();
  EXPECT_EQ(drill.rows, Range(0, 5));
}

TEST_F(FilterStepsTest, ApplyingAStateSetsEverythingItNames) {
  steps.Apply(FilterState{0x00F0, 0x0003, 5});
  EXPECT_EQ(model.Cardinality(), 1);
  EXPECT_EQ(model.Range(), 2);
  EXPECT_EQ(drill.rows, (std::vector<int32_t>{4, 5, 6, 7, 16, 17}));
  EXPECT_EQ(drill.noteCount, 4);
  EXPECT_EQ(drill.told, "list rows notes ");

  // Back to trichords: nothing of the tetrachord masks past the list survives.
  steps.Apply(FilterState{0, 0x0003, 1});
  EXPECT_EQ(model.Cardinality(), 0);
  EXPECT_EQ(model.Range(), 1);
  EXPECT_EQ(drill.rows, Range(0, 12));
  EXPECT_EQ(drill.noteCount, 3);
  EXPECT_EQ(steps.State().LowMask, 4095);
  EXPECT_EQ(steps.State().HighMask, 0);
}

TEST_F(FilterStepsTest, ClosingNeverHandsTheDrillAnEmptyChoiceAndSavesOnlyWhenAsked) {
  steps.Apply(FilterState{0x0002, 0, 0});
  drill.told.clear();
  steps.Close(false);
  EXPECT_TRUE(drill.saved.empty());
  EXPECT_EQ(drill.rows, (std::vector<int32_t>{1}));
  EXPECT_EQ(drill.told, "rows applied ");

  // Everything switched off: the cardinality's set classes come back on, and
  // the file gets what the drill is handed.
  steps.SetAll(false);
  EXPECT_FALSE(steps.AnyAsked());
  model.SetRange(2);
  drill.told.clear();
  steps.Close(true);
  ASSERT_EQ(drill.saved.size(), 1u);
  EXPECT_EQ(drill.saved[0].LowMask, 4095);
  EXPECT_EQ(drill.saved[0].HighMask, 0);
  EXPECT_EQ(drill.saved[0].ModeCode, 2);
  EXPECT_EQ(drill.rows, Range(0, 12));
  EXPECT_EQ(drill.told, "save rows applied ");
}

}  // namespace
