// A driver library that plays nothing: it records every call with its
// arguments and the host's tick, and answers with the results a test sets.
#include "MidiwayRecorder.h"

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <mutex>

// The host program's clock, found in the executable when it exports it
// (ENABLE_EXPORTS); a host without it records tick 0.
extern uint32_t PlatformTickCount() __attribute__((weak));
// The host's poster, when it has one, for input notices.
extern "C" int PlatformPostMessage(uint32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam)
    __attribute__((weak));

namespace {

constexpr uint32_t kDefaultOpenResult = 100;
constexpr uint32_t kVersion = 0x0200;
constexpr size_t kDescriptionSize = 32;

struct RecorderState {
  std::mutex mutex;
  std::vector<RecordedCall> calls;
  uint32_t openResult = kDefaultOpenResult;
  std::map<uint32_t, uint32_t> deviceOpenResults;  // over openResult, per device
  uint32_t putResult = 0;
  std::vector<std::string> outDevices{"Recorder"};
  // input
  uint32_t inWindow = 0, inHandle = 0;
  uint32_t startInResult = 0;
  uint32_t inDevices = 1;
  std::deque<MIDIEVENT> input;
  MIDIEVENT current = {};
  // files
  std::map<uint32_t, std::vector<MIDIEVENT>> smfTracks;
  std::map<uint32_t, size_t> smfNext;
  std::map<uint32_t, std::vector<MIDIEVENT>> written;
  uint8_t header[7] = {};
};

RecorderState& State() {
  static RecorderState* state = new RecorderState;  // outlives every static destructor
  return *state;
}

uint32_t Tick() { return PlatformTickCount ? PlatformTickCount() : 0; }

void Record(const char* name, uint32_t a0 = 0, uint32_t a1 = 0, uint32_t a2 = 0, uint32_t a3 = 0,
            const MIDIEVENT* event = nullptr) {
  RecordedCall call;
  call.name = name;
  call.args[0] = a0;
  call.args[1] = a1;
  call.args[2] = a2;
  call.args[3] = a3;
  if (event) call.event = *event;
  call.tick = Tick();
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.calls.push_back(std::move(call));
}

// Pointers are recorded by their low 32 bits only to tell null from set.
uint32_t PointerTag(const void* p) { return p ? 1u : 0u; }

}  // namespace

// --- the recorder's own interface -------------------------------------------

extern "C" void RecorderReset() {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.calls.clear();
  s.openResult = kDefaultOpenResult;
  s.deviceOpenResults.clear();
  s.putResult = 0;
  s.outDevices = {"Recorder"};
  s.inWindow = s.inHandle = 0;
  s.startInResult = 0;
  s.inDevices = 1;
  s.input.clear();
  s.smfTracks.clear();
  s.smfNext.clear();
  s.written.clear();
}

extern "C" void RecorderFeedInput(const MIDIEVENT* events, size_t count) {
  uint32_t window = 0, handle = 0;
  {
    auto& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    for (size_t i = 0; i < count; ++i) s.input.push_back(events[i]);
    window = s.inWindow;
    handle = s.inHandle;
  }
  if (window != 0 && PlatformPostMessage) PlatformPostMessage(window, MIDIWAY_MSG_INPUT_DATA, handle, 0);
}

extern "C" void RecorderSetStartInResult(uint32_t result) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.startInResult = result;
}

extern "C" void RecorderSetInDeviceCount(uint32_t count) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.inDevices = count;
}

extern "C" void RecorderSetSmfTrack(uint32_t track, const MIDIEVENT* events, size_t count) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.smfTracks[track].assign(events, events + count);
  s.smfNext[track] = 0;
}

extern "C" size_t RecorderWrittenCount(uint32_t track) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.written[track].size();
}

extern "C" const MIDIEVENT* RecorderWritten(uint32_t track) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.written[track].data();
}

extern "C" void RecorderSetOpenResult(uint32_t handle) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.openResult = handle;
}

extern "C" void RecorderSetDeviceOpenResult(uint32_t deviceId, uint32_t handle) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.deviceOpenResults[deviceId] = handle;
}

extern "C" void RecorderSetPutResult(uint32_t result) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.putResult = result;
}

extern "C" void RecorderSetOutDevices(const char* const* descriptions, size_t count) {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.outDevices.clear();
  for (size_t i = 0; i < count; ++i) s.outDevices.emplace_back(descriptions[i] ? descriptions[i] : "");
}

const std::vector<RecordedCall>& RecorderCalls() { return State().calls; }

std::vector<RecordedCall> RecorderPuts() {
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  std::vector<RecordedCall> puts;
  std::copy_if(s.calls.begin(), s.calls.end(), std::back_inserter(puts),
               [](const RecordedCall& c) { return c.name == "PutMidiOut"; });
  return puts;
}

// --- the driver library's entry points --------------------------------------

uint32_t GetMidiwayVersion(void) {
  Record("GetMidiwayVersion");
  return kVersion;
}

uint32_t GetNumOutDevices(void) {
  Record("GetNumOutDevices");
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return static_cast<uint32_t>(s.outDevices.size());
}

uint32_t GetMidiOutDescription(uint32_t deviceId, char* description) {
  Record("GetMidiOutDescription", deviceId, PointerTag(description));
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (deviceId >= s.outDevices.size()) {
    if (description) description[0] = '\0';
    return 0;
  }
  if (description) {
    const std::string& text = s.outDevices[deviceId];
    const size_t n = std::min(text.size(), kDescriptionSize - 1);
    std::memcpy(description, text.data(), n);
    description[n] = '\0';
  }
  return 1;
}

uint32_t OpenMidiOut(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t param) {
  Record("OpenMidiOut", window, deviceId, syncHandle, param);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  const auto device = s.deviceOpenResults.find(deviceId);
  return device != s.deviceOpenResults.end() ? device->second : s.openResult;
}

void ResetMidiOut(uint32_t handle) { Record("ResetMidiOut", handle); }
void FlushMidiOut(uint32_t handle) { Record("FlushMidiOut", handle); }
void CloseMidiOut(uint32_t handle) { Record("CloseMidiOut", handle); }

uint32_t PutMidiOut(uint32_t handle, LPMIDIEVENT event) {
  Record("PutMidiOut", handle, PointerTag(event), 0, 0, event);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.putResult;
}

uint32_t GetNumInDevices(void) {
  Record("GetNumInDevices");
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.inDevices;
}

uint32_t GetMidiInDescription(uint32_t deviceId, char* description) {
  Record("GetMidiInDescription", deviceId, PointerTag(description));
  bool listed = false;
  {
    auto& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    listed = deviceId == 0 && deviceId < s.inDevices;
  }
  if (description) std::strcpy(description, listed ? "Recorder In" : "");
  return listed ? 1 : 0;
}

uint32_t OpenMidiIn(uint32_t window, uint32_t deviceId, uint32_t syncHandle, uint32_t param) {
  Record("OpenMidiIn", window, deviceId, syncHandle, param);
  bool waiting = false;
  uint32_t handle = 0;
  {
    auto& s = State();
    std::lock_guard<std::mutex> lock(s.mutex);
    if (s.openResult <= 32) return s.openResult;
    s.inWindow = window;
    s.inHandle = handle = s.openResult;
    waiting = !s.input.empty();
  }
  if (waiting && PlatformPostMessage) PlatformPostMessage(window, MIDIWAY_MSG_INPUT_DATA, handle, 0);
  return handle;
}

uint32_t StartMidiIn(uint32_t handle) {
  Record("StartMidiIn", handle);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.startInResult;
}
uint32_t StopMidiIn(uint32_t handle) { return Record("StopMidiIn", handle), 0; }
uint32_t CloseMidiIn(uint32_t handle) { return Record("CloseMidiIn", handle), 0; }

LPMIDIEVENT GetMidiIn(uint32_t handle) {
  Record("GetMidiIn", handle);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (handle != s.inHandle || s.input.empty()) return nullptr;
  s.current = s.input.front();
  s.input.pop_front();
  return &s.current;
}

uint32_t OpenSync(uint32_t window, uint32_t mode, uint32_t tempo, uint32_t resolution) {
  Record("OpenSync", window, mode, tempo, resolution);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.openResult;
}

uint32_t CloseSync(uint32_t handle) { return Record("CloseSync", handle), 0; }
uint32_t StopSync(uint32_t handle) { return Record("StopSync", handle), 0; }
uint32_t StartSync(uint32_t handle) { return Record("StartSync", handle), 0; }
uint32_t PauseSync(uint32_t handle, uint32_t pause) { return Record("PauseSync", handle, pause), 0; }
uint32_t ReStartSync(uint32_t handle) { return Record("ReStartSync", handle), 0; }
uint32_t SetTempo(uint32_t handle, uint32_t tempo) { return Record("SetTempo", handle, tempo), 0; }
uint32_t SetResolution(uint32_t handle, uint32_t resolution) {
  return Record("SetResolution", handle, resolution), 0;
}
uint32_t GetTempo(uint32_t handle) { return Record("GetTempo", handle), 0; }
uint32_t GetResolution(uint32_t handle) { return Record("GetResolution", handle), 0; }

uint32_t GetPosition(uint32_t handle, uint32_t* position) {
  Record("GetPosition", handle, PointerTag(position));
  if (position) *position = 0;
  return 0;
}

uint32_t OpenSMF(const char* fileName, uint32_t mode, uint32_t tracks, uint32_t resolution) {
  Record("OpenSMF", PointerTag(fileName), mode, tracks, resolution);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  for (auto& [track, next] : s.smfNext) next = 0;
  return s.openResult;
}

uint32_t CloseSMF(uint32_t handle) { return Record("CloseSMF", handle), 0; }
uint32_t RewindSMF(uint32_t handle) { return Record("RewindSMF", handle), 0; }

uint32_t ReadSMF(uint32_t handle, uint32_t track, LPMIDIEVENT events, uint32_t count) {
  Record("ReadSMF", handle, track, PointerTag(events), count);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  const auto it = s.smfTracks.find(track);
  if (it == s.smfTracks.end() || events == nullptr) return 0;
  size_t& next = s.smfNext[track];
  const size_t n = std::min<size_t>({count, 8192, it->second.size() - next});
  std::copy_n(it->second.begin() + static_cast<std::ptrdiff_t>(next), n, events);
  next += n;
  return static_cast<uint32_t>(n);
}

uint32_t WriteSMF(uint32_t handle, uint32_t track, const MIDIEVENT* events, uint32_t count) {
  Record("WriteSMF", handle, track, PointerTag(events), count);
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  if (events != nullptr) s.written[track].insert(s.written[track].end(), events, events + count);
  return count;
}

uint32_t GetSMFResolution(uint32_t handle) { return Record("GetSMFResolution", handle), 0; }
uint32_t SetSMFResolution(uint32_t handle, uint32_t resolution) {
  return Record("SetSMFResolution", handle, resolution), 0;
}

int32_t ReadMetaEvent(uint32_t handle, uint32_t track, uint32_t type, uint8_t** data, uint32_t* length) {
  Record("ReadMetaEvent", handle, track, type, PointerTag(data));
  if (type != MIDIWAY_META_HEADER || data == nullptr || length == nullptr) return -1;
  auto& s = State();
  std::lock_guard<std::mutex> lock(s.mutex);
  const uint32_t tracks = s.smfTracks.empty() ? 0 : s.smfTracks.rbegin()->first + 1;
  const uint8_t header[7] = {0, 1, static_cast<uint8_t>(tracks >> 8), static_cast<uint8_t>(tracks), 0x01, 0xE0, 0};
  std::memcpy(s.header, header, sizeof header);
  *data = s.header;
  *length = 6;
  return 0;
}

int32_t WriteMetaEvent(uint32_t handle, uint32_t track, uint32_t type, const char* text, uint32_t length) {
  Record("WriteMetaEvent", handle, track, type, length);
  (void)text;
  return 0;
}
