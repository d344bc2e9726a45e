#include "PulseOut.h"

#include <pulse/pulseaudio.h>

#include <cstdlib>
#include <thread>

#include "SynthOut.h"

namespace midiway {
namespace {

// As FluidSynth named them, so that the server routes this stream as before.
constexpr char kClientName[] = "FluidSynth";
constexpr char kStreamName[] = "FluidSynth output";
constexpr size_t kFrameBytes = 2 * sizeof(float);

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

pa_buffer_attr Attributes(uint32_t frames, uint32_t rate) {
  pa_buffer_attr attr;
  attr.maxlength = static_cast<uint32_t>(-1);
  attr.tlength = static_cast<uint32_t>(frames * kFrameBytes);
  attr.prebuf = static_cast<uint32_t>(-1);  // after running dry, start again only once full
  // With early requests the sink takes this much at a time, so the stream's
  // own buffer stays nearly full: a stalled player has all of it to spare.
  // (Left to adjust, the sink took half the buffer at once, and a stall of
  // just over a third of it ran the stream dry.)
  attr.minreq = static_cast<uint32_t>(rate * kPulseRequestMs / 1000 * kFrameBytes);
  attr.fragsize = static_cast<uint32_t>(-1);
  return attr;
}

pa_stream_flags_t Flags() {
  constexpr auto timing = PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_AUTO_TIMING_UPDATE;
  // libpulse's own variable makes it adjust the latency, which the server
  // does not take together with early requests.
  const char* own = std::getenv("PULSE_LATENCY_MSEC");
  return static_cast<pa_stream_flags_t>(timing | (own != nullptr && *own != '\0' ? PA_STREAM_ADJUST_LATENCY
                                                                                   : PA_STREAM_EARLY_REQUESTS));
}

}  // namespace

void PulseOut::OnState(void* self) { pa_threaded_mainloop_signal(static_cast<PulseOut*>(self)->loop_, 0); }

void PulseOut::OnWrite(pa_stream* stream, size_t bytes, void* self) {
  auto* out = static_cast<PulseOut*>(self);
  const uint32_t grown = out->WriteAhead(stream, bytes);
  if (grown <= out->bufferFrames_) return;
  // The larger buffer is filled before the server hears of it: its sink
  // takes its larger share at once, and would run the stream dry.
  const size_t more = (grown - out->bufferFrames_) * kFrameBytes;
  out->bufferFrames_ = grown;
  out->WriteAhead(stream, more);
  out->SetBufferFrames(grown);
}

uint32_t PulseOut::WriteAhead(pa_stream* stream, size_t bytes) {
  uint32_t grown = 0;
  while (bytes >= kFrameBytes) {
    void* data = nullptr;
    size_t size = bytes - bytes % kFrameBytes;
    if (pa_stream_begin_write(stream, &data, &size) < 0 || data == nullptr) return grown;
    size -= size % kFrameBytes;
    if (size == 0) {
      pa_stream_cancel_write(stream);
      return grown;
    }
    // The stream's latency is how long until the last frame written is
    // heard: the next one follows it.
    pa_usec_t usec = 0;
    int negative = 0;
    std::chrono::nanoseconds playsIn(-1);
    if (pa_stream_get_latency(stream, &usec, &negative) == 0)
      playsIn = std::chrono::microseconds(negative ? -static_cast<int64_t>(usec) : static_cast<int64_t>(usec));
    if (const uint32_t frames = render_(static_cast<int>(size / kFrameBytes), static_cast<float*>(data), playsIn);
        frames > 0)
      grown = frames;
    if (pa_stream_write(stream, data, size, nullptr, 0, PA_SEEK_RELATIVE) < 0) return grown;
    bytes -= size;
  }
  return grown;
}

void PulseOut::OnUnderflow(pa_stream*, void* self) {
  auto* out = static_cast<PulseOut*>(self);
  if (out->underrun_) out->underrun_();
}

std::unique_ptr<PulseOut> PulseOut::Open(const PulseStream& wanted, Render render, Underrun underrun,
                                         std::chrono::milliseconds timeout, std::string& why) {
  std::unique_ptr<PulseOut> out(new PulseOut(std::move(render), std::move(underrun)));
  out->rate_ = wanted.rate;
  out->bufferFrames_ = wanted.bufferFrames;
  out->loop_ = pa_threaded_mainloop_new();
  if (out->loop_ == nullptr) {
    why = "no PulseAudio main loop";
    return nullptr;
  }
  pa_threaded_mainloop_set_name(out->loop_, "midiway-pulse");
  pa_threaded_mainloop_lock(out->loop_);
  out->context_ = pa_context_new(pa_threaded_mainloop_get_api(out->loop_), kClientName);
  if (out->context_ == nullptr || pa_threaded_mainloop_start(out->loop_) < 0) {
    pa_threaded_mainloop_unlock(out->loop_);
    why = "no PulseAudio context";
    return nullptr;
  }
  pa_context_set_state_callback(
      out->context_, [](pa_context*, void* self) { OnState(self); }, out.get());
  const auto deadline = std::chrono::steady_clock::now() + timeout;
  // Waits for a state change or the deadline, polling the clock: the loop
  // signals only on changes.
  auto waitFor = [&](auto done, auto failed) {
    while (!done()) {
      if (failed() || std::chrono::steady_clock::now() > deadline) return false;
      pa_threaded_mainloop_unlock(out->loop_);
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
      pa_threaded_mainloop_lock(out->loop_);
    }
    return true;
  };
  bool ready = pa_context_connect(out->context_, OrNull(wanted.server), PA_CONTEXT_NOFLAGS, nullptr) >= 0 &&
               waitFor([&] { return pa_context_get_state(out->context_) == PA_CONTEXT_READY; },
                       [&] { return !PA_CONTEXT_IS_GOOD(pa_context_get_state(out->context_)); });
  if (ready) {
    const pa_sample_spec spec{PA_SAMPLE_FLOAT32NE, wanted.rate, 2};
    pa_proplist* props = pa_proplist_new();
    if (!wanted.mediaRole.empty()) pa_proplist_sets(props, PA_PROP_MEDIA_ROLE, wanted.mediaRole.c_str());
    out->stream_ = pa_stream_new_with_proplist(out->context_, kStreamName, &spec, nullptr, props);
    pa_proplist_free(props);
    if (out->stream_ != nullptr) {
      pa_stream_set_state_callback(
          out->stream_, [](pa_stream*, void* self) { OnState(self); }, out.get());
      pa_stream_set_write_callback(out->stream_, &PulseOut::OnWrite, out.get());
      pa_stream_set_underflow_callback(out->stream_, &PulseOut::OnUnderflow, out.get());
      const pa_buffer_attr attr = Attributes(wanted.bufferFrames, wanted.rate);
      ready = pa_stream_connect_playback(out->stream_, OrNull(wanted.device), &attr, Flags(), nullptr, nullptr) >= 0 &&
              waitFor([&] { return pa_stream_get_state(out->stream_) == PA_STREAM_READY; },
                      [&] { return !PA_STREAM_IS_GOOD(pa_stream_get_state(out->stream_)); });
    } else {
      ready = false;
    }
  }
  if (!ready) why = pa_strerror(pa_context_errno(out->context_));
  pa_threaded_mainloop_unlock(out->loop_);
  return ready ? std::move(out) : nullptr;
}

void PulseOut::SetBufferFrames(uint32_t frames) {
  const pa_buffer_attr attr = Attributes(frames, rate_);
  if (pa_operation* op = pa_stream_set_buffer_attr(stream_, &attr, nullptr, nullptr); op != nullptr)
    pa_operation_unref(op);
}

PulseOut::~PulseOut() {
  if (loop_ == nullptr) return;
  pa_threaded_mainloop_lock(loop_);
  if (stream_ != nullptr) {
    pa_stream_set_write_callback(stream_, nullptr, nullptr);
    pa_stream_set_underflow_callback(stream_, nullptr, nullptr);
    pa_stream_set_state_callback(stream_, nullptr, nullptr);
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
  }
  if (context_ != nullptr) {
    pa_context_set_state_callback(context_, nullptr, nullptr);
    pa_context_disconnect(context_);
    pa_context_unref(context_);
  }
  pa_threaded_mainloop_unlock(loop_);
  pa_threaded_mainloop_stop(loop_);
  pa_threaded_mainloop_free(loop_);
}

}  // namespace midiway
