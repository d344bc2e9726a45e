// A drill without any window: its steps, what it tells, what it logs.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "Atonalfunctions.h"
#include "DrillEnd.h"
#include "DrillSession.h"
#include "ScratchDir.h"
#include "SessionLog.h"

namespace {

// Filter settings held in plain members, the notes played kept.
class Settings : public DrillSurroundings {
 public:
  FilterState state{4095, 0, 0};
  std::vector<int> played;

  void SettingsNow(FilterState& s) const override { s = state; }
  int Cardinality() const override { return state.ModeCode >= 3 ? 1 : 0; }
  int Range() const override { return state.ModeCode % 3; }
  bool Asks(int i) const override {
    return i < 16 ? (state.LowMask >> i) & 1 : (state.HighMask >> (i - 16)) & 1;
  }
  void AskWholeList() override { state.LowMask = 4095; }
  PlayManner Manner() const override { return PlayManner::Chord; }
  void Play(const PlaybackPlan& plan) override {
    for (const PlanNote& note : plan.notes) played.push_back(note.key);
  }
};

// A clock that stands still until the test moves it.
class TestClock : public Clock {
 public:
  uint32_t now = 20000;
  uint32_t NowMs() override { return now; }
  double Today() override { return 38961.0; }
};

// What the drill tells, one letter a step.
class Told : public DrillListener {
 public:
  std::string steps;
  std::vector<JudgedAnswer> judged;
  std::vector<DrillResult> ended;
  void DrillStarted() override { steps += "S"; }
  void QuestionAsked(const QuestionState&) override { steps += "Q"; }
  void QuestionPlayed() override { steps += "P"; }
  void AnswerJudged(const JudgedAnswer& a) override {
    steps += a.row < 0 ? "0" : a.right ? "R" : a.counted ? "W" : "w";
    judged.push_back(a);
  }
  void DrillEnded(const DrillResult& r) override {
    steps += "E";
    ended.push_back(r);
  }
};

class DrillSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.Enter());
    ASSERT_TRUE(dir_.CopyShipped("ftclass.dat"));
    drill_.SetClock(&clock_);
    ProgramRandom().Seed(777);
    ASSERT_TRUE(drill_.ReadCatalogue("ftclass.dat"));
    ASSERT_EQ(drill_.UseCardinality(3), 12);
    int32_t rows[12];
    for (int i = 0; i < 12; ++i) rows[i] = i;
    drill_.SetAnswerRows(rows, 12);
    drill_.SetSurroundings(&settings_);
    drill_.CurrentPersonName = "Ann";
    drill_.AddListener(&told);
  }
  void TearDown() override { drill_.RemoveListener(&told); }

  // The row naming the question's set class, and one that does not.
  int RightRow() const { return drill_.RowOf(drill_.question.listIndex); }
  int WrongRow(int n = 0) const { return (drill_.question.listIndex + 1 + n) % 12; }

  ScratchDir dir_;
  TestClock clock_;
  uint32_t& now_ = clock_.now;
  Settings settings_;
  DrillSession drill_;
  Told told;
  std::string& told_ = told.steps;
  std::vector<JudgedAnswer>& judged_ = told.judged;
  std::vector<DrillResult>& ended_ = told.ended;
};

}  // namespace

TEST_F(DrillSessionTest, ADrillTellsEachStepCountsOnceAndLogs) {
  drill_.Submit(0);
  EXPECT_EQ(told_, "") << "nothing outside a drill";
  ASSERT_TRUE(drill_.Begin());
  EXPECT_EQ(told_, "QSP");
  EXPECT_EQ(settings_.played.size(), 3u);
  const QuestionState first = drill_.question;

  drill_.Submit(WrongRow());
  drill_.Submit(WrongRow());  // the same wrong answer again: not counted
  drill_.Submit(-1);
  now_ += 7000;
  drill_.Submit(RightRow());
  EXPECT_EQ(told_, "QSPWw0RQP") << "a right answer is told before the next question is made";
  EXPECT_EQ(drill_.CorrectCount, 1);
  EXPECT_EQ(drill_.IncorrectCount, 1);
  ASSERT_EQ(judged_.size(), 4u);
  EXPECT_EQ(judged_[3].asked.sortedNotes[0], first.sortedNotes[0]) << "judged against the question answered";
  EXPECT_EQ(judged_[0].givenListIndex, (first.listIndex + 1) % 12);
  int right = 0, wrong = 0;
  for (const SetClassStats& s : drill_.SessionStats) {
    right += s.Correct[0] + s.Correct[1];
    wrong += s.Wrong[0] + s.Wrong[1];
  }
  EXPECT_EQ(right * 10 + wrong, 11);

  drill_.End(true);
  ASSERT_EQ(ended_.size(), 1u);
  EXPECT_EQ(ended_[0].correct * 10 + ended_[0].incorrect, 11);
  EXPECT_EQ(ended_[0].endedAt - ended_[0].drillStart, 7000u);
  EXPECT_FALSE(ended_[0].filtersUsed);
  EXPECT_TRUE(ended_[0].scored);
  EXPECT_FALSE(drill_.Drilling);
  EXPECT_EQ(drill_.CorrectCount, 1) << "kept for the score until Clear";
  drill_.Clear();
  EXPECT_EQ(drill_.CorrectCount + drill_.IncorrectCount, 0);
  EXPECT_EQ(drill_.SessionStats[static_cast<size_t>(judged_[3].asked.listIndex)].Correct[0] +
                drill_.SessionStats[static_cast<size_t>(judged_[3].asked.listIndex)].Correct[1],
            0);
  // S, F, and D: 1 right, 1 wrong, 7 s, 285 ("Ann") + 38961 - 1 - 2.
  EXPECT_EQ(dir_.Read(kReportFileName), "\r\nS 38961 0 Ann\r\nF 0 4095 0\r\nD 1 1 7 39243");
}

TEST_F(DrillSessionTest, ARangeChangedAfterTheLastQuestionMarksTheDrillAtEnd) {
  ASSERT_TRUE(drill_.Begin());
  drill_.Submit(RightRow());
  settings_.state.ModeCode = 2;
  EXPECT_FALSE(drill_.FiltersUsed);
  drill_.End(true);
  ASSERT_EQ(ended_.size(), 1u);
  EXPECT_TRUE(ended_[0].filtersUsed);
  EXPECT_EQ(ended_[0].filters.ModeCode, 2);
}

TEST_F(DrillSessionTest, AChooserPicksTheQuestionsAndAPracticeDrillSaysSo) {
  std::vector<int> offered;
  drill_.SetChooser([&offered](int32_t length, const std::function<bool(int)>& enabled, RandomSource&) {
    offered.push_back(length);
    return enabled(5) ? 5 : -1;
  });
  drill_.SetPractice(true);
  ASSERT_TRUE(drill_.Begin());
  EXPECT_EQ(drill_.question.listIndex, 5);
  drill_.Submit(drill_.RowOf(5));
  EXPECT_EQ(drill_.question.listIndex, 5);
  EXPECT_EQ(offered, (std::vector<int>{12, 12}));
  // A chooser that picks what is not enabled asks nothing new.
  settings_.state.LowMask = 4095 & ~(1 << 5);
  const QuestionState before = drill_.question;
  drill_.GenerateQuestion();
  EXPECT_EQ(drill_.question.listIndex, before.listIndex);
  EXPECT_EQ(drill_.question.sortedNotes[0], before.sortedNotes[0]);
  EXPECT_TRUE(drill_.FiltersUsed);
  drill_.End(false);
  ASSERT_EQ(ended_.size(), 1u);
  EXPECT_TRUE(ended_[0].practice);
  EXPECT_FALSE(ended_[0].scored);
  // The student's own: nothing logged, nothing counted in the statistics.
  EXPECT_EQ(dir_.Read(kReportFileName), "");
  EXPECT_EQ(ended_[0].stats[5].Correct[0] + ended_[0].stats[5].Correct[1], 0);
}

// Settings changed mid-drill: the asked set class switched off, then the
// other cardinality. Each replaces the question once and marks the drill,
// and the log holds the settings each segment was drilled with.
TEST_F(DrillSessionTest, ASettingChangedMidDrillReplacesTheQuestionOnce) {
  EXPECT_FALSE(drill_.ReplaceUndrilledQuestion()) << "nothing to replace outside a drill";
  ASSERT_TRUE(drill_.Begin());
  drill_.Submit(RightRow());
  EXPECT_FALSE(drill_.ReplaceUndrilledQuestion()) << "a question still drilled stays";
  told_.clear();

  const int off = drill_.question.listIndex;
  settings_.state.LowMask = 4095 & ~(1 << off);
  now_ += 3000;
  EXPECT_TRUE(drill_.ReplaceUndrilledQuestion());
  EXPECT_EQ(told_, "QP");
  EXPECT_NE(drill_.question.listIndex, off);
  EXPECT_TRUE(drill_.FiltersUsed);
  EXPECT_FALSE(drill_.ReplaceUndrilledQuestion());

  drill_.Submit(RightRow());
  settings_.state.ModeCode = 3;  // tetrachords, close position
  ASSERT_EQ(drill_.UseCardinality(4), 29);
  EXPECT_TRUE(drill_.ReplaceUndrilledQuestion());
  EXPECT_EQ(drill_.question.noteCount, 4);
  EXPECT_EQ(told_, "QPRQPQP");
  drill_.End(true);
  ASSERT_EQ(ended_.size(), 1u);
  EXPECT_TRUE(ended_[0].filtersUsed);
  EXPECT_EQ(ended_[0].correct, 2);
  const std::string log = dir_.Read(kReportFileName);
  EXPECT_EQ(log.substr(0, 30), "\r\nS 38961 0 Ann\r\nF 0 4095 0\r\nD");
  EXPECT_NE(log.find("\r\nF 0 " + std::to_string(4095 & ~(1 << off)) + " 0\r\n"), std::string::npos) << log;
  const std::string last = "\r\nD 1 0 0 39245\r\nF 3 " + std::to_string(4095 & ~(1 << off)) + " 0";
  EXPECT_EQ(log.substr(log.size() - std::min(log.size(), last.size())), last) << log;
}

// END is offered from the fifth right answer; END or a new login stops a
// drill from its first right answer (a practice drill at once), and only a
// drill that END stops leaves its score in the files.
TEST_F(DrillSessionTest, EndFromFiveRightAnswersAndOnlyEndLeavesTheScore) {
  SetCoreClock(&clock_);
  EXPECT_FALSE(drill_.Stoppable());
  ASSERT_TRUE(drill_.Begin());
  drill_.Submit(WrongRow());
  EXPECT_FALSE(drill_.Stoppable()) << "a wrong answer alone does not stop a drill";
  EXPECT_FALSE(drill_.EndForNewPerson());
  EXPECT_TRUE(drill_.Drilling) << "a new login leaves it running";
  for (int right = 1; right <= 5; ++right) {
    drill_.Submit(RightRow());
    EXPECT_TRUE(drill_.Stoppable());
    EXPECT_EQ(drill_.EndOffered(), right == 5) << right;
  }
  now_ += 60000;
  drill_.End(true);
  EXPECT_FALSE(drill_.EndOffered());
  ASSERT_EQ(ended_.size(), 1u);
  const std::optional<EndOfDrill> saved = SaveScoredDrill(ended_[0]);
  ASSERT_TRUE(saved);
  // Five right, one wrong, in 60 s, dated the drill's day, on the table of
  // the trichords in close position.
  EXPECT_EQ(saved->newEntryIndex, 0);
  EXPECT_EQ(dir_.Read(kHighScoreFileName),
            "1\r\n38961 5 1 12 " + std::to_string(saved->score.Score) + "\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(dir_.Read(kErrorsFileName), FormatErrorStats(ended_[0].stats)) << "the drill's statistics counted";
  const std::string files = dir_.Read(kHighScoreFileName) + dir_.Read(kErrorsFileName);
  drill_.Clear();

  // Stopped by a new login: ended unscored, counts gone, nothing written.
  ASSERT_TRUE(drill_.Begin());
  drill_.Submit(RightRow());
  EXPECT_TRUE(drill_.EndForNewPerson());
  EXPECT_FALSE(drill_.Drilling);
  EXPECT_EQ(drill_.CorrectCount, 0);
  ASSERT_EQ(ended_.size(), 2u);
  EXPECT_FALSE(SaveScoredDrill(ended_[1]));

  // A practice drill stops at once and, ended by END, still leaves no score.
  drill_.SetPractice(true);
  ASSERT_TRUE(drill_.Begin());
  EXPECT_TRUE(drill_.Stoppable());
  drill_.End(true);
  ASSERT_EQ(ended_.size(), 3u);
  EXPECT_FALSE(SaveScoredDrill(ended_[2]));
  EXPECT_EQ(dir_.Read(kHighScoreFileName) + dir_.Read(kErrorsFileName), files);
  SetCoreClock(nullptr);
}

// What the drill window and the page show of a drill: a typed name chooses
// its row, and the clock reads minutes and seconds.
TEST_F(DrillSessionTest, ATypedNameChoosesItsRowAndTheClockReadsMinutesAndSeconds) {
  const int32_t rows[] = {10, 0, 3};  // 3-11, 3-1, 3-4
  drill_.SetAnswerRows(rows, 3);
  EXPECT_EQ(drill_.NameOfRow(0), "11");
  EXPECT_EQ(drill_.RowNamed("4"), 2);
  EXPECT_EQ(drill_.RowNamed("1"), 1) << "the whole name, not a prefix of 11";
  EXPECT_EQ(drill_.RowNamed("2"), -1) << "a set class not in the list";
  EXPECT_EQ(drill_.NameOfRow(3), "") << "a row beyond the list names nothing, whatever it named before";
  EXPECT_EQ(drill_.RowNamed(""), -1);
  EXPECT_EQ(ClockText(0), "0:00");
  EXPECT_EQ(ClockText(61999), "1:01");
  EXPECT_EQ(ClockText(600000), "10:00");
}
