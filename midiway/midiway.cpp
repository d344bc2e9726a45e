// The library's C entry points for output ports, inputs and syncs.
#include "midiway.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

#include "Library.h"

using namespace midiway;

namespace midiway {
// Torn down when the library is unloaded (or at exit), so that no thread of
// ours outlives our code.
Library g_library;
}  // namespace midiway

namespace {

// Copies text into a 32-byte description, cut to 31 bytes at a character boundary.
void Describe(char* description, const std::string& text) {
  if (description == nullptr) return;
  size_t length = std::min<size_t>(text.size(), 31);
  if (length < text.size())
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  std::memcpy(description, text.data(), length);
  description[length] = '\0';
}

template <class Action>
uint32_t OnSync(uint32_t handle, Action action) {
  auto sync = g_library.FindSync(handle);
  if (!sync) return MIDIWAY_ERR_BAD_HANDLE;
  action(*sync);
  return MIDIWAY_OK;
}

}  // namespace

extern "C" {

uint32_t GetMidiwayVersion(void) { return MIDIWAY_VERSION; }

void SetMidiwayPoster(MidiwayPoster poster) { SetPoster(poster); }

uint32_t GetMidiwayLastError(char* text, uint32_t size) {
  const std::string error = LastError();
  if (text != nullptr && size > 0) {
    const size_t length = std::min<size_t>(error.size(), size - 1);
    std::memcpy(text, error.data(), length);
    text[length] = '\0';
  }
  return static_cast<uint32_t>(error.size());
}

uint32_t GetNumOutDevices(void) { return static_cast<uint32_t>(1 + SequencerPortNames().size()); }

uint32_t GetMidiOutDescription(uint32_t deviceId, char* description) {
  // The caller reads the buffer whatever the result, so it is always filled.
  Describe(description, "");
  if (deviceId == 0) {
    Describe(description, kSynthDescription);
    return 1;
  }
  const auto ports = SequencerPortNames();
  if (deviceId > ports.size()) return 0;
  Describe(description, ports[deviceId - 1]);
  return 1;
}

// param is reserved.
uint32_t OpenMidiOut(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t) {
  try {
    return g_library.Open(window, deviceId, syncHandle);
  } catch (const std::exception& e) {
    SetLastError(e.what());
    return MIDIWAY_OPEN_FAILED;
  }
}

void ResetMidiOut(uint32_t handle) {
  if (auto port = g_library.Find(handle)) port->Reset();
}

void FlushMidiOut(uint32_t handle) {
  if (auto port = g_library.Find(handle)) port->Flush();
}

void CloseMidiOut(uint32_t handle) { g_library.Close(handle); }

uint32_t PutMidiOut(uint32_t handle, LPMIDIEVENT event) {
  auto port = g_library.Find(handle);
  if (!port) return MIDIWAY_PUT_BAD_HANDLE;
  if (event == nullptr) return MIDIWAY_PUT_BAD_EVENT;
  return port->Put(*event);
}

// --- input ports ----------------------------------------------------------------

uint32_t GetNumInDevices(void) { return static_cast<uint32_t>(SequencerInPortNames().size()); }

uint32_t GetMidiInDescription(uint32_t deviceId, char* description) {
  Describe(description, "");
  const auto names = SequencerInPortNames();
  if (deviceId >= names.size()) return 0;
  Describe(description, names[deviceId]);
  return 1;
}

uint32_t OpenMidiIn(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t) {
  try {
    std::string error;
    if (deviceId >= SequencerInPortNames().size()) {
      SetLastError("no input device " + std::to_string(deviceId));
      return MIDIWAY_OPEN_BAD_DEVICE;
    }
    auto in = InPort::Open(deviceId, window, g_library.FindSync(syncHandle), error);
    if (!in) {
      SetLastError(error);
      return MIDIWAY_OPEN_FAILED;
    }
    return g_library.AddIn(std::move(in));
  } catch (const std::exception& e) {
    SetLastError(e.what());
    return MIDIWAY_OPEN_FAILED;
  }
}

uint32_t StartMidiIn(uint32_t handle) {
  auto in = g_library.FindIn(handle);
  if (!in) return MIDIWAY_ERR_BAD_HANDLE;
  in->Start();
  return MIDIWAY_OK;
}

uint32_t StopMidiIn(uint32_t handle) {
  auto in = g_library.FindIn(handle);
  if (!in) return MIDIWAY_ERR_BAD_HANDLE;
  in->Stop();
  return MIDIWAY_OK;
}

uint32_t CloseMidiIn(uint32_t handle) { return g_library.TakeIn(handle) ? MIDIWAY_OK : MIDIWAY_ERR_BAD_HANDLE; }

LPMIDIEVENT GetMidiIn(uint32_t handle) {
  auto in = g_library.FindIn(handle);
  return in ? in->Next() : nullptr;
}

// --- syncs ----------------------------------------------------------------------

uint32_t OpenSync(uint32_t window, uint32_t, uint32_t tempo, uint32_t resolution) {
  try {
    return g_library.AddSync(std::make_shared<Sync>(window, tempo, resolution));
  } catch (const std::exception& e) {
    SetLastError(e.what());
    return MIDIWAY_OPEN_FAILED;
  }
}

uint32_t CloseSync(uint32_t handle) {
  auto sync = g_library.TakeSync(handle);
  if (!sync) return MIDIWAY_ERR_BAD_HANDLE;
  sync->Close();
  return MIDIWAY_OK;
}

uint32_t StopSync(uint32_t handle) {
  return OnSync(handle, [](Sync& s) { s.Stop(); });
}
uint32_t StartSync(uint32_t handle) {
  return OnSync(handle, [](Sync& s) { s.Start(); });
}
uint32_t PauseSync(uint32_t handle, uint32_t pause) {
  return OnSync(handle, [pause](Sync& s) { s.Pause(pause != 0); });
}
uint32_t ReStartSync(uint32_t handle) {
  return OnSync(handle, [](Sync& s) { s.Pause(false); });
}
uint32_t SetTempo(uint32_t handle, uint32_t tempo) {
  return OnSync(handle, [tempo](Sync& s) { s.SetTempo(tempo); });
}
uint32_t SetResolution(uint32_t handle, uint32_t resolution) {
  return OnSync(handle, [resolution](Sync& s) { s.SetResolution(resolution); });
}

uint32_t GetTempo(uint32_t handle) {
  auto sync = g_library.FindSync(handle);
  return sync ? sync->Tempo() : 0;
}

uint32_t GetResolution(uint32_t handle) {
  auto sync = g_library.FindSync(handle);
  return sync ? sync->Resolution() : 0;
}

uint32_t GetPosition(uint32_t handle, uint32_t* position) {
  auto sync = g_library.FindSync(handle);
  const long double ticks = sync ? sync->PositionAt(std::chrono::steady_clock::now()) : 0;
  if (position != nullptr) *position = static_cast<uint32_t>(std::clamp<long double>(ticks, 0, 0xFFFFFFFFu));
  return sync ? MIDIWAY_OK : MIDIWAY_ERR_BAD_HANDLE;
}

}  // extern "C"
