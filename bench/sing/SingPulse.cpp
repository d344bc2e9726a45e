// The desktop's microphone path for real: the Sing window's own source
// (PulseAudio's default source, opened as the window opens it) hears a
// rendered voice that paplay plays into it, first three seconds of the room
// for the gate, then each figure. Prints what was heard, the verdict, and how
// long after the last note's end the verdict was ready.
//
//   sing_pulse [figures]   run by bench/sing/pulse_sing.sh, which sets up a
//                          private server whose default source is a null
//                          sink's monitor
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Calibration.h"
#include "SingSession.h"
#include "SingSource.h"
#include "SungVoices.h"

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Figure {
  const char* name;
  std::vector<int> played;
  VoiceKind kind;
};

pid_t Play(const std::string& wav) {
  pid_t pid = 0;
  // A short output buffer: the null sink runs at its players' latency, and
  // its monitor (our microphone) delivers at that pace too.
  std::string program = "paplay", latency = "--latency-msec=20";
  char* argv[] = {program.data(), latency.data(), const_cast<char*>(wav.c_str()), nullptr};
  if (posix_spawnp(&pid, "paplay", nullptr, nullptr, argv, environ) != 0) return -1;
  return pid;
}

void Wait(pid_t pid) {
  int status = 0;
  if (pid > 0) waitpid(pid, &status, 0);
}

double Seconds(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double>(to - from).count();
}

}  // namespace

int main(int argc, char** argv) {
  const int wanted = argc > 1 ? std::max(1, std::atoi(argv[1])) : 6;
  if (std::getenv("SONORIX_SING_WAV")) ::unsetenv("SONORIX_SING_WAV");  // the real source, not a file
  const std::string dir = std::getenv("TMPDIR") ? std::getenv("TMPDIR") : "/tmp";
  const int rate = 48000;
  const bool choir = !SoundFontPath().empty();
  const std::vector<Figure> all = {
      {"3-11", {60, 63, 67}, VoiceKind::Synthetic},           {"4-Z15", {57, 58, 61, 63}, VoiceKind::Synthetic},
      {"3-5", {55, 61, 62}, choir ? VoiceKind::ChoirAahs : VoiceKind::Synthetic},
      {"4-28", {48, 51, 54, 57}, VoiceKind::SyntheticBass},   {"3-12", {64, 68, 72}, VoiceKind::Synthetic},
      {"4-1", {62, 63, 64, 65}, choir ? VoiceKind::VoiceOohs : VoiceKind::Synthetic},
  };

  // The room, then the gate from it, as the window does before the first exercise.
  SourceFailure failure = SourceFailure::None;
  auto source = OpenSoundSource(failure);
  if (!source) {
    std::printf("the microphone did not open: %s\n", failure == SourceFailure::Refused ? "refused" : "none");
    return 1;
  }
  const int sourceRate = source->SampleRate();
  std::vector<float> chunk(static_cast<size_t>(sourceRate / 50));
  VoiceOptions room;
  room.sampleRate = rate;
  room.leadSeconds = 3.2;
  room.tailSeconds = 0;
  const std::string roomWav = dir + "/sing-pulse-room.wav";
  WriteWav(roomWav, RenderVoice({}, room), rate);
  NoiseCalibration calibration;
  {
    PitchTracker tracker(sourceRate);
    const pid_t player = Play(roomWav);
    while (!calibration.Ready() && source->Read(chunk.data(), chunk.size())) {
      tracker.Feed(chunk.data(), chunk.size());
      for (const PitchFrame& f : tracker.TakeFrames()) calibration.Add(f);
    }
    Wait(player);
  }
  source.reset();
  std::printf("source: %d Hz; gate %.1f dB after %.1f s of the room\n", sourceRate, calibration.GateDb(),
              calibration.Seconds());

  int right = 0, notesRight = 0, notes = 0;
  double worst = 0;
  for (int i = 0; i < wanted; ++i) {
    const Figure& fig = all[static_cast<size_t>(i) % all.size()];
    std::vector<VoiceNote> voice;
    for (int m : fig.played) voice.push_back({double(m), 0.45, 0, 0.25, false});
    VoiceOptions options;
    options.kind = fig.kind;
    options.sampleRate = rate;
    options.seed = static_cast<uint32_t>(i + 1);
    options.tailSeconds = 2.6;
    const std::string wav = dir + "/sing-pulse-" + std::to_string(i) + ".wav";
    WriteWav(wav, RenderVoice(voice, options), rate);
    const auto times = NoteTimes(voice, options);

    SingSettings settings;
    settings.noiseGateDb = calibration.GateDb();
    const SingExercise exercise = BackExercise(fig.name, fig.played);
    // The microphone opens for this exercise alone, as the window opens it.
    auto mic = OpenSoundSource(failure);
    if (!mic) {
      std::printf("the microphone did not open again\n");
      return 1;
    }
    SingSession session(exercise, settings, mic->SampleRate());
    const auto started = Clock::now();
    const pid_t player = Play(wav);
    Clock::time_point done{};
    double doneAt = 0;
    while (mic->Read(chunk.data(), chunk.size())) {
      session.Feed(chunk.data(), chunk.size());
      session.TakeEvents();
      if (session.Done()) {
        done = Clock::now();
        doneAt = session.Seconds();
        break;
      }
      if (Seconds(started, Clock::now()) > 30) break;
    }
    mic.reset();
    Wait(player);
    const SingVerdict verdict = session.Verdict();
    // Where the voice began in what the microphone delivered (paplay's own
    // start-up and buffering), from the first note heard against the first
    // note rendered; then the last note's end in that stream to the verdict,
    // in the stream's seconds, which the samples reach at the microphone's pace.
    const double offset = session.Notes().empty() ? 0 : session.Notes().front().start - times.front().first;
    const double latency = done == Clock::time_point{} ? 99 : doneAt - (times.back().second + offset);
    worst = std::max(worst, latency);
    std::printf("%-6s %-10s heard", fig.name, fig.kind == VoiceKind::Synthetic       ? "synthetic"
                                              : fig.kind == VoiceKind::SyntheticBass ? "bass"
                                              : fig.kind == VoiceKind::ChoirAahs     ? "choir"
                                                                                     : "oohs");
    for (const SungNote& n : session.Notes()) std::printf(" %s%+d", PitchClassName(n.pitchClass).c_str(), n.cents);
    // The same by the wall clock, from starting the player: the sound server's
    // own buffering counts too.
    const double wall = done == Clock::time_point{} ? 99 : Seconds(started, done) - times.back().second;
    std::printf("  -> %s; the voice began %.0f ms into the stream, the verdict %.0f ms after its end (%.0f ms by the clock)\n",
                verdict.right ? "right" : "WRONG", offset * 1000, latency * 1000, wall * 1000);
    right += verdict.right;
    for (size_t n = 0; n < fig.played.size(); ++n, ++notes)
      if (n < session.Notes().size() && session.Notes()[n].pitchClass == fig.played[n] % 12) ++notesRight;
  }
  std::printf("figures right %d of %d, notes right %d of %d, worst verdict %.0f ms after its end\n", right, wanted,
              notesRight, notes, worst * 1000);
  return right == wanted ? 0 : 1;
}
