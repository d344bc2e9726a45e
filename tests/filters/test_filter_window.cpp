// The filter window: its two pages, the boxes and buttons, closing it in
// every way, and what it writes into the drill window.
#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <algorithm>

#include "RadioGroup.h"
#include "WindowsFixture.h"

namespace {

using FilterWindow = DrillAndFilterWindowsTest;

std::vector<int> CheckedIndices() {
  std::vector<int> checked;
  for (int i = 0; i < 32; ++i)
    if (FilterForm->SetClassBoxes[static_cast<size_t>(i)]->isChecked()) checked.push_back(i);
  return checked;
}

// The checked boxes among those the page shows.
std::vector<int> CheckedShown() {
  std::vector<int> checked;
  for (int i = 0; i < 32; ++i) {
    const QCheckBox* box = FilterForm->SetClassBoxes[static_cast<size_t>(i)];
    if (box->isVisibleTo(FilterForm) && box->isChecked()) checked.push_back(i);
  }
  return checked;
}

std::vector<int> Range(int from, int to) {
  std::vector<int> v;
  for (int i = from; i < to; ++i) v.push_back(i);
  return v;
}

std::vector<std::string> AnswerRows() {
  std::vector<std::string> rows;
  for (int r = 0; r < Form1->ListBox->count(); ++r) rows.push_back(Form1->ListBox->item(r)->text().toStdString());
  return rows;
}

std::vector<int> RowMap() { return {Form1->answerRowMap, Form1->answerRowMap + Form1->ListBox->count()}; }

// Closes the modal window as soon as it runs, with the close box (a reject)
// or with OK.
void CloseSoon(bool withOk) {
  QTimer::singleShot(0, [withOk] {
    if (withOk)
      FilterForm->Button1->click();
    else
      FilterForm->close();
  });
}

TEST_F(FilterWindow, CreatedOnTheTrichordPage) {
  EXPECT_EQ(FilterForm->windowTitle(), "FILTERS");
  EXPECT_EQ(FilterForm->ShownPage, 0);
  EXPECT_EQ(FilterForm->CardinalityIndex(), 0);
  EXPECT_EQ(FilterForm->RangeIndex(), 0);
  EXPECT_TRUE(FilterForm->SaveBox->isChecked());
  EXPECT_EQ(FilterForm->SaveBox->text(), "Save these settings for future sessions");
  EXPECT_EQ(FilterForm->RadioGroup1->Button(0)->text(), "Sets in \"Closed Position\"");
  EXPECT_EQ(FilterForm->RadioGroup1->Button(2)->text(), "Sets distributed within two octaves");
  EXPECT_EQ(FilterForm->RadioGroup2->Button(1)->text(), "TETRACHORDS");
  EXPECT_EQ(FilterForm->Label1->text(), "trichords");
  EXPECT_EQ(Form1->currentList.length, 12);
  EXPECT_EQ(Form1->StaticText1->text(), "3 -");
  EXPECT_EQ(CheckedIndices(), Range(0, 12));
  for (int i = 0; i < 32; ++i) EXPECT_EQ(FilterForm->SetClassBoxes[static_cast<size_t>(i)]->isVisibleTo(FilterForm), i < 12);
  EXPECT_EQ(FilterForm->SetClassBoxes[0]->text(), "3-1 (0, 1, 2)");
  EXPECT_EQ(FilterForm->SetClassBoxes[10]->text(), "3-11 (0, 3, 7)");
  // The login fills the answer list, not the window's creation.
  EXPECT_EQ(Form1->ListBox->count(), 0);
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 4095);
  EXPECT_EQ(FilterForm->EnabledMaskHigh(), 0);
}

// Columns, row pitch, frame, label and the right-hand column of a page.
void ExpectPageGeometry(const std::vector<int>& columnLefts, int rowsPerColumn, int length, bool frameToNoneButton) {
  const QRect frame = FilterForm->Bevel1->geometry();
  EXPECT_EQ(frame.topLeft(), QPoint(11, 25));
  int right = 0, bottom = 0;
  for (int i = 0; i < length; ++i) {
    const QCheckBox* box = FilterForm->SetClassBoxes[static_cast<size_t>(i)];
    const int column = i / rowsPerColumn, row = i % rowsPerColumn;
    EXPECT_EQ(box->x(), 11 + columnLefts[static_cast<size_t>(column)]) << i;
    EXPECT_EQ(box->y(), 25 + 30 + 30 * row) << i;
    // 110 wide, or wider for a label that needs it, never into the next column.
    EXPECT_GE(box->width(), 110);
    if (column + 1 < static_cast<int>(columnLefts.size())) {
      EXPECT_LE(box->x() + box->width(), 11 + columnLefts[static_cast<size_t>(column + 1)]) << i;
      EXPECT_GE(box->width(), std::min(box->sizeHint().width(), columnLefts[static_cast<size_t>(column + 1)] -
                                                                  columnLefts[static_cast<size_t>(column)]));
    } else {
      EXPECT_GE(box->width(), box->sizeHint().width()) << "label cut off";
    }
    EXPECT_LE(box->height(), 30) << "rows would overlap";
    right = std::max(right, box->x() + box->width());
    bottom = std::max(bottom, box->y() + box->height());
  }
  EXPECT_EQ(frame.width(), right - 11 + 30);
  const QPushButton* none = FilterForm->NoneButton1;
  EXPECT_EQ(frame.height(), (frameToNoneButton ? none->y() + none->height() : bottom) - 25 + 30);
  const QLabel* label = FilterForm->Label1;
  EXPECT_EQ(label->x(), 11 + frame.width() / 2 - label->width() / 2);
  EXPECT_EQ(label->y(), 30);

  const int column = 11 + frame.width() + 30;
  const std::vector<std::pair<QWidget*, int>> rightColumn = {
      {FilterForm->RadioGroup2, 20}, {FilterForm->RadioGroup1, 117}, {FilterForm->SaveBox, 241},
      {FilterForm->Button1, 286},    {FilterForm->AllButton1, 342},  {FilterForm->NoneButton1, 382}};
  for (const auto& [w, top] : rightColumn) EXPECT_EQ(w->pos(), QPoint(column, top));
  EXPECT_EQ(FilterForm->RadioGroup1->size(), QSize(279, 102));
  EXPECT_EQ(FilterForm->size(), QSize(column + 279 + 25, 25 + frame.height() + 80));
}

TEST_F(FilterWindow, PageGeometry) {
  ExpectPageGeometry({20, 140}, 6, 12, true);
  // Trichords: two columns, the frame down to 30 below NONE; with labels
  // that fit 110 pixels the frame is 280 wide.
  EXPECT_EQ(FilterForm->Bevel1->height(), 417);
  EXPECT_EQ(FilterForm->height(), 522);
  const int trichordWidth = FilterForm->width();

  FilterForm->RadioGroup2->SetItemIndex(1);
  EXPECT_EQ(FilterForm->Label1->text(), "tetrachords");
  ExpectPageGeometry({20, 160, 290}, 10, 29, false);
  // The third column ends at list index 28.
  EXPECT_FALSE(FilterForm->SetClassBoxes[29]->isVisibleTo(FilterForm));

  FilterForm->RadioGroup2->SetItemIndex(0);
  ExpectPageGeometry({20, 140}, 6, 12, true);
  EXPECT_EQ(FilterForm->size(), QSize(trichordWidth, 522));
}

TEST_F(FilterWindow, NarrowLabelsKeepTheDesignedSizes) {
  // With a small font every label fits 110 pixels: the sizes as designed.
  QFont small = FilterForm->font();
  small.setPixelSize(8);
  for (QCheckBox* box : FilterForm->SetClassBoxes) box->setFont(small);
  FilterForm->BuildTrichordPage();
  EXPECT_EQ(FilterForm->Bevel1->geometry(), QRect(11, 25, 280, 417));
  EXPECT_EQ(FilterForm->size(), QSize(625, 522));
  FilterForm->BuildTetrachordPage();
  EXPECT_EQ(FilterForm->Bevel1->width(), 430);
  EXPECT_EQ(FilterForm->width(), 775);
  const int boxHeight = FilterForm->SetClassBoxes[9]->height();
  EXPECT_EQ(FilterForm->Bevel1->height(), 25 + 30 + 270 + boxHeight - 25 + 30);
}

TEST_F(FilterWindow, SwitchingPagesChecksEveryBoxAndRefillsTheAnswerList) {
  FilterForm->SetClassBoxes[3]->setChecked(false);
  FilterForm->SetClassBoxes[11]->setChecked(false);
  FilterForm->RadioGroup2->SetItemIndex(1);
  EXPECT_EQ(FilterForm->ShownPage, 1);
  EXPECT_EQ(Form1->currentList.length, 29);
  EXPECT_EQ(Form1->StaticText1->text(), "4 -");
  EXPECT_EQ(CheckedIndices(), Range(0, 29));
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 65535);
  EXPECT_EQ(FilterForm->EnabledMaskHigh(), 8191);
  EXPECT_EQ(Form1->ListBox->count(), 29);
  EXPECT_EQ(AnswerRows()[14], "4-Z15 (0, 1, 4, 6)");
  EXPECT_EQ(FilterForm->SetClassBoxes[14]->text(), "4-Z15 (0, 1, 4, 6)");

  FilterForm->NoneButton1Click();
  FilterForm->SetClassBoxes[20]->setChecked(true);
  FilterForm->RadioGroup2->SetItemIndex(0);
  EXPECT_EQ(CheckedShown(), Range(0, 12));
  EXPECT_EQ(Form1->ListBox->count(), 12);
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 4095);

  // The page already shown: nothing changes, not even the unchecked box.
  FilterForm->SetClassBoxes[5]->setChecked(false);
  FilterForm->RadioGroup2Click();
  EXPECT_FALSE(FilterForm->SetClassBoxes[5]->isChecked());
  EXPECT_EQ(Form1->ListBox->count(), 12);
}

TEST_F(FilterWindow, AllAndNoneTouchOnlyTheListsBoxes) {
  FilterForm->NoneButton1Click();
  EXPECT_TRUE(CheckedIndices().empty());
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 0);
  FilterForm->SetClassBoxes[20]->setChecked(true);  // beyond the trichords: left alone
  FilterForm->AllButton1Click();
  std::vector<int> expected = Range(0, 12);
  expected.push_back(20);
  EXPECT_EQ(CheckedIndices(), expected);
  // A box beyond the list takes part in nothing.
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 4095);
  EXPECT_EQ(FilterForm->EnabledMaskHigh(), 0);
  EXPECT_FALSE(FilterForm->IsEnabled(20));
  FilterForm->NoneButton1Click();
  EXPECT_EQ(CheckedIndices(), std::vector<int>{20});
  FilterForm->AllButton1->click();
  FilterForm->SetClassBoxes[2]->setChecked(false);
  FilterForm->SetClassBoxes[9]->setChecked(false);
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 4095 - 4 - 512);
  EXPECT_FALSE(FilterForm->IsEnabled(2));
  EXPECT_TRUE(FilterForm->IsEnabled(3));
  EXPECT_FALSE(FilterForm->IsEnabled(-1));
}

TEST_F(FilterWindow, TetrachordMasks) {
  FilterForm->RadioGroup2->SetItemIndex(1);
  FilterForm->RadioGroup1->SetItemIndex(2);
  FilterForm->SetClassBoxes[0]->setChecked(false);
  FilterForm->SetClassBoxes[16]->setChecked(false);
  FilterForm->SetClassBoxes[28]->setChecked(false);
  FilterState state;
  FilterForm->GetFilterState(state);
  EXPECT_EQ(state.LowMask, 65534);
  EXPECT_EQ(state.HighMask, 8191 - 1 - 4096);
  EXPECT_EQ(state.ModeCode, 5);
  EXPECT_EQ(FilterForm->ModeCode(), 5);
}

TEST_F(FilterWindow, ClosingWithNothingCheckedEnablesEverySetClass) {
  FilterForm->NoneButton1Click();
  CloseSoon(true);
  FilterForm->ShowModal();
  EXPECT_EQ(CheckedIndices(), Range(0, 12));
  EXPECT_EQ(Form1->ListBox->count(), 12);
  EXPECT_EQ(ReadFile("filters.dat"), "4095\r\n0\r\n0");

  FilterForm->RadioGroup2->SetItemIndex(1);
  FilterForm->NoneButton1Click();
  CloseSoon(false);  // the close box does the same as OK
  FilterForm->ShowModal();
  EXPECT_EQ(CheckedIndices(), Range(0, 29));
  EXPECT_EQ(Form1->ListBox->count(), 29);
  EXPECT_EQ(ReadFile("filters.dat"), "65535\r\n8191\r\n3");
  EXPECT_EQ(Form1->question.noteCount, 4);
}

TEST_F(FilterWindow, CloseBoxAppliesTheSettingsAsOkDoes) {
  for (bool withOk : {true, false}) {
    FilterForm->AllButton1Click();
    FilterForm->SetClassBoxes[0]->setChecked(false);
    FilterForm->SetClassBoxes[withOk ? 4 : 7]->setChecked(false);
    FilterForm->RadioGroup1->SetItemIndex(withOk ? 1 : 2);
    CloseSoon(withOk);
    FilterForm->ShowModal();
    EXPECT_FALSE(FilterForm->isVisible());
    EXPECT_EQ(Form1->ListBox->count(), 10) << withOk;
    EXPECT_EQ(AnswerRows()[0], "3-2 (0, 1, 3)");
    EXPECT_EQ(RowMap()[0], 1);
    EXPECT_EQ(ReadFile("filters.dat"), withOk ? "4078\r\n0\r\n1" : "3966\r\n0\r\n2");
  }
}

TEST_F(FilterWindow, SaveBoxClearedLeavesTheFileAlone) {
  FilterForm->SaveBox->setChecked(false);
  FilterForm->SetClassBoxes[1]->setChecked(false);
  CloseSoon(true);
  FilterForm->ShowModal();
  EXPECT_FALSE(Exists("filters.dat"));
  EXPECT_EQ(Form1->ListBox->count(), 11);  // applied all the same
  // The window's own save always writes.
  FilterForm->SaveFilters();
  EXPECT_EQ(ReadFile("filters.dat"), "4093\r\n0\r\n0");
  FilterState loaded;
  TFilterForm::LoadFilters(loaded);
  EXPECT_EQ(loaded.LowMask, 4093);
}

TEST_F(FilterWindow, ApplyingAStoredState) {
  FilterForm->ApplyFilters({0x0A5, 0, 1});
  EXPECT_EQ(FilterForm->RangeIndex(), 1);
  EXPECT_EQ(FilterForm->CardinalityIndex(), 0);
  EXPECT_EQ(CheckedIndices(), (std::vector<int>{0, 2, 5, 7}));
  EXPECT_EQ(RowMap(), (std::vector<int>{0, 2, 5, 7}));
  EXPECT_EQ(AnswerRows()[3], "3-8 (0, 2, 6)");
  EXPECT_EQ(Form1->question.noteCount, 3);

  FilterForm->ApplyFilters({0x8001, 0x1001, 5});
  EXPECT_EQ(FilterForm->ShownPage, 1);
  EXPECT_EQ(FilterForm->RangeIndex(), 2);
  EXPECT_EQ(FilterForm->CardinalityIndex(), 1);
  EXPECT_EQ(CheckedIndices(), (std::vector<int>{0, 15, 16, 28}));
  EXPECT_EQ(RowMap(), (std::vector<int>{0, 15, 16, 28}));
  EXPECT_EQ(AnswerRows()[3], "4-Z29 (0, 1, 3, 7)");
  EXPECT_EQ(Form1->question.noteCount, 4);
  EXPECT_EQ(Form1->StaticText1->text(), "4 -");
  FilterState state;
  FilterForm->GetFilterState(state);
  EXPECT_EQ(state.LowMask, 0x8001);
  EXPECT_EQ(state.HighMask, 0x1001);
  EXPECT_EQ(state.ModeCode, 5);

  // Bits beyond the list check no box.
  FilterForm->ApplyFilters({0xF002, 0x7, 0});
  EXPECT_EQ(CheckedIndices(), std::vector<int>{1});
  // A state that enables nothing of its list gives the whole list.
  FilterForm->ApplyFilters({0x3000, 0, 2});
  EXPECT_EQ(CheckedIndices(), Range(0, 12));
  EXPECT_EQ(Form1->ListBox->count(), 12);
}

TEST_F(FilterWindow, ClosingDuringADrillReplacesAQuestionNoLongerAsked) {
  Form1->Drilling = true;
  Form1->GenerateQuestion();
  const int standing = Form1->question.listIndex;
  ClearRecords();

  // Switching off another set class keeps the question.
  FilterForm->SetClassBoxes[static_cast<size_t>((standing + 1) % 12)]->setChecked(false);
  CloseSoon(true);
  FilterForm->ShowModal();
  EXPECT_EQ(Form1->question.listIndex, standing);
  EXPECT_TRUE(RecorderPuts().empty());

  // Switching off its own set class asks and plays a new one at once.
  FilterForm->SetClassBoxes[static_cast<size_t>(standing)]->setChecked(false);
  CloseSoon(true);
  FilterForm->ShowModal();
  EXPECT_NE(Form1->question.listIndex, standing);
  EXPECT_TRUE(FilterForm->IsEnabled(Form1->question.listIndex));
  EXPECT_EQ(RecorderPuts().size(), 3u);

  // A change of cardinality: a tetrachord question, played once.
  ClearRecords();
  FilterForm->RadioGroup2->SetItemIndex(1);
  CloseSoon(false);
  FilterForm->ShowModal();
  EXPECT_EQ(Form1->question.noteCount, 4);
  EXPECT_EQ(RecorderPuts().size(), 4u);
  EXPECT_LT(Form1->question.listIndex, 29);
}

TEST_F(FilterWindow, ClosingOutsideADrillAsksNothing) {
  FilterForm->RadioGroup2->SetItemIndex(1);
  FilterForm->SetClassBoxes[0]->setChecked(false);
  CloseSoon(true);
  FilterForm->ShowModal();
  EXPECT_EQ(Form1->question.noteCount, 4);
  EXPECT_TRUE(RecorderPuts().empty());
  EXPECT_FALSE(Exists("report.dat"));
}

}  // namespace

// The model is what the drill asks: changed from outside the window (the drill
// window's selectors, the login), the window, the answer list and the
// questions all follow it; changed in the window, the model follows.
TEST_F(FilterWindow, ItsModelDrivesTheWindowTheAnswerListAndTheQuestions) {
  FilterModel& model = Form1->Session().filters;
  model.SetCardinality(1);
  EXPECT_EQ(FilterForm->ShownPage, 1);
  EXPECT_EQ(FilterForm->RadioGroup2->ItemIndex(), 1);
  EXPECT_EQ(CheckedShown(), Range(0, 29));
  EXPECT_EQ(Form1->ListBox->count(), 29);
  model.SetRange(2);
  EXPECT_EQ(FilterForm->RadioGroup1->ItemIndex(), 2);
  FilterForm->SetClassBoxes[3]->setChecked(false);
  EXPECT_FALSE(model.Asks(3));
  EXPECT_EQ(model.State().ModeCode, 5);

  // A saved state shows as a whole: its page, its boxes and its rows.
  model.Apply(FilterState{0b1010, 0, 1});
  EXPECT_EQ(FilterForm->ShownPage, 0);
  EXPECT_EQ(FilterForm->RangeIndex(), 1);
  EXPECT_EQ(CheckedShown(), (std::vector<int>{1, 3}));
  EXPECT_EQ(RowMap(), (std::vector<int>{1, 3}));
  EXPECT_EQ(model.State().LowMask, 0b1010);
  for (int i = 0; i < 20; ++i) {
    Form1->Session().GenerateQuestion();
    EXPECT_TRUE(Form1->question.listIndex == 1 || Form1->question.listIndex == 3) << Form1->question.listIndex;
  }
}
