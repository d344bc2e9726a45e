// The drill window's catalogue: its caption on a missing ftclass.dat, and its
// view of the drilled cardinality.
#include <gtest/gtest.h>

#include <QApplication>

#include "DrillWindow.h"
#include "ScratchDir.h"

namespace {

class DrillCatalogue : public ::testing::Test {
 protected:
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    ASSERT_TRUE(dir_.Enter());
  }
  void ProvideCatalogue() { ASSERT_TRUE(dir_.CopyShipped("ftclass.dat")); }

  ScratchDir dir_;
};

}  // namespace

TEST_F(DrillCatalogue, MissingFileShowsFileErrorAndGivesEmptyLists) {
  TForm1 form;
  EXPECT_EQ(form.windowTitle(), "File Error!");
  EXPECT_NE(form.catalogue.Entry(0), nullptr);
  EXPECT_NE(form.catalogue.Entry(1), nullptr);
  EXPECT_EQ(form.catalogue.Entry(2), nullptr);
  EXPECT_EQ(form.FillCardinalityList(3), 0);
  EXPECT_EQ(form.currentList.length, 0);
  EXPECT_EQ(form.ListEntry(0), nullptr);
  EXPECT_EQ(form.FormatSetClassLabel(0), "");
}

TEST_F(DrillCatalogue, LoadedFileLeavesTheCaptionAndFillsTheList) {
  ProvideCatalogue();
  TForm1 form;
  EXPECT_EQ(form.windowTitle(), "Sonorix");
  EXPECT_NE(form.catalogue.Entry(223), nullptr);

  EXPECT_EQ(form.FillCardinalityList(4), 29);
  EXPECT_EQ(form.currentList.length, 29);
  EXPECT_EQ(form.FormatSetClassLabel(14), "4-Z15 (0, 1, 4, 6)");
  EXPECT_EQ(form.ListEntry(28), form.catalogue.Entry(48));
  EXPECT_EQ(form.ListEntry(29), nullptr);
  EXPECT_EQ(form.ListEntry(-1), nullptr);

  // A shorter list: the slots beyond it still hold tetrachords, yet they are
  // not list entries any more.
  EXPECT_EQ(form.FillCardinalityList(3), 12);
  EXPECT_EQ(form.currentList.length, 12);
  EXPECT_EQ(form.FormatSetClassLabel(10), "3-11 (0, 3, 7)");
  EXPECT_NE(form.currentList.items[12], nullptr);
  EXPECT_EQ(form.ListEntry(12), nullptr);
  EXPECT_EQ(form.FormatSetClassLabel(12), "");

  // Reloading a readable file does not touch the caption.
  form.setWindowTitle("Sonorix");
  form.LoadCatalogue();
  EXPECT_EQ(form.windowTitle(), "Sonorix");
  std::filesystem::remove(dir_.Path("ftclass.dat"));
  form.LoadCatalogue();
  EXPECT_EQ(form.windowTitle(), "File Error!");
}
