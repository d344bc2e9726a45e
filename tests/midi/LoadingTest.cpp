// Loading the driver library: each case loads its own libMidiway.so from its
// own folder (see CMakeLists.txt).
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "EarlySound.h"
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

// The start loads the library and opens device 0 on threads; the drill
// window takes both as if it had made them, or the same failure.
TEST_F(Loading, EarlySoundIsTakenOnceOrGivesTheLoadsFailure) {
  const auto path = Use("complete");
  std::unique_ptr<TWayMidi> midi;
  std::unique_ptr<TWayMidiOut> out;
  EXPECT_FALSE(TakeEarlySound(midi, out));  // nothing started
  LoadSoundEarly();
  OpenSoundEarly(78624);
  ASSERT_TRUE(TakeEarlySound(midi, out));
  ASSERT_TRUE(midi && out);
  EXPECT_EQ(midi->Version, 0x0102);
  EXPECT_EQ(out->WayMidi, midi.get());
  EXPECT_EQ(out->OpenParam, 78624u);  // opened already, and refused by this library
  EXPECT_FALSE(out->IsOpen);
  EXPECT_FALSE(TakeEarlySound(midi, out));  // taken once only
  out.reset();
  midi.reset();
  EXPECT_FALSE(StillLoaded(path));

  // Started and never taken: let go, unloaded.
  LoadSoundEarly();
  OpenSoundEarly(78624);
  DropEarlySound();
  EXPECT_FALSE(StillLoaded(path));

  Use("broken");
  LoadSoundEarly();
  OpenSoundEarly(78624);
  std::string error;
  try {
    TakeEarlySound(midi, out);
  } catch (const EWayMidiException& e) {
    error = e.what();
  }
  EXPECT_EQ(error, "Load of Midiway library failed");
  EXPECT_FALSE(out);
  EXPECT_FALSE(TakeEarlySound(midi, out));
}

// Taken without waiting for the open: what waits for it runs once, after
// it ended, and a failed load is raised at the take as before.
TEST_F(Loading, EarlySoundTakenWhileOpeningTellsOnceItIsOpen) {
  const auto path = Use("complete");
  std::unique_ptr<TWayMidi> midi;
  std::unique_ptr<TWayMidiOut> out;
  LoadSoundEarly();
  OpenSoundEarly(78624);
  ASSERT_TRUE(TakeEarlySoundOpening(midi, out));
  ASSERT_TRUE(midi && out);
  EXPECT_EQ(out->WayMidi, midi.get());
  int told = 0;
  uint32_t paramSeen = 0;
  WhenEarlySoundOpen([&] {
    ++told;
    paramSeen = out->OpenParam;
  });
  FinishEarlySound();
  FinishEarlySound();
  EXPECT_EQ(told, 1);
  EXPECT_EQ(paramSeen, 78624u);
  EXPECT_FALSE(TakeEarlySoundOpening(midi, out));
  WhenEarlySoundOpen([&] { ++told; });  // nothing pending: at once
  EXPECT_EQ(told, 2);
  out.reset();
  midi.reset();
  EXPECT_FALSE(StillLoaded(path));

  Use("broken");
  LoadSoundEarly();
  OpenSoundEarly(78624);
  std::string error;
  try {
    TakeEarlySoundOpening(midi, out);
  } catch (const EWayMidiException& e) {
    error = e.what();
  }
  EXPECT_EQ(error, "Load of Midiway library failed");
  EXPECT_FALSE(out);
  DropEarlySound();
}

}  // namespace
