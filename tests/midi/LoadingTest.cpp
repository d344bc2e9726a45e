// Loading the driver library: each case loads its own libMidiway.so from its
// own folder (see CMakeLists.txt).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <string>

#include "Platform.h"
#include "Waymidi.h"

namespace {

class Loading : public ::testing::Test {
 protected:
  void TearDown() override { PlatformSetLibrarySearchDirForTesting(""); }

  // Folder of one test library, as the build lays them out.
  static std::string Dir(const std::string& variant) {
    return std::string(MIDI_TEST_LIBS) + "/" + variant;
  }
  static std::string Use(const std::string& variant) {
    PlatformSetLibrarySearchDirForTesting(Dir(variant));
    return Dir(variant) + "/libMidiway.so";
  }
  static bool StillLoaded(const std::string& path) {
    void* h = dlopen(path.c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (h) dlclose(h);
    return h != nullptr;
  }
  static std::string CreationError() {
    try {
      TWayMidi midi;
    } catch (const EWayMidiException& e) {
      return e.what();
    }
    return "";
  }
};

TEST_F(Loading, CompleteLibraryLoadsAndUnloads) {
  const auto path = Use("complete");
  {
    TWayMidi midi;
    EXPECT_EQ(midi.Version, 0x0102);  // high bits of the result dropped
    EXPECT_NE(midi.FlushMidiOut, nullptr);
    EXPECT_NE(midi.WriteMetaEvent, nullptr);
    EXPECT_EQ(midi.ReadMetaEvent(0, 0, 3, nullptr, nullptr), -1);
    EXPECT_TRUE(StillLoaded(path));
  }
  EXPECT_FALSE(StillLoaded(path));
}

TEST_F(Loading, EntryPointNobodyCallsIsStillRequired) {
  const auto path = Use("noflush");
  EXPECT_EQ(CreationError(), "Failed to loadproc:_FlushMidiOut@4");
  EXPECT_FALSE(StillLoaded(path));
}

TEST_F(Loading, LastEntryPointMissingFailsAfterAllOthers) {
  const auto path = Use("nometa");
  EXPECT_EQ(CreationError(), "Failed to loadproc:_WriteMetaEvent@20");
  EXPECT_FALSE(StillLoaded(path));
  // The failed creation unloaded it once; a later creation loads it afresh.
  EXPECT_EQ(CreationError(), "Failed to loadproc:_WriteMetaEvent@20");
}

TEST_F(Loading, LibraryThatCannotBeLoaded) {
  Use("broken");  // a file by the right name that is no library
  EXPECT_EQ(CreationError(), "Load of Midiway library failed");
  Use("empty");
  EXPECT_EQ(CreationError(), "Load of Midiway library failed");
}

}  // namespace
