// The components with the real driver library beside the test program,
// rendering to a file instead of a sound card.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QTemporaryDir>
#include <cstdlib>

#include "Platform.h"
#include "Waymidi.h"

namespace {

TEST(RealLibrary, OpensDeviceZeroAndPlaysHeadless) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const std::string wav = dir.filePath(QStringLiteral("out.wav")).toStdString();
  setenv("MIDIWAY_AUDIO_FILE", wav.c_str(), 1);
  {  // loaded once, as the program does
    auto midi = std::make_unique<TWayMidi>();
    // The synthesizer's own libraries cannot be unloaded and loaded again
    // (their type registrations outlive them), so keep the library mapped.
    ASSERT_NE(dlopen("libMidiway.so", RTLD_NOW | RTLD_NOLOAD | RTLD_NODELETE), nullptr);
    EXPECT_GT(midi->GetNumOutDevices(), 0u);
    {
      TWayMidiOut out;
      out.WayMidi = midi.get();
      if (!out.Open(0, 78624)) GTEST_SKIP() << "device 0 refused here: " << out.Description;
      EXPECT_FALSE(out.Description.empty());
      MIDIEVENT e{0xFFFFFFFFu, 0x90, 60, 64, 0};
      EXPECT_TRUE(out.Put(&e));
      PlatformSleep(50);
      QCoreApplication::processEvents();
      out.Reset();
      out.Close();
    }
    midi.reset();
    QCoreApplication::processEvents();
  }
  EXPECT_TRUE(PlatformFileExists(wav));
}

}  // namespace
