#include <gtest/gtest.h>

#include "Platform.h"

namespace {

using ProbeFn = int (*)(int);

TEST(Library, LoadsByNameThroughTheOrdinarySearch) {
  // libPlatformProbe.so sits beside the test program, found through its RUNPATH.
  PlatformLibrary lib = PlatformLoadLibrary("PlatformProbe");
  ASSERT_NE(lib, nullptr);
  auto decorated = reinterpret_cast<ProbeFn>(PlatformGetProcAddress(lib, "_Probe@4"));
  auto plain = reinterpret_cast<ProbeFn>(PlatformGetProcAddress(lib, "Probe"));
  ASSERT_NE(decorated, nullptr);
  EXPECT_EQ(decorated, plain);
  EXPECT_EQ(decorated(41), 42);
  EXPECT_EQ(PlatformGetProcAddress(lib, "_Missing@4"), nullptr);
  EXPECT_EQ(PlatformGetProcAddress(lib, "_Probe@x"), nullptr);  // not a decoration
  EXPECT_TRUE(PlatformFreeLibrary(lib));
}

TEST(Library, TestFolderReplacesTheSearch) {
  PlatformSetLibrarySearchDirForTesting("/nonexistent-folder");
  EXPECT_EQ(PlatformLoadLibrary("PlatformProbe"), nullptr);
  PlatformSetLibrarySearchDirForTesting(PLATFORM_PROBE_DIR);
  PlatformLibrary lib = PlatformLoadLibrary("PlatformProbe");
  PlatformSetLibrarySearchDirForTesting("");
  ASSERT_NE(lib, nullptr);
  EXPECT_TRUE(PlatformFreeLibrary(lib));
}

TEST(Library, FailuresGiveNothing) {
  EXPECT_EQ(PlatformLoadLibrary("NoSuchLibraryAnywhere"), nullptr);
  EXPECT_EQ(PlatformLoadLibrary(""), nullptr);
  EXPECT_EQ(PlatformLoadLibrary("../bin/PlatformProbe"), nullptr);  // a name, not a path
  EXPECT_EQ(PlatformGetProcAddress(nullptr, "_Probe@4"), nullptr);
  EXPECT_FALSE(PlatformFreeLibrary(nullptr));
}

}  // namespace
