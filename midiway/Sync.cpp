#include "Sync.h"

#include <algorithm>
#include <cmath>

#include "OutPort.h"
#include "midiway.h"

namespace midiway {
namespace {

constexpr auto kAudioWait = std::chrono::seconds(2);
// Position 0 lies this far after StartSync, so that the first events wait
// for their time like all later ones instead of going as soon as a port's
// thread wakes up.
constexpr auto kStartLead = std::chrono::milliseconds(10);

uint32_t ValidTempo(uint32_t tempo) { return tempo == 0 ? 500000 : std::min<uint32_t>(tempo, MIDIWAY_MAX_TEMPO); }
uint32_t ValidResolution(uint32_t resolution) { return resolution == 0 ? 480 : std::min<uint32_t>(resolution, 0x7FFF); }

}  // namespace

Sync::Sync(uint32_t window, uint32_t tempo, uint32_t resolution)
    : window_(window), tempo_(ValidTempo(tempo)), resolution_(ValidResolution(resolution)) {}

Sync::~Sync() { Close(); }

void Sync::Begin(uint32_t handle) {
  handle_ = handle;
  thread_ = std::thread([self = shared_from_this()] { self->Run(); });
}

void Sync::Close() {
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    closed_ = true;
    running_ = false;
  }
  wake_.notify_all();
  if (thread_.joinable()) {
    if (thread_.get_id() == std::this_thread::get_id())
      thread_.detach();
    else
      thread_.join();
  }
  for (auto& port : Ports()) port->Wake();  // they leave this clock
}

bool Sync::Closed() const {
  std::lock_guard lock(mutex_);
  return closed_;
}

long double Sync::TickNsLocked() const { return static_cast<long double>(tempo_) * 1000.0L / resolution_; }

long double Sync::PositionLocked(Clock::time_point t) const {
  if (!running_) return anchorTick_;
  const long double ns = std::chrono::duration<long double, std::nano>(t - anchorTime_).count();
  return anchorTick_ + ns / TickNsLocked();
}

long double Sync::PositionAt(Clock::time_point t) const {
  std::lock_guard lock(mutex_);
  return std::max(0.0L, PositionLocked(t));  // not below 0 just after a start
}

Clock::time_point Sync::TimeOfLocked(long double tick) const {
  // Bounded so that a tick far from the anchor cannot overflow the clock.
  const long double ns = std::clamp((tick - anchorTick_) * TickNsLocked(), -1.0e15L, 1.0e17L);
  return anchorTime_ + std::chrono::duration_cast<Clock::duration>(std::chrono::nanoseconds(static_cast<int64_t>(ns)));
}

std::optional<Clock::time_point> Sync::TimeOf(uint64_t tick) const {
  std::lock_guard lock(mutex_);
  if (!running_) return std::nullopt;
  return TimeOfLocked(static_cast<long double>(tick));
}

std::vector<std::shared_ptr<OutPort>> Sync::Ports() {
  std::lock_guard lock(mutex_);
  std::vector<std::shared_ptr<OutPort>> ports;
  for (auto& weak : ports_)
    if (auto port = weak.lock()) ports.push_back(std::move(port));
  return ports;
}

void Sync::Attach(const std::shared_ptr<OutPort>& port) {
  std::lock_guard lock(mutex_);
  std::erase_if(ports_, [](const std::weak_ptr<OutPort>& p) { return p.expired(); });
  ports_.push_back(port);
}

void Sync::Start() {
  // The first notes would be lost in a starting audio stream; it is given a
  // bounded time to flow first.
  const auto deadline = Clock::now() + kAudioWait;
  for (auto& port : Ports()) port->WaitForAudio(deadline);
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    anchorTick_ = 0;
    anchorTime_ = Clock::now() + kStartLead;
    running_ = true;
    nextBeat_ = 0;
  }
  wake_.notify_all();
  for (auto& port : Ports()) port->Wake();
}

void Sync::Stop() {
  {
    std::lock_guard lock(mutex_);
    running_ = false;
    anchorTick_ = 0;
    nextBeat_ = 0;
  }
  wake_.notify_all();
  for (auto& port : Ports()) port->DropTimed();
}

void Sync::Pause(bool pause) {
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    const auto now = Clock::now();
    if (pause && running_) {
      anchorTick_ = PositionLocked(now);
      running_ = false;
    } else if (!pause && !running_) {
      anchorTime_ = now;
      running_ = true;
    }
  }
  wake_.notify_all();
  for (auto& port : Ports()) port->Wake();
}

void Sync::SetTempo(uint32_t tempo) {
  {
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    anchorTick_ = PositionLocked(now);
    anchorTime_ = now;
    tempo_ = ValidTempo(tempo);
  }
  wake_.notify_all();
  for (auto& port : Ports()) port->Wake();
}

void Sync::SetTempoAt(uint64_t tick, uint32_t tempo) {
  {
    std::lock_guard lock(mutex_);
    if (running_) {
      anchorTime_ = TimeOfLocked(static_cast<long double>(tick));
      anchorTick_ = static_cast<long double>(tick);
    }
    tempo_ = ValidTempo(tempo);
  }
  wake_.notify_all();
}

void Sync::SetResolution(uint32_t resolution) {
  {
    std::lock_guard lock(mutex_);
    const auto now = Clock::now();
    const uint32_t valid = ValidResolution(resolution);
    anchorTick_ = PositionLocked(now) * valid / resolution_;
    anchorTime_ = now;
    nextBeat_ = static_cast<uint64_t>(std::ceil(anchorTick_ / valid)) * valid;
    resolution_ = valid;
  }
  wake_.notify_all();
}

uint32_t Sync::Tempo() const {
  std::lock_guard lock(mutex_);
  return tempo_;
}

uint32_t Sync::Resolution() const {
  std::lock_guard lock(mutex_);
  return resolution_;
}

void Sync::PortBusy() {
  std::lock_guard lock(mutex_);
  doneArmed_ = true;
}

void Sync::PortDrained() {
  for (auto& port : Ports())
    if (!port->Idle()) return;
  {
    std::lock_guard lock(mutex_);
    if (!running_ || !doneArmed_ || closed_) return;
    doneArmed_ = false;
  }
  PostToHost(window_, MIDIWAY_MSG_SYNC_DONE, handle_);
}

void Sync::Run() {
  std::unique_lock lock(mutex_);
  while (!closed_) {
    if (!running_) {
      wake_.wait(lock);
      continue;
    }
    const auto now = Clock::now();
    if (PositionLocked(now) >= static_cast<long double>(nextBeat_)) {
      nextBeat_ += resolution_;
      lock.unlock();
      PostToHost(window_, MIDIWAY_MSG_SYNC_BEAT, handle_);
      lock.lock();
      continue;
    }
    wake_.wait_until(lock, TimeOfLocked(static_cast<long double>(nextBeat_)));
  }
}

}  // namespace midiway
