// One open input port: an ALSA sequencer port read through RtMidi, its events
// turned into records with deltas in ticks and kept until the host reads them.
#pragma once

#include <chrono>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "midiway.h"

class RtMidiIn;

namespace midiway {

class Sync;
using Clock = std::chrono::steady_clock;

// Turns timed messages into records; the port's thread feeds it, tests may too.
class InputQueue {
 public:
  // At most this many records wait; later ones are dropped until read.
  static constexpr size_t kMaxWaiting = 65536;

  explicit InputQueue(std::shared_ptr<Sync> sync) : sync_(std::move(sync)) {}
  void Start(Clock::time_point at);
  void Stop();
  // True when the queue was empty and nobody has been told yet (post 0x03C3).
  bool Receive(const uint8_t* message, size_t length, Clock::time_point at);
  // The next record, or nullptr; the record stays valid until the next call.
  LPMIDIEVENT Next();

 private:
  uint32_t DeltaLocked(Clock::time_point at);

  std::shared_ptr<Sync> sync_;
  std::mutex mutex_;
  bool started_ = false;
  bool told_ = false;  // 0x03C3 posted and not yet answered by a NULL
  Clock::time_point start_{};
  uint64_t lastTick_ = 0;
  std::deque<MIDIEVENT> waiting_;
  MIDIEVENT current_{};
};

class InPort {
 public:
  // nullptr, with error set, when the port cannot be opened.
  static std::unique_ptr<InPort> Open(uint32_t portIndex, uint32_t window, std::shared_ptr<Sync> sync,
                                      std::string& error);
  ~InPort();
  void SetHandle(uint32_t handle) { handle_ = handle; }
  void Start();
  void Stop();
  LPMIDIEVENT Next() { return queue_.Next(); }

 private:
  InPort(std::unique_ptr<RtMidiIn> in, uint32_t window, std::shared_ptr<Sync> sync);
  static void Callback(double, std::vector<unsigned char>* message, void* self);

  std::unique_ptr<RtMidiIn> in_;
  const uint32_t window_;
  uint32_t handle_ = 0;
  InputQueue queue_;
};

}  // namespace midiway
