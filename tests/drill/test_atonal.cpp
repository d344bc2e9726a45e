#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <set>
#include <vector>

#include "Atonalfunctions.h"
#include "test_catalogue_shipped.h"

namespace {

PitchClassSet Set(std::initializer_list<int> pcs) {
  PitchClassSet s;
  for (int pc : pcs) s.elements[s.count++] = pc;
  return s;
}

PitchClassSet Set(const std::vector<int>& pcs) {
  PitchClassSet s;
  for (int pc : pcs) s.elements[s.count++] = pc;
  return s;
}

std::vector<int> Elements(const PitchClassSet& s) { return {s.elements, s.elements + s.count}; }

// The set transposed by t (and inverted first when invert), sorted.
PitchClassSet Transform(const PitchClassSet& s, int t, bool invert) {
  std::vector<int> pcs;
  for (int i = 0; i < s.count; ++i) pcs.push_back(((invert ? -s.elements[i] : s.elements[i]) + t + 24) % 12);
  std::sort(pcs.begin(), pcs.end());
  return Set(pcs);
}

// Inversional symmetry by brute force: some inversion maps the set onto itself.
bool InversionallySymmetric(const PitchClassSet& s) {
  std::set<int> original(s.elements, s.elements + s.count);
  for (int t = 0; t < 12; ++t) {
    PitchClassSet inv = Transform(s, t, true);
    if (std::set<int>(inv.elements, inv.elements + inv.count) == original) return true;
  }
  return false;
}

}  // namespace

TEST(NormalFormAtZero, PicksSmallestSpanPackedToTheLeft) {
  // (0,3,4,8) and (8,0,3,4) share span 8; the first interval, 3 against 4, decides.
  EXPECT_EQ(Elements(NormalFormAtZero(Set({0, 3, 4, 8}))), (std::vector<int>{0, 3, 4, 8}));
  EXPECT_EQ(Elements(NormalFormAtZero(Set({0, 5, 6}))), (std::vector<int>{0, 5, 6}));
  EXPECT_EQ(Elements(NormalFormAtZero(Set({4, 7, 11}))), (std::vector<int>{0, 3, 7}));
  // Every rotation ties and is equal.
  EXPECT_EQ(Elements(NormalFormAtZero(Set({0, 4, 8}))), (std::vector<int>{0, 4, 8}));
  // The rotation that wraps around the octave.
  EXPECT_EQ(Elements(NormalFormAtZero(Set({0, 1, 11}))), (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(Elements(NormalFormAtZero(Set({0, 1, 6, 7}))), (std::vector<int>{0, 1, 6, 7}));
  // A tie decided only at the second interval: 5-20 against its Rahn form.
  EXPECT_EQ(Elements(NormalFormAtZero(Set({0, 1, 5, 6, 8}))), (std::vector<int>{0, 1, 3, 7, 8}));
}

TEST(NormalFormAtZero, SmallAndFullSets) {
  EXPECT_EQ(NormalFormAtZero(Set({})).count, 0);
  EXPECT_EQ(Elements(NormalFormAtZero(Set({7}))), (std::vector<int>{0}));
  EXPECT_EQ(Elements(NormalFormAtZero(Set({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}))),
            (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
  // A count the slots cannot hold never reads beyond them.
  PitchClassSet bad = Set({0, 1, 2});
  bad.count = 40;
  EXPECT_EQ(NormalFormAtZero(bad).count, 12);
  bad.count = -3;
  EXPECT_EQ(NormalFormAtZero(bad).count, 0);
}

TEST(SamePitchClassSet, ComparesCountAndElements) {
  EXPECT_TRUE(SamePitchClassSet(Set({0, 3, 7}), Set({0, 3, 7})));
  EXPECT_FALSE(SamePitchClassSet(Set({0, 3, 7}), Set({0, 4, 7})));
  // A prefix is not the same set.
  EXPECT_FALSE(SamePitchClassSet(Set({0, 3}), Set({0, 3, 7})));
  EXPECT_TRUE(SamePitchClassSet(Set({}), Set({})));
  // Slots beyond the count do not matter.
  PitchClassSet a = Set({0, 1});
  PitchClassSet b = Set({0, 1});
  a.elements[5] = 9;
  EXPECT_TRUE(SamePitchClassSet(a, b));
}

TEST(HasDistinctInversion, KnownSetsAndTheInversionHandedOut) {
  PitchClassSet inversion;
  EXPECT_FALSE(HasDistinctInversion(Set({0, 1, 2}), inversion));
  EXPECT_TRUE(HasDistinctInversion(Set({0, 1, 3}), inversion));
  EXPECT_EQ(Elements(inversion), (std::vector<int>{0, 2, 3}));
  EXPECT_TRUE(HasDistinctInversion(Set({0, 3, 7}), inversion));
  EXPECT_EQ(Elements(inversion), (std::vector<int>{0, 4, 7}));
  EXPECT_FALSE(HasDistinctInversion(Set({0, 1, 6, 7}), inversion));
  EXPECT_TRUE(HasDistinctInversion(Set({0, 1, 4, 6}), inversion));
  EXPECT_EQ(Elements(inversion), (std::vector<int>{0, 2, 5, 6}));
  EXPECT_FALSE(HasDistinctInversion(Set({}), inversion));
  EXPECT_FALSE(HasDistinctInversion(Set({0}), inversion));
}

// Every prime form of the shipped catalogue is a normal form at zero, every
// transposition and inversion of it normalises to its form A or form B, and
// the inversion flag agrees with a brute-force symmetry test.
TEST(PitchClassFunctions, AgreeOnEveryShippedPrimeForm) {
  const auto records = ShippedRecords();
  ASSERT_EQ(records.size(), 222u);
  for (const auto& r : records) {
    SCOPED_TRACE(std::to_string(r.cardinality) + "-" + r.name);
    const PitchClassSet prime = Set(r.pitchClasses);
    EXPECT_TRUE(SamePitchClassSet(NormalFormAtZero(prime), prime));

    PitchClassSet formB;
    const bool distinct = HasDistinctInversion(prime, formB);
    EXPECT_EQ(distinct, !InversionallySymmetric(prime));
    EXPECT_EQ(formB.count, prime.count);

    for (int t = 0; t < 12; ++t) {
      const PitchClassSet transposed = NormalFormAtZero(Transform(prime, t, false));
      EXPECT_TRUE(SamePitchClassSet(transposed, prime)) << "T" << t;
      const PitchClassSet inverted = NormalFormAtZero(Transform(prime, t, true));
      EXPECT_TRUE(SamePitchClassSet(inverted, formB)) << "T" << t << "I";
    }
  }
}
