// The built-in synthesizer's sound on time: rendering for the sound card,
// the clock of its frames, and the events timed to them.
#include <algorithm>
#include <cstring>
#include <thread>

#include "SynthOut.h"

namespace midiway {

int SynthOut::Render(void* self, int length, int nfx, float* fx[], int nout, float* out[]) {
  auto* synth = static_cast<SynthOut*>(self);
  constexpr int kMaxBuffers = 32;
  if (length <= 0 || !synth->timedRendering_ || nfx > kMaxBuffers || nout > kMaxBuffers) {
    synth->rendered_.fetch_add(static_cast<uint64_t>(std::max(length, 0)), std::memory_order_relaxed);
    return fluid_synth_process(synth->synth_, length, nfx, fx, nout, out);
  }
  synth->Observe(synth->rendered_.load(std::memory_order_relaxed), Clock::now());
  int result = FLUID_OK;
  synth->RenderTimed(length, [&](int offset, int frames, bool silent) {
    if (silent) {
      for (int i = 0; i < nfx; ++i)
        if (fx[i] != nullptr) std::fill(fx[i] + offset, fx[i] + offset + frames, 0.0f);
      for (int i = 0; i < nout; ++i)
        if (out[i] != nullptr) std::fill(out[i] + offset, out[i] + offset + frames, 0.0f);
      return;
    }
    float* fxAt[kMaxBuffers];
    float* outAt[kMaxBuffers];
    for (int i = 0; i < nfx; ++i) fxAt[i] = fx[i] != nullptr ? fx[i] + offset : nullptr;
    for (int i = 0; i < nout; ++i) outAt[i] = out[i] != nullptr ? out[i] + offset : nullptr;
    if (fluid_synth_process(synth->synth_, frames, nfx, nfx > 0 ? fxAt : nullptr, nout, outAt) != FLUID_OK)
      result = FLUID_FAILED;
  });
  return result;
}

uint32_t SynthOut::RenderPulse(int frames, float* stereo, std::chrono::nanoseconds playsIn) {
  if (playsIn.count() >= 0) Observe(rendered_.load(std::memory_order_relaxed), Clock::now() + playsIn);
  const uint32_t grown = RenderStereo(frames, stereo);
  if (grown > 0) {
    // Its frames are heard later by the growth: nothing waits to sound.
    std::lock_guard lock(clockMutex_);
    clock_.Reanchor();
  }
  return grown;
}

uint32_t SynthOut::RenderStereo(int frames, float* stereo) {
  RenderTimed(frames, [this, stereo](int offset, int length, bool silent) {
    float* at = stereo + 2 * offset;
    if (silent)
      std::fill(at, at + 2 * length, 0.0f);
    else
      fluid_synth_write_float(synth_, length, at, 0, 2, at, 1, 2);
  });
  if (!buffer_ || !buffer_->GrowthDue() || !Quiet()) return 0;
  const int ms = buffer_->Grow();
  return ms > 0 ? static_cast<uint32_t>(FramesOf(ms)) : 0;
}

bool SynthOut::Quiet() {
  {
    std::lock_guard lock(queueMutex_);
    if (!queue_.empty()) return false;
  }
  return fluid_synth_get_active_voice_count(synth_) == 0;
}

void SynthOut::RanDry(uint64_t silentFrames) {
  // The file's frames after the silence are the rendered ones moved on by
  // it: events already waiting keep their place in the file.
  const auto shift = static_cast<int64_t>(silentFrames);
  {
    std::lock_guard lock(clockMutex_);
    clock_.Shift(static_cast<int64_t>(static_cast<long double>(shift) * 1e9L / rate_));
  }
  {
    std::lock_guard lock(queueMutex_);
    for (Scheduled& event : queue_) event.frame -= shift;
  }
  dry_ = true;
  buffer_->Underrun();
}

// A sound card's callback renders its frames ahead of their playing, by an
// amount that varies with the sound server's requests and with how late the
// callback's thread wakes up; our PulseAudio stream's word on when its
// frames are heard comes late on a busy machine. The clock keeps the
// earliest of them and holds the mapping still once the flow settled.
void SynthOut::Observe(uint64_t frame, Clock::time_point heard) {
  std::unique_lock lock(clockMutex_, std::try_to_lock);
  if (!lock.owns_lock()) return;
  clock_.Observe(frame, std::chrono::duration_cast<std::chrono::nanoseconds>(heard.time_since_epoch()).count());
}

Clock::duration SynthOut::Latency() const {
  if (wav_) return std::chrono::milliseconds(BufferMs());
  // Our PulseAudio stream is followed by when its frames are heard: an event
  // is placed the largest buffer and a margin later, on a frame not rendered
  // yet however the buffer grows.
  if (pulse_) return std::chrono::milliseconds(buffer_->MaxMs() + kPulseRequestMs + kPulseMarginMs);
  // A callback may render its first frame that much before the frame's
  // moment, and an event goes to the block start nearest it; half a
  // millisecond more for the wake-up of a callback.
  const double seconds = (kPeriodFrames + kSynthBlockFrames / 2) / rate_ + 0.0005;
  return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(seconds));
}

Clock::duration SynthOut::Lookahead() const {
  if (!timedRendering_) return Clock::duration::zero();
  // A file standing in for a card takes its events as much earlier as its
  // card may grow, so that a late port thread still finds its frame unrendered.
  if (wav_ && buffer_) return std::chrono::duration_cast<Clock::duration>(kSynthLookahead + std::chrono::milliseconds(BufferMs()));
  return std::chrono::duration_cast<Clock::duration>(kSynthLookahead);
}

void SynthOut::Schedule(Scheduled event, Clock::time_point at) {
  int64_t frame = 0;  // before the first callback: at once
  const int64_t atNs = std::chrono::duration_cast<std::chrono::nanoseconds>((at + Latency()).time_since_epoch()).count();
  {
    std::lock_guard lock(clockMutex_);
    if (clock_.Known()) frame = std::max<int64_t>(clock_.FrameAt(atNs), 0);
  }
  event.frame = frame;
  std::lock_guard lock(queueMutex_);
  event.order = order_++;
  const auto place = std::upper_bound(queue_.begin(), queue_.end(), frame,
                                      [](int64_t f, const Scheduled& e) { return f < e.frame; });
  queue_.insert(place, std::move(event));
}

void SynthOut::SendAt(const uint8_t* message, int length, Clock::time_point at, bool timed) {
  if (!timedRendering_) return PlayMessage(message, length);
  Scheduled event{0, 0, timed, std::clamp(length, 1, 3), {message[0], 0, 0}, {}};
  for (int i = 1; i < event.length; ++i) event.message[i] = message[i];
  Schedule(std::move(event), at);
}

void SynthOut::SendExclusiveAt(const std::vector<uint8_t>& message, Clock::time_point at, bool timed) {
  if (!timedRendering_) return SendExclusive(message);
  Schedule(Scheduled{0, 0, timed, 0, {0, 0, 0}, message}, at);
}

void SynthOut::DropTimed() {
  std::lock_guard lock(queueMutex_);
  std::erase_if(queue_, [](const Scheduled& e) { return e.timed; });
}

void SynthOut::Play(const Scheduled& event) {
  if (event.length == 0)
    SendExclusive(event.exclusive);
  else
    PlayMessage(event.message, event.length);
}

template <class Piece>
void SynthOut::RenderTimed(int length, Piece&& render) {
  constexpr int64_t kBlock = kSynthBlockFrames;
  const auto start = static_cast<int64_t>(rendered_.load(std::memory_order_relaxed));
  const int64_t end = start + length;
  int64_t at = start;
  while (at < end) {
    int64_t next = end;
    int64_t silence = 0;
    int64_t dropped = 0;
    {
      // Played under the lock, so that a reset drops or silences every event.
      std::lock_guard lock(queueMutex_);
      // The synthesizer starts a note only at its block's first frame, and
      // what is played before takes effect there: pieces end on blocks.
      const int64_t phase = ((at - skew_) % kBlock + kBlock) % kBlock;
      size_t played = 0;
      if (phase != 0 && dry_) {
        // Just after a gap the rest of the synthesizer's block is dropped,
        // unheard in the gap, so that what became due meanwhile (a note's
        // end) takes effect at once rather than a block later.
        dropped = kBlock - phase;
      } else if (phase != 0) {
        while (played < queue_.size() && queue_[played].frame <= at) Play(queue_[played++]);
        next = std::min(end, at + kBlock - phase);
      } else {
        while (played < queue_.size()) {
          const int64_t frame = queue_[played].frame;
          if (frame - at >= kBlock) {
            next = std::min(end, at + (frame - at) / kBlock * kBlock);
            break;
          }
          if (frame > at && played == 0 && fluid_synth_get_active_voice_count(synth_) == 0) {
            // Nothing sounds: silence up to the event's own frame moves the
            // synthesizer's blocks to start there.
            silence = std::min(frame, end) - at;
            break;
          }
          if (frame - at > kBlock / 2) {  // the next block start is nearer
            next = std::min(end, at + kBlock);
            break;
          }
          Play(queue_[played++]);
        }
      }
      queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(played));
    }
    dry_ = false;
    if (dropped > 0) {
      fluid_synth_write_float(synth_, static_cast<int>(dropped), scratch_.data(), 0, 2, scratch_.data(), 1, 2);
      skew_ -= dropped;
      continue;
    }
    if (silence > 0) {
      render(static_cast<int>(at - start), static_cast<int>(silence), true);
      skew_ += silence;
      at += silence;
      continue;
    }
    render(static_cast<int>(at - start), static_cast<int>(next - at), false);
    at = next;
  }
  rendered_.store(static_cast<uint64_t>(end), std::memory_order_relaxed);
}

// A sound server starting a stream first pulls audio in bursts (filling its
// buffers) or not at all; events sent meanwhile come out late or bunched.
// The flow counts as steady once two windows of 100 ms in a row have asked
// for 100 ms of audio each, within a quarter.
void SynthOut::WaitForAudio(Clock::time_point deadline) {
  if (!counted_) return;  // a rendered file, or a driver we cannot watch
  constexpr auto kWindow = std::chrono::milliseconds(100);
  double rate = 44100.0;
  fluid_settings_getnum(settings_, "synth.sample-rate", &rate);
  const double expected = rate * std::chrono::duration<double>(kWindow).count();
  int steady = 0;
  uint64_t before = rendered_.load(std::memory_order_relaxed);
  while (steady < 2) {
    const auto windowEnd = Clock::now() + kWindow;
    if (windowEnd > deadline) return;
    std::this_thread::sleep_until(windowEnd);
    const uint64_t after = rendered_.load(std::memory_order_relaxed);
    const double ratio = static_cast<double>(after - before) / expected;
    steady = after > 0 && ratio > 0.75 && ratio < 1.25 ? steady + 1 : 0;
    before = after;
  }
}

void SynthOut::SendExclusive(const std::vector<uint8_t>& message) {
  // FluidSynth takes the bytes between F0 and F7 (GM and GS resets, tunings).
  if (message.size() < 3) return;
  fluid_synth_sysex(synth_, reinterpret_cast<const char*>(message.data() + 1), static_cast<int>(message.size() - 2),
                    nullptr, nullptr, nullptr, 0);
}

void SynthOut::Send(const uint8_t* message, int length) { PlayMessage(message, length); }

void SynthOut::PlayMessage(const uint8_t* message, int length) {
  const uint8_t status = message[0];
  if (status == 0xFF) {
    fluid_synth_system_reset(synth_);
    return;
  }
  if (status >= 0xF0 || length < 2) return;  // the synthesizer has no use for system messages
  const int channel = status & 0x0F;
  const int d1 = message[1];
  const int d2 = length > 2 ? message[2] : 0;
  switch (status & 0xF0) {
    case 0x80:
      fluid_synth_noteoff(synth_, channel, d1);
      break;
    case 0x90:
      if (d2 == 0)
        fluid_synth_noteoff(synth_, channel, d1);
      else
        fluid_synth_noteon(synth_, channel, d1, d2);
      break;
    case 0xA0:
      fluid_synth_key_pressure(synth_, channel, d1, d2);
      break;
    case 0xB0:
      fluid_synth_cc(synth_, channel, d1, d2);
      break;
    case 0xC0:
      fluid_synth_program_change(synth_, channel, d1);
      break;
    case 0xD0:
      fluid_synth_channel_pressure(synth_, channel, d1);
      break;
    case 0xE0:
      fluid_synth_pitch_bend(synth_, channel, d1 | (d2 << 7));
      break;
  }
}

void SynthOut::Silence() {
  // Under the queue's lock: no event taken ahead sounds after this.
  std::lock_guard lock(queueMutex_);
  queue_.clear();
  fluid_synth_all_notes_off(synth_, -1);
  fluid_synth_all_sounds_off(synth_, -1);
}

}  // namespace midiway
