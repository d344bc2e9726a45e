// The error report's text from statistics and the shipped catalogue.
#include <gtest/gtest.h>

#include <string>

#include "ErrorReportText.h"
#include "ScratchDir.h"

namespace {

// Statistics indices and list indices in the shipped catalogue.
constexpr int k3_1 = 0, k3_2 = 1, k3_10 = 9, k3_11 = 10, k3_12 = 11;
constexpr int k4_1 = 0, k4_Z15 = 14, k4_Z29 = 28;
constexpr int kTetra = 12;

class ReportText : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(catalogue.Load(ShippedDataPath("ftclass.dat"))); }

  std::string Text(const ReportOptions& options = {true, true, true}) const {
    return ErrorReportText(stats, catalogue, options);
  }

  Catalogue catalogue;
  ErrorStats stats{};
};

TEST_F(ReportText, MinorTriadExampleComesOutCharacterForCharacter) {
  // 3-11: 3 right and 1 wrong (given 3-10) in form A, 2 right in form B; form
  // A voiced twice in close position (row 0) and twice in its first
  // inversion (row 2, once wrong), form B in close position.
  AddCorrectAnswer(stats, k3_11, 0, 0);
  AddCorrectAnswer(stats, k3_11, 0, 0);
  AddWrongAnswer(stats, k3_11, 0, 2, k3_10);
  AddCorrectAnswer(stats, k3_11, 0, 2);
  AddCorrectAnswer(stats, k3_11, 1, 0);
  AddCorrectAnswer(stats, k3_11, 1, 0);
  EXPECT_EQ(Text(),
            "3-11 [0, 3, 7]  83%\n"
            "       3-11a  75%\n"
            "                <0, 3, 7> 100%\n"
            "                <0, 4, 9>  50%\n"
            "       3-11b 100%\n"
            "                <0, 4, 7> 100%\n"
            "       Confused with:\n"
            "               3-10 [0, 3, 6]  17%\n"
            "\n");

  // Each box takes its own lines away; RIPs only ever inside the forms.
  EXPECT_EQ(Text({true, false, false}),
            "3-11 [0, 3, 7]  83%\n"
            "       3-11a  75%\n"
            "       3-11b 100%\n"
            "\n");
  EXPECT_EQ(Text({false, true, true}),
            "3-11 [0, 3, 7]  83%\n"
            "       Confused with:\n"
            "               3-10 [0, 3, 6]  17%\n"
            "\n");
  EXPECT_EQ(Text({false, false, false}), "3-11 [0, 3, 7]  83%\n\n");
}

TEST_F(ReportText, OnlyAnsweredClassesInStatOrderEachNamedFromItsOwnCardinality) {
  EXPECT_EQ(Text(), "");

  // A drill without wrong answers has no confusion list; a form without
  // answers has no line.
  AddCorrectAnswer(stats, k3_2, 0, 1);
  AddCorrectAnswer(stats, kTetra + k4_Z15, 1, 0);
  AddWrongAnswer(stats, kTetra + k4_Z15, 1, 0, k4_Z29);
  AddWrongAnswer(stats, kTetra + k4_Z15, 1, 3, k4_1);
  EXPECT_EQ(Text(),
            "3-2 [0, 1, 3] 100%\n"
            "       3-2a 100%\n"
            "                <0, 3, 13> 100%\n"
            "\n"
            "4-Z15 [0, 1, 4, 6]  33%\n"
            "       4-Z15b  33%\n"
            "                <0, 2, 5, 6>  50%\n"
            "                <0, 6, 14, 17>   0%\n"
            "       Confused with:\n"
            "               4-1 [0, 1, 2, 3]  33%\n"
            "               4-Z29 [0, 1, 3, 7]  33%\n"
            "\n");
}

TEST_F(ReportText, SymmetricClassesShowOnlyHeaderAndConfusionsAndRow16ReadsAllZeros) {
  // 3-12 (0, 4, 8) is its own inversion: its questions count as form A.
  AddCorrectAnswer(stats, k3_12, 0, 0);
  AddCorrectAnswer(stats, k3_12, 0, 1);
  AddWrongAnswer(stats, k3_12, 0, 0, k3_1);
  const std::string expected =
      "3-12 [0, 4, 8]  67%\n"
      "       Confused with:\n"
      "               3-1 [0, 1, 2]  33%\n"
      "\n";
  EXPECT_EQ(Text({true, true, true}), expected);
  EXPECT_EQ(Text({false, false, true}), expected);
  EXPECT_EQ(Text({true, true, false}), "3-12 [0, 4, 8]  67%\n\n");

  // Voicings outside the table read as all zeros.
  stats = {};
  AddWrongAnswer(stats, k3_10, 0, 16, k3_11);
  AddCorrectAnswer(stats, kTetra + k4_Z29, 0, 16);
  EXPECT_EQ(Text({true, true, false}),
            "3-10 [0, 3, 6]   0%\n"
            "\n"
            "4-Z29 [0, 1, 3, 7] 100%\n"
            "       4-Z29a 100%\n"
            "                <0, 0, 0, 0> 100%\n"
            "\n");
  // A trichord the same way, in form B.
  stats = {};
  AddWrongAnswer(stats, k3_11, 1, 16, k3_10);
  EXPECT_EQ(Text({true, true, false}),
            "3-11 [0, 3, 7]   0%\n"
            "       3-11b   0%\n"
            "                <0, 0, 0>   0%\n"
            "\n");
}

TEST_F(ReportText, DamagedCountsNeitherOverflowNorNameClassesThatDoNotExist) {
  // Every count at its largest: the sums would overflow 32 bits.
  SetClassStats& c = stats[k3_11];
  c.Correct[0] = c.Correct[1] = c.Wrong[0] = c.Wrong[1] = 2147483647;
  c.CorrectByRip[0][0] = c.WrongByRip[0][0] = 2147483647;
  // A trichord confused with list index 20: there is no 21st trichord.
  c.ConfusedWith[20] = 5;
  c.ConfusedWith[k3_1] = 2147483647;
  EXPECT_EQ(Text(),
            "3-11 [0, 3, 7]  50%\n"
            "       3-11a  50%\n"
            "                <0, 3, 7>  50%\n"
            "       3-11b  50%\n"
            "       Confused with:\n"
            "               3-1 [0, 1, 2]  25%\n"
            "\n");

  // Without a catalogue there are no names, and no report.
  Catalogue empty;
  EXPECT_TRUE(ErrorReportLines(stats, empty, {true, true, true}).empty());
  // Shares are never divided by zero.
  EXPECT_EQ(FormatShare(3, 0), "  0");
}

}  // namespace
