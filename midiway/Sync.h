// A sync: a clock in ticks that output ports and input ports can share. It
// posts a beat every resolution ticks and "done" when its output ports have
// played everything put to them.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace midiway {

class OutPort;
using Clock = std::chrono::steady_clock;

class Sync : public std::enable_shared_from_this<Sync> {
 public:
  Sync(uint32_t window, uint32_t tempo, uint32_t resolution);
  ~Sync();
  Sync(const Sync&) = delete;
  Sync& operator=(const Sync&) = delete;

  void Begin(uint32_t handle);  // starts the beat thread
  void Close();
  bool Closed() const;

  void Start();
  void Stop();
  void Pause(bool pause);
  void SetTempo(uint32_t tempo);
  void SetResolution(uint32_t resolution);
  uint32_t Tempo() const;
  uint32_t Resolution() const;
  long double PositionAt(Clock::time_point t) const;

  // For the ports on this clock.
  std::optional<Clock::time_point> TimeOf(uint64_t tick) const;  // none while stopped
  void SetTempoAt(uint64_t tick, uint32_t tempo);                 // a tempo event played
  void Attach(const std::shared_ptr<OutPort>& port);
  void PortBusy();     // a port took a timed event into an empty buffer
  void PortDrained();  // a port played its last waiting event

 private:
  long double PositionLocked(Clock::time_point t) const;
  long double TickNsLocked() const;
  Clock::time_point TimeOfLocked(long double tick) const;  // while running
  std::vector<std::shared_ptr<OutPort>> Ports();
  void Run();

  const uint32_t window_;
  uint32_t handle_ = 0;
  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool closed_ = false;
  bool running_ = false;
  bool doneArmed_ = false;
  Clock::time_point anchorTime_{};
  long double anchorTick_ = 0;
  uint32_t tempo_;
  uint32_t resolution_;
  uint64_t nextBeat_ = 0;
  std::vector<std::weak_ptr<OutPort>> ports_;
  std::thread thread_;
};

}  // namespace midiway
