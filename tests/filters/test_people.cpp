// people.dat, the name completion and the saved-filter summary, without widgets.
#include <gtest/gtest.h>

#include "People.h"
#include "ScratchDir.h"
#include "Storage.h"

namespace {

using Names = std::vector<std::string>;

TEST(PeopleFileTest, ReadsIndexAndNamesWithEitherLineBreak) {
  for (const char* text : {"1\r\nAnn\r\nBob", "1\nAnn\nBob", "1  trailing junk\r\nAnn\r\nBob"}) {
    const PeopleList people = ParsePeople(text);
    EXPECT_EQ(people.lastIndex, 1) << text;
    EXPECT_EQ(people.names, (Names{"Ann", "Bob"})) << text;
    EXPECT_EQ(people.SelectedIndex(), 1) << text;
  }
}

TEST(PeopleFileTest, LineBreaksAfterTheFirstLineDecideTheNames) {
  EXPECT_TRUE(ParsePeople("0").names.empty());                          // only the first line
  EXPECT_EQ(ParsePeople("0\r\n").names, Names{""});                     // one empty name
  EXPECT_EQ(ParsePeople("1\r\nAnn\r\n").names, (Names{"Ann", ""}));     // break after the last
  EXPECT_EQ(ParsePeople("1\r\nAnn\r\n").SelectedIndex(), 1);
  EXPECT_EQ(ParsePeople("2\r\nAnn\r\n\r\nBob").names, (Names{"Ann", "", "Bob"}));
  EXPECT_EQ(ParsePeople("0\r\nAnn\r").names, Names{"Ann"});
  EXPECT_EQ(ParsePeople("1\r\nAnn\r\nBob\x1a\r\nGhost").names, (Names{"Ann", "Bob"}));
  EXPECT_EQ(ParsePeople("1\r\nAnn\r\r\nBob\r\r").names, (Names{"Ann", "Bob"}));
}

TEST(PeopleFileTest, DamagedFirstLineOrIndexOutsideTheListSelectsNobody) {
  // The names below a first line that is no number still count.
  EXPECT_EQ(ParsePeople("Ann\r\nBob\r\nCy").names, (Names{"Bob", "Cy"}));
  EXPECT_EQ(ParsePeople("\r\nAnn").names, Names{"Ann"});
  EXPECT_EQ(ParsePeople("99999999999\r\nAnn").names, Names{"Ann"});  // beyond 32 bits
  for (const char* text : {"Ann\r\nBob", "\r\nAnn", "99999999999\r\nAnn", "", "x", "2\r\nAnn\r\nBob",
                           "-1\r\nAnn", "-7\r\nAnn", "2147483647\r\nAnn"})
    EXPECT_EQ(ParsePeople(text).SelectedIndex(), -1) << text;
}

TEST(PeopleFileTest, LongLinesAreCutAndTheRestOfTheLineDropped) {
  PeopleList people = ParsePeople("0\r\n" + std::string(150, 'x') + "\r\nBob");
  EXPECT_EQ(people.names, (Names{std::string(99, 'x'), "Bob"}));

  // A cut inside a two-byte character drops the whole character.
  people = ParsePeople("0\r\n" + std::string(98, 'a') + "\xC3\xA9" + "bc");
  EXPECT_EQ(people.names[0], std::string(98, 'a'));
  // A character that ends at the 99th byte stays.
  people = ParsePeople("0\r\n" + std::string(97, 'a') + "\xC3\xA9" + "bc");
  EXPECT_EQ(people.names[0], std::string(97, 'a') + "\xC3\xA9");
  EXPECT_EQ(CutUtf8("ab\xE6\x9D\x8E", 4), "ab");
  EXPECT_EQ(CutUtf8("ab\xE6\x9D\x8E", 5), "ab\xE6\x9D\x8E");
}

TEST(PeopleFileTest, WritesIndexThenABreakBeforeEachName) {
  EXPECT_EQ(FormatPeople(0, {"Ann"}), "0\r\nAnn");
  EXPECT_EQ(FormatPeople(1, {"Ann", "Bob"}), "1\r\nAnn\r\nBob");
  EXPECT_EQ(FormatPeople(3, {}), "3");
  EXPECT_EQ(FormatPeople(0, {""}), "0\r\n");
  // A name can never split into two names or end the file early.
  EXPECT_EQ(FormatPeople(0, {"A\nB", "C\x1a"}), "0\r\nA B\r\nC ");
  EXPECT_EQ(CleanName("a\rb\nc\x1a"), "a b c ");
}

TEST(PeopleFileTest, SavesAtomicallyAndLoadsFromTheWorkingFolder) {
  const ScratchDir dir;
  const auto file = dir.Path("people.dat");

  EXPECT_TRUE(LoadPeopleFile(file).names.empty());

  ASSERT_TRUE(SavePeopleFile(file, 1, {"Ann", "Bob"}));
  EXPECT_EQ(ReadBytes(file), "1\r\nAnn\r\nBob");
  ASSERT_TRUE(SavePeopleFile(file, 0, {"Ann"}));
  EXPECT_EQ(ReadBytes(file), "0\r\nAnn");
  EXPECT_EQ(LoadPeopleFile(file).names, Names{"Ann"});
  // No temporary is left beside it.
  EXPECT_EQ(dir.EntryCount(), 1);
}

TEST(ClassNamesTest, ReadsTheNamesOfTheCatalogueRecords) {
  const auto text = DataStorage().Read(ShippedDataPath("ftclass.dat"));
  ASSERT_TRUE(text.has_value());
  const std::vector<std::string> names = ReadClassNames(*text);
  ASSERT_EQ(names.size(), 222u);
  EXPECT_EQ(names[0], "1");     // the first dyad
  EXPECT_EQ(names[6], "1");     // 3-1
  EXPECT_EQ(names[16], "11");   // 3-11
  EXPECT_EQ(names[17], "12");   // 3-12
  EXPECT_EQ(names[32], "Z15");  // 4-Z15
  EXPECT_EQ(names[46], "Z29");  // 4-Z29
  for (const std::string& name : names) EXPECT_FALSE(name.empty());
}

TEST(ClassNamesTest, DamagedFileLeavesTheRestEmpty) {
  std::vector<std::string> names = ReadClassNames("2 0 1 1 12\n2 0 2 2 12\n3 0 1");
  EXPECT_EQ(names[0], "1");
  EXPECT_EQ(names[1], "2");
  EXPECT_EQ(names[2], "");
  ASSERT_EQ(names.size(), 222u);

  names = ReadClassNames("2 0 1 TOOLONG 12\n40 0 1 2 3 4 5 6 7 8 9 10 11 12 13 X 5\n2 0 3 3 12");
  EXPECT_EQ(names[0], "TOOL");
  EXPECT_EQ(names[1], "");  // a cardinality beyond 12 ends the reading
  EXPECT_EQ(names[2], "");

  EXPECT_EQ(ReadClassNames("")[0], "");
  EXPECT_EQ(ReadClassNames("-3 1 2 3")[0], "");
}

std::vector<std::string> CatalogueNames() {
  const auto text = DataStorage().Read(ShippedDataPath("ftclass.dat"));
  return text ? ReadClassNames(*text) : std::vector<std::string>(222);
}

FilterState State(uint32_t low, uint32_t high, int32_t mode) {
  return FilterState{static_cast<int32_t>(low), static_cast<int32_t>(high), mode};
}

TEST(FilterSummaryTest, ListsTheFewerSideOfATrichordState) {
  const auto names = CatalogueNames();
  FilterSummary s = SummariseFilters(State((1u << 0) | (1u << 10), 0, 1), names);
  EXPECT_EQ(s.listed, "3-1 3-11 ON");
  EXPECT_EQ(s.rest, "(all else off)");

  s = SummariseFilters(State(4095u & ~(1u << 11), 0, 2), names);
  EXPECT_EQ(s.listed, "3-12 OFF");
  EXPECT_EQ(s.rest, "(all else on)");

  // Exactly half on lists those on; one more lists those off.
  s = SummariseFilters(State(0b000000111111, 0, 0), names);
  EXPECT_EQ(s.listed, "3-1 3-2 3-3 3-4 3-5 3-6 ON");
  EXPECT_EQ(s.rest, "(all else off)");
  s = SummariseFilters(State(0b000001111111, 0, 0), names);
  EXPECT_EQ(s.listed, "3-8 3-9 3-10 3-11 3-12 OFF");
  EXPECT_EQ(s.rest, "(all else on)");
}

TEST(FilterSummaryTest, ListsTheTetrachordsOffWhenMostAreOn) {
  const auto names = CatalogueNames();
  // 20 of 29 on: list indices 0..19; off: 20..28 (4-20 ... 4-Z29).
  FilterSummary s = SummariseFilters(State(65535, 0b1111, 3), names);
  EXPECT_EQ(s.listed, "4-21 4-22 4-23 4-24 4-25 4-26 4-27 4-28 4-Z29 OFF");
  EXPECT_EQ(s.rest, "(all else on)");

  s = SummariseFilters(State(0xffff & ~(1u << 14), 8191, 4), names);
  EXPECT_EQ(s.listed, "4-Z15 OFF");
  EXPECT_EQ(s.rest, "(all else on)");
}

TEST(FilterSummaryTest, MissingNamesStillGiveEntries) {
  EXPECT_EQ(SummariseFilters(State(1, 0, 0), {}).listed, "3- ON");
}

}  // namespace
