#include "Waymidi.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <type_traits>

#include "Platform.h"

namespace {

constexpr const char* kLibraryName = "Midiway";
constexpr uint32_t kMaxRefusedHandle = 32;  // an open returning 0..32 refused
constexpr size_t kDescriptionSize = 32;
constexpr uint8_t kActiveSensing = 0xFE;

}  // namespace

std::string ReadMidiDescription(uint32_t (*describe)(uint32_t deviceId, char* description), uint32_t deviceId,
                                bool* exists) {
  // Cleared first and cut at its end, so that a short or unterminated answer reads safely.
  char description[kDescriptionSize] = {};
  const uint32_t answer = describe ? describe(deviceId, description) : 0;
  if (exists) *exists = answer != 0;
  description[kDescriptionSize - 1] = '\0';
  return description;
}

// --- TWayMidi -----------------------------------------------------------------

TWayMidi::TWayMidi() {
  library_ = PlatformLoadLibrary(kLibraryName);
  if (!library_) throw EWayMidiException("Load of Midiway library failed");

  // Looked up one by one in this order; the first one missing names itself.
  auto lookup = [this](auto& member, const char* decoratedName) {
    void* address = PlatformGetProcAddress(library_, decoratedName);
    if (!address) throw EWayMidiException(std::string("Failed to loadproc:") + decoratedName);
    member = reinterpret_cast<std::remove_reference_t<decltype(member)>>(address);
  };
  try {
    lookup(GetMidiwayVersion, "_GetMidiwayVersion@0");
    lookup(GetNumOutDevices, "_GetNumOutDevices@0");
    lookup(GetMidiOutDescription, "_GetMidiOutDescription@8");
    lookup(OpenMidiOut, "_OpenMidiOut@16");
    lookup(ResetMidiOut, "_ResetMidiOut@4");
    lookup(FlushMidiOut, "_FlushMidiOut@4");
    lookup(CloseMidiOut, "_CloseMidiOut@4");
    lookup(PutMidiOut, "_PutMidiOut@8");
    lookup(GetNumInDevices, "_GetNumInDevices@0");
    lookup(GetMidiInDescription, "_GetMidiInDescription@8");
    lookup(OpenMidiIn, "_OpenMidiIn@16");
    lookup(StartMidiIn, "_StartMidiIn@4");
    lookup(StopMidiIn, "_StopMidiIn@4");
    lookup(CloseMidiIn, "_CloseMidiIn@4");
    lookup(GetMidiIn, "_GetMidiIn@4");
    lookup(OpenSync, "_OpenSync@16");
    lookup(CloseSync, "_CloseSync@4");
    lookup(StopSync, "_StopSync@4");
    lookup(StartSync, "_StartSync@4");
    lookup(PauseSync, "_PauseSync@8");
    lookup(ReStartSync, "_ReStartSync@4");
    lookup(SetTempo, "_SetTempo@8");
    lookup(SetResolution, "_SetResolution@8");
    lookup(GetTempo, "_GetTempo@4");
    lookup(GetResolution, "_GetResolution@4");
    lookup(GetPosition, "_GetPosition@8");
    lookup(OpenSMF, "_OpenSMF@16");
    lookup(CloseSMF, "_CloseSMF@4");
    lookup(RewindSMF, "_RewindSMF@4");
    lookup(ReadSMF, "_ReadSMF@16");
    lookup(WriteSMF, "_WriteSMF@16");
    lookup(GetSMFResolution, "_GetSMFResolution@4");
    lookup(SetSMFResolution, "_SetSMFResolution@8");
    lookup(ReadMetaEvent, "_ReadMetaEvent@20");
    lookup(WriteMetaEvent, "_WriteMetaEvent@20");
  } catch (...) {
    // The object never comes to life, so no destructor runs: unload here, once,
    // and let the lookup's own message reach the creator.
    PlatformFreeLibrary(library_);
    library_ = nullptr;
    throw;
  }

  GetMidiwayLastError =
      reinterpret_cast<decltype(GetMidiwayLastError)>(PlatformGetProcAddress(library_, "_GetMidiwayLastError@8"));
  GetSMFTrackStatus =
      reinterpret_cast<decltype(GetSMFTrackStatus)>(PlatformGetProcAddress(library_, "_GetSMFTrackStatus@16"));
  // The library posts to our message windows through the platform's poster.
  if (auto setPoster = reinterpret_cast<decltype(&::SetMidiwayPoster)>(
          PlatformGetProcAddress(library_, "_SetMidiwayPoster@4")))
    setPoster(&PlatformPostMessage);
  Version = static_cast<uint16_t>(GetMidiwayVersion() & 0xFFFFu);
}

TWayMidi::~TWayMidi() noexcept(false) {
  if (!library_) return;
  void* library = library_;
  library_ = nullptr;
  // Raising while another exception unwinds would end the program; the
  // failure to unload is then the lesser news and is dropped.
  if (!PlatformFreeLibrary(library) && std::uncaught_exceptions() == 0) {
    throw EWayMidiException("FreeLibrary failed");
  }
}

// --- TWayMidiOut --------------------------------------------------------------

TWayMidiOut::TWayMidiOut() {
  window_ = PlatformCreateMessageWindow(
      [this](uint32_t message, uintptr_t wParam, intptr_t lParam) { return WindowProc(message, wParam, lParam); });
}

TWayMidiOut::~TWayMidiOut() {
  if (IsOpen) {
    try {
      Close();
    } catch (...) {
      // Only a port whose WayMidi was taken away while open can fail here;
      // a destructor has nobody to report to.
    }
  }
  PlatformDestroyMessageWindow(window_);
}

bool TWayMidiOut::Open(uint16_t deviceId, uint32_t openParam) {
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (IsOpen) throw EWayMidiException("already open");

  // The library's result is not looked at.
  Description = ReadMidiDescription(WayMidi->GetMidiOutDescription, deviceId);

  const uint32_t syncHandle = Sync ? Sync->Handle : 0;

  OpenParam = openParam;
  DeviceId = deviceId;
  Handle = WayMidi->OpenMidiOut(window_, deviceId, syncHandle, openParam);
  LastError.clear();
  if (Handle > kMaxRefusedHandle) {
    IsOpen = true;
  } else {
    Handle = 0;  // refused, and not reported: Put drops events from now on
    // Kept at once: the library's text is replaced by its next failure.
    if (WayMidi->GetMidiwayLastError) {
      char text[512] = {};
      WayMidi->GetMidiwayLastError(text, sizeof text);
      text[sizeof text - 1] = '\0';
      LastError = text;
    }
  }
  return IsOpen;
}

void TWayMidiOut::Close() {
  if (!IsOpen) throw EWayMidiException("midiOut not open");
  Description.clear();
  Reset();
  WayMidi->CloseMidiOut(Handle);
  IsOpen = false;  // Handle keeps its value until the next Open
}

void TWayMidiOut::Reset() {
  if (!IsOpen) throw EWayMidiException("midiOut not open");
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  WayMidi->ResetMidiOut(Handle);
}

bool TWayMidiOut::Put(LPMIDIEVENT event) {
  if (!IsOpen) return true;  // a closed port drops the event
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  return (WayMidi->PutMidiOut(Handle, event) & 0xFFFFu) == 0;
}

bool TWayMidiOut::WindowProc(uint32_t message, uintptr_t /*wParam*/, intptr_t /*lParam*/) {
  if (message != MIDIWAY_MSG_OUTPUT_READY) return false;
  if (MidiScore) MidiScore->Feed(this);
  if (OutBufferReady) OutBufferReady(this);
  return true;
}

// --- TWayMidiSync -------------------------------------------------------------

TWayMidiSync::TWayMidiSync() {
  window_ = PlatformCreateMessageWindow(
      [this](uint32_t message, uintptr_t wParam, intptr_t lParam) { return WindowProc(message, wParam, lParam); });
}

TWayMidiSync::~TWayMidiSync() {
  try {
    Stop();
    if (IsOpen) Close();
  } catch (...) {
    // Only a sync whose WayMidi was taken away while open can fail here.
  }
  PlatformDestroyMessageWindow(window_);
}

void TWayMidiSync::Open(uint32_t tempo, uint32_t resolution) {
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (IsOpen) throw EWayMidiException("already open");
  const uint32_t handle = WayMidi->OpenSync(window_, 0, tempo, resolution);
  if (handle <= kMaxRefusedHandle) throw EWayMidiException("sync not found");
  Handle = handle;
  IsOpen = true;
  Running = false;
}

void TWayMidiSync::Start() {
  if (!IsOpen) throw EWayMidiException("sync not open");
  WayMidi->StartSync(Handle);
  Running = true;
}

void TWayMidiSync::Stop() {
  if (!IsOpen) return;
  WayMidi->StopSync(Handle);
  Running = false;
}

void TWayMidiSync::Pause(bool pause) {
  if (!IsOpen) throw EWayMidiException("sync not open");
  WayMidi->PauseSync(Handle, pause ? 1 : 0);
  Running = !pause;
}

void TWayMidiSync::Close() {
  if (!IsOpen) throw EWayMidiException("sync not open");
  Running = false;
  IsOpen = false;
  // Left open in the library, the clock would go on posting beats to a
  // component that calls itself closed.
  if (WayMidi) WayMidi->CloseSync(Handle);
}

bool TWayMidiSync::WindowProc(uint32_t message, uintptr_t, intptr_t) {
  if (message == MIDIWAY_MSG_SYNC_BEAT) {
    if (OnMidiBeat) OnMidiBeat(this);
    return true;
  }
  if (message == MIDIWAY_MSG_SYNC_DONE) {
    if (OnSyncDone) OnSyncDone(this);
    return true;
  }
  return false;
}

// --- TWayMidiIn ---------------------------------------------------------------

TWayMidiIn::TWayMidiIn() {
  window_ = PlatformCreateMessageWindow(
      [this](uint32_t message, uintptr_t wParam, intptr_t lParam) { return WindowProc(message, wParam, lParam); });
}

TWayMidiIn::~TWayMidiIn() {
  if (IsOpen) {
    try {
      Close();
    } catch (...) {
      // As for the output port: only a vanished WayMidi fails here.
    }
  }
  PlatformDestroyMessageWindow(window_);
}

bool TWayMidiIn::Open(uint16_t deviceId) {
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (IsOpen) throw EWayMidiException("already open");
  Description = ReadMidiDescription(WayMidi->GetMidiInDescription, deviceId);
  Handle = WayMidi->OpenMidiIn(window_, deviceId, Sync ? Sync->Handle : 0, 0);
  if (Handle > kMaxRefusedHandle) {
    IsOpen = true;
    Started = false;
    CarryTime = 0;
  } else {
    Handle = 0;
  }
  return IsOpen;
}

void TWayMidiIn::Start() {
  if (!IsOpen) throw EWayMidiException("midiIn not open");
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (WayMidi->StartMidiIn(Handle) != 0) throw EWayMidiException("cant start midiIn");
  CarryTime = 0;
  Started = true;
}

void TWayMidiIn::Stop() {
  if (!IsOpen) throw EWayMidiException("midiIn not open");
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  Started = false;
  WayMidi->StopMidiIn(Handle);
}

void TWayMidiIn::Close() {
  if (!IsOpen) throw EWayMidiException("midiIn not open");
  Stop();
  WayMidi->CloseMidiIn(Handle);
  Description.clear();
  IsOpen = false;
}

bool TWayMidiIn::WindowProc(uint32_t message, uintptr_t, intptr_t) {
  if (message != MIDIWAY_MSG_INPUT_DATA) return false;
  // A port closed (or a library gone) since the message was posted reads nothing.
  while (IsOpen && WayMidi) {
    LPMIDIEVENT e = WayMidi->GetMidiIn(Handle);
    if (!e) break;
    e->time += CarryTime;
    bool accept = e->status != kActiveSensing;
    if (accept && OnMidiData) OnMidiData(e, &accept);
    CarryTime = accept ? 0 : e->time;
    if (accept && Track) Track->Add(e);
  }
  return true;
}
