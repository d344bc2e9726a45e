// Numbers in the data files: printf's forms, read back whole, in any locale.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "NumberText.h"
#include "TokenReader.h"

namespace {

void ExpectTheFormsAndReadings() {
  EXPECT_EQ(GeneralNumberText(0.0), "0");
  EXPECT_EQ(GeneralNumberText(4.25), "4.25");
  EXPECT_EQ(GeneralNumberText(1234567.0), "1.23457e+06");
  EXPECT_EQ(GeneralNumberText(0.0001), "0.0001");
  EXPECT_EQ(GeneralNumberText(0.00001234), "1.234e-05");
  EXPECT_EQ(GeneralNumberText(-2.5), "-2.5");
  EXPECT_EQ(GeneralNumberText(100000.0), "100000");
  EXPECT_EQ(GeneralNumberText(38961.5), "38961.5");
  EXPECT_EQ(FixedNumberText(87.4999, 1), "87.5");
  EXPECT_EQ(FixedNumberText(-0.04, 1), "-0.0");
  EXPECT_EQ(FixedNumberText(1e300, 0).size(), 301u);

  EXPECT_EQ(DecimalNumber("2.5"), 2.5);
  EXPECT_EQ(DecimalNumber("-.5"), -0.5);
  EXPECT_EQ(DecimalNumber("5."), 5.0);
  EXPECT_EQ(DecimalNumber("1e3"), 1000.0);
  EXPECT_EQ(DecimalNumber("1E-2"), 0.01);
  for (const char* bad : {"", ".", "-", "+1", "1e", "1e+", "0x10", "inf", "nan", "1,5", "1.5x", " 1", "1e999", "--1"})
    EXPECT_FALSE(DecimalNumber(bad)) << bad;

  TokenReader reader("+2.5 -1e2 3,5");
  double a = 0, b = 0, c = 0;
  EXPECT_TRUE(reader.ReadDouble(a));
  EXPECT_TRUE(reader.ReadDouble(b));
  EXPECT_TRUE(reader.ReadDouble(c));
  EXPECT_EQ(a, 2.5);
  EXPECT_EQ(b, -100.0);
  EXPECT_EQ(c, 3.0) << "a number ends where it cannot go on";
}

}  // namespace

TEST(NumberTextTest, PrintfFormsAndWholeTokensInTheCLocale) { ExpectTheFormsAndReadings(); }

// A desktop in German writes decimal commas; the files must not.
TEST(NumberTextTest, TheSameUnderALocaleWithADecimalComma) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  bool set = false;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8"})
    if (std::setlocale(LC_NUMERIC, name) && std::string(std::localeconv()->decimal_point) == ",") {
      set = true;
      break;
    }
  if (!set) {
    std::setlocale(LC_NUMERIC, before.c_str());
    GTEST_SKIP() << "no locale with a decimal comma here";
  }
  ExpectTheFormsAndReadings();
  std::setlocale(LC_NUMERIC, before.c_str());
}
