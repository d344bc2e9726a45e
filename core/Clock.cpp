#include "Clock.h"

#include <atomic>

namespace {
std::atomic<Clock*> gChosen{nullptr};
}  // namespace

Clock& CoreClock() {
  Clock* chosen = gChosen.load();
  return chosen ? *chosen : HostClock();
}

void SetCoreClock(Clock* clock) { gChosen.store(clock); }

PlatformCivilDate PlatformDateOfDay(int64_t dayNumber) {
  // Days since 1 March of year 0, then the civil date.
  const int64_t z = dayNumber - 25569 + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  const int64_t d = doy - (153 * mp + 2) / 5 + 1;
  const int64_t m = mp < 10 ? mp + 3 : mp - 9;
  return {yoe + era * 400 + (m <= 2 ? 1 : 0), static_cast<int>(m), static_cast<int>(d)};
}

int64_t DayOfCivilDate(int64_t y, int month, int day) {
  // The days-from-civil algorithm, so no time zone or DST shift can move the date.
  const auto m = static_cast<unsigned>(month);
  const auto d = static_cast<unsigned>(day);
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const auto yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<int64_t>(doe) - 719468 + 25569;  // 1970-01-01 is day 25569
}
