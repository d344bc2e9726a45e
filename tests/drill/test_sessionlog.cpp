// The session log's record texts and the D record's check value; the bytes on
// disk are checked through the drill window.
#include <gtest/gtest.h>

#include <locale>
#include <string>

#include "SessionLog.h"

namespace {

TEST(SessionLogFile, AnUnwritableLogLosesTheRecordOnly) {
  EXPECT_FALSE(AppendLogRecord("/nonexistent-folder/report.dat", "D 1 0 5 3"));
}

TEST(SessionLogCheckValue, NameBytesAreSignedAndTheDateIsTheSessions) {
  EXPECT_EQ(SegmentCheckValue("Ann", 38961, 12, 3), 39228.0);
  // No name: the date less the answers.
  EXPECT_EQ(SegmentCheckValue("", 38961, 5, 0), 38956.0);
  // "Zoë" in UTF-8: 'Z' 90, 'o' 111, then 0xC3 (-61) and 0xAB (-85).
  EXPECT_EQ(SegmentCheckValue("Zo\xC3\xAB", 38961, 0, 0), 38961.0 + 90 + 111 - 61 - 85);
  EXPECT_EQ(SegmentCheckValue("\xFF", 0, 0, 1), -3.0);
}

TEST(SessionLogDouble, DefaultStreamNotation) {
  EXPECT_EQ(FormatLogDouble(39228), "39228");
  EXPECT_EQ(FormatLogDouble(0), "0");
  EXPECT_EQ(FormatLogDouble(-3), "-3");
  EXPECT_EQ(FormatLogDouble(39228.5), "39228.5");
  EXPECT_EQ(FormatLogDouble(999999), "999999");
  EXPECT_EQ(FormatLogDouble(1234567), "1.23457e+06");
  EXPECT_EQ(FormatLogDouble(0.1 + 0.2), "0.3");
}

// A decimal comma and digit grouping, as some locales have.
struct CommaPunct : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(SessionLogDouble, IgnoresTheGlobalLocale) {
  const std::locale old = std::locale::global(std::locale(std::locale::classic(), new CommaPunct));
  const std::string half = FormatLogDouble(39228.5);
  const std::string record = SegmentRecordText(1, 0, 61000, 1234567.0);
  std::locale::global(old);
  EXPECT_EQ(half, "39228.5");
  EXPECT_EQ(record, "D 1 0 61000 1.23457e+06");
}

TEST(SessionLogRecords, FieldOrder) {
  // F lists the mode first, then the masks.
  EXPECT_EQ(FilterRecordText({5, 7, 4}), "F 4 5 7");
  EXPECT_EQ(SegmentRecordText(0, 2, 4294967, -4.5), "D 0 2 4294967 -4.5");
  EXPECT_EQ(StartRecordText(45000, -1, "x"), "S 45000 -1 x");
}

}  // namespace
