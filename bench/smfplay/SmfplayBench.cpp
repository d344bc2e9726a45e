// How exactly sonorix-smfplay keeps a file's time through the built-in synthesizer,
// and what playing costs. It writes a file of short notes (each cut by "all
// sound off", so every one starts in silence) at uneven spacings and with
// tempo changes, runs bin/sonorix-smfplay on it rendering to $MIDIWAY_AUDIO_FILE, and
// compares the onset of each note in the WAV file with the file's times
// (less the constant offset between the two). Reports the onset errors and the player's CPU
// time against its wall time.
// Usage: smfplay_bench [notes]   (default 60)
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "WavLeft.h"
#include "midiway.h"

#include "Figure.h"

namespace {

constexpr uint32_t kResolution = 480;

struct Note {
  uint64_t tick;
  double seconds;
};

// The file: tempo changes on track 0, the notes on track 1.
std::vector<Note> WriteFile(const std::string& path, int notes) {
  std::mt19937 random(4711);
  std::uniform_int_distribution<uint32_t> gap(200, 700);  // ticks between notes
  const uint32_t tempos[] = {500000, 400000, 650000, 300000};
  const uint32_t handle = OpenSMF(path.c_str(), 'w', 2, kResolution);
  if (handle <= 32) {
    std::fprintf(stderr, "cannot write %s\n", path.c_str());
    std::exit(1);
  }
  std::vector<MIDIEVENT> conductor, track;
  std::vector<Note> times;
  uint64_t tick = 0;
  double seconds = 0;
  uint32_t tempo = tempos[0];
  uint64_t lastTempoTick = 0;
  conductor.push_back({0, MIDIWAY_STATUS_TEMPO, static_cast<uint8_t>(tempo >> 16), static_cast<uint8_t>(tempo >> 8),
                       static_cast<uint8_t>(tempo)});
  for (int i = 0; i < notes; ++i) {
    const uint32_t delta = i == 0 ? 0 : gap(random);
    seconds += static_cast<double>(delta) * tempo / kResolution / 1e6;
    tick += delta;
    // One key throughout: samples of different keys start their attack differently.
    track.push_back({i == 0 ? 0 : delta - 100, 0x90, 72, 100, 0});
    track.push_back({100, 0xB0, 120, 0, 0});
    times.push_back({tick, seconds});
    if (i % 10 == 9) {  // a tempo change right after this note
      const uint32_t next = tempos[(i / 10 + 1) % 4];
      conductor.push_back({static_cast<uint32_t>(tick - lastTempoTick), MIDIWAY_STATUS_TEMPO,
                           static_cast<uint8_t>(next >> 16), static_cast<uint8_t>(next >> 8),
                           static_cast<uint8_t>(next)});
      lastTempoTick = tick;
      tempo = next;
    }
  }
  WriteSMF(handle, 0, conductor.data(), static_cast<uint32_t>(conductor.size()));
  WriteSMF(handle, 1, track.data(), static_cast<uint32_t>(track.size()));
  if (CloseSMF(handle) != 0) std::exit(1);
  return times;
}

}  // namespace

int main(int argc, char** argv) {
  const int notes = argc > 1 ? std::max(2, std::atoi(argv[1])) : 60;
  const std::string self = argv[0];
  const std::string folder = self.find('/') == std::string::npos ? "." : self.substr(0, self.rfind('/'));
  const std::string player = folder + "/sonorix-smfplay";
  const std::string base = "/tmp/smfplay-bench-" + std::to_string(getpid());
  const std::string mid = base + ".mid", wav = base + ".wav";
  const std::vector<Note> times = WriteFile(mid, notes);

  const auto begin = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    setenv("MIDIWAY_AUDIO_FILE", wav.c_str(), 1);
    if (!freopen("/dev/null", "w", stdout)) _exit(127);
    execl(player.c_str(), player.c_str(), mid.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "%s failed\n", player.c_str());
    return 1;
  }
  const double cpu = usage.ru_utime.tv_sec + usage.ru_stime.tv_sec + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;

  const std::vector<float> left = ReadLeft(wav);
  std::remove(wav.c_str());
  std::remove(mid.c_str());
  const double rate = 44100.0;
  std::vector<double> onsets;
  size_t silent = static_cast<size_t>(rate);
  for (size_t i = 0; i < left.size(); ++i) {
    if (std::fabs(left[i]) > 0.0005f) {
      if (silent >= rate / 20) onsets.push_back(i / rate);
      silent = 0;
    } else {
      ++silent;
    }
  }
  if (onsets.size() != times.size()) {
    std::fprintf(stderr, "found %zu onsets for %zu notes\n", onsets.size(), times.size());
    return 1;
  }
  // Where the file's time 0 fell in the WAV file is not known to the
  // millisecond (the sync starts once audio flows), so the constant part of
  // the offsets, their median, is taken out: what is left is how far each
  // note strays from the file's timing.
  std::vector<double> offsets;
  for (size_t i = 0; i < times.size(); ++i) offsets.push_back((onsets[i] - times[i].seconds) * 1e3);
  std::vector<double> sorted = offsets;
  std::sort(sorted.begin(), sorted.end());
  const double median = sorted[sorted.size() / 2];
  std::vector<double> errors;
  for (double offset : offsets) errors.push_back(offset - median);
  std::vector<double> magnitudes;
  for (double e : errors) magnitudes.push_back(std::fabs(e));
  std::sort(magnitudes.begin(), magnitudes.end());
  double sum = 0;
  for (double e : errors) sum += e;
  if (std::getenv("SMFPLAY_BENCH_VERBOSE"))
    for (size_t i = 0; i < errors.size(); ++i) std::printf("note %zu at %.3f s: %+.2f ms\n", i, times[i].seconds, errors[i]);
  std::printf("sonorix-smfplay, %d notes over %.1f s with %d tempo changes, built-in synthesizer rendering to a WAV file\n",
              notes, times.back().seconds, notes / 10);
  std::printf("onset error against the file's times (constant offset taken out): mean %+.2f ms, median |e| %.2f ms, "
              "90%% |e| %.2f ms, max |e| %.2f ms\n",
              sum / errors.size(), magnitudes[magnitudes.size() / 2], magnitudes[magnitudes.size() * 9 / 10],
              magnitudes.back());
  PrintFigure("sonorix-smfplay onset error, 90th percentile", magnitudes[magnitudes.size() * 9 / 10], "ms", 1.5);
  std::printf("first note at %.1f ms of the WAV file (the port opens, then the sync waits for audio and starts)\n",
              onsets[0] * 1e3);
  std::printf("CPU: %.2f s user+system over %.2f s wall (%.1f %% of one core), including start-up\n", cpu, wall,
              100 * cpu / wall);
  return 0;
}
