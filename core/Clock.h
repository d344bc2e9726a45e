// Time as the core sees it: a millisecond clock, today's date, and a way to
// run something later. Each host supplies them; tests put in their own.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

class Clock {
 public:
  virtual ~Clock() = default;
  // Milliseconds on a steady clock, wrapping as a 32-bit count.
  virtual uint32_t NowMs() = 0;
  // Today's local date as whole days since 30 December 1899.
  virtual double Today() = 0;
  // Seconds since local midnight, 0..86399: the time a log line is stamped with.
  // Inline, so that a host's clock needs nothing more of the core to link.
  virtual int32_t SecondOfDay() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const int32_t second = local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
    return second < 0 || second > 86399 ? 0 : second;
  }
};

// Runs tasks later on the thread that owns the core (an event loop's timer).
class Scheduler {
 public:
  virtual ~Scheduler() = default;
  virtual void After(uint32_t ms, std::function<void()> task) = 0;
};

// The clock the core uses: the one set last, else the host's own.
Clock& CoreClock();
// nullptr brings back the host's own.
void SetCoreClock(Clock* clock);
// Each host hands the core its clock as the program starts.
void SetHostClock(Clock& clock);

// The calendar date of a whole day number (days since 30 December 1899),
// proleptic Gregorian, valid for any 32-bit day number.
struct PlatformCivilDate {
  int64_t year;
  int month;  // 1 to 12
  int day;    // 1 to 31
};
PlatformCivilDate PlatformDateOfDay(int64_t dayNumber);
// The day number of a calendar date; the inverse of PlatformDateOfDay.
int64_t DayOfCivilDate(int64_t year, int month, int day);
