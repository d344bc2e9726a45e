// The shipped data/ftclass.dat is Forte's table: checked here against an
// enumeration of all pitch-class sets, without the program's own functions.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "test_catalogue_shipped.h"

namespace {

using Pcs = std::vector<int>;

Pcs Transform(const Pcs& s, int t, bool invert) {
  Pcs out;
  for (int pc : s) out.push_back(((invert ? -pc : pc) + t + 24) % 12);
  std::sort(out.begin(), out.end());
  return out;
}

// Forte's prime form: of the set's 24 transpositions and inversions, those
// that contain 0 written ascending from it; the one of smallest span, then
// the one packed most to the left.
Pcs FortePrime(const Pcs& s) {
  Pcs best;
  for (int invert = 0; invert < 2; ++invert)
    for (int t = 0; t < 12; ++t) {
      Pcs form = Transform(s, t, invert != 0);
      if (form.empty() || form[0] != 0) continue;
      if (best.empty() || std::make_pair(form.back(), form) < std::make_pair(best.back(), best)) best = form;
    }
  return best;
}

std::array<int, 6> IntervalVector(const Pcs& s) {
  std::array<int, 6> v{};
  for (size_t i = 0; i < s.size(); ++i)
    for (size_t j = i + 1; j < s.size(); ++j) {
      const int d = (s[j] - s[i]) % 12;
      ++v[static_cast<size_t>(std::min(d, 12 - d) - 1)];
    }
  return v;
}

int ClassSize(const Pcs& s) {
  std::set<Pcs> forms;
  for (int t = 0; t < 12; ++t) {
    forms.insert(Transform(s, t, false));
    forms.insert(Transform(s, t, true));
  }
  return static_cast<int>(forms.size());
}

Pcs Complement(const Pcs& s) {
  Pcs out;
  for (int pc = 0; pc < 12; ++pc)
    if (std::find(s.begin(), s.end(), pc) == s.end()) out.push_back(pc);
  return out;
}

long Choose(int n, int k) {
  long r = 1;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return r;
}

class ShippedTable : public ::testing::Test {
 protected:
  void SetUp() override {
    records = ShippedRecords();
    ASSERT_EQ(records.size(), 222u);
    for (const auto& r : records) byName[{r.cardinality, r.name}] = &r;
  }
  const ShippedRecord& Find(int cardinality, const std::string& name) {
    auto it = byName.find({cardinality, name});
    if (it == byName.end()) ADD_FAILURE() << "no " << cardinality << "-" << name;
    return it == byName.end() ? records.front() : *it->second;
  }
  std::vector<ShippedRecord> records;
  std::map<std::pair<int, std::string>, const ShippedRecord*> byName;
};

}  // namespace

TEST_F(ShippedTable, OneRecordPerLineWithCrLf) {
  const std::string text = ReadShippedCatalogue();
  size_t lines = 0;
  for (size_t i = 0; i < text.size(); ++i)
    if (text[i] == '\n') {
      ++lines;
      ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "bare LF at byte " << i;
    }
  EXPECT_EQ(lines, 222u);
  EXPECT_EQ(text.back(), '\n');
  EXPECT_EQ(text.find('\x1a'), std::string::npos);
}

TEST_F(ShippedTable, EveryClassOnceInForteOrderWithForteNames) {
  const std::map<int, int> expectedCounts = {{2, 6}, {3, 12}, {4, 29}, {5, 38}, {6, 50}, {7, 38},
                                             {8, 29}, {9, 12}, {10, 6}, {11, 1}, {12, 1}};
  // Every class of every cardinality, by enumeration of all sets.
  std::map<int, std::set<Pcs>> allClasses;
  for (int mask = 0; mask < 4096; ++mask) {
    Pcs s;
    for (int pc = 0; pc < 12; ++pc)
      if (mask & (1 << pc)) s.push_back(pc);
    if (s.size() >= 2) allClasses[static_cast<int>(s.size())].insert(FortePrime(s));
  }

  std::map<int, std::set<Pcs>> shipped;
  std::map<int, int> ordinal;
  int lastCardinality = 0;
  for (const auto& r : records) {
    SCOPED_TRACE(std::to_string(r.cardinality) + "-" + r.name);
    EXPECT_GE(r.cardinality, lastCardinality);
    lastCardinality = r.cardinality;
    EXPECT_EQ(r.pitchClasses, FortePrime(r.pitchClasses));
    EXPECT_TRUE(shipped[r.cardinality].insert(r.pitchClasses).second) << "twice";
    // Names count 1, 2, ... within a cardinality, Z marking the Z classes.
    const std::string number = std::to_string(++ordinal[r.cardinality]);
    EXPECT_TRUE(r.name == number || r.name == "Z" + number);
    EXPECT_LE(r.name.size(), 4u);
  }
  for (const auto& [cardinality, count] : expectedCounts) {
    EXPECT_EQ(ordinal[cardinality], count) << cardinality;
    EXPECT_EQ(shipped[cardinality], allClasses[cardinality]) << cardinality;
  }
}

TEST_F(ShippedTable, ZClassesAreExactlyThoseSharingTheirIntervalVector) {
  for (const auto& r : records) {
    SCOPED_TRACE(std::to_string(r.cardinality) + "-" + r.name);
    int sharing = 0;
    for (const auto& other : records)
      if (&other != &r && other.cardinality == r.cardinality &&
          IntervalVector(other.pitchClasses) == IntervalVector(r.pitchClasses)) {
        ++sharing;
        EXPECT_EQ(other.name[0], 'Z');
      }
    EXPECT_EQ(sharing, r.name[0] == 'Z' ? 1 : 0);
  }
  EXPECT_EQ(IntervalVector(Find(4, "Z15").pitchClasses), IntervalVector(Find(4, "Z29").pitchClasses));
  EXPECT_EQ(IntervalVector(Find(6, "Z17").pitchClasses), IntervalVector(Find(6, "Z43").pitchClasses));
}

// Forte numbers complementary classes alike, which ties the numbering of
// cardinalities 7 to 10 to that of 5 to 2.
TEST_F(ShippedTable, ComplementsShareTheirNumber) {
  for (const auto& r : records) {
    SCOPED_TRACE(std::to_string(r.cardinality) + "-" + r.name);
    const Pcs complement = FortePrime(Complement(r.pitchClasses));
    if (r.cardinality >= 2 && r.cardinality <= 5) {
      EXPECT_EQ(complement, Find(12 - r.cardinality, r.name).pitchClasses);
    } else if (r.cardinality == 6 && r.name[0] != 'Z') {
      EXPECT_EQ(complement, r.pitchClasses);
    } else if (r.cardinality == 6) {
      // A Z hexachord's complement is its Z partner.
      EXPECT_NE(complement, r.pitchClasses);
      EXPECT_EQ(IntervalVector(complement), IntervalVector(r.pitchClasses));
    }
  }
}

// Where Forte's and Rahn's prime forms differ, the table follows Forte.
TEST_F(ShippedTable, ForteRatherThanRahnPrimeForms) {
  EXPECT_EQ(Find(5, "20").pitchClasses, (Pcs{0, 1, 3, 7, 8}));
  EXPECT_EQ(Find(6, "Z29").pitchClasses, (Pcs{0, 1, 3, 6, 8, 9}));
  EXPECT_EQ(Find(6, "31").pitchClasses, (Pcs{0, 1, 3, 5, 8, 9}));
  EXPECT_EQ(Find(7, "Z18").pitchClasses, (Pcs{0, 1, 2, 3, 5, 8, 9}));
  EXPECT_EQ(Find(7, "20").pitchClasses, (Pcs{0, 1, 2, 4, 7, 8, 9}));
  EXPECT_EQ(Find(8, "26").pitchClasses, (Pcs{0, 1, 2, 4, 5, 7, 9, 10}));
  EXPECT_EQ(Find(3, "11").pitchClasses, (Pcs{0, 3, 7}));
  EXPECT_EQ(Find(4, "Z15").pitchClasses, (Pcs{0, 1, 4, 6}));
}

TEST_F(ShippedTable, TrailingNumberIsTheSizeOfTheClass) {
  std::map<int, long> sizes;
  for (const auto& r : records) {
    EXPECT_EQ(r.trailing, ClassSize(r.pitchClasses)) << r.cardinality << "-" << r.name;
    sizes[r.cardinality] += r.trailing;
  }
  for (int n = 2; n <= 12; ++n) EXPECT_EQ(sizes[n], Choose(12, n)) << n;
}
