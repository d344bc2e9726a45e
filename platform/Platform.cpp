#include "Platform.h"

#include <chrono>
#include <ctime>
#include <mutex>
#include <thread>

#include <sys/stat.h>

namespace {

using SteadyClock = std::chrono::steady_clock;

// Set when this translation unit is initialised, i.e. at program start.
const SteadyClock::time_point gStart = SteadyClock::now();

std::mutex gHooksMutex;
PlatformTimeHooks gHooks;

PlatformTimeHooks Hooks() {
  std::lock_guard<std::mutex> lock(gHooksMutex);
  return gHooks;
}

uint32_t RealTickCount() {
  auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - gStart).count();
  return static_cast<uint32_t>(ms);
}

// Sleeps to the absolute deadline measured on the steady clock: most of the
// way by the kernel, the last fraction by yielding, so it is never late by
// more than the scheduler's granularity and never spins at full speed.
void SleepToSteady(SteadyClock::time_point deadline) {
  using namespace std::chrono;
  for (;;) {
    auto now = SteadyClock::now();
    if (now >= deadline) return;
    auto left = deadline - now;
    if (left > microseconds(200)) {
      std::this_thread::sleep_for(left - microseconds(100));
    } else {
      std::this_thread::yield();
    }
  }
}

}  // namespace

uint32_t PlatformTickCount() {
  auto hooks = Hooks();
  if (hooks.tickCount) return hooks.tickCount();
  return RealTickCount();
}

void PlatformSleep(uint32_t ms) {
  auto hooks = Hooks();
  if (hooks.sleep) {
    hooks.sleep(ms);
    return;
  }
  SleepToSteady(SteadyClock::now() + std::chrono::milliseconds(ms));
}

void PlatformWaitUntil(uint32_t deadline) {
  auto hooks = Hooks();
  if (hooks.waitUntil) {
    hooks.waitUntil(deadline);
    return;
  }
  // Deadlines are 32-bit ticks since start; one already passed (a negative
  // wrapping difference) returns at once. The target is exact to the
  // millisecond boundary since start, not to the moment of the call.
  using namespace std::chrono;
  const uint64_t nowMs = static_cast<uint64_t>(duration_cast<milliseconds>(SteadyClock::now() - gStart).count());
  const int32_t left = static_cast<int32_t>(deadline - static_cast<uint32_t>(nowMs));
  if (left <= 0) return;
  SleepToSteady(gStart + milliseconds(nowMs + static_cast<uint64_t>(left)));
}

double PlatformToday() {
  auto hooks = Hooks();
  if (hooks.today) return hooks.today();
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  // Days from 1899-12-30 to the local calendar date, by the civil-from-days
  // algorithm, so no time zone or DST shift can move the date.
  int y = local.tm_year + 1900;
  unsigned m = static_cast<unsigned>(local.tm_mon + 1);
  unsigned d = static_cast<unsigned>(local.tm_mday);
  y -= m <= 2;
  const int era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  const long daysSinceUnixEpoch = static_cast<long>(era) * 146097 + static_cast<long>(doe) - 719468;
  return static_cast<double>(daysSinceUnixEpoch + 25569);  // 1970-01-01 is day 25569
}

uint32_t PlatformTimeSeconds() {
  return static_cast<uint32_t>(std::time(nullptr));
}

void PlatformSetTimeHooks(PlatformTimeHooks hooks) {
  std::lock_guard<std::mutex> lock(gHooksMutex);
  gHooks = std::move(hooks);
}

std::function<int32_t()> PlatformSecondOfDayHook() { return Hooks().secondOfDay; }

bool PlatformFileExists(const std::string& name) {
  struct stat st {};
  return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}
