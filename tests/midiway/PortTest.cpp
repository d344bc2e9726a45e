// Devices, opening and refusing, the output buffer and its message, and
// unknown handles of every kind.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <condition_variable>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "AudioCheck.h"
#include "midiway.h"

using namespace audiocheck;
using namespace std::chrono_literals;

namespace {

struct Posted {
  uint32_t window, message;
  uintptr_t wParam;
  intptr_t lParam;
};

std::mutex g_postMutex;
std::condition_variable g_postArrived;
std::vector<Posted> g_posted;

bool WaitForPosts(size_t count, std::chrono::milliseconds timeout) {
  std::unique_lock lock(g_postMutex);
  return g_postArrived.wait_for(lock, timeout, [&] { return g_posted.size() >= count; });
}

}  // namespace

// The host's poster, handed to the library before any test runs.
extern "C" int PlatformPostMessage(uint32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
  std::lock_guard lock(g_postMutex);
  g_posted.push_back({window, message, wParam, lParam});
  g_postArrived.notify_all();
  return 1;
}

namespace {
[[maybe_unused]] const bool g_posterHandedOver = (SetMidiwayPoster(&PlatformPostMessage), true);
}  // namespace

namespace {

bool HaveSequencer() { return access("/dev/snd/seq", F_OK) == 0; }

int Lines(const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), '\n')); }

TEST(MidiwayDevices, DescriptionsEndWhereTheDeviceCountSays) {
  testing::internal::CaptureStderr();
  const uint32_t count = GetNumOutDevices();
  ASSERT_GE(count, 1u);
  char description[32];
  for (uint32_t id = 0; id < count; ++id) {
    std::memset(description, 'x', sizeof description);
    EXPECT_NE(GetMidiOutDescription(id, description), 0u) << "device " << id;
    ASSERT_NE(std::memchr(description, '\0', sizeof description), nullptr) << "device " << id;
    EXPECT_GT(std::strlen(description), 0u) << "device " << id;
  }
  GetMidiOutDescription(0, description);
  EXPECT_STREQ(description, "Built-in synthesizer");
  for (uint32_t id : {count, count + 1, 0xFFFFu, 0xFFFFFFFFu}) {
    std::memset(description, 'x', sizeof description);
    EXPECT_EQ(GetMidiOutDescription(id, description), 0u) << "device " << id;
    EXPECT_STREQ(description, "") << "the caller reads the buffer whatever the result";
  }
  EXPECT_EQ(GetMidiOutDescription(count, nullptr), 0u);
  EXPECT_NE(GetMidiOutDescription(0, nullptr), 0u);
  if (!HaveSequencer()) {
    EXPECT_EQ(count, 1u) << "without an ALSA sequencer only the synthesizer is there";
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "listing devices must stay quiet";
}

TEST(MidiwayDevices, SequencerPortsOpenAndCloseWhenThereAreAny) {
  const uint32_t count = GetNumOutDevices();
  if (count < 2) GTEST_SKIP() << "no ALSA sequencer output ports here";
  const uint32_t handle = OpenMidiOut(0, 1, 0, 78624);
  ASSERT_GT(handle, 32u);
  MIDIEVENT note{MIDIWAY_TIME_NOW, 0x90, 60, 1, 0};
  EXPECT_EQ(PutMidiOut(handle, &note), MIDIWAY_PUT_TAKEN);
  ResetMidiOut(handle);
  CloseMidiOut(handle);
  EXPECT_EQ(PutMidiOut(handle, &note), MIDIWAY_PUT_BAD_HANDLE);
}

TEST(MidiwayOpen, MissingDevicesAreRefusedQuietly) {
  testing::internal::CaptureStderr();
  for (uint32_t id : {GetNumOutDevices(), 0xFFFFu, 0xFFFFFFFFu}) {
    EXPECT_EQ(OpenMidiOut(0, id, 0, 78624), MIDIWAY_OPEN_BAD_DEVICE) << id;
  }
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  char error[128];
  EXPECT_GT(GetMidiwayLastError(error, sizeof error), 0u);
}

// No sound card and no file: the open answers at once with a refusal and one
// line on the terminal, not FluidSynth's or ALSA's chatter.
TEST(MidiwayOpen, SynthesizerWithoutAudioIsRefusedQuicklyInOneLine) {
  ScopedEnv file("MIDIWAY_AUDIO_FILE", nullptr);
  for (const char* driver : {"no-such-driver", "alsa"}) {
    ScopedEnv audio("MIDIWAY_AUDIO_DRIVER", driver);
    if (std::string(driver) == "alsa" && access("/dev/snd", F_OK) == 0) continue;  // this one may work
    testing::internal::CaptureStderr();
    const auto begin = Clock::now();
    const uint32_t handle = OpenMidiOut(0, 0, 0, 78624);
    const auto took = Clock::now() - begin;
    const std::string said = testing::internal::GetCapturedStderr();
    SCOPED_TRACE(driver);
    EXPECT_LE(handle, 32u);
    EXPECT_LT(took, 2s);
    EXPECT_LE(Lines(said), 1) << said;
    EXPECT_NE(said.find("Built-in synthesizer"), std::string::npos) << said;
    char error[512];
    GetMidiwayLastError(error, sizeof error);
    EXPECT_NE(std::string(error).find(driver), std::string::npos) << error;
  }
}

TEST(MidiwayOpen, DefaultAudioOutputsAnswerWithoutHanging) {
  ScopedEnv file("MIDIWAY_AUDIO_FILE", nullptr);
  ScopedEnv driver("MIDIWAY_AUDIO_DRIVER", nullptr);
  testing::internal::CaptureStderr();
  const auto begin = Clock::now();
  const uint32_t handle = OpenMidiOut(0, 0, 0, 78624);
  const auto took = Clock::now() - begin;
  const std::string said = testing::internal::GetCapturedStderr();
  if (handle > 32) {
    CloseMidiOut(handle);  // a machine with sound
    EXPECT_EQ(said, "");
  } else {
    EXPECT_LE(Lines(said), 1) << said;
  }
  EXPECT_LT(took, 5s);
}

// A PulseAudio server that takes the connection and then never answers: a
// listening socket nobody accepts on. FluidSynth's and SDL2's own opens would
// wait on it for 30 s or for ever.
class SilentPulseServer {
 public:
  SilentPulseServer() : path_(testing::TempDir() + "midiway-pulse-" + std::to_string(getpid())) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::snprintf(address.sun_path, sizeof address.sun_path, "%s", path_.c_str());
    unlink(path_.c_str());
    fd_ = socket(AF_UNIX, SOCK_STREAM, 0);
    listening_ =
        fd_ >= 0 && bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 && listen(fd_, 8) == 0;
  }
  ~SilentPulseServer() {
    if (fd_ >= 0) close(fd_);
    unlink(path_.c_str());
  }
  bool listening() const { return listening_; }
  std::string address() const { return "unix:" + path_; }

 private:
  std::string path_;
  int fd_ = -1;
  bool listening_ = false;
};

TEST(MidiwayOpen, SoundServerThatNeverAnswersIsGivenUpInTime) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  SilentPulseServer server;
  ASSERT_TRUE(server.listening());
  ScopedEnv file("MIDIWAY_AUDIO_FILE", nullptr);
  struct Case {
    const char* driver;  // nullptr: every driver in turn
    std::string pulseServer;
    std::chrono::milliseconds atMost;
    std::vector<const char*> reasons;
  };
  const std::vector<Case> cases = {
      {"pulseaudio", server.address(), 4000ms, {"pulseaudio: the server did not answer within 2.5 s"}},
      // SDL2 would ask the same server.
      {nullptr, server.address(), 4000ms, {"pulseaudio: the server did not answer", "sdl2: not tried"}},
      // No server at all costs nothing.
      {"pulseaudio", "unix:" + testing::TempDir() + "midiway-no-such-server", 1000ms,
       {"pulseaudio: Connection refused"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.driver != nullptr ? c.driver : "every driver") + " at " + c.pulseServer);
    ScopedEnv driver("MIDIWAY_AUDIO_DRIVER", c.driver);
    ScopedEnv pulse("PULSE_SERVER", c.pulseServer.c_str());
    testing::internal::CaptureStderr();
    const auto begin = Clock::now();
    const uint32_t handle = OpenMidiOut(0, 0, 0, 78624);
    const auto took = Clock::now() - begin;
    const std::string said = testing::internal::GetCapturedStderr();
    EXPECT_LT(took, c.atMost);
    if (handle > 32) {
      EXPECT_EQ(c.driver, nullptr) << "only another driver may open";
      CloseMidiOut(handle);
      continue;
    }
    EXPECT_LE(Lines(said), 1) << said;
    char error[512];
    GetMidiwayLastError(error, sizeof error);
    for (const char* reason : c.reasons) EXPECT_NE(std::string(error).find(reason), std::string::npos) << error;
  }
}

// A PulseAudio server of the test's own, with a null sink, logging the
// buffer each stream asks for.
class PrivatePulseServer {
 public:
  PrivatePulseServer() : dir_(testing::TempDir() + "midiway-pa-" + std::to_string(getpid())) {
    std::filesystem::create_directories(dir_);
    std::ofstream(dir_ + "/default.pa") << "load-module module-native-protocol-unix socket=" << dir_
                                        << "/native auth-anonymous=1\n"
                                           "load-module module-null-sink sink_name=quiet\n"
                                           "set-default-sink quiet\n";
    const std::string config = dir_ + "/default.pa", log = "--log-target=file:" + dir_ + "/server.log";
    std::vector<std::string> args = {"pulseaudio", "-n", "-F", config, "--daemonize=no", "--exit-idle-time=-1",
                                     "--use-pid-file=no", "--log-level=info", log};
    // Its own home and runtime folder: the user's server and settings stay untouched.
    std::vector<std::string> env = {"HOME=" + dir_, "PULSE_RUNTIME_PATH=" + dir_, "PATH=/usr/bin:/bin"};
    std::vector<char*> argv, envp;
    for (auto& a : args) argv.push_back(a.data());
    for (auto& e : env) envp.push_back(e.data());
    argv.push_back(nullptr);
    envp.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    if (posix_spawnp(&pid_, "pulseaudio", &quiet, nullptr, argv.data(), envp.data()) != 0) pid_ = -1;
    posix_spawn_file_actions_destroy(&quiet);
    for (int i = 0; pid_ > 0 && i < 100 && !std::filesystem::exists(dir_ + "/native"); ++i)
      std::this_thread::sleep_for(50ms);
  }
  ~PrivatePulseServer() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    std::filesystem::remove_all(dir_);
  }
  bool running() const { return pid_ > 0 && std::filesystem::exists(dir_ + "/native"); }
  std::string address() const { return "unix:" + dir_ + "/native"; }
  // The buffer the last stream asked for, as the server logged it ("20.00 ms").
  std::string LastRequestedBuffer() const {
    std::ifstream in(dir_ + "/server.log");
    std::string line, last;
    const std::string mark = "Requested tlength=";
    while (std::getline(in, line))
      if (const auto at = line.find(mark); at != std::string::npos)
        last = line.substr(at + mark.size(), line.find(',', at) - at - mark.size());
    return last;
  }

 private:
  std::string dir_;
  pid_t pid_ = -1;
};

// A short buffer runs dry on a busy desktop, a gap in the sound: the stream
// asks for 240 ms unless told otherwise, and libpulse's own variable, which
// the library borrows for the open, is the user's again afterwards.
TEST(MidiwayOpen, SoundServerIsAskedForTheBufferChosen) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  PrivatePulseServer server;
  if (!server.running()) GTEST_SKIP() << "no PulseAudio server to start";
  ScopedEnv file("MIDIWAY_AUDIO_FILE", nullptr);
  ScopedEnv driver("MIDIWAY_AUDIO_DRIVER", "pulseaudio");
  ScopedEnv address("PULSE_SERVER", server.address().c_str());
  struct Case {
    const char* ours;   // $MIDIWAY_AUDIO_LATENCY_MS
    const char* pulse;  // $PULSE_LATENCY_MSEC
    const char* asked;
  };
  const Case cases[] = {{nullptr, nullptr, "240.00 ms"},
                        {"40", nullptr, "40.00 ms"},
                        {"0", nullptr, "240.00 ms"},
                        {"12ms", nullptr, "240.00 ms"},
                        {"40", "30", "30.00 ms"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.ours != nullptr ? c.ours : "-") + ", " + (c.pulse != nullptr ? c.pulse : "-"));
    ScopedEnv ours("MIDIWAY_AUDIO_LATENCY_MS", c.ours);
    ScopedEnv pulse("PULSE_LATENCY_MSEC", c.pulse);
    const uint32_t handle = OpenMidiOut(0, 0, 0, 78624);
    ASSERT_GT(handle, 32u);
    const char* after = std::getenv("PULSE_LATENCY_MSEC");
    EXPECT_EQ(after != nullptr ? std::string(after) : "unset", c.pulse != nullptr ? c.pulse : "unset");
    CloseMidiOut(handle);
    EXPECT_EQ(server.LastRequestedBuffer(), c.asked);
  }
}

TEST(MidiwayOpen, UnwritableAudioFileIsRefused) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  ScopedEnv file("MIDIWAY_AUDIO_FILE", "/nonexistent-folder/out.wav");
  testing::internal::CaptureStderr();
  EXPECT_LE(OpenMidiOut(0, 0, 0, 78624), 32u);
  EXPECT_LE(Lines(testing::internal::GetCapturedStderr()), 1);
}

// A broken or missing $MIDIWAY_SOUNDFONT falls back to the system's SoundFont.
TEST(MidiwayOpen, UnusableSoundFontFallsBackQuietly) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  const std::string junk = testing::TempDir() + "midiway-junk-" + std::to_string(getpid()) + ".sf2";
  std::ofstream(junk) << "RIFF\x10\0\0\0sfbk this is not a SoundFont";
  for (const std::string& soundFont : {junk, std::string("/nonexistent/none.sf2")}) {
    ScopedEnv sf("MIDIWAY_SOUNDFONT", soundFont.c_str());
    testing::internal::CaptureStderr();
    Listener listener("fallback");
    listener.Note(60);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << soundFont;
  }
  std::remove(junk.c_str());
}

TEST(MidiwayOpen, SynthesizerIsOneAtATime) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  uint32_t first = 0;
  {
    Listener listener("exclusive");
    first = listener.handle();
    EXPECT_EQ(OpenMidiOut(0, 0, 0, 78624), MIDIWAY_OPEN_IN_USE);
  }
  Listener again("exclusive-again");
  EXPECT_NE(again.handle(), first) << "a closed handle must not name the new port";
}

TEST(MidiwayPut, UnknownHandlesAndBadEventsAreRefusedSafely) {
  MIDIEVENT note{MIDIWAY_TIME_NOW, 0x90, 60, 64, 0};
  for (uint32_t handle : {0u, 1u, 32u, 33u, 0x100u, 0x12345678u, 0xFFFFFFFFu}) {
    EXPECT_EQ(PutMidiOut(handle, &note), MIDIWAY_PUT_BAD_HANDLE);
    EXPECT_EQ(PutMidiOut(handle, nullptr), MIDIWAY_PUT_BAD_HANDLE);
    ResetMidiOut(handle);
    FlushMidiOut(handle);
    CloseMidiOut(handle);
  }
  if (!HaveSoundFont()) return;
  uint32_t closed = 0;
  {
    Listener listener("bad-events");
    EXPECT_EQ(PutMidiOut(listener.handle(), nullptr), MIDIWAY_PUT_BAD_EVENT);
    // Records with nothing to play are taken and skipped, so that a feed
    // never waits for room that will not come.
    for (uint8_t status : {0x00, 0x40, 0x7F, 0xF4, 0xF7, 0xFD}) {
      for (uint32_t time : {MIDIWAY_TIME_NOW, 10u}) {
        MIDIEVENT bad{time, status, 60, 64, 0};
        EXPECT_EQ(PutMidiOut(listener.handle(), &bad), MIDIWAY_PUT_SKIPPED) << int(status);
      }
    }
    // Every kind of channel message, and data bytes out of range, are taken.
    for (uint8_t status : {0x80, 0x90, 0xA5, 0xB0, 0xC1, 0xD2, 0xEF, 0xF8, 0xFF}) {
      MIDIEVENT event{MIDIWAY_TIME_NOW, status, 0xFF, 0xFF, 0xFF};
      EXPECT_EQ(PutMidiOut(listener.handle(), &event), MIDIWAY_PUT_TAKEN) << int(status);
    }
    closed = listener.handle();
  }
  EXPECT_EQ(PutMidiOut(closed, &note), MIDIWAY_PUT_BAD_HANDLE);
  ResetMidiOut(closed);
  CloseMidiOut(closed);
}

// A full buffer refuses the put and, once an event has played, posts 0x5453
// to the port's window; the put is taken again.
TEST(MidiwayPut, FullBufferRefusesThenPostsRoom) {
  if (!HaveSoundFont()) GTEST_SKIP() << "no SoundFont";
  constexpr uint32_t kWindow = 4711;
  Listener listener("full", kWindow);
  MIDIEVENT volume{400, 0xBF, 7, 100, 0};  // about 0.4 s apart
  size_t taken = 0;
  while (taken <= MIDIWAY_OUT_BUFFER_EVENTS && PutMidiOut(listener.handle(), &volume) == MIDIWAY_PUT_TAKEN) ++taken;
  EXPECT_EQ(taken, MIDIWAY_OUT_BUFFER_EVENTS);
  EXPECT_NE(PutMidiOut(listener.handle(), &volume) & 0xFFFF, 0u);
  {
    std::lock_guard lock(g_postMutex);
    EXPECT_TRUE(g_posted.empty()) << "room posted while the buffer is still full";
  }
  ASSERT_TRUE(WaitForPosts(1, 2s)) << "no 0x5453 after the first event played";
  {
    std::lock_guard lock(g_postMutex);
    EXPECT_EQ(g_posted[0].window, kWindow);
    EXPECT_EQ(g_posted[0].message, MIDIWAY_MSG_OUTPUT_READY);
    EXPECT_EQ(g_posted[0].wParam, listener.handle());
  }
  EXPECT_EQ(PutMidiOut(listener.handle(), &volume), MIDIWAY_PUT_TAKEN);
  // Full again; flushing makes room at once.
  EXPECT_EQ(PutMidiOut(listener.handle(), &volume), MIDIWAY_PUT_FULL);
  FlushMidiOut(listener.handle());
  ASSERT_TRUE(WaitForPosts(2, 2s));
  EXPECT_EQ(PutMidiOut(listener.handle(), &volume), MIDIWAY_PUT_TAKEN);
  // Immediate events never wait for the buffer.
  FlushMidiOut(listener.handle());
  MIDIEVENT now{MIDIWAY_TIME_NOW, 0x90, 60, 64, 0};
  EXPECT_EQ(PutMidiOut(listener.handle(), &now), MIDIWAY_PUT_TAKEN);
}

TEST(MidiwayOthers, UnknownInputSyncAndFileHandlesAreRefusedSafely) {
  char description[32] = "x";
  EXPECT_EQ(GetMidiwayVersion() & 0xFFFF, MIDIWAY_VERSION);
  const uint32_t inputs = GetNumInDevices();
  if (!HaveSequencer()) {
    EXPECT_EQ(inputs, 0u) << "no sequencer, no input devices";
  }
  EXPECT_EQ(GetMidiInDescription(inputs, description), 0u);
  EXPECT_STREQ(description, "");
  EXPECT_LE(OpenMidiIn(1, inputs, 0, 0), 32u);
  EXPECT_EQ(GetMidiIn(0x100), nullptr);
  EXPECT_NE(StartMidiIn(0x100), 0u);
  StopMidiIn(0x100);
  CloseMidiIn(0x100);
  uint32_t position = 99;
  EXPECT_NE(GetPosition(0x100, &position), 0u);
  EXPECT_EQ(position, 0u);
  GetPosition(0x100, nullptr);
  for (auto call : {StopSync, StartSync, CloseSync, ReStartSync}) EXPECT_NE(call(0x100), 0u);
  EXPECT_EQ(GetTempo(0x100), 0u);
  EXPECT_EQ(GetResolution(0x100), 0u);
  PauseSync(0x100, 1);
  SetTempo(0x100, 1);
  SetResolution(0x100, 1);
  EXPECT_LE(OpenSMF("/nonexistent.mid", 'r', 1, 480), 32u);
  EXPECT_LE(OpenSMF(nullptr, 'r', 1, 480), 32u);
  MIDIEVENT events[4] = {};
  EXPECT_EQ(ReadSMF(0x100, 0, events, 4), 0u);
  EXPECT_EQ(WriteSMF(0x100, 0, events, 4), 0u);
  uint8_t* data = reinterpret_cast<uint8_t*>(events);
  uint32_t length = 7;
  EXPECT_EQ(ReadMetaEvent(0x100, 0, 3, &data, &length), -1);
  EXPECT_EQ(data, nullptr);
  EXPECT_EQ(length, 0u);
  EXPECT_NE(WriteMetaEvent(0x100, 0, 3, "title", 0), 0);
  RewindSMF(0x100);
  EXPECT_EQ(GetSMFResolution(0x100), 0u);
  SetSMFResolution(0x100, 96);
  EXPECT_NE(CloseSMF(0x100), 0u);
}

}  // namespace
