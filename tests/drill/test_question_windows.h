// The drill window and the filter window, created as the program creates them,
// in a scratch working directory with the shipped catalogue, on a fake clock
// and the recording driver library.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <string>
#include <vector>

#include "DrillWindow.h"
#include "MidiwayRecorder.h"
#include "Platform.h"
#include "Random.h"
#include "Sxfilters.h"

class SonorixWindowsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QApplication::setQuitOnLastWindowClosed(false);
    ASSERT_TRUE(dir_.isValid());
    previousDir_ = QDir::currentPath();
    const QString source = SourceDir() + "/data/ftclass.dat";
    ASSERT_TRUE(QFile::copy(source, dir_.filePath("ftclass.dat"))) << source.toStdString();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));

    now_ = 50000;
    today_ = 38961;
    waits_.clear();
    sleeps_.clear();
    PlatformTimeHooks hooks;
    hooks.tickCount = [] { return now_; };
    hooks.sleep = [](uint32_t ms) {
      sleeps_.push_back(ms);
      now_ += ms;
    };
    hooks.waitUntil = [](uint32_t deadline) {
      waits_.push_back(deadline - now_);
      if (static_cast<int32_t>(deadline - now_) > 0) now_ = deadline;
    };
    hooks.today = [] { return today_; };
    PlatformSetTimeHooks(hooks);
    RecorderReset();

    // The program's order: the drill window, then the filter window.
    Form1 = new TForm1();
    FilterForm = new TFilterForm();
    ProgramRandom().Seed(4242);
  }

  void TearDown() override {
    delete FilterForm;
    FilterForm = nullptr;
    delete Form1;
    Form1 = nullptr;
    PlatformSetTimeHooks({});
    QDir::setCurrent(previousDir_);
  }

  static QString SourceDir() {
    const QString dir = qEnvironmentVariable("SONORIX_SOURCE_DIR");
#ifdef SONORIX_TEST_SOURCE_DIR
    if (dir.isEmpty()) return QStringLiteral(SONORIX_TEST_SOURCE_DIR);
#endif
    return dir;
  }

  static std::string ReadFile(const char* name) {
    QFile f(name);
    if (!f.open(QIODevice::ReadOnly)) return {};
    return f.readAll().toStdString();
  }

  static bool Exists(const char* name) { return QFile::exists(name); }

  // Notes put since the last reset, with the ticks they were put at.
  static std::vector<int> PutNotes() {
    std::vector<int> notes;
    for (const auto& p : RecorderPuts()) notes.push_back(p.event.data1);
    return notes;
  }
  static std::vector<uint32_t> PutTicks() {
    std::vector<uint32_t> ticks;
    for (const auto& p : RecorderPuts()) ticks.push_back(p.tick);
    return ticks;
  }

  static void ClearRecords() {
    RecorderReset();
    waits_.clear();
    sleeps_.clear();
  }

  static inline uint32_t now_ = 0;
  static inline double today_ = 0;
  static inline std::vector<uint32_t> waits_;
  static inline std::vector<uint32_t> sleeps_;
  QTemporaryDir dir_;
  QString previousDir_;
};
