// errors.dat as the cumulative report reads and clears it, on this build's storage.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "CumulativeFile.h"
#include "ScratchDir.h"
#include "Storage.h"

namespace {
std::string Text(const ErrorStats& stats) { return FormatErrorStats(stats); }
}  // namespace

TEST(CumulativeFile, ReadsWhatIsThereAndClearsOnlyWhatWasWritten) {
  ScratchDir dir;
  ASSERT_TRUE(dir.Enter());
  ErrorStats zero{};
  EXPECT_EQ(Text(ReadCumulativeFile()), Text(zero));

  ErrorStats earlier{};
  AddCorrectAnswer(earlier, 10, 0, 0);
  AddWrongAnswer(earlier, 3, 1, 2, 9);
  // Another copy's figures, read up to the Ctrl-Z that ends the file.
  dir.Write("errors.dat", FormatErrorStats(earlier) + "\x1A" + "junk");
  EXPECT_EQ(Text(ReadCumulativeFile()), Text(earlier));

  ErrorStats shown = earlier;
  ASSERT_TRUE(ClearCumulativeFile(shown));
  EXPECT_EQ(Text(shown), Text(zero));
  EXPECT_EQ(DataStorage().Read("errors.dat"), Text(zero));
  EXPECT_EQ(Text(ReadCumulativeFile()), Text(zero));

  // A clear that cannot be written keeps the figures the report shows.
  std::filesystem::remove(dir.Path("errors.dat"));
  std::filesystem::create_directory(dir.Path("errors.dat"));
  shown = earlier;
  EXPECT_FALSE(ClearCumulativeFile(shown));
  EXPECT_EQ(Text(shown), Text(earlier));
  EXPECT_EQ(Text(ReadCumulativeFile()), Text(zero));
}
