// The records of the shipped data/ftclass.dat, read independently of the
// catalogue's own reader.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

struct ShippedRecord {
  int cardinality = 0;
  std::vector<int> pitchClasses;
  std::string name;
  int trailing = 0;
};

inline std::string ShippedCataloguePath() {
  const char* source = std::getenv("SONORIX_SOURCE_DIR");
  return std::string(source ? source : SONORIX_TEST_SOURCE_DIR) + "/data/ftclass.dat";
}

inline std::string ReadShippedCatalogue() {
  std::ifstream in(ShippedCataloguePath(), std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

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
