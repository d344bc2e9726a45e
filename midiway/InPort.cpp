#include "InPort.h"

#include <RtMidi.h>

#include <cmath>

#include "Diagnostics.h"
#include "OutPort.h"
#include "SeqOut.h"
#include "Sync.h"

namespace midiway {
namespace {

constexpr long double kOwnTickNs = 500000.0L * 1000.0L / 480.0L;  // 120 bpm, 480 per quarter

void KeepError(RtMidiError::Type type, const std::string& text, void* userData) {
  if (userData == nullptr || type == RtMidiError::DEBUG_WARNING) return;
  *static_cast<std::string*>(userData) = text;
}

}  // namespace

void InputQueue::Start(Clock::time_point at) {
  std::lock_guard lock(mutex_);
  started_ = true;
  start_ = at;
  lastTick_ = 0;
  if (sync_) lastTick_ = static_cast<uint64_t>(std::llround(sync_->PositionAt(at)));
}

void InputQueue::Stop() {
  std::lock_guard lock(mutex_);
  started_ = false;
}

uint32_t InputQueue::DeltaLocked(Clock::time_point at) {
  long double position;
  if (sync_ && !sync_->Closed()) {
    position = sync_->PositionAt(at);
  } else {
    position = std::chrono::duration<long double, std::nano>(at - start_).count() / kOwnTickNs;
  }
  const uint64_t tick = position <= 0 ? 0 : static_cast<uint64_t>(std::llround(position));
  const uint64_t delta = tick > lastTick_ ? tick - lastTick_ : 0;
  lastTick_ = std::max(lastTick_, tick);
  return static_cast<uint32_t>(std::min<uint64_t>(delta, 0xFFFFFFFEull));
}

bool InputQueue::Receive(const uint8_t* message, size_t length, Clock::time_point at) {
  if (message == nullptr || length == 0 || message[0] < 0x80) return false;
  std::lock_guard lock(mutex_);
  if (!started_) return false;
  const uint8_t status = message[0];
  if (status == 0xF4 || status == 0xF5 || status == 0xF9 || status == 0xFD) return false;  // no meaning
  const uint32_t delta = DeltaLocked(at);
  const bool wasEmpty = waiting_.empty();
  if (status == 0xF0) {
    // One record per byte, as the records of a file carry them.
    if (waiting_.size() + length > kMaxWaiting) return false;
    for (size_t i = 0; i < length; ++i)
      waiting_.push_back(MIDIEVENT{i == 0 ? delta : 0, MIDIWAY_STATUS_EXCLUSIVE, message[i], 0, 0});
  } else {
    if (waiting_.size() >= kMaxWaiting) return false;
    waiting_.push_back(MIDIEVENT{delta, status, length > 1 ? message[1] : uint8_t{0},
                                 length > 2 ? message[2] : uint8_t{0}, 0});
  }
  if (!wasEmpty || told_) return false;
  told_ = true;
  return true;
}

LPMIDIEVENT InputQueue::Next() {
  std::lock_guard lock(mutex_);
  if (waiting_.empty()) {
    told_ = false;
    return nullptr;
  }
  current_ = waiting_.front();
  waiting_.pop_front();
  return &current_;
}

InPort::InPort(std::unique_ptr<RtMidiIn> in, uint32_t window, std::shared_ptr<Sync> sync)
    : in_(std::move(in)), window_(window), queue_(std::move(sync)) {}

std::unique_ptr<InPort> InPort::Open(uint32_t portIndex, uint32_t window, std::shared_ptr<Sync> sync,
                                     std::string& error) {
  QuietLibraries();
  if (!SequencerAvailable()) {
    error = "no ALSA sequencer";
    return nullptr;
  }
  std::string errors;
  std::unique_ptr<RtMidiIn> in;
  try {
    in = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, "Midiway");
    in->setErrorCallback(KeepError, &errors);
    if (portIndex >= in->getPortCount()) {
      error = "no input device " + std::to_string(portIndex);
      return nullptr;
    }
    in->openPort(portIndex, "Midiway input");
  } catch (const std::exception& e) {
    errors = e.what();
  }
  if (!in || !in->isPortOpen()) {
    error = errors.empty() ? "sequencer port could not be opened" : errors;
    return nullptr;
  }
  in->setErrorCallback(KeepError, nullptr);
  // Exclusive messages and active sensing come through; clocks and time code
  // would flood the queue.
  in->ignoreTypes(false, true, false);
  std::unique_ptr<InPort> port(new InPort(std::move(in), window, std::move(sync)));
  port->in_->setCallback(&InPort::Callback, port.get());
  return port;
}

InPort::~InPort() {
  try {
    in_->cancelCallback();
    in_->closePort();
  } catch (const std::exception&) {
  }
}

void InPort::Callback(double, std::vector<unsigned char>* message, void* self) {
  auto* port = static_cast<InPort*>(self);
  if (message == nullptr) return;
  if (port->queue_.Receive(message->data(), message->size(), Clock::now()))
    PostToHost(port->window_, MIDIWAY_MSG_INPUT_DATA, port->handle_);
}

void InPort::Start() { queue_.Start(Clock::now()); }
void InPort::Stop() { queue_.Stop(); }

}  // namespace midiway
