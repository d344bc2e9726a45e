// The drill window's playback through the driver library: what reaches it,
// when, and where the keyboard focus goes.
#include <QLineEdit>
#include <QPushButton>

#include "RadioGroup.h"
#include "Waymidi.h"
#include "WindowsFixture.h"

namespace {

class DrillPlayback : public DrillAndFilterWindowsTest {
 protected:
  void SetUp() override {
    DrillAndFilterWindowsTest::SetUp();
    if (HasFatalFailure()) return;
    QuestionState& q = Form1->question;
    q.noteCount = 4;
    const int sorted[] = {45, 52, 60, 66}, played[] = {60, 45, 66, 52}, gaps[] = {500, 250, 500, 250};
    for (int j = 0; j < 4; ++j) {
      q.sortedNotes[j] = sorted[j];
      q.playedNotes[j] = played[j];
      q.noteGaps[j] = gaps[j];
    }
    ClearRecords();
    start_ = clock_.now;
  }

  std::vector<uint32_t> Offsets() const {
    std::vector<uint32_t> offsets;
    for (uint32_t t : PutTicks()) offsets.push_back(t - start_);
    return offsets;
  }

  uint32_t start_ = 0;
};

TEST_F(DrillPlayback, ChordFigureAndMixedFigureOnThePort) {
  // Chord, also with no item selected.
  for (int item : {0, -1}) {
    ClearRecords();
    Form1->RadioGroup->SetItemIndex(item);
    Form1->PlayQuestion();
    EXPECT_EQ(PutNotes(), (std::vector<int>{45, 52, 60, 66}));
    EXPECT_EQ(Offsets(), (std::vector<uint32_t>{0, 0, 0, 0}));
    EXPECT_TRUE(clock_.waits.empty());
  }
  for (const auto& put : RecorderPuts()) {
    EXPECT_EQ(put.event.time, 0xFFFFFFFFu);
    EXPECT_EQ(put.event.status, 144);
    EXPECT_EQ(put.event.data2, 64);
  }

  ClearRecords();
  start_ = clock_.now;
  Form1->RadioGroup->SetItemIndex(1);
  Form1->PlayQuestion();
  EXPECT_EQ(PutNotes(), (std::vector<int>{60, 45, 66, 52}));
  EXPECT_EQ(Offsets(), (std::vector<uint32_t>{0, 500, 750, 1250}));
  EXPECT_EQ(clock_.waits, (std::vector<uint32_t>{500, 250, 500}));
  EXPECT_TRUE(clock_.sleeps.empty());

  for (int joined : {0, 1}) {
    ClearRecords();
    start_ = clock_.now;
    Form1->question.joinedIndex = joined;
    Form1->RadioGroup->SetItemIndex(2);
    Form1->PlayQuestion();
    EXPECT_EQ(PutNotes(), (std::vector<int>{60, 45, 66, 52}));
    EXPECT_EQ(Offsets(), joined == 0 ? (std::vector<uint32_t>{0, 0, 250, 750}) : (std::vector<uint32_t>{0, 500, 500, 1000}));
    EXPECT_EQ(clock_.waits.size(), 2u);
  }
}

TEST_F(DrillPlayback, RepeatPlaysTheSameFigure) {
  Form1->RadioGroup->SetItemIndex(2);
  Form1->question.joinedIndex = 1;
  Form1->Button4Click();
  const auto notes = PutNotes();
  const auto offsets = Offsets();
  ClearRecords();
  start_ = clock_.now;
  Form1->Button4Click();
  EXPECT_EQ(PutNotes(), notes);
  EXPECT_EQ(Offsets(), offsets);
}

TEST_F(DrillPlayback, ArpeggiosSleepAfterEachNoteAndKeepTheFocus) {
  Form1->LoggedIn = true;  // no login on the first show
  Form1->show();
  Form1->FilterButton->setFocus();
  Form1->Button2Click();
  EXPECT_EQ(PutNotes(), (std::vector<int>{45, 52, 60, 66}));
  EXPECT_EQ(Offsets(), (std::vector<uint32_t>{0, 1000, 2000, 3000}));
  EXPECT_EQ(clock_.sleeps, (std::vector<uint32_t>{1000, 1000, 1000, 1000}));
  EXPECT_TRUE(clock_.waits.empty());

  ClearRecords();
  Form1->question.noteCount = 3;
  Form1->Button3Click();
  EXPECT_EQ(PutNotes(), (std::vector<int>{60, 52, 45}));
  EXPECT_EQ(clock_.sleeps.size(), 3u);
  EXPECT_EQ(Form1->focusWidget(), Form1->FilterButton);

  Form1->PlayQuestion();
  EXPECT_EQ(Form1->focusWidget(), Form1->Edit1);
}

TEST_F(DrillPlayback, AClosedPortDropsTheNotesButKeepsTheWaits) {
  Form1->WayMidiOut->Close();
  ClearRecords();
  Form1->RadioGroup->SetItemIndex(1);
  Form1->PlayQuestion();
  EXPECT_TRUE(RecorderPuts().empty());
  EXPECT_EQ(clock_.waits, (std::vector<uint32_t>{500, 250, 500}));
}

TEST_F(DrillPlayback, ADamagedQuestionStaysWithinItsNotes) {
  Form1->question.noteCount = 9;
  Form1->question.noteGaps[1] = -40;  // never a wait of four billion milliseconds
  Form1->RadioGroup->SetItemIndex(1);
  Form1->PlayQuestion();
  EXPECT_EQ(PutNotes().size(), 4u);
  EXPECT_EQ(clock_.waits, (std::vector<uint32_t>{500, 0, 500}));
  ClearRecords();
  Form1->question.noteCount = -1;
  Form1->PlayQuestion();
  Form1->Button3Click();
  EXPECT_TRUE(RecorderPuts().empty());
}

TEST_F(DrillPlayback, AGeneratedQuestionIsHeardAsVoiced) {
  Form1->RadioGroup->SetItemIndex(1);
  FilterForm->RadioGroup1->SetItemIndex(2);
  for (int k = 0; k < 20; ++k) {
    Form1->GenerateQuestion();
    ClearRecords();
    Form1->PlayQuestion();
    const QuestionState& q = Form1->question;
    ASSERT_EQ(PutNotes(), (std::vector<int>(q.playedNotes, q.playedNotes + 3)));
    ASSERT_EQ(clock_.waits, (std::vector<uint32_t>{static_cast<uint32_t>(q.noteGaps[0]), static_cast<uint32_t>(q.noteGaps[1])}));
  }
}

}  // namespace
