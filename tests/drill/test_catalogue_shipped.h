// The records of the shipped data/ftclass.dat, read independently of the
// catalogue's own reader.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ScratchDir.h"

struct ShippedRecord {
  int cardinality = 0;
  std::vector<int> pitchClasses;
  std::string name;
  int trailing = 0;
};

inline std::string ShippedCataloguePath() { return ShippedDataPath("ftclass.dat"); }

inline std::string ReadShippedCatalogue() { return ReadBytes(ShippedCataloguePath()); }

inline std::vector<ShippedRecord> ShippedRecords() {
  std::istringstream in(ReadShippedCatalogue());
  std::vector<ShippedRecord> records;
  ShippedRecord r;
  while (in >> r.cardinality && r.cardinality >= 0 && r.cardinality <= 12) {
    r.pitchClasses.assign(static_cast<size_t>(r.cardinality), 0);
    for (int& pc : r.pitchClasses) in >> pc;
    in >> r.name >> r.trailing;
    if (!in) break;
    records.push_back(r);
  }
  return records;
}
