#include <gtest/gtest.h>

#include <QDate>
#include <chrono>

#include "Platform.h"

namespace {

using Clock = std::chrono::steady_clock;

int64_t MsSince(Clock::time_point t) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - t).count();
}

TEST(Time, WaitUntilNeverReturnsBeforeItsDeadline) {
  for (uint32_t ahead : {1u, 3u, 10u, 25u}) {
    const uint32_t deadline = PlatformTickCount() + ahead;
    PlatformWaitUntil(deadline);
    const uint32_t now = PlatformTickCount();
    EXPECT_GE(static_cast<int32_t>(now - deadline), 0) << "woke before tick " << deadline << " at " << now;
  }
}

TEST(Time, WaitUntilAPassedDeadlineReturnsAtOnce) {
  const uint32_t now = PlatformTickCount();
  // Just passed, and far "in the past" across the 32-bit wrap.
  for (uint32_t deadline : {now - 1, now - 1000, now + 0x80000001u}) {
    const auto start = Clock::now();
    PlatformWaitUntil(deadline);
    EXPECT_LT(MsSince(start), 1000) << deadline;  // loose: only "did not sleep to it"
  }
}

TEST(Time, SleepAndTickCountMoveForward) {
  const uint32_t before = PlatformTickCount();
  const auto start = Clock::now();
  PlatformSleep(5);
  EXPECT_GE(MsSince(start), 5);
  EXPECT_GE(PlatformTickCount() - before, 5u);
}

TEST(Time, TodayCountsDaysSince30December1899) {
  const QDate epoch(1899, 12, 30);
  const auto before = epoch.daysTo(QDate::currentDate());
  const double today = PlatformToday();
  const auto after = epoch.daysTo(QDate::currentDate());  // midnight may pass in between
  EXPECT_TRUE(today == static_cast<double>(before) || today == static_cast<double>(after)) << today;
  EXPECT_EQ(today, static_cast<double>(static_cast<int64_t>(today)));  // whole days
  EXPECT_GT(today, 45000.0);  // after 2023
}

TEST(Time, HooksReplaceTheClockAndAreRemovedAgain) {
  uint32_t waitedFor = 0;
  PlatformSetTimeHooks({[] { return 1234u; }, [](uint32_t) {}, [&](uint32_t d) { waitedFor = d; }, [] { return 40000.0; },
                        [] { return 3723; }});
  EXPECT_EQ(PlatformTickCount(), 1234u);
  EXPECT_EQ(CoreClock().SecondOfDay(), 3723) << "the time of day a log line is stamped with";
  const auto start = Clock::now();
  PlatformSleep(60000);
  PlatformWaitUntil(999999);
  EXPECT_LT(MsSince(start), 1000);
  EXPECT_EQ(waitedFor, 999999u);
  EXPECT_EQ(PlatformToday(), 40000.0);
  PlatformSetTimeHooks({});
  EXPECT_NE(PlatformToday(), 40000.0);
  EXPECT_GE(CoreClock().SecondOfDay(), 0);
  EXPECT_LT(CoreClock().SecondOfDay(), 86400);
}

TEST(Files, ExistsOnlyForRegularFiles) {
  EXPECT_TRUE(PlatformFileExists(std::string(PLATFORM_TEST_SOURCE_DIR) + "/TimeTest.cpp"));
  EXPECT_FALSE(PlatformFileExists(PLATFORM_TEST_SOURCE_DIR));
  EXPECT_FALSE(PlatformFileExists("no such file.dat"));
}

}  // namespace
