#include "PulseProbe.h"

#include <pulse/pulseaudio.h>

#include <cstdio>

namespace midiway {
namespace {

using Clock = std::chrono::steady_clock;

// The names FluidSynth gives its connection and stream, so that the server
// routes the probe the way it will route the real stream.
constexpr char kClientName[] = "FluidSynth";
constexpr char kStreamName[] = "FluidSynth output";

const char* OrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

std::string Seconds(std::chrono::milliseconds timeout) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1f s", std::chrono::duration<double>(timeout).count());
  return text;
}

// One connection with at most one stream, all of it released on return.
class Probe {
 public:
  Probe() : loop_(pa_mainloop_new()) {}
  ~Probe() {
    if (stream_ != nullptr) {
      pa_stream_disconnect(stream_);
      pa_stream_unref(stream_);
    }
    if (context_ != nullptr) {
      pa_context_disconnect(context_);
      pa_context_unref(context_);
    }
    if (loop_ != nullptr) pa_mainloop_free(loop_);
  }
  Probe(const Probe&) = delete;
  Probe& operator=(const Probe&) = delete;

  PulseAnswer Run(const PulseStream& wanted, std::chrono::milliseconds timeout, std::string& why) {
    if (loop_ == nullptr) {
      why = "no main loop";
      return PulseAnswer::kRefused;
    }
    pa_proplist* properties = pa_proplist_new();
    if (!wanted.mediaRole.empty()) pa_proplist_sets(properties, PA_PROP_MEDIA_ROLE, wanted.mediaRole.c_str());
    context_ = pa_context_new_with_proplist(pa_mainloop_get_api(loop_), kClientName, properties);
    pa_proplist_free(properties);
    if (context_ == nullptr) {
      why = "no connection could be made";
      return PulseAnswer::kRefused;
    }
    // Without a server this fails at once (or the server is spawned, as it
    // would be for FluidSynth).
    if (pa_context_connect(context_, OrNull(wanted.server), PA_CONTEXT_NOFLAGS, nullptr) < 0) {
      why = pa_strerror(pa_context_errno(context_));
      return PulseAnswer::kRefused;
    }
    const auto deadline = Clock::now() + timeout;
    for (;;) {
      const pa_context_state_t state = pa_context_get_state(context_);
      if (!PA_CONTEXT_IS_GOOD(state)) {
        why = pa_strerror(pa_context_errno(context_));
        return PulseAnswer::kRefused;
      }
      if (state == PA_CONTEXT_READY && stream_ == nullptr && !Connect(wanted, why)) return PulseAnswer::kRefused;
      if (stream_ != nullptr) {
        const pa_stream_state_t streamState = pa_stream_get_state(stream_);
        if (streamState == PA_STREAM_READY) return PulseAnswer::kReady;
        if (!PA_STREAM_IS_GOOD(streamState)) {
          why = std::string("playback stream refused: ") + pa_strerror(pa_context_errno(context_));
          return PulseAnswer::kRefused;
        }
      }
      const auto left = std::chrono::duration_cast<std::chrono::microseconds>(deadline - Clock::now());
      if (left.count() <= 0) {
        why = stream_ == nullptr ? "the server did not answer" : "the server did not link a playback stream";
        why += " within " + Seconds(timeout);
        return PulseAnswer::kSilent;
      }
      if (pa_mainloop_prepare(loop_, static_cast<int>(left.count())) < 0 || pa_mainloop_poll(loop_) < 0 ||
          pa_mainloop_dispatch(loop_) < 0) {
        why = "main loop failed";
        return PulseAnswer::kRefused;
      }
    }
  }

 private:
  // The stream FluidSynth's driver asks for: 32-bit float stereo, the target
  // buffer it will have, through the same flags as pa_simple_new.
  bool Connect(const PulseStream& wanted, std::string& why) {
    pa_sample_spec spec{};
    spec.format = PA_SAMPLE_FLOAT32NE;
    spec.channels = 2;
    spec.rate = wanted.rate;
    stream_ = pa_stream_new(context_, kStreamName, &spec, nullptr);
    if (stream_ == nullptr) {
      why = std::string("playback stream refused: ") + pa_strerror(pa_context_errno(context_));
      return false;
    }
    pa_buffer_attr buffer{};
    buffer.maxlength = static_cast<uint32_t>(-1);
    buffer.tlength = wanted.bufferFrames > 0 ? static_cast<uint32_t>(pa_frame_size(&spec)) * wanted.bufferFrames
                                              : static_cast<uint32_t>(-1);
    buffer.prebuf = static_cast<uint32_t>(-1);
    buffer.minreq = static_cast<uint32_t>(-1);
    buffer.fragsize = static_cast<uint32_t>(-1);
    const auto flags = static_cast<pa_stream_flags_t>(PA_STREAM_INTERPOLATE_TIMING | PA_STREAM_ADJUST_LATENCY |
                                                      PA_STREAM_AUTO_TIMING_UPDATE);
    // Nothing is written: with the default pre-buffering the stream never
    // starts, so the probe is silent.
    if (pa_stream_connect_playback(stream_, OrNull(wanted.device), &buffer, flags, nullptr, nullptr) < 0) {
      why = std::string("playback stream refused: ") + pa_strerror(pa_context_errno(context_));
      return false;
    }
    return true;
  }

  pa_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
};

}  // namespace

PulseAnswer ProbePulseStream(const PulseStream& stream, std::chrono::milliseconds timeout, std::string& why) {
  Probe probe;
  return probe.Run(stream, timeout, why);
}

}  // namespace midiway
