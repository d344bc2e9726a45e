#include "Waymidi.h"

#include <cstring>
#include <exception>
#include <type_traits>

#include "Platform.h"

namespace {

constexpr const char* kLibraryName = "Midiway";
constexpr uint32_t kMaxRefusedHandle = 32;  // an open returning 0..32 refused
constexpr size_t kDescriptionSize = 32;

}  // namespace

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

  // The library's result is not looked at; the buffer is cleared first and
  // cut at its end so that a short or unterminated answer reads safely.
  char description[kDescriptionSize] = {};
  WayMidi->GetMidiOutDescription(deviceId, description);
  description[kDescriptionSize - 1] = '\0';
  Description = description;

  // No sync component exists in this program yet, so Sync is never set and
  // the port always opens without one; a sync's handle goes here.
  const uint32_t syncHandle = 0;

  OpenParam = openParam;
  DeviceId = deviceId;
  Handle = WayMidi->OpenMidiOut(window_, deviceId, syncHandle, openParam);
  if (Handle > kMaxRefusedHandle) {
    IsOpen = true;
  } else {
    Handle = 0;  // refused, and not reported: Put drops events from now on
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
  // A score attached to the port would be fed here first; nothing in this
  // program attaches one (MidiScore stays null), and the score component
  // itself does not exist yet.
  if (OutBufferReady) OutBufferReady(this);
  return true;
}
