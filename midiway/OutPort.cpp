#include "OutPort.h"

#include <algorithm>
#include <atomic>

#include "Sync.h"

namespace midiway {
namespace {

// The host's poster, handed over by SetMidiwayPoster; until then no messages.
std::atomic<MidiwayPoster> g_poster{nullptr};

constexpr uint8_t kNoteOff = 0x80, kNoteOn = 0x90, kControl = 0xB0;
constexpr uint8_t kAllSoundOff = 120, kAllNotesOff = 123;

constexpr size_t kMaxExclusive = 65536;

uint32_t TempoOf(const MIDIEVENT& e) { return std::max<uint32_t>(MidiwayTempoOf(&e), 1); }

}  // namespace

void SetPoster(MidiwayPoster poster) { g_poster.store(poster); }

void PostToHost(uint32_t window, uint32_t message, uint32_t wParam) {
  if (MidiwayPoster post = g_poster.load(); post != nullptr && window != 0) post(window, message, wParam, 0);
}

OutPort::OutPort(std::unique_ptr<OutSink> sink, uint32_t window, std::chrono::nanoseconds autoRelease,
                 std::shared_ptr<Sync> sync)
    : sink_(std::move(sink)), window_(window), autoRelease_(autoRelease), sync_(std::move(sync)) {}

OutPort::~OutPort() { Close(); }

void OutPort::Start(uint32_t handle) {
  handle_ = handle;
  sink_->Start();
  thread_ = std::thread([self = shared_from_this()] { self->Run(); });
}

Clock::time_point OutPort::DueLocked(uint32_t delta, Clock::time_point now) {
  // After an idle spell the first timed event counts from now, not from the
  // long-past previous one; while events wait, spacing is kept exactly.
  if (buffer_.empty() && lastDue_ < now) {
    anchor_ = now;
    ticks_ = 0;
  }
  ticks_ += delta;
  const long double ns = static_cast<long double>(ticks_) * tempo_ * 1000.0L / resolution_;
  const auto offset = std::chrono::nanoseconds(static_cast<int64_t>(std::min(ns, 1.0e18L)));
  lastDue_ = anchor_ + std::chrono::duration_cast<Clock::duration>(offset);
  return lastDue_;
}

void OutPort::LeaveClosedSyncLocked() {
  if (!sync_ || !sync_->Closed()) return;
  // Its events were timed on a clock that is gone.
  sync_.reset();
  DropBufferLocked();
}

uint32_t OutPort::Put(const MIDIEVENT& event) {
  const uint8_t status = event.status;
  const bool special = status == MIDIWAY_STATUS_TEMPO || status == MIDIWAY_STATUS_EXCLUSIVE;
  const bool playable = special || MessageLength(status) != 0;
  const auto now = Clock::now();
  std::lock_guard lock(mutex_);
  if (closed_) return MIDIWAY_PUT_BAD_HANDLE;
  LeaveClosedSyncLocked();
  if (event.time == MIDIWAY_TIME_NOW) {
    if (!playable) return MIDIWAY_PUT_SKIPPED;
    PlayLocked(Timed{now, 0, event}, now, false);
    wake_.notify_one();  // a new release may be due before the thread's next wake-up
    return MIDIWAY_PUT_TAKEN;
  }
  if (buffer_.size() >= MIDIWAY_OUT_BUFFER_EVENTS) {
    roomWanted_ = true;
    return MIDIWAY_PUT_FULL;
  }
  Timed timed{{}, 0, event};
  if (sync_) {
    // After an idle spell the next event counts from where the clock stands.
    if (buffer_.empty()) {
      const long double position = sync_->PositionAt(now);
      if (static_cast<long double>(syncTick_) < position) syncTick_ = static_cast<uint64_t>(position);
    }
    syncTick_ += event.time;
    timed.tick = syncTick_;
  } else {
    timed.due = DueLocked(event.time, now);
    // The events put after it are timed at the new tempo from its moment.
    if (status == MIDIWAY_STATUS_TEMPO) SetOwnTempoLocked(TempoOf(event));
  }
  if (!playable) return MIDIWAY_PUT_SKIPPED;  // its delta is kept all the same
  if (buffer_.empty() && sync_) sync_->PortBusy();
  buffer_.push_back(timed);
  busy_ = true;
  wake_.notify_one();
  return MIDIWAY_PUT_TAKEN;
}

void OutPort::SetOwnTempoLocked(uint32_t tempo) {
  anchor_ = lastDue_;
  ticks_ = 0;
  tempo_ = tempo;
}

void OutPort::PlayLocked(const Timed& timed, Clock::time_point at, bool isTimed) {
  const MIDIEVENT& e = timed.event;
  if (e.status == MIDIWAY_STATUS_TEMPO) {
    if (!sync_) {
      // For events put from now on: those waiting keep their times.
      if (!isTimed) SetOwnTempoLocked(TempoOf(e));
    } else {
      sync_->SetTempoAt(!isTimed ? static_cast<uint64_t>(sync_->PositionAt(at)) : timed.tick, TempoOf(e));
    }
    return;
  }
  if (e.status == MIDIWAY_STATUS_EXCLUSIVE) {
    if (e.data1 == 0xF0) exclusive_.clear();
    if (exclusive_.size() < kMaxExclusive) exclusive_.push_back(e.data1);
    if (e.data1 == 0xF7) {
      if (exclusive_.size() >= 2 && exclusive_.front() == 0xF0) sink_->SendExclusiveAt(exclusive_, at, isTimed);
      exclusive_.clear();
    }
    return;
  }
  const uint8_t message[3] = {e.status, static_cast<uint8_t>(e.data1 & 0x7F), static_cast<uint8_t>(e.data2 & 0x7F)};
  SendLocked(message, MessageLength(e.status), at, isTimed);
}

void OutPort::SendLocked(const uint8_t* message, int length, Clock::time_point at, bool isTimed) {
  sink_->SendAt(message, length, at, isTimed);
  if (autoRelease_.count() <= 0 || message[0] >= 0xF0) return;
  const uint8_t kind = message[0] & 0xF0;
  const uint8_t channel = message[0] & 0x0F;
  // Only notes sounded now are released: they are the drill's, which never
  // sends note-off. A timed note has its own, however late it comes.
  if (kind == kNoteOn && message[2] > 0 && !isTimed) {
    const auto due = at + std::chrono::duration_cast<Clock::duration>(autoRelease_);
    deadline_[channel][message[1]] = due;  // a restrike moves the release
    releases_.push(Release{due, channel, message[1]});
  } else if (kind == kNoteOff || kind == kNoteOn) {
    deadline_[channel][message[1]] = {};
  } else if (kind == kControl && (message[1] == kAllSoundOff || message[1] == kAllNotesOff)) {
    ClearReleasesLocked(channel);
  }
}

void OutPort::ClearReleasesLocked(int channel) {
  for (int c = 0; c < 16; ++c)
    if (channel < 0 || c == channel)
      std::fill(std::begin(deadline_[c]), std::end(deadline_[c]), Clock::time_point{});
  if (channel < 0) releases_ = {};
}

void OutPort::DropBufferLocked() {
  buffer_.clear();
  busy_ = false;
  ticks_ = 0;
  lastDue_ = {};
  syncTick_ = 0;
  exclusive_.clear();
}

void OutPort::Reset() {
  std::lock_guard lock(mutex_);
  if (closed_) return;
  DropBufferLocked();
  ClearReleasesLocked(-1);
  sink_->Silence();
  wake_.notify_one();  // posts the room a refused put is waiting for
}

void OutPort::Flush() {
  std::lock_guard lock(mutex_);
  if (closed_) return;
  DropBufferLocked();
  sink_->DropTimed();  // and what the device took ahead of its moment
  wake_.notify_one();
}

void OutPort::Wake() { wake_.notify_one(); }

void OutPort::DropTimed() { Flush(); }

void OutPort::WaitForAudio(Clock::time_point deadline) {
  {
    std::lock_guard lock(mutex_);
    if (closed_ || !sink_) return;
  }
  // The sink lives until Close, which the library does not run while an
  // entry point of the sync holds this port.
  sink_->WaitForAudio(deadline);
}

void OutPort::Close() {
  {
    std::lock_guard lock(mutex_);
    if (closed_) return;
    closed_ = true;
    DropBufferLocked();
    ClearReleasesLocked(-1);
    wake_.notify_one();
  }
  if (thread_.joinable()) {
    // A host that closes the port from inside its poster runs on this thread.
    if (thread_.get_id() == std::this_thread::get_id())
      thread_.detach();
    else
      thread_.join();
  }
  std::lock_guard lock(mutex_);
  if (sink_) {
    sink_->Silence();
    sink_.reset();
  }
}

void OutPort::Run() {
  // On a sync the due times move with its tempo, so they are looked at again
  // at least this often.
  constexpr auto kSyncRecheck = std::chrono::milliseconds(10);
  // A device that places events on their moment takes them this much ahead,
  // so that a late wake-up of this thread moves nothing.
  const auto ahead = sink_->Lookahead();
  std::unique_lock lock(mutex_);
  while (!closed_) {
    LeaveClosedSyncLocked();
    const auto now = Clock::now();
    bool played = false;
    Clock::time_point next = Clock::time_point::max();
    while (!buffer_.empty()) {
      const Timed& front = buffer_.front();
      Clock::time_point due = front.due;
      if (sync_) {
        const auto at = sync_->TimeOf(front.tick);
        due = at ? *at : Clock::time_point::max();
      }
      if (due > now + ahead) {
        next = due - ahead;
        break;
      }
      const Timed timed = front;
      buffer_.pop_front();
      // A late one sounds now, not in the past.
      PlayLocked(timed, ahead.count() > 0 ? std::max(due, now) : now, true);
      played = true;
    }
    busy_ = !buffer_.empty();
    while (!releases_.empty() && releases_.top().due <= now + ahead) {
      const Release release = releases_.top();
      releases_.pop();
      if (deadline_[release.channel][release.key] != release.due) continue;  // restruck or released
      deadline_[release.channel][release.key] = {};
      const uint8_t off[3] = {static_cast<uint8_t>(kNoteOff | release.channel), release.key, 0};
      sink_->SendAt(off, 3, std::max(release.due, now), false);  // a flush keeps it: the note rings
    }
    if (played && buffer_.empty() && sync_) {
      auto sync = sync_;
      lock.unlock();
      sync->PortDrained();
      lock.lock();
      continue;
    }
    if (roomWanted_ && buffer_.size() < MIDIWAY_OUT_BUFFER_EVENTS) {
      roomWanted_ = false;
      lock.unlock();
      PostToHost(window_, MIDIWAY_MSG_OUTPUT_READY, handle_);
      lock.lock();
      continue;
    }
    if (!releases_.empty()) next = std::min(next, releases_.top().due - ahead);
    if (sync_ && !buffer_.empty()) next = std::min(next, now + kSyncRecheck);
    if (next == Clock::time_point::max())
      wake_.wait(lock);
    else
      wake_.wait_until(lock, next);
  }
}

}  // namespace midiway
