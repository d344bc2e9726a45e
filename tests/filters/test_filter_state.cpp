// filters.dat and the filter state: the file's bytes, damaged files, masks and all-on.
#include <gtest/gtest.h>

#include <unistd.h>

#include <array>
#include <filesystem>
#include <string>

#include "FilterState.h"
#include "ScratchDir.h"

namespace {

namespace fs = std::filesystem;

bool Same(const FilterState& a, const FilterState& b) {
  return a.LowMask == b.LowMask && a.HighMask == b.HighMask && a.ModeCode == b.ModeCode;
}

class FiltersFile : public ::testing::Test {
 protected:
  void Write(const std::string& bytes) const { dir_.Write("filters.dat", bytes); }
  std::string Read() const { return dir_.Read("filters.dat"); }

  ScratchDir dir_;
  const std::string file_ = dir_.Path("filters.dat");
};

TEST_F(FiltersFile, SavedBytesAndReadBack) {
  ASSERT_TRUE(SaveFiltersFile(file_, {4095, 0, 0}));
  EXPECT_EQ(Read(), "4095\r\n0\r\n0");
  ASSERT_TRUE(SaveFiltersFile(file_, {65535, 8190, 4}));
  EXPECT_EQ(Read(), "65535\r\n8190\r\n4");
  EXPECT_TRUE(Same(LoadFiltersFile(file_), {65535, 8190, 4}));
  // No temporary is left beside it.
  EXPECT_EQ(dir_.EntryCount(), 1);
}

TEST_F(FiltersFile, ReadsLineFeedsCtrlZAndAnyWhiteSpace) {
  Write("2047\n0\n2");
  EXPECT_TRUE(Same(LoadFiltersFile(file_), {2047, 0, 2}));
  Write("  1 \t 0\r\n\r\n 1\r\n\x1a" "99 99 99");
  EXPECT_TRUE(Same(LoadFiltersFile(file_), {1, 0, 1}));
}

TEST_F(FiltersFile, DamagedOrMissingFileMeansAllTrichordsClosePosition) {
  const FilterState fallback{4095, 0, 0};
  EXPECT_TRUE(Same(LoadFiltersFile(file_), fallback));  // missing
  for (const char* bytes : {"", "4095\r\n0", "abc\r\n0\r\n0", "4095\r\n0\r\n6", "4095\r\n0\r\n-1",
                            "99999999999\r\n0\r\n0", "4095 0\x1a 3", "4095\r\n0\r\nx"}) {
    Write(bytes);
    EXPECT_TRUE(Same(LoadFiltersFile(file_), fallback)) << '"' << bytes << '"';
  }
  fs::remove(file_);
  fs::create_directories(file_);  // the name taken by a directory
  EXPECT_TRUE(Same(LoadFiltersFile(file_), fallback));
}

TEST_F(FiltersFile, AFileThatCannotBeWrittenIsLeftAlone) {
  Write("7\r\n0\r\n0");
  fs::permissions(dir_.Root(), fs::perms::owner_read | fs::perms::owner_exec);
#ifdef __EMSCRIPTEN__
  // Its file layer answers access() from the mode bits, while Node, as root, writes anyway.
  const bool writable = true;
#else
  const bool writable = ::access(dir_.Root().c_str(), W_OK) == 0;  // root writes anyway
#endif
  const bool saved = SaveFiltersFile(file_, {4095, 0, 2});
  fs::permissions(dir_.Root(), fs::perms::owner_all);
  if (!writable) {
    EXPECT_FALSE(saved);
    EXPECT_EQ(Read(), "7\r\n0\r\n0");
  }
  EXPECT_FALSE(SaveFiltersFile(dir_.Path("missing/filters.dat"), {4095, 0, 0}));
}

TEST(FilterStateParse, BitsBeyondTheListAreIgnored) {
  // Trichords: only bits 0..11 of the low mask; tetrachords: 0..15 and 0..12.
  EXPECT_TRUE(Same(*ParseFiltersFile("8191\r\n5\r\n1"), {4095, 0, 1}));
  EXPECT_TRUE(Same(*ParseFiltersFile("-1\r\n-1\r\n3"), {65535, 8191, 3}));
  EXPECT_TRUE(Same(*ParseFiltersFile("131071\r\n16385\r\n5"), {65535, 1, 5}));
  // Nothing left enabled: every set class of the cardinality, mode kept.
  EXPECT_TRUE(Same(*ParseFiltersFile("0\r\n0\r\n4"), {65535, 8191, 4}));
  EXPECT_TRUE(Same(*ParseFiltersFile("4096\r\n0\r\n2"), {4095, 0, 2}));
  // Trailing bytes after the third integer are not read.
  EXPECT_TRUE(Same(*ParseFiltersFile("3\r\n0\r\n0 junk"), {3, 0, 0}));
  EXPECT_TRUE(Same(*ParseFiltersFile("3\r\n0\r\n0.5"), {3, 0, 0}));
}

TEST(FilterStateAllOn, ByCardinality) {
  EXPECT_TRUE(IsAllOn(FilterState{4095, 0, 0}));
  EXPECT_TRUE(IsAllOn(FilterState{4095, 0, 2}));
  EXPECT_TRUE(IsAllOn(FilterState{65535, 8191, 5}));
  EXPECT_FALSE(IsAllOn(FilterState{65535, 8190, 3}));
  EXPECT_FALSE(IsAllOn(FilterState{4094, 0, 1}));
  EXPECT_FALSE(IsAllOn(FilterState{4095, 0, 3}));
  EXPECT_TRUE(IsAllOn(0, 4095, 123));
  EXPECT_FALSE(IsAllOn(1, 4095, 0));
}

TEST(FilterStateMasks, BothPagesAndTheListLength) {
  std::array<bool, 32> checked{};
  checked.fill(true);
  EXPECT_EQ(MaskLowOf(checked.data(), 12), 4095);
  EXPECT_EQ(MaskHighOf(checked.data(), 12), 0);
  EXPECT_EQ(MaskLowOf(checked.data(), 29), 65535);
  EXPECT_EQ(MaskHighOf(checked.data(), 29), 8191);
  EXPECT_EQ(MaskHighOf(checked.data(), 32), 65535);
  checked[0] = checked[15] = checked[16] = checked[28] = false;
  EXPECT_EQ(MaskLowOf(checked.data(), 29), 65535 - 1 - 32768);
  EXPECT_EQ(MaskHighOf(checked.data(), 29), 8191 - 1 - 4096);

  const FilterState s{0x8001, 0x1001, 3};
  for (int i = 0; i < 32; ++i)
    EXPECT_EQ(MaskEnables(s, i), i == 0 || i == 15 || i == 16 || i == 28) << i;
  EXPECT_FALSE(MaskEnables(s, -1));
  EXPECT_FALSE(MaskEnables(s, 32));
}

}  // namespace
