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

#include <unistd.h>

#include <cstdio>

#include "AtomicFile.h"
#include "Diagnostics.h"
#include "InPort.h"
#include "OutPort.h"
#include "SeqOut.h"
#include "Smf.h"
#include "Sync.h"
#include "SynthOut.h"

using namespace midiway;

namespace {

constexpr auto kAutoRelease = std::chrono::seconds(2);
constexpr uint32_t kFirstHandle = 0x100;

// Everything the library holds, torn down in order when it is unloaded
// (or at exit), so that no thread of ours outlives our code.
// A Standard MIDI File open for reading or for writing.
struct SmfHandle {
  std::mutex mutex;
  char mode = 'r';
  // reading
  SmfFile file;
  std::vector<size_t> next;       // per track: the next event ReadSMF hands over
  std::vector<uint8_t> metaCopy;  // what ReadMetaEvent's pointer shows
  // writing
  std::string path;
  uint32_t resolution = 480;
  std::vector<SmfTrackWriter> writers;
};

class Library {
 public:
  ~Library() {
    std::map<uint32_t, std::shared_ptr<OutPort>> ports;
    std::map<uint32_t, std::shared_ptr<InPort>> ins;
    std::map<uint32_t, std::shared_ptr<Sync>> syncs;
    std::map<uint32_t, std::shared_ptr<SmfHandle>> smfs;
    {
      std::lock_guard lock(mutex_);
      ports.swap(ports_);
      ins.swap(ins_);
      syncs.swap(syncs_);
      smfs.swap(smfs_);
    }
    // A file never closed is not written: nothing of it is on disk yet.
    ins.clear();
    for (auto& [handle, port] : ports) port->Close();
    ports.clear();
    for (auto& [handle, sync] : syncs) sync->Close();
    syncs.clear();
    ReleaseSequencer();
    RestoreLibraries();
  }

  std::shared_ptr<OutPort> Find(uint32_t handle) { return Lookup(ports_, handle); }
  std::shared_ptr<InPort> FindIn(uint32_t handle) { return Lookup(ins_, handle); }
  std::shared_ptr<Sync> FindSync(uint32_t handle) { return Lookup(syncs_, handle); }
  std::shared_ptr<SmfHandle> FindSmf(uint32_t handle) { return Lookup(smfs_, handle); }

  uint32_t AddIn(std::shared_ptr<InPort> in) {
    std::lock_guard lock(mutex_);
    const uint32_t handle = NewHandleLocked();
    in->SetHandle(handle);
    ins_[handle] = std::move(in);
    return handle;
  }

  std::shared_ptr<InPort> TakeIn(uint32_t handle) { return Take(ins_, handle); }
  std::shared_ptr<Sync> TakeSync(uint32_t handle) { return Take(syncs_, handle); }
  std::shared_ptr<SmfHandle> TakeSmf(uint32_t handle) { return Take(smfs_, handle); }

  uint32_t AddSync(std::shared_ptr<Sync> sync) {
    std::lock_guard lock(mutex_);
    const uint32_t handle = NewHandleLocked();
    syncs_[handle] = sync;
    sync->Begin(handle);
    return handle;
  }

  uint32_t AddSmf(std::shared_ptr<SmfHandle> smf) {
    std::lock_guard lock(mutex_);
    const uint32_t handle = NewHandleLocked();
    smfs_[handle] = std::move(smf);
    return handle;
  }

  uint32_t Open(uint32_t window, uint32_t deviceId, uint32_t syncHandle) {
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
    auto sync = FindSync(syncHandle);
    auto port = std::make_shared<OutPort>(std::move(sink), window, release, sync);
    if (sync) sync->Attach(port);
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
  template <class Table>
  typename Table::mapped_type Lookup(Table& table, uint32_t handle) {
    std::lock_guard lock(mutex_);
    const auto it = table.find(handle);
    return it == table.end() ? nullptr : it->second;
  }

  template <class Table>
  typename Table::mapped_type Take(Table& table, uint32_t handle) {
    std::lock_guard lock(mutex_);
    const auto it = table.find(handle);
    if (it == table.end()) return nullptr;
    auto taken = std::move(it->second);
    table.erase(it);
    return taken;
  }

  uint32_t NewHandleLocked() {
    // Handles of every kind come from one count and are not reused soon, so
    // a stale one does not reach a new port, clock or file.
    do {
      if (++nextHandle_ <= 32) nextHandle_ = kFirstHandle;
    } while (ports_.count(nextHandle_) != 0 || ins_.count(nextHandle_) != 0 || syncs_.count(nextHandle_) != 0 ||
             smfs_.count(nextHandle_) != 0);
    return nextHandle_;
  }

  std::mutex openMutex_;  // opens and closes one at a time
  std::mutex mutex_;      // the table
  std::map<uint32_t, std::shared_ptr<OutPort>> ports_;
  std::map<uint32_t, std::shared_ptr<InPort>> ins_;
  std::map<uint32_t, std::shared_ptr<Sync>> syncs_;
  std::map<uint32_t, std::shared_ptr<SmfHandle>> smfs_;
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

template <class Action>
uint32_t OnSync(uint32_t handle, Action action) {
  auto sync = g_library.FindSync(handle);
  if (!sync) return MIDIWAY_ERR_BAD_HANDLE;
  action(*sync);
  return MIDIWAY_OK;
}

bool ReadWhole(const char* path, std::vector<uint8_t>& bytes, std::string& error) {
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) {
    error = std::string("cannot open ") + path;
    return false;
  }
  uint8_t chunk[65536];
  size_t got;
  while ((got = std::fread(chunk, 1, sizeof chunk, file)) > 0) {
    if (bytes.size() + got > kMaxSmfBytes) {
      std::fclose(file);
      error = "file too large";
      return false;
    }
    bytes.insert(bytes.end(), chunk, chunk + got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) error = std::string("cannot read ") + path;
  return !failed;
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

// --- Standard MIDI Files --------------------------------------------------------

uint32_t OpenSMF(const char* fileName, uint32_t mode, uint32_t tracks, uint32_t resolution) {
  try {
    if (fileName == nullptr || fileName[0] == '\0') {
      SetLastError("no file name");
      return MIDIWAY_OPEN_FAILED;
    }
    auto smf = std::make_shared<SmfHandle>();
    std::string error;
    if (mode == 'r') {
      std::vector<uint8_t> bytes;
      if (!ReadWhole(fileName, bytes, error) || !ParseSmf(bytes.data(), bytes.size(), smf->file, error)) {
        SetLastError(std::string(fileName) + ": " + error);
        return MIDIWAY_OPEN_FAILED;
      }
      smf->mode = 'r';
      smf->next.assign(smf->file.tracks.size(), 0);
    } else if (mode == 'w') {
      if (tracks == 0 || tracks > 0xFFFF) {
        SetLastError("a file has 1 to 65535 tracks");
        return MIDIWAY_OPEN_FAILED;
      }
      smf->mode = 'w';
      smf->path = fileName;
      // Written whole at close, beside the file's final target and renamed
      // over it; a folder that cannot take it is refused now.
      const std::string target = FinalTarget(smf->path);
      const size_t slash = target.rfind('/');
      const std::string folder = slash == std::string::npos ? "." : target.substr(0, slash + 1);
      if (access(folder.c_str(), W_OK | X_OK) != 0) {
        SetLastError(std::string("cannot create ") + fileName);
        return MIDIWAY_OPEN_FAILED;
      }
      smf->resolution = resolution == 0 ? 480 : std::min<uint32_t>(resolution, 0x7FFF);
      smf->writers.resize(tracks);
    } else {
      SetLastError("mode is 'r' or 'w'");
      return MIDIWAY_OPEN_FAILED;
    }
    return g_library.AddSmf(std::move(smf));
  } catch (const std::exception& e) {
    SetLastError(e.what());
    return MIDIWAY_OPEN_FAILED;
  }
}

uint32_t CloseSMF(uint32_t handle) {
  auto smf = g_library.TakeSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w') return MIDIWAY_OK;
  try {
    std::vector<std::vector<uint8_t>> bodies;
    for (auto& writer : smf->writers) bodies.push_back(writer.Finish());
    const auto bytes = BuildSmf(smf->resolution, bodies);
    if (WriteFileAtomic(smf->path, std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size())))
      return MIDIWAY_OK;
  } catch (const std::exception& e) {
    SetLastError(e.what());
  }
  SetLastError("cannot write " + smf->path);
  return MIDIWAY_ERR_FAILED;
}

uint32_t RewindSMF(uint32_t handle) {
  auto smf = g_library.FindSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  std::fill(smf->next.begin(), smf->next.end(), 0);
  return MIDIWAY_OK;
}

uint32_t ReadSMF(uint32_t handle, uint32_t track, LPMIDIEVENT events, uint32_t count) {
  auto smf = g_library.FindSmf(handle);
  if (!smf || events == nullptr) return 0;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'r' || track >= smf->file.tracks.size()) return 0;
  const auto& all = smf->file.tracks[track].events;
  size_t& next = smf->next[track];
  const size_t n = std::min<size_t>({count, 8192, all.size() - next});
  std::copy_n(all.begin() + static_cast<std::ptrdiff_t>(next), n, events);
  next += n;
  return static_cast<uint32_t>(n);
}

uint32_t WriteSMF(uint32_t handle, uint32_t track, const MIDIEVENT* events, uint32_t count) {
  auto smf = g_library.FindSmf(handle);
  if (!smf || (events == nullptr && count > 0)) return 0;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w' || track >= smf->writers.size()) return 0;
  uint32_t written = 0;
  for (uint32_t i = 0; i < count; ++i)
    if (smf->writers[track].Put(events[i])) ++written;
  return written;
}

uint32_t GetSMFResolution(uint32_t handle) {
  auto smf = g_library.FindSmf(handle);
  if (!smf) return 0;
  std::lock_guard lock(smf->mutex);
  return smf->mode == 'r' ? smf->file.resolution : smf->resolution;
}

uint32_t SetSMFResolution(uint32_t handle, uint32_t resolution) {
  auto smf = g_library.FindSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w' || resolution == 0 || resolution > 0x7FFF) return MIDIWAY_ERR_FAILED;
  smf->resolution = resolution;
  return MIDIWAY_OK;
}

int32_t ReadMetaEvent(uint32_t handle, uint32_t track, uint32_t type, uint8_t** data, uint32_t* length) {
  if (data != nullptr) *data = nullptr;
  if (length != nullptr) *length = 0;
  auto smf = g_library.FindSmf(handle);
  if (!smf || data == nullptr || length == nullptr) return -1;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'r') return -1;
  if (type == MIDIWAY_META_HEADER) {
    const SmfFile& f = smf->file;
    const uint32_t count = static_cast<uint32_t>(f.tracks.size());
    smf->metaCopy = {static_cast<uint8_t>(f.format >> 8), static_cast<uint8_t>(f.format),
                     static_cast<uint8_t>(count >> 8),    static_cast<uint8_t>(count),
                     static_cast<uint8_t>(f.division >> 8), static_cast<uint8_t>(f.division), 0};
    *data = smf->metaCopy.data();
    *length = 6;
    return 0;
  }
  if (track >= smf->file.tracks.size()) return -1;
  for (const SmfMeta& meta : smf->file.tracks[track].metas) {
    if (meta.type != type) continue;
    // A copy with a zero after it, so a caller that takes it as text stops there.
    smf->metaCopy.assign(meta.data.begin(), meta.data.end());
    smf->metaCopy.push_back(0);
    *data = smf->metaCopy.data();
    *length = static_cast<uint32_t>(meta.data.size());
    return 0;
  }
  return -1;
}

uint32_t GetSMFTrackStatus(uint32_t handle, uint32_t track, uint32_t* offset, uint32_t* tick) {
  if (offset != nullptr) *offset = 0;
  if (tick != nullptr) *tick = 0;
  auto smf = g_library.FindSmf(handle);
  if (!smf) return MIDIWAY_ERR_BAD_HANDLE;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'r' || track >= smf->file.tracks.size()) return MIDIWAY_ERR_BAD_HANDLE;
  const SmfTrack& read = smf->file.tracks[track];
  if (!read.damaged) return MIDIWAY_OK;
  if (offset != nullptr) *offset = static_cast<uint32_t>(std::min<uint64_t>(read.damageOffset, UINT32_MAX));
  if (tick != nullptr) *tick = static_cast<uint32_t>(std::min<uint64_t>(read.damageTick, UINT32_MAX));
  return MIDIWAY_SMF_CUT_SHORT;
}

int32_t WriteMetaEvent(uint32_t handle, uint32_t track, uint32_t type, const char* text, uint32_t length) {
  auto smf = g_library.FindSmf(handle);
  if (!smf || type > 0x7F || (text == nullptr && length > 0)) return -1;
  std::lock_guard lock(smf->mutex);
  if (smf->mode != 'w' || track >= smf->writers.size()) return -1;
  const size_t size = length != 0 ? length : text != nullptr ? std::strlen(text) : 0;
  smf->writers[track].PutMeta(static_cast<uint8_t>(type), reinterpret_cast<const uint8_t*>(text), size);
  return 0;
}

}  // extern "C"
