// The library's C entry points and its table of open ports.
#include "midiway.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Diagnostics.h"
#include "OutPort.h"
#include "SeqOut.h"
#include "SynthOut.h"

using namespace midiway;

namespace {

constexpr auto kAutoRelease = std::chrono::seconds(2);
constexpr uint32_t kFirstHandle = 0x100;

// Everything the library holds, torn down in order when it is unloaded
// (or at exit), so that no thread of ours outlives our code.
class Library {
 public:
  ~Library() {
    std::map<uint32_t, std::shared_ptr<OutPort>> ports;
    {
      std::lock_guard lock(mutex_);
      ports.swap(ports_);
    }
    for (auto& [handle, port] : ports) port->Close();
    ports.clear();
    ReleaseSequencer();
    RestoreLibraries();
  }

  std::shared_ptr<OutPort> Find(uint32_t handle) {
    std::lock_guard lock(mutex_);
    const auto it = ports_.find(handle);
    return it == ports_.end() ? nullptr : it->second;
  }

  uint32_t Open(uint32_t window, uint32_t deviceId) {
    std::lock_guard opening(openMutex_);
    std::string error;
    uint32_t code = MIDIWAY_OPEN_FAILED;
    std::unique_ptr<OutSink> sink;
    auto release = std::chrono::nanoseconds::zero();
    if (deviceId == 0) {
      if (synthHandle_ != 0) {
        SetLastError(std::string(kSynthDescription) + " is open already");
        return MIDIWAY_OPEN_IN_USE;
      }
      sink = SynthOut::Open(error, code);
      if (!sink) {
        SetLastError(error);
        // The one line a user sees when the program stays silent.
        std::fprintf(stderr, "Midiway: %s unavailable: %s\n", kSynthDescription, LastError().c_str());
        return code;
      }
      release = kAutoRelease;
    } else {
      const auto ports = SequencerPortNames();
      if (deviceId > ports.size()) {
        SetLastError("no output device " + std::to_string(deviceId));
        return MIDIWAY_OPEN_BAD_DEVICE;
      }
      sink = SeqOut::Open(deviceId - 1, error);
      if (!sink) {
        SetLastError(error);
        return MIDIWAY_OPEN_FAILED;
      }
    }
    auto port = std::make_shared<OutPort>(std::move(sink), window, release);
    std::lock_guard lock(mutex_);
    const uint32_t handle = NewHandleLocked();
    ports_[handle] = port;
    if (deviceId == 0) synthHandle_ = handle;
    port->Start(handle);  // last: a rendered file's time starts here
    return handle;
  }

  void Close(uint32_t handle) {
    std::lock_guard opening(openMutex_);
    std::shared_ptr<OutPort> port;
    {
      std::lock_guard lock(mutex_);
      const auto it = ports_.find(handle);
      if (it == ports_.end()) return;
      port = std::move(it->second);
      ports_.erase(it);
    }
    port->Close();
    std::lock_guard lock(mutex_);
    if (synthHandle_ == handle) synthHandle_ = 0;
  }

 private:
  uint32_t NewHandleLocked() {
    // Handles are not reused soon, so a stale one does not reach a new port.
    do {
      if (++nextHandle_ <= 32) nextHandle_ = kFirstHandle;
    } while (ports_.count(nextHandle_) != 0);
    return nextHandle_;
  }

  std::mutex openMutex_;  // opens and closes one at a time
  std::mutex mutex_;      // the table
  std::map<uint32_t, std::shared_ptr<OutPort>> ports_;
  uint32_t nextHandle_ = kFirstHandle - 1;
  uint32_t synthHandle_ = 0;
};

Library g_library;

// Copies text into a 32-byte description, cut to 31 bytes at a character boundary.
void Describe(char* description, const std::string& text) {
  if (description == nullptr) return;
  size_t length = std::min<size_t>(text.size(), 31);
  if (length < text.size())
    while (length > 0 && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) --length;
  std::memcpy(description, text.data(), length);
  description[length] = '\0';
}

}  // namespace

extern "C" {

uint32_t GetMidiwayVersion(void) { return MIDIWAY_VERSION; }

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

// No sync can be open yet, so every port keeps its own clock; param is reserved.
uint32_t OpenMidiOut(uint32_t window, uint32_t deviceId, uint32_t, uint32_t) {
  try {
    return g_library.Open(window, deviceId);
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

// Input, sync and Standard MIDI Files: no such devices, clocks or files yet.
// Every call fails in the way its caller can see.

uint32_t GetNumInDevices(void) { return 0; }

uint32_t GetMidiInDescription(uint32_t, char* description) {
  Describe(description, "");
  return 0;
}

uint32_t OpenMidiIn(uint32_t, uint32_t, uint32_t, uint32_t) {
  SetLastError("no input devices");
  return MIDIWAY_OPEN_BAD_DEVICE;
}

uint32_t StartMidiIn(uint32_t) { return 0; }
uint32_t StopMidiIn(uint32_t) { return 0; }
uint32_t CloseMidiIn(uint32_t) { return 0; }
LPMIDIEVENT GetMidiIn(uint32_t) { return nullptr; }

uint32_t OpenSync(uint32_t, uint32_t, uint32_t, uint32_t) {
  SetLastError("sync not available");
  return 0;
}

uint32_t CloseSync(uint32_t) { return 0; }
uint32_t StopSync(uint32_t) { return 0; }
uint32_t StartSync(uint32_t) { return 0; }
uint32_t PauseSync(uint32_t, uint32_t) { return 0; }
uint32_t ReStartSync(uint32_t) { return 0; }
uint32_t SetTempo(uint32_t, uint32_t) { return 0; }
uint32_t SetResolution(uint32_t, uint32_t) { return 0; }
uint32_t GetTempo(uint32_t) { return 0; }
uint32_t GetResolution(uint32_t) { return 0; }

uint32_t GetPosition(uint32_t, uint32_t* position) {
  if (position != nullptr) *position = 0;
  return 0;
}

uint32_t OpenSMF(const char*, uint32_t, uint32_t, uint32_t) {
  SetLastError("Standard MIDI Files not available");
  return 0;
}

uint32_t CloseSMF(uint32_t) { return 0; }
uint32_t RewindSMF(uint32_t) { return 0; }
uint32_t ReadSMF(uint32_t, uint32_t, LPMIDIEVENT, uint32_t) { return 0; }
uint32_t WriteSMF(uint32_t, uint32_t, const MIDIEVENT*, uint32_t) { return 0; }
uint32_t GetSMFResolution(uint32_t) { return 0; }
uint32_t SetSMFResolution(uint32_t, uint32_t) { return 0; }

int32_t ReadMetaEvent(uint32_t, uint32_t, uint32_t, uint8_t** data, uint32_t* length) {
  if (data != nullptr) *data = nullptr;
  if (length != nullptr) *length = 0;
  return -1;
}

// 0 would mean success.
int32_t WriteMetaEvent(uint32_t, uint32_t, uint32_t, const char*, uint32_t) { return -1; }

}  // extern "C"
