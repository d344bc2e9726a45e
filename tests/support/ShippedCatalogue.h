// A fixture for tests of set classes: the shipped catalogue, loaded for each
// test, and its lists by cardinality.
#pragma once

#include <gtest/gtest.h>

#include "Catalogue.h"
#include "ScratchDir.h"

class ShippedCatalogueTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(catalogue_.Load(ShippedDataPath("ftclass.dat"))); }

  CardinalityList List(int cardinality) const {
    CardinalityList list;
    list.length = FillCardinalityList(catalogue_, cardinality, list);
    return list;
  }

  Catalogue catalogue_;
};
