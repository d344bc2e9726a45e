// The program's windows under test: a scratch working directory holding the
// shipped catalogue, a fake clock, the recording driver library, and the
// windows created in the program's order.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "Application.h"
#include "DrillWindow.h"
#include "MidiwayRecorder.h"
#include "Platform.h"
#include "Random.h"
#include "ScratchDir.h"
#include "Sxfilters.h"
#include "Sxscore.h"

// A clock that moves only when the program sleeps or waits or a test moves
// it, installed for its lifetime. It keeps every sleep and, for every wait,
// how far ahead its deadline lay.
class FakeClock {
 public:
  FakeClock(uint32_t start, double day) : now(start), today(day) {
    PlatformTimeHooks hooks;
    hooks.tickCount = [this] { return now; };
    hooks.sleep = [this](uint32_t ms) {
      sleeps.push_back(ms);
      now += ms;
    };
    hooks.waitUntil = [this](uint32_t deadline) {
      waits.push_back(deadline - now);
      if (static_cast<int32_t>(deadline - now) > 0) now = deadline;
    };
    hooks.today = [this] { return today; };
    hooks.secondOfDay = [this] { return secondOfDay; };
    PlatformSetTimeHooks(hooks);
  }
  ~FakeClock() { PlatformSetTimeHooks({}); }
  FakeClock(const FakeClock&) = delete;
  FakeClock& operator=(const FakeClock&) = delete;

  void ForgetWaits() {
    waits.clear();
    sleeps.clear();
  }

  uint32_t now;
  double today;  // whole days since 30 Dec 1899
  int32_t secondOfDay = 36000;  // 10:00:00, so logged times repeat
  std::vector<uint32_t> waits;
  std::vector<uint32_t> sleeps;
};

// END opens the score window modally. Unless a test answers it itself, it is
// closed as soon as its opening has run, so a drill played to its end goes on.
class ScoreWindowCloser : public QObject {
 public:
  bool enabled = true;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (enabled && event->type() == QEvent::Show && watched == Form2)
      QTimer::singleShot(0, Form2, [] {
        if (Form2->isVisible()) Form2->accept();
      });
    return false;
  }
};

struct WindowsTestOptions {
  uint32_t startTick = 10000;
  double today = 38961;  // 1 September 2006
  // Seeds the program's random source once the windows exist, so that the
  // questions repeat; left as it is when empty.
  std::optional<uint32_t> seed;
};

// Creates no window itself: each test or fixture chooses which, and the
// windows left are destroyed after each test.
class WindowsTest : public ::testing::Test {
 protected:
  explicit WindowsTest(const WindowsTestOptions& options = {})
      : clock_(options.startTick, options.today), seed_(options.seed) {}

  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    ASSERT_TRUE(dir_.Enter());
    ASSERT_TRUE(dir_.CopyShipped("ftclass.dat")) << ShippedDataPath("ftclass.dat");
    RecorderReset();
  }

  // Before the clock stops and the folder is left.
  void TearDown() override { DestroySonorixWindows(); }

  // Every window, as at start-up.
  void CreateWindows() {
    CreateSonorixWindows();
    Form2->installEventFilter(&scoreWindowCloser_);
    Seed();
  }

  // Only the program's first two: the drill window, then the filter window.
  void CreateDrillAndFilterWindows() {
    Form1 = new TForm1();
    FilterForm = new TFilterForm(Form1->Session().filters);
    Seed();
  }

  // A file in the working directory; empty when missing.
  std::string ReadFile(const std::string& name) const { return dir_.Read(name); }
  bool Exists(const std::string& name) const { return dir_.Exists(name); }

  // The notes struck (data1 of each note-on put) since a mark, and the ticks
  // of all put since the last reset.
  static size_t Mark() { return RecorderPuts().size(); }
  static std::vector<int> HeardSince(size_t mark) {
    std::vector<int> notes;
    const auto puts = RecorderPuts();
    for (size_t i = mark; i < puts.size(); ++i)
      if ((puts[i].event.status & 0xF0) == 0x90 && puts[i].event.data2 > 0) notes.push_back(puts[i].event.data1);
    return notes;
  }
  static std::vector<int> PutNotes() { return HeardSince(0); }
  static std::vector<uint32_t> PutTicks() {
    std::vector<uint32_t> ticks;
    for (const auto& p : RecorderPuts()) ticks.push_back(p.tick);
    return ticks;
  }

  // Forgets what the driver library and the clock recorded.
  void ClearRecords() {
    RecorderReset();
    clock_.ForgetWaits();
  }

  ScratchDir dir_;
  FakeClock clock_;
  ScoreWindowCloser scoreWindowCloser_;

 private:
  void Seed() {
    if (seed_) ProgramRandom().Seed(*seed_);
  }

  std::optional<uint32_t> seed_;
};

// The drill window and the filter window alone, created before each test.
class DrillAndFilterWindowsTest : public WindowsTest {
 protected:
  DrillAndFilterWindowsTest() : WindowsTest({.startTick = 50000, .today = 38961, .seed = 4242}) {}

  void SetUp() override {
    WindowsTest::SetUp();
    if (HasFatalFailure()) return;
    CreateDrillAndFilterWindows();
  }
};
