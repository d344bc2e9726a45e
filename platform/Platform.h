// The small layer that stands where the program calls on the operating system:
// clock, sleeps, today's date, files, libraries and message-only windows.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "Clock.h"

// --- time -------------------------------------------------------------------

// Milliseconds since program start (steady clock). Wraps like a 32-bit tick count.
uint32_t PlatformTickCount();

// Sleeps for ms milliseconds.
void PlatformSleep(uint32_t ms);

// Sleeps until PlatformTickCount() reaches the absolute tick `deadline`
// (compared as a wrapping 32-bit difference). Never spins the CPU: it sleeps
// and only yields for the last fraction of a millisecond.
void PlatformWaitUntil(uint32_t deadline);

// Today's local date as whole days since 30 December 1899.
double PlatformToday();

// PlatformDateOfDay (Clock.h) turns a day number back into a calendar date.

// Seconds since the Unix epoch, for seeding the random source.
uint32_t PlatformTimeSeconds();

// Tests replace the clock and the sleeps so that drills and figures run
// instantly and deterministically. Passing empty functions restores the real ones.
struct PlatformTimeHooks {
  std::function<uint32_t()> tickCount;           // replaces PlatformTickCount
  std::function<void(uint32_t ms)> sleep;        // replaces PlatformSleep
  std::function<void(uint32_t deadline)> waitUntil;  // replaces PlatformWaitUntil
  std::function<double()> today;                 // replaces PlatformToday
  std::function<int32_t()> secondOfDay;          // replaces the local time of day
};
void PlatformSetTimeHooks(PlatformTimeHooks hooks);
// The time-of-day hook when one is set, else empty.
std::function<int32_t()> PlatformSecondOfDayHook();

// --- files ------------------------------------------------------------------

bool PlatformFileExists(const std::string& name);

// --- libraries --------------------------------------------------------------

using PlatformLibrary = void*;
// Loads library N as libN.so through dlopen's ordinary search; nullptr on failure.
PlatformLibrary PlatformLoadLibrary(const std::string& name);
// Looks up an entry point by its decorated name (_Name@k → exported symbol Name).
void* PlatformGetProcAddress(PlatformLibrary lib, const std::string& decoratedName);
// Unloads; false when the system refuses.
bool PlatformFreeLibrary(PlatformLibrary lib);

// --- message-only windows ---------------------------------------------------

// A message procedure returns true when it handled the message; unhandled
// messages go to default handling (which does nothing).
using PlatformMessageProc = std::function<bool(uint32_t message, uintptr_t wParam, intptr_t lParam)>;

// Creates a hidden message-only window and returns its non-zero 32-bit id.
// Must be called on the GUI thread.
uint32_t PlatformCreateMessageWindow(PlatformMessageProc proc);
// Destroys it; messages still queued for it are dropped.
void PlatformDestroyMessageWindow(uint32_t window);

// Thread-safe: queues the message; the GUI thread's event loop delivers it to
// the window's procedure. Returns 1 when queued, 0 for an unknown window.
// Exported with C linkage so that the driver library finds it at run time.
extern "C" int PlatformPostMessage(uint32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// Tests only: when dir is not empty, libraries are loaded from that folder
// alone instead of through the ordinary search. An empty dir restores it.
void PlatformSetLibrarySearchDirForTesting(const std::string& dir);
