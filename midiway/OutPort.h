// One open output port: the device behind it (a sink), the bounded buffer of
// timed events, the port's clock and the thread that plays the buffer.
#pragma once

#include <chrono>
#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <queue>
#include <thread>
#include <vector>

#include "MidiMessage.h"
#include "midiway.h"

namespace midiway {

using Clock = std::chrono::steady_clock;

// The device a port drives. Calls are serialised by the port.
class OutSink {
 public:
  virtual ~OutSink() = default;
  // One complete message; length follows from the status byte (1 to 3 bytes).
  virtual void Send(const uint8_t* message, int length) = 0;
  // All notes off and all sound off on all 16 channels.
  virtual void Silence() = 0;
  // Called once, as the last step of opening.
  virtual void Start() {}
  // A whole system-exclusive message, F0 to F7; devices that take none ignore it.
  virtual void SendExclusive(const std::vector<uint8_t>& /*message*/) {}
  // Waits (until the deadline at most) for the device's audio to flow at its
  // steady pace; devices without a starting stream are ready at once.
  virtual void WaitForAudio(Clock::time_point /*deadline*/) {}

  // Timed sending, for devices that can place an event on its moment: `at`
  // is when it is due (an event sounded now: when it was put); the device
  // sounds it at that moment plus a latency of its own, the same for every
  // event. timed: from the port's buffer (DropTimed drops such). Devices
  // without timing send at once.
  virtual void SendAt(const uint8_t* message, int length, Clock::time_point /*at*/, bool /*timed*/) {
    Send(message, length);
  }
  virtual void SendExclusiveAt(const std::vector<uint8_t>& message, Clock::time_point /*at*/, bool /*timed*/) {
    SendExclusive(message);
  }
  // How long before its moment the device takes an event (0: when it is due).
  virtual Clock::duration Lookahead() const { return Clock::duration::zero(); }
  // Drops the timed events taken ahead that have not sounded yet.
  virtual void DropTimed() {}
};

// Posts a message to the host's window (nothing without a host poster or window).
void PostToHost(uint32_t window, uint32_t message, uint32_t wParam);
void SetPoster(MidiwayPoster poster);

class Sync;

class OutPort : public std::enable_shared_from_this<OutPort> {
 public:
  // autoRelease > 0: every note sounded now (time MIDIWAY_TIME_NOW) is
  // released that long after its note-on. sync: the clock that times events, or none for a clock of its own.
  OutPort(std::unique_ptr<OutSink> sink, uint32_t window, std::chrono::nanoseconds autoRelease,
          std::shared_ptr<Sync> sync = nullptr);
  ~OutPort();
  OutPort(const OutPort&) = delete;
  OutPort& operator=(const OutPort&) = delete;

  // Starts the device and the port's thread (which holds the port until it ends).
  void Start(uint32_t handle);
  uint32_t Put(const MIDIEVENT& event);
  void Reset();
  void Flush();
  // Stops the clock, drops the buffer, silences and releases the device.
  void Close();

  // For the sync.
  bool Idle() const { return !busy_; }
  void Wake();
  void DropTimed();
  void WaitForAudio(Clock::time_point deadline);

 private:
  struct Timed {
    Clock::time_point due;  // on the port's own clock
    uint64_t tick;          // on the sync's
    MIDIEVENT event;
  };
  struct Release {
    Clock::time_point due;
    uint8_t channel, key;
    bool operator>(const Release& other) const { return due > other.due; }
  };

  void Run();
  // at: the event's moment (for an event put to sound now, when it was put).
  void PlayLocked(const Timed& timed, Clock::time_point at, bool isTimed);
  // The port's own clock runs on at this tempo from the last timed event put.
  void SetOwnTempoLocked(uint32_t tempo);
  // timed: from the buffer; otherwise put with time MIDIWAY_TIME_NOW (only
  // such notes are released).
  void SendLocked(const uint8_t* message, int length, Clock::time_point at, bool isTimed);
  void LeaveClosedSyncLocked();
  void ClearReleasesLocked(int channel);
  void DropBufferLocked();
  Clock::time_point DueLocked(uint32_t delta, Clock::time_point now);

  std::unique_ptr<OutSink> sink_;
  const uint32_t window_;
  const std::chrono::nanoseconds autoRelease_;
  uint32_t handle_ = 0;

  std::mutex mutex_;
  std::condition_variable wake_;
  bool closed_ = false;
  bool roomWanted_ = false;  // a put was refused; post when there is room
  std::deque<Timed> buffer_;
  // The port's clock: timed events are counted in ticks from an anchor.
  Clock::time_point anchor_{};
  uint64_t ticks_ = 0;
  Clock::time_point lastDue_{};
  uint32_t tempo_ = 500000;  // microseconds per quarter
  uint32_t resolution_ = 480;  // ticks per quarter
  std::shared_ptr<Sync> sync_;
  uint64_t syncTick_ = 0;      // tick of the last timed event put, on the sync's clock
  std::atomic<bool> busy_{false};  // timed events wait
  std::vector<uint8_t> exclusive_;  // an exclusive message being played
  // Pending automatic releases; an entry counts only while it matches the key's deadline.
  std::priority_queue<Release, std::vector<Release>, std::greater<>> releases_;
  Clock::time_point deadline_[16][128] = {};
  std::thread thread_;
};

}  // namespace midiway
