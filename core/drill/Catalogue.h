// The set-class catalogue read from ftclass.dat, and the views the drill keeps
// of it: the current cardinality list.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct SetClassEntry {
  std::string name;              // the number after the hyphen: "11", "Z15"
  int32_t cardinality = 0;
  int32_t pitchClasses[12] = {};  // prime form, ascending, from 0
  int32_t trailingNumber = 0;
  bool hasDistinctInversion = false;
  int32_t rip[2][17][3] = {};     // [form A/B][row][upper-note distances]
};

constexpr int kCatalogueSize = 224;
constexpr int kFileRecords = 222;
constexpr int kMaxListLength = 29;

class Catalogue {
 public:
  // Creates the two built-in entries, reads the 222 records of the file and
  // computes the inversion flags and RIP tables. Returns false when the file
  // cannot be opened (only the built-in entries exist then).
  bool Load(const std::string& fileName);
  // The same from the file's text (already cut at Ctrl-Z); returns how many
  // of the 222 records were kept.
  int LoadFromText(std::string_view text);
  // Releases every entry.
  void Clear();

  // nullptr for an absent entry or an index outside 0..223.
  const SetClassEntry* Entry(int catalogueIndex) const;

 private:
  std::array<std::unique_ptr<SetClassEntry>, kCatalogueSize> entries_;
};

// The entries of the drilled cardinality, in catalogue order.
struct CardinalityList {
  std::array<const SetClassEntry*, kMaxListLength> items = {};
  int32_t length = 0;
};

// Stores every entry of that cardinality from position 0 and returns how many
// it stored; positions beyond keep what they held.
int FillCardinalityList(const Catalogue& catalogue, int cardinality, CardinalityList& list);

// "3-11 (0, 3, 7)".
std::string FormatSetClassLabel(const SetClassEntry& entry);
