// The login's steps without a window: who logs in, then "Use These?".
#include <gtest/gtest.h>

#include "Login.h"
#include "ScratchDir.h"
#include "Storage.h"

namespace {

using Names = std::vector<std::string>;

TEST(LoginStepsTest, FindsTheChosenOrTypedPersonElseAddsTheNameCleaned) {
  Names names{"Ann", "Bob"};
  LoggedInPerson p = FindOrAddPerson(names, 1, "whatever was typed");
  EXPECT_EQ(p.index, 1);
  EXPECT_EQ(p.name, "Bob");
  p = FindOrAddPerson(names, -1, "Ann");
  EXPECT_EQ(p.index, 0) << "a typed name that is on the list is that person";
  p = FindOrAddPerson(names, 7, "Cy\r\nD\x1a");
  EXPECT_EQ(p.index, 2) << "a choice outside the list is no choice";
  EXPECT_EQ(names, (Names{"Ann", "Bob", "Cy  D "}));
  p = FindOrAddPerson(names, -1, "Cy\r\nD\x1a");
  EXPECT_EQ(p.index, 2) << "typed again, the same person, not a second one";
  EXPECT_EQ(names.size(), 3u);

  // A long name is kept on the list as typed (cut to what a box takes), and
  // the drill logs it as people.dat gives it back.
  std::string longName;
  for (int i = 0; i < 50; ++i) longName += "\xc3\xa9";  // é, two bytes each
  p = FindOrAddPerson(names, -1, longName);
  EXPECT_EQ(names.back(), longName.substr(0, 100));
  EXPECT_EQ(p.name, longName.substr(0, 98));
  EXPECT_EQ(p.name, ParsePeople(FormatPeople(p.index, names)).names.back());
}

TEST(LoginStepsTest, SavedFiltersAreAppliedAskedAboutOrKeptWithoutACatalogue) {
  std::vector<std::string> names(222);
  names[6] = "1";  // the trichords from record 6
  names[7] = "2";
  const FilterState allOn{kAllTetrachordsLow, kAllTetrachordsHigh, 4};
  EXPECT_EQ(OfferSavedFilters(allOn, &names).step, SavedFiltersStep::Apply);
  EXPECT_EQ(OfferSavedFilters(allOn, nullptr).step, SavedFiltersStep::Apply) << "needs no names";

  const FilterState two{0b11, 0, 2};
  const SavedFiltersOffer offer = OfferSavedFilters(two, &names);
  EXPECT_EQ(offer.step, SavedFiltersStep::Ask);
  EXPECT_EQ(offer.summary.listed, "3-1 3-2 ON");
  EXPECT_EQ(offer.summary.rest, "(all else off)");
  EXPECT_EQ(OfferSavedFilters(two, nullptr).step, SavedFiltersStep::Keep);

  // Yes keeps them as saved; No turns on the whole cardinality in their range.
  const FilterState yes = AnswerSavedFilters(two, true);
  EXPECT_EQ(yes.LowMask * 10 + yes.ModeCode, 32);
  const FilterState no = AnswerSavedFilters(two, false);
  EXPECT_EQ(no.LowMask, kAllTrichordsLow);
  EXPECT_EQ(no.HighMask, 0);
  EXPECT_EQ(no.ModeCode, 2);
  const FilterState noTetra = AnswerSavedFilters(FilterState{1, 0, 5}, false);
  EXPECT_TRUE(IsAllOn(noTetra));
  EXPECT_EQ(noTetra.ModeCode, 5);
}

}  // namespace
