// Asks a PulseAudio server, before FluidSynth does, whether it will take a
// playback stream. FluidSynth opens its stream with pa_simple_new, which
// waits without limit: a server that accepts the connection but never links
// the stream to a sink (PipeWire's PulseAudio service without a session
// manager) would hold the open, and the program, for ever. The probe waits
// only until its deadline.
#pragma once

#include <chrono>
#include <cstdint>
#include <string>

namespace midiway {

// Long enough for a busy server to link a stream (a few ms when it works),
// short enough that a start without sound is still a start.
inline constexpr std::chrono::milliseconds kPulseProbeTimeout{2500};

// The stream FluidSynth is about to ask for.
struct PulseStream {
  std::string server;     // empty: the default one
  std::string device;     // empty: the default sink
  std::string mediaRole;  // empty: none
  uint32_t rate = 44100;
  uint32_t bufferFrames = 0;  // 0: the server's choice of buffer
};

enum class PulseAnswer {
  kReady,    // the server made such a stream ready within the time
  kRefused,  // no server, or it said no
  kSilent,   // a server took the connection but did not finish in time
};

// Opens such a stream and waits at most timeout for it to become ready. The
// probe's stream and connection are gone again when this returns; unless
// the answer is kReady, why holds a short reason.
PulseAnswer ProbePulseStream(const PulseStream& stream, std::chrono::milliseconds timeout, std::string& why);

}  // namespace midiway
