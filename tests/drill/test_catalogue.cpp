#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Catalogue.h"
#include "test_catalogue_shipped.h"

namespace {

std::vector<int> Pcs(const SetClassEntry& e) { return {e.pitchClasses, e.pitchClasses + e.cardinality}; }
std::vector<int> Row(const SetClassEntry& e, int form, int row) {
  return {e.rip[form][row][0], e.rip[form][row][1], e.rip[form][row][2]};
}

int PresentEntries(const Catalogue& c) {
  int n = 0;
  for (int i = 0; i < kCatalogueSize; ++i) n += c.Entry(i) != nullptr;
  return n;
}

// Every entry the drill may be handed: cardinality and pitch classes in range.
void ExpectListSafe(const CardinalityList& list, int length, int cardinality) {
  ASSERT_LE(length, kMaxListLength);
  for (int i = 0; i < length; ++i) {
    const SetClassEntry* e = list.items[static_cast<size_t>(i)];
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->cardinality, cardinality);
    for (int j = 0; j < e->cardinality; ++j) {
      EXPECT_GE(e->pitchClasses[j], 0);
      EXPECT_LE(e->pitchClasses[j], 11);
      if (j > 0) {
        EXPECT_GT(e->pitchClasses[j], e->pitchClasses[j - 1]);
      }
    }
  }
}

// The shipped text with its lines replaced: record r (0-based) gets `line`.
std::string WithRecord(int record, const std::string& line) {
  std::string text = ReadShippedCatalogue();
  size_t begin = 0;
  for (int r = 0; r < record; ++r) begin = text.find('\n', begin) + 1;
  const size_t end = text.find('\n', begin);
  return text.replace(begin, end - begin, line + "\r");
}

class CatalogueFile : public ::testing::Test {
 protected:
  ScratchDir dir_;
};

class ShippedCatalogue : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(catalogue.Load(ShippedCataloguePath())); }
  Catalogue catalogue;
};

}  // namespace

TEST_F(ShippedCatalogue, HoldsBuiltInsAndEveryRecordInFileOrder) {
  EXPECT_EQ(PresentEntries(catalogue), kCatalogueSize);
  EXPECT_EQ(catalogue.Entry(0)->name, "null");
  EXPECT_EQ(catalogue.Entry(0)->cardinality, 0);
  EXPECT_EQ(catalogue.Entry(1)->name, "1");
  EXPECT_EQ(Pcs(*catalogue.Entry(1)), std::vector<int>{0});
  EXPECT_EQ(catalogue.Entry(-1), nullptr);
  EXPECT_EQ(catalogue.Entry(kCatalogueSize), nullptr);

  EXPECT_EQ(catalogue.Entry(8)->name, "1");
  EXPECT_EQ(Pcs(*catalogue.Entry(8)), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(catalogue.Entry(20)->name, "1");
  EXPECT_EQ(Pcs(*catalogue.Entry(20)), (std::vector<int>{0, 1, 2, 3}));
  EXPECT_EQ(catalogue.Entry(223)->cardinality, 12);

  const auto records = ShippedRecords();
  ASSERT_EQ(records.size(), 222u);
  for (int i = 0; i < 222; ++i) {
    const SetClassEntry& e = *catalogue.Entry(2 + i);
    EXPECT_EQ(e.name, records[static_cast<size_t>(i)].name);
    EXPECT_EQ(Pcs(e), records[static_cast<size_t>(i)].pitchClasses);
    EXPECT_EQ(e.trailingNumber, records[static_cast<size_t>(i)].trailing);
  }
}

TEST_F(ShippedCatalogue, InversionFlags) {
  EXPECT_FALSE(catalogue.Entry(0)->hasDistinctInversion);
  EXPECT_FALSE(catalogue.Entry(1)->hasDistinctInversion);
  EXPECT_FALSE(catalogue.Entry(8)->hasDistinctInversion);  // 3-1
  EXPECT_TRUE(catalogue.Entry(9)->hasDistinctInversion);   // 3-2
  EXPECT_FALSE(catalogue.Entry(19)->hasDistinctInversion);  // 3-12
  EXPECT_FALSE(catalogue.Entry(28)->hasDistinctInversion);  // 4-9 (0, 1, 6, 7)
  EXPECT_TRUE(catalogue.Entry(34)->hasDistinctInversion);   // 4-Z15
  // 7 of the 12 trichords and 14 of the 29 tetrachords have two forms.
  int trichords = 0, tetrachords = 0;
  for (int i = 8; i < 20; ++i) trichords += catalogue.Entry(i)->hasDistinctInversion;
  for (int i = 20; i < 49; ++i) tetrachords += catalogue.Entry(i)->hasDistinctInversion;
  EXPECT_EQ(trichords, 7);
  EXPECT_EQ(tetrachords, 14);
}

TEST_F(ShippedCatalogue, CardinalityListsAndLabels) {
  CardinalityList list;
  ASSERT_EQ(FillCardinalityList(catalogue, 4, list), 29);
  ExpectListSafe(list, 29, 4);
  for (int i = 0; i < 29; ++i) EXPECT_EQ(list.items[static_cast<size_t>(i)], catalogue.Entry(20 + i));
  EXPECT_EQ(FormatSetClassLabel(*list.items[14]), "4-Z15 (0, 1, 4, 6)");
  EXPECT_EQ(FormatSetClassLabel(*list.items[28]), "4-Z29 (0, 1, 3, 7)");

  // Positions beyond the new length keep what they held.
  ASSERT_EQ(FillCardinalityList(catalogue, 3, list), 12);
  ExpectListSafe(list, 12, 3);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(list.items[static_cast<size_t>(i)], catalogue.Entry(8 + i));
  EXPECT_EQ(list.items[12], catalogue.Entry(32));
  EXPECT_EQ(FormatSetClassLabel(*list.items[10]), "3-11 (0, 3, 7)");
  EXPECT_EQ(FormatSetClassLabel(*list.items[0]), "3-1 (0, 1, 2)");

  EXPECT_EQ(FillCardinalityList(catalogue, 12, list), 1);
  EXPECT_EQ(FormatSetClassLabel(*list.items[0]), "12-1 (0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11)");
  EXPECT_EQ(FillCardinalityList(catalogue, 13, list), 0);
  EXPECT_EQ(FormatSetClassLabel(*catalogue.Entry(0)), "0-null ()");
}

TEST_F(ShippedCatalogue, RipTables) {
  const SetClassEntry& major = *catalogue.Entry(18);  // 3-11 (0, 3, 7)
  ASSERT_EQ(major.name, "11");
  const std::vector<std::vector<int>> formA = {{3, 7, 0}, {7, 15, 0}, {4, 9, 0}, {9, 16, 0}, {5, 8, 0}, {8, 17, 0}};
  const std::vector<std::vector<int>> formB = {{4, 7, 0}, {7, 16, 0}, {3, 8, 0}, {8, 15, 0}, {5, 9, 0}, {9, 17, 0}};
  for (int row = 0; row < 6; ++row) {
    EXPECT_EQ(Row(major, 0, row), formA[static_cast<size_t>(row)]) << "A row " << row;
    EXPECT_EQ(Row(major, 1, row), formB[static_cast<size_t>(row)]) << "B row " << row;
  }
  for (int row = 6; row < 17; ++row) {
    EXPECT_EQ(Row(major, 0, row), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(Row(major, 1, row), (std::vector<int>{0, 0, 0}));
  }

  const SetClassEntry& z15 = *catalogue.Entry(34);  // 4-Z15 (0, 1, 4, 6)
  ASSERT_EQ(z15.name, "Z15");
  // Form B's base is the inversion 0, 2, 5, 6.
  EXPECT_EQ(Row(z15, 1, 0), (std::vector<int>{2, 5, 6}));
  EXPECT_EQ(Row(z15, 0, 0), (std::vector<int>{1, 4, 6}));
  EXPECT_EQ(Row(z15, 0, 1), (std::vector<int>{4, 6, 13}));
  EXPECT_EQ(Row(z15, 0, 2), (std::vector<int>{1, 6, 16}));
  EXPECT_EQ(Row(z15, 0, 3), (std::vector<int>{6, 13, 16}));
  EXPECT_EQ(Row(z15, 0, 4), (std::vector<int>{3, 5, 11}));  // second rotation: 1, 4, 6, 13
  EXPECT_EQ(Row(z15, 0, 16), (std::vector<int>{0, 0, 0}));

  // Every row of every trichord and tetrachord rises, spans less than two
  // octaves, and ends on the pitch classes of its form.
  for (int i = 8; i < 49; ++i) {
    const SetClassEntry& e = *catalogue.Entry(i);
    const int n = e.cardinality;
    for (int form = 0; form < 2; ++form)
      for (int row = 0; row < (n == 3 ? 6 : 16); ++row) {
        for (int j = 0; j < n - 1; ++j) {
          EXPECT_GT(e.rip[form][row][j], j == 0 ? 0 : e.rip[form][row][j - 1]);
          EXPECT_LT(e.rip[form][row][j], 24);
        }
        if (n == 3) {
          EXPECT_EQ(e.rip[form][row][2], 0);
        }
      }
  }
  // Nothing else has a table.
  for (int form = 0; form < 2; ++form) EXPECT_EQ(Row(*catalogue.Entry(50), form, 0), (std::vector<int>{0, 0, 0}));
}

TEST_F(CatalogueFile, MissingFileKeepsOnlyTheBuiltIns) {
  Catalogue catalogue;
  EXPECT_FALSE(catalogue.Load(dir_.Path("ftclass.dat")));
  EXPECT_EQ(PresentEntries(catalogue), 2);
  EXPECT_EQ(catalogue.Entry(0)->name, "null");
  EXPECT_EQ(catalogue.Entry(1)->name, "1");
  CardinalityList list;
  EXPECT_EQ(FillCardinalityList(catalogue, 3, list), 0);
  EXPECT_EQ(FillCardinalityList(catalogue, 4, list), 0);
}

TEST_F(CatalogueFile, LineBreaksAndCtrlZ) {
  std::string lf = ReadShippedCatalogue();
  std::erase(lf, '\r');
  Catalogue catalogue;
  ASSERT_TRUE(catalogue.Load(dir_.Write("lf.dat", lf)));
  EXPECT_EQ(PresentEntries(catalogue), kCatalogueSize);

  // Everything after Ctrl-Z is not part of the file: 20 records remain.
  std::string text = ReadShippedCatalogue();
  size_t cut = 0;
  for (int r = 0; r < 20; ++r) cut = text.find('\n', cut) + 1;
  text.insert(cut, "\x1a");
  ASSERT_TRUE(catalogue.Load(dir_.Write("ctrlz.dat", text)));
  EXPECT_EQ(PresentEntries(catalogue), 22);
  CardinalityList list;
  EXPECT_EQ(FillCardinalityList(catalogue, 3, list), 12);
  EXPECT_EQ(FillCardinalityList(catalogue, 4, list), 2);

  // A reload replaces what an earlier load read.
  ASSERT_TRUE(catalogue.Load(ShippedCataloguePath()));
  EXPECT_EQ(PresentEntries(catalogue), kCatalogueSize);
}

TEST(CatalogueDamaged, FailedTokenDropsThatRecordAndAllLater) {
  Catalogue catalogue;
  struct Case {
    const char* what;
    std::string line;
  };
  const std::vector<Case> cases = {
      {"non-numeric pitch class", "3 0 x 7 11 24"},
      {"non-numeric cardinality", "three 0 3 7 11 24"},
      {"cardinality above 12", "13 0 3 7 11 24"},
      {"negative cardinality", "-1 0 3 7 11 24"},
      {"non-numeric trailing number", "3 0 3 7 11 many"},
      {"pitch class beyond 32 bits", "3 0 3 99999999999 11 24"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    // Record 16 is 3-11 (catalogue index 18).
    EXPECT_EQ(catalogue.LoadFromText(WithRecord(16, c.line)), 16);
    EXPECT_EQ(PresentEntries(catalogue), 18);
    EXPECT_EQ(catalogue.Entry(18), nullptr);
    EXPECT_EQ(catalogue.Entry(19), nullptr);
    CardinalityList list;
    const int n = FillCardinalityList(catalogue, 3, list);
    EXPECT_EQ(n, 10);
    ExpectListSafe(list, n, 3);
    EXPECT_EQ(FillCardinalityList(catalogue, 4, list), 0);
  }
}

TEST(CatalogueDamaged, InvalidRecordLeavesOnlyItsOwnSlotEmpty) {
  Catalogue catalogue;
  const std::vector<std::string> lines = {
      "3 0 3 12 11 24",   // pitch class above 11
      "3 0 -3 7 11 24",   // negative
      "3 0 7 3 11 24",    // not ascending
      "3 0 3 3 11 24",    // repeated
      "3 1 3 7 11 24",    // not beginning on 0
      "3 0 3 7 Z1111 24",  // name longer than 4 characters
  };
  for (const auto& line : lines) {
    SCOPED_TRACE(line);
    EXPECT_EQ(catalogue.LoadFromText(WithRecord(16, line)), 221);
    EXPECT_EQ(PresentEntries(catalogue), kCatalogueSize - 1);
    EXPECT_EQ(catalogue.Entry(18), nullptr);
    // Later records keep their catalogue indices.
    ASSERT_NE(catalogue.Entry(19), nullptr);
    EXPECT_EQ(catalogue.Entry(19)->name, "12");
    CardinalityList list;
    const int n = FillCardinalityList(catalogue, 3, list);
    EXPECT_EQ(n, 11);
    ExpectListSafe(list, n, 3);
    EXPECT_EQ(FillCardinalityList(catalogue, 4, list), 29);
  }
  // A name of 4 characters is still whole; tokens may be separated by any
  // white space, across lines.
  EXPECT_EQ(catalogue.LoadFromText(WithRecord(16, "3\t0 3\n7 Z111   24")), 222);
  EXPECT_EQ(catalogue.Entry(18)->name, "Z111");
}

TEST(CatalogueDamaged, ShortOddAndHostileTexts) {
  Catalogue catalogue;
  EXPECT_EQ(catalogue.LoadFromText(""), 0);
  EXPECT_EQ(PresentEntries(catalogue), 2);
  EXPECT_EQ(catalogue.LoadFromText("3 0 1 2 1"), 0);  // ends inside the record
  EXPECT_EQ(catalogue.LoadFromText("3 0 1 2 1 24"), 1);
  EXPECT_TRUE(catalogue.Entry(2)->hasDistinctInversion == false);
  EXPECT_EQ(Row(*catalogue.Entry(2), 0, 0), (std::vector<int>{1, 2, 0}));

  // Cardinalities 0 and 12 are within bounds and harmless.
  EXPECT_EQ(catalogue.LoadFromText("0 none 1 12 0 1 2 3 4 5 6 7 8 9 10 11 1 1"), 2);
  EXPECT_EQ(catalogue.Entry(2)->cardinality, 0);
  EXPECT_EQ(catalogue.Entry(3)->cardinality, 12);

  // More tetrachords than a list can hold: the list stops at 29.
  std::string many;
  for (int i = 0; i < 300; ++i) many += "4 0 1 2 3 1 24\r\n";
  EXPECT_EQ(catalogue.LoadFromText(many), 222);
  CardinalityList list;
  EXPECT_EQ(FillCardinalityList(catalogue, 4, list), kMaxListLength);
  ExpectListSafe(list, kMaxListLength, 4);

  // NUL bytes and stray bytes are tokens like any other.
  const std::string binary("3 0 1\0 2 1 24", 13);
  EXPECT_EQ(catalogue.LoadFromText(binary), 0);
}
