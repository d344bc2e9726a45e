// The library's table of open ports, inputs, syncs and files, shared by the
// entry points of midiway.cpp and SmfEntries.cpp.
#pragma once

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "Diagnostics.h"
#include "InPort.h"
#include "OutPort.h"
#include "SeqOut.h"
#include "Smf.h"
#include "Sync.h"
#include "SynthOut.h"

namespace midiway {

inline constexpr auto kAutoRelease = std::chrono::seconds(2);
inline constexpr uint32_t kFirstHandle = 0x100;

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

// Everything the library holds, torn down in order when it is unloaded
// (or at exit), so that no thread of ours outlives our code.
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

extern Library g_library;

}  // namespace midiway
