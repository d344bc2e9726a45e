// The built-in synthesizer's own PulseAudio playback stream: unlike a simple
// blocking stream it tells when the server ran dry, and its buffer can grow.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "PulseProbe.h"

struct pa_threaded_mainloop;
struct pa_context;
struct pa_stream;

namespace midiway {

class PulseOut {
 public:
  // Renders that many stereo frames, interleaved, into the buffer; runs on
  // the stream's own thread. playsIn: how long until the first of them is
  // heard, negative when the server has not said yet. Returns a new buffer in
  // frames, or 0 to keep it.
  using Render = std::function<uint32_t(int frames, float* stereo, std::chrono::nanoseconds playsIn)>;
  using Underrun = std::function<void()>;

  // nullptr, with why set, when no such stream could be made ready in time.
  static std::unique_ptr<PulseOut> Open(const PulseStream& stream, Render render, Underrun underrun,
                                        std::chrono::milliseconds timeout, std::string& why);
  ~PulseOut();
  PulseOut(const PulseOut&) = delete;
  PulseOut& operator=(const PulseOut&) = delete;


 private:
  void SetBufferFrames(uint32_t frames);
  PulseOut(Render render, Underrun underrun) : render_(std::move(render)), underrun_(std::move(underrun)) {}
  static void OnWrite(pa_stream* stream, size_t bytes, void* self);
  // Renders and writes that many bytes; returns the buffer in frames that the
  // rendering asked to grow to, else 0.
  uint32_t WriteAhead(pa_stream* stream, size_t bytes);
  static void OnUnderflow(pa_stream* stream, void* self);
  static void OnState(void* self);

  Render render_;
  Underrun underrun_;
  pa_threaded_mainloop* loop_ = nullptr;
  pa_context* context_ = nullptr;
  pa_stream* stream_ = nullptr;
  uint32_t rate_ = 44100;
  uint32_t bufferFrames_ = 0;  // the stream's own thread's
};

}  // namespace midiway
