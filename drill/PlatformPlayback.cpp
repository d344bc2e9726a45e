#include "PlatformPlayback.h"

#include "Platform.h"

uint32_t PlatformPlaybackPort::Now() { return PlatformTickCount(); }
void PlatformPlaybackPort::WaitUntil(uint32_t tick) { PlatformWaitUntil(tick); }
void PlatformPlaybackPort::Sleep(uint32_t ms) { PlatformSleep(ms); }
