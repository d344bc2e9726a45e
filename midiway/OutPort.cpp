#include "OutPort.h"

#include <dlfcn.h>

#include <algorithm>

namespace midiway {
namespace {

using PostFunction = int (*)(uint32_t window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// The host's poster, found at run time; a host without one gets no messages.
PostFunction Poster() {
  static const PostFunction poster =
      reinterpret_cast<PostFunction>(dlsym(RTLD_DEFAULT, "PlatformPostMessage"));
  return poster;
}

constexpr uint8_t kNoteOff = 0x80, kNoteOn = 0x90, kControl = 0xB0;
constexpr uint8_t kAllSoundOff = 120, kAllNotesOff = 123;

}  // namespace

int MessageLength(uint8_t status) {
  if (status < 0x80) return 0;
  if (status < 0xF0) {
    const uint8_t kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 2 : 3;
  }
  switch (status) {
    case 0xF1:
    case 0xF3:
      return 2;
    case 0xF2:
      return 3;
    case 0xF0:  // SysEx does not fit in one event
    case 0xF4:
    case 0xF5:
    case 0xF7:
      return 0;
    default:
      return 1;
  }
}

OutPort::OutPort(std::unique_ptr<OutSink> sink, uint32_t window, std::chrono::nanoseconds autoRelease)
    : sink_(std::move(sink)), window_(window), autoRelease_(autoRelease) {}

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

uint32_t OutPort::Put(const MIDIEVENT& event) {
  const int length = MessageLength(event.status);
  if (length == 0) return MIDIWAY_PUT_BAD_EVENT;
  const uint8_t message[3] = {event.status, static_cast<uint8_t>(event.data1 & 0x7F),
                              static_cast<uint8_t>(event.data2 & 0x7F)};
  const auto now = Clock::now();
  std::lock_guard lock(mutex_);
  if (closed_) return MIDIWAY_PUT_BAD_HANDLE;
  if (event.time == MIDIWAY_TIME_NOW) {
    SendLocked(message, length, now);
    wake_.notify_one();  // a new release may be due before the thread's next wake-up
    return MIDIWAY_PUT_TAKEN;
  }
  if (buffer_.size() >= MIDIWAY_OUT_BUFFER_EVENTS) {
    roomWanted_ = true;
    return MIDIWAY_PUT_FULL;
  }
  buffer_.push_back(Timed{DueLocked(event.time, now), {message[0], message[1], message[2]}});
  wake_.notify_one();
  return MIDIWAY_PUT_TAKEN;
}

void OutPort::SendLocked(const uint8_t* message, int length, Clock::time_point now) {
  sink_->Send(message, length);
  if (autoRelease_.count() <= 0 || message[0] >= 0xF0) return;
  const uint8_t kind = message[0] & 0xF0;
  const uint8_t channel = message[0] & 0x0F;
  if (kind == kNoteOn && message[2] > 0) {
    const auto due = now + std::chrono::duration_cast<Clock::duration>(autoRelease_);
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
  ticks_ = 0;
  lastDue_ = {};
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
  wake_.notify_one();
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
  std::unique_lock lock(mutex_);
  while (!closed_) {
    const auto now = Clock::now();
    while (!buffer_.empty() && buffer_.front().due <= now) {
      const Timed event = buffer_.front();
      buffer_.pop_front();
      SendLocked(event.message, MessageLength(event.message[0]), now);
    }
    while (!releases_.empty() && releases_.top().due <= now) {
      const Release release = releases_.top();
      releases_.pop();
      if (deadline_[release.channel][release.key] != release.due) continue;  // restruck or released
      deadline_[release.channel][release.key] = {};
      const uint8_t off[3] = {static_cast<uint8_t>(kNoteOff | release.channel), release.key, 0};
      sink_->Send(off, 3);
    }
    if (roomWanted_ && buffer_.size() < MIDIWAY_OUT_BUFFER_EVENTS) {
      roomWanted_ = false;
      if (PostFunction post = Poster(); post != nullptr && window_ != 0) {
        lock.unlock();
        post(window_, MIDIWAY_MSG_OUTPUT_READY, handle_, 0);
        lock.lock();
      }
      continue;
    }
    Clock::time_point next = Clock::time_point::max();
    if (!buffer_.empty()) next = buffer_.front().due;
    if (!releases_.empty()) next = std::min(next, releases_.top().due);
    if (next == Clock::time_point::max())
      wake_.wait(lock);
    else
      wake_.wait_until(lock, next);
  }
}

}  // namespace midiway
