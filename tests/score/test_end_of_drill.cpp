// The files at the end of a drill, without a window.
#include <gtest/gtest.h>

#include <filesystem>

#include "EndOfDrill.h"
#include "ScratchDir.h"

namespace {

ErrorStats OneRightAnswer() {
  ErrorStats stats{};
  AddCorrectAnswer(stats, 3, 0, 2);
  return stats;
}

EndedDrillFacts Drill(bool filtersUsed) {
  EndedDrillFacts d;
  d.correct = 20;
  d.incorrect = 5;
  d.elapsedMs = 100999;
  d.filtersUsed = filtersUsed;
  d.modeCode = 4;
  d.today = 38961;
  return d;
}

}  // namespace

TEST(EndOfDrill, EachFileIsUpdatedOnlyWhenEligibleAndAFolderInItsPlaceIsKept) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  // An ineligible first drill: the score, six empty tables, errors.dat all zero.
  EndOfDrill end = SaveEndedDrill(Drill(true), OneRightAnswer());
  EXPECT_EQ(end.score.Score, 1620);
  EXPECT_EQ(dir.Read(kHighScoreFileName), "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  EXPECT_EQ(dir.Read(kErrorsFileName), FormatErrorStats(ErrorStats{}));

  // An eligible one is entered in its table and its statistics counted.
  end = SaveEndedDrill(Drill(false), OneRightAnswer());
  EXPECT_EQ(end.newEntryIndex, 0);
  EXPECT_EQ(dir.Read(kHighScoreFileName), "0\r\n0\r\n0\r\n0\r\n1\r\n38961 20 5 5 1620\r\n0\r\n");
  EXPECT_EQ(dir.Read(kErrorsFileName), FormatErrorStats(OneRightAnswer()));

  // A folder by a file's name is neither read nor replaced; the drill is
  // still shown.
  std::filesystem::remove(dir.Path(kHighScoreFileName));
  std::filesystem::remove(dir.Path(kErrorsFileName));
  std::filesystem::create_directory(dir.Path(kHighScoreFileName));
  std::filesystem::create_directory(dir.Path(kErrorsFileName));
  end = SaveEndedDrill(Drill(false), OneRightAnswer());
  EXPECT_FALSE(end.errorsWritten);
  EXPECT_EQ(end.tables.EntryCount[4], 1) << "still shown";
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path(kHighScoreFileName)));
  EXPECT_TRUE(std::filesystem::is_directory(dir.Path(kErrorsFileName)));
}
