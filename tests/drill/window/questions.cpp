// The drill window's questions: FiltersUsed, the log records a filter change
// brings at the next question, and the question read from the filter window.
#include <QCheckBox>
#include <QListWidget>

#include "RadioGroup.h"
#include "WindowsFixture.h"

namespace {

class DrillQuestions : public DrillAndFilterWindowsTest {
 protected:
  // What BEGIN does before its first question.
  void Begin() {
    Form1->Drilling = true;
    Form1->SegmentStart = clock_.now;
    Form1->CurrentPersonName = "Ann";
    Form1->WriteStartRecord();
    FilterForm->GetFilterState(Form1->DrillFilterState);
    Form1->WriteFilterRecord(Form1->DrillFilterState);
  }
};

TEST_F(DrillQuestions, AllTrichordsUnchangedKeepTheDrillEligible) {
  Begin();
  for (int k = 0; k < 200; ++k) Form1->GenerateQuestion();
  EXPECT_FALSE(Form1->FiltersUsed);
  EXPECT_EQ(ReadFile("report.dat"), "\r\nS 38961 0 Ann\r\nF 0 4095 0");
}

TEST_F(DrillQuestions, APartialSelectionMarksTheDrillAtItsFirstQuestion) {
  FilterForm->SetClassBoxes[7]->setChecked(false);
  Begin();
  EXPECT_FALSE(Form1->FiltersUsed);
  Form1->GenerateQuestion();
  EXPECT_TRUE(Form1->FiltersUsed);
  // Not a change: no further records.
  EXPECT_EQ(ReadFile("report.dat"), "\r\nS 38961 0 Ann\r\nF 0 3967 0");
}

TEST_F(DrillQuestions, OneTetrachordOfTheHighMaskOffMarksTheDrill) {
  FilterForm->RadioGroup2->SetItemIndex(1);
  Begin();
  Form1->GenerateQuestion();
  EXPECT_FALSE(Form1->FiltersUsed);
  EXPECT_EQ(Form1->question.noteCount, 4);
  FilterForm->SetClassBoxes[23]->setChecked(false);
  Form1->DrillFilterState = FilterState{65535, 8191 - 128, 3};  // as if it had been so at BEGIN
  Form1->GenerateQuestion();
  EXPECT_TRUE(Form1->FiltersUsed);
}

TEST_F(DrillQuestions, AFilterChangeWritesDThenFAtTheNextQuestion) {
  Begin();
  Form1->GenerateQuestion();
  Form1->SegmentCorrect = 4;
  Form1->SegmentIncorrect = 1;
  clock_.now += 83999;  // 83 whole seconds
  // The range changed from the drill window: no question yet, no record.
  FilterForm->RadioGroup1->SetItemIndex(2);
  const std::string before = ReadFile("report.dat");
  EXPECT_EQ(before, "\r\nS 38961 0 Ann\r\nF 0 4095 0");

  Form1->GenerateQuestion();
  EXPECT_TRUE(Form1->FiltersUsed);
  // Check value: 65 + 110 + 110 + 38961 - 4 - 2.
  EXPECT_EQ(ReadFile("report.dat"), before + "\r\nD 4 1 83 39240\r\nF 2 4095 0");
  EXPECT_EQ(Form1->SegmentCorrect, 0);
  EXPECT_EQ(Form1->SegmentIncorrect, 0);
  EXPECT_EQ(Form1->SegmentStart, clock_.now);
  EXPECT_EQ(Form1->DrillFilterState.ModeCode, 2);

  // The next question finds the state it logged: nothing more.
  Form1->GenerateQuestion();
  EXPECT_EQ(ReadFile("report.dat"), before + "\r\nD 4 1 83 39240\r\nF 2 4095 0");

  // A change with no answers in the segment writes F alone.
  FilterForm->SetClassBoxes[0]->setChecked(false);
  Form1->GenerateQuestion();
  EXPECT_EQ(ReadFile("report.dat"), before + "\r\nD 4 1 83 39240\r\nF 2 4095 0\r\nF 2 4094 0");
}

TEST_F(DrillQuestions, FiltersUsedIsNeverClearedByAQuestion) {
  Begin();
  FilterForm->SetClassBoxes[2]->setChecked(false);
  Form1->GenerateQuestion();
  FilterForm->SetClassBoxes[2]->setChecked(true);
  Form1->GenerateQuestion();
  EXPECT_TRUE(Form1->FiltersUsed);
}

TEST_F(DrillQuestions, QuestionsFollowTheFilterWindow) {
  Begin();
  FilterForm->NoneButton1Click();
  FilterForm->SetClassBoxes[10]->setChecked(true);
  FilterForm->RadioGroup1->SetItemIndex(1);
  for (int k = 0; k < 50; ++k) {
    Form1->question.lastWrongRow = 3;
    Form1->GenerateQuestion();
    const QuestionState& q = Form1->question;
    ASSERT_EQ(q.listIndex, 10);
    ASSERT_EQ(q.noteCount, 3);
    ASSERT_EQ(q.lastWrongRow, -1);
    ASSERT_LE(q.sortedNotes[2] - q.sortedNotes[0], 11);
  }
}

TEST_F(DrillQuestions, NothingEnabledFallsBackToTheWholeList) {
  // Only a damaged state gets here; the drill must neither hang nor stall.
  Begin();
  FilterForm->NoneButton1Click();
  Form1->GenerateQuestion();
  EXPECT_TRUE(FilterForm->IsEnabled(Form1->question.listIndex));
  EXPECT_EQ(FilterForm->EnabledMaskLow(), 4095);
  EXPECT_EQ(Form1->ListBox->count(), 12);
}

TEST_F(DrillQuestions, WithoutACatalogueTheQuestionStays) {
  Form1->currentList.length = 0;
  Form1->question.listIndex = 5;
  Form1->question.sortedNotes[0] = 60;
  Begin();
  Form1->GenerateQuestion();
  EXPECT_EQ(Form1->question.listIndex, 5);
  EXPECT_EQ(Form1->question.sortedNotes[0], 60);
}

}  // namespace
