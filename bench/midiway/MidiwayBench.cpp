// How fast the built-in synthesizer answers and what it costs:
//  - OpenMidiOut on device 0 (wall and CPU time; the first open in a process
//    also starts FluidSynth's own tables),
//  - the memory (RSS) an open port adds,
//  - the time from PutMidiOut to the note's onset in the rendered audio
//    (the WAV file the library renders in real time, so without any sound
//    card buffer), and the loudness of a velocity-64 four-note chord.
// Usage: midiway_bench [trials [keys]]   (renders into a temporary WAV file)
//   The notes go to one key (C4) unless keys > 1: the SoundFont's samples do
//   not all start at once (in the default General MIDI one, F4 to A4 begin
//   with 6 to 8 ms of silence), so notes of several keys measure the font as
//   much as the timing. Beside it, the scheduling error proper: the same
//   onset minus the note's own attack, taken from a reference rendering of
//   the note by FluidSynth set up as the library sets it up, its note-on at a
//   known frame (checked: the note in the file must be that rendering,
//   sample for sample, from the frame found).
//        midiway_bench --figure [figures [warm-up seconds]]
//          plays the drill's figure (notes 500 ms then 250 ms apart, each put
//          as the drill puts it, at once, at its moment on the clock) through
//          the audio output the library chooses, after the warm-up (1.5 s),
//          and prints each put's time in ms from the first, the steady
//          clock's seconds at the open and the first put, and the process's
//          CPU time over the figures; bench/pulse_figure.sh records it.
#include <sys/resource.h>
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
#include <thread>
#include <vector>

#include "SynthOut.h"
#include "WavLeft.h"
#include "midiway.h"

#include "Figure.h"

namespace {

using Clock = std::chrono::steady_clock;
using namespace std::chrono_literals;

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double ThreadCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double ProcessCpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

long RssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
  return 0;
}

struct Stats {
  double min, median, p90, max;
};

Stats Summarise(std::vector<double> values) {
  std::erase_if(values, [](double v) { return std::isnan(v); });
  if (values.empty()) return {NAN, NAN, NAN, NAN};
  std::sort(values.begin(), values.end());
  auto at = [&](double q) { return values[std::min(values.size() - 1, static_cast<size_t>(q * values.size()))]; };
  return {values.front(), at(0.5), at(0.9), values.back()};
}

uint32_t OpenSynth() {
  const uint32_t handle = OpenMidiOut(0, 0, 0, 78624);
  if (handle <= 32) {
    char error[512];
    GetMidiwayLastError(error, sizeof error);
    std::fprintf(stderr, "built-in synthesizer refused (%u): %s\n", handle, error);
    std::exit(1);
  }
  return handle;
}

void Put(uint32_t handle, uint8_t status, uint8_t data1, uint8_t data2) {
  MIDIEVENT event{MIDIWAY_TIME_NOW, status, data1, data2, 0};
  PutMidiOut(handle, &event);
}

// The first frame above threshold in [from, to), or -1.
long FirstAbove(const std::vector<float>& samples, size_t from, size_t to, float threshold) {
  for (size_t i = from; i < std::min(to, samples.size()); ++i)
    if (std::fabs(samples[i]) > threshold) return static_cast<long>(i);
  return -1;
}

constexpr float kAudible = 0.01f;  // -40 dBFS
constexpr double kRate = 44100.0;

// The note rendered with its note-on at frame 0 of a block, by FluidSynth set
// up as the library sets it up, and rounded to 16 bits as the file is; empty
// without a SoundFont. A note played before it, and silenced, leaves the
// synthesizer as the measured notes find it (the very first note of a fresh
// synthesizer starts a few samples differently).
std::vector<float> Reference(uint8_t key, uint8_t velocity) {
  fluid_settings_t* settings = new_fluid_settings();
  fluid_settings_setnum(settings, "synth.sample-rate", kRate);
  fluid_settings_setnum(settings, "synth.gain", midiway::kSynthGain);
  fluid_settings_setint(settings, "synth.polyphony", 128);
  fluid_settings_setint(settings, "synth.reverb.active", 0);
  fluid_settings_setint(settings, "synth.chorus.active", 0);
  fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
  fluid_synth_t* synth = new_fluid_synth(settings);
  std::vector<float> left(4096), right(4096);
  bool loaded = false;
  const char* chosen = std::getenv("MIDIWAY_SOUNDFONT");
  for (const char* path : {chosen, "/usr/share/sounds/sf2/default-GM.sf2", "/usr/share/sounds/sf3/default-GM.sf3"})
    if (!loaded && path != nullptr && access(path, R_OK) == 0)
      loaded = fluid_synth_sfload(synth, path, 1) != FLUID_FAILED;
  if (loaded) {
    for (int pass = 0; pass < 2; ++pass) {
      fluid_synth_all_sounds_off(synth, -1);
      fluid_synth_write_float(synth, static_cast<int>(left.size()), left.data(), 0, 1, right.data(), 0, 1);
      fluid_synth_noteon(synth, 0, key, velocity);
      fluid_synth_write_float(synth, static_cast<int>(left.size()), left.data(), 0, 1, right.data(), 0, 1);
    }
    for (float& sample : left) sample = static_cast<float>(std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f)) / 32768.0f;
  } else {
    left.clear();
  }
  delete_fluid_synth(synth);
  delete_fluid_settings(settings);
  return left;
}

// Whether the file holds the reference from frame `at` on, sample for sample.
bool Matches(const std::vector<float>& file, long at, const std::vector<float>& reference) {
  constexpr size_t kCompared = 1024;
  if (at < 0 || static_cast<size_t>(at) + kCompared > file.size() || reference.size() < kCompared) return false;
  for (size_t i = 0; i < kCompared; ++i)
    if (std::fabs(file[static_cast<size_t>(at) + i] - reference[i]) > 1.5f / 32768.0f) return false;
  return true;
}

// The drill's figure, again and again; each note is cut after 150 ms so that
// the next one starts in silence and its onset can be found.
int PlayFigures(int figures, double warmUpSeconds) {
  const uint32_t handle = OpenSynth();
  const auto opened = Clock::now();
  std::this_thread::sleep_for(std::chrono::duration<double>(warmUpSeconds));  // the stream comes up
  const int gaps[] = {500, 250, 500};  // the last: to the next figure
  const uint8_t keys[] = {60, 63, 67};
  const auto first = Clock::now();
  const double cpuFirst = ProcessCpuMs();
  auto seconds = [](Clock::time_point t) { return std::chrono::duration<double>(t.time_since_epoch()).count(); };
  std::printf("open %.6f first %.6f\n", seconds(opened), seconds(first));
  auto due = first;
  for (int f = 0; f < figures; ++f) {
    for (int i = 0; i < 3; ++i) {
      std::this_thread::sleep_until(due);
      const auto put = Clock::now();
      Put(handle, 0x90, keys[i], 64);
      std::printf("put %.3f grid %.3f key %d\n", Ms(put - first), Ms(due - first), keys[i]);
      std::this_thread::sleep_until(put + 150ms);
      Put(handle, 0xB0, 120, 0);
      due += std::chrono::milliseconds(gaps[i]);
    }
  }
  std::this_thread::sleep_for(500ms);
  // The audio thread's and the port's, over the figures and their last rest.
  std::printf("cpu %.1f wall %.1f\n", ProcessCpuMs() - cpuFirst, Ms(Clock::now() - first));
  CloseMidiOut(handle);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::strcmp(argv[1], "--figure") == 0)
    return PlayFigures(argc > 2 ? std::max(1, std::atoi(argv[2])) : 20, argc > 3 ? std::max(0.0, std::atof(argv[3])) : 1.5);
  const int trials = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
  const int keys = argc > 2 ? std::clamp(std::atoi(argv[2]), 1, 12) : 1;
  const std::string path = "/tmp/midiway-bench-" + std::to_string(getpid()) + ".wav";
  setenv("MIDIWAY_AUDIO_FILE", path.c_str(), 1);

  // Open: the first in the process, then again after a close.
  const long rssBefore = RssKb();
  std::vector<double> openWall, openCpu;
  for (int round = 0; round < 6; ++round) {
    const double cpu = ThreadCpuMs();
    const auto begin = Clock::now();
    const uint32_t handle = OpenSynth();
    openWall.push_back(Ms(Clock::now() - begin));
    openCpu.push_back(ThreadCpuMs() - cpu);
    CloseMidiOut(handle);
  }
  std::printf("OpenMidiOut(device 0), first in process: %.1f ms wall, %.1f ms CPU\n", openWall[0], openCpu[0]);
  const Stats again = Summarise({openWall.begin() + 1, openWall.end()});
  const Stats againCpu = Summarise({openCpu.begin() + 1, openCpu.end()});
  std::printf("OpenMidiOut(device 0), again: median %.1f ms (min %.1f, max %.1f) wall, median %.1f ms CPU\n",
              again.median, again.min, again.max, againCpu.median);

  const uint32_t handle = OpenSynth();
  const auto start = Clock::now();  // frame 0 of the file is no later than this
  for (uint8_t key : {60, 64, 67, 72}) Put(handle, 0x90, key, 64);
  std::this_thread::sleep_for(600ms);
  const long rssOpen = RssKb();
  Put(handle, 0xB0, 121, 0);
  ResetMidiOut(handle);

  std::mt19937 random(12345);
  std::uniform_int_distribution<int> jitter(0, 3000);  // puts fall anywhere in a render block
  std::vector<Clock::time_point> puts;
  for (int i = 0; i < trials; ++i) {
    std::this_thread::sleep_for(120ms + std::chrono::microseconds(jitter(random)));
    puts.push_back(Clock::now());
    Put(handle, 0x90, static_cast<uint8_t>(60 + i % keys), 64);
    std::this_thread::sleep_for(60ms);
    ResetMidiOut(handle);
  }
  std::this_thread::sleep_for(50ms);
  CloseMidiOut(handle);
  const long rssClosed = RssKb();

  const std::vector<float> left = ReadLeft(path);
  std::remove(path.c_str());
  const double rate = kRate;
  float peak = 0;
  double energy = 0;
  for (size_t i = 0; i < std::min<size_t>(left.size(), 22050); ++i) {
    peak = std::max(peak, std::fabs(left[i]));
    energy += left[i] * left[i];
  }
  std::vector<std::vector<float>> references;
  for (int k = 0; k < keys; ++k) references.push_back(Reference(static_cast<uint8_t>(60 + k), 64));
  std::vector<double> firstSample, audible, scheduling;
  std::vector<double> attackFirst, attackAudible;
  int matched = 0;
  for (size_t n = 0; n < puts.size(); ++n) {
    const double putSeconds = std::chrono::duration<double>(puts[n] - start).count();
    const size_t from = static_cast<size_t>(std::max(0.0, putSeconds * rate - 256));
    const size_t to = from + static_cast<size_t>(0.06 * rate);
    auto ms = [&](long frame) { return frame < 0 ? NAN : (frame / rate - putSeconds) * 1e3; };
    const long first = FirstAbove(left, from, to, 0.0f);
    const long heard = FirstAbove(left, from, to, kAudible);
    firstSample.push_back(ms(first));
    audible.push_back(ms(heard));
    const auto& reference = references[n % static_cast<size_t>(keys)];
    const long ownFirst = FirstAbove(reference, 0, reference.size(), 0.0f);
    const long ownAudible = FirstAbove(reference, 0, reference.size(), kAudible);
    attackFirst.push_back(ownFirst < 0 ? NAN : ownFirst / rate * 1e3);
    attackAudible.push_back(ownAudible < 0 ? NAN : ownAudible / rate * 1e3);
    // Only where the note in the file is the reference: otherwise the
    // difference would measure a different instrument, not the timing.
    const bool same = heard >= 0 && ownAudible >= 0 && Matches(left, heard - ownAudible, reference);
    matched += same ? 1 : 0;
    scheduling.push_back(same ? ms(heard - ownAudible) : NAN);
  }
  if (std::getenv("MIDIWAY_BENCH_VERBOSE"))
    for (size_t i = 0; i < puts.size(); ++i)
      std::printf("note %zu: %.2f / %.2f ms, scheduling %.2f ms\n", 60 + i % keys, firstSample[i], audible[i],
                  scheduling[i]);
  const Stats first = Summarise(firstSample);
  const Stats heard = Summarise(audible);
  std::printf("PutMidiOut -> first non-zero sample: median %.2f ms, 90%% %.2f ms, min %.2f, max %.2f (%d notes, %d key%s)\n",
              first.median, first.p90, first.min, first.max, trials, keys, keys > 1 ? "s" : "");
  std::printf("PutMidiOut -> onset above -40 dBFS:  median %.2f ms, 90%% %.2f ms, min %.2f, max %.2f, spread %.2f\n",
              heard.median, heard.p90, heard.min, heard.max, heard.max - heard.min);
  const Stats ownFirst = Summarise(attackFirst);
  const Stats ownHeard = Summarise(attackAudible);
  if (std::isnan(ownHeard.median)) {
    std::printf("Scheduling error: no reference (FluidSynth found no SoundFont for it)\n");
  } else {
    std::printf("The note's own attack (reference, note-on at its frame): first non-zero sample %.2f ms, -40 dBFS %.2f ms%s\n",
                ownFirst.median, ownHeard.median, keys > 1 ? " (median of the keys)" : "");
    const Stats error = Summarise(scheduling);
    std::printf("Scheduling error (onset minus own attack): median %.2f ms, 90%% %.2f ms, min %.2f, max %.2f, spread %.2f "
                "(%d of %zu notes are the reference sample for sample)\n",
                error.median, error.p90, error.min, error.max, error.max - error.min, matched, puts.size());
    PrintFigure("synthesizer scheduling error, 90th percentile", error.p90, "ms", 1.5);
  }
  std::printf("Sound card buffer when one is used: PulseAudio %d ms, up to %d ms after running dry "
              "($MIDIWAY_AUDIO_LATENCY_MS), ALSA %d x %d frames = %.1f ms at 44.1 kHz\n",
              midiway::kPulseBufferMs, midiway::kPulseBufferMaxMs, midiway::kPeriods, midiway::kPeriodFrames,
              midiway::kPeriods * midiway::kPeriodFrames / 44.1);
  std::printf("Velocity-64 chord C4 E4 G4 C5: peak %.1f dBFS, RMS (first 0.5 s) %.1f dBFS\n", 20 * std::log10(peak),
              10 * std::log10(energy / 22050));
  std::printf("Memory: RSS %.1f MB before, +%.1f MB with the port open and a chord played, +%.1f MB after close\n",
              rssBefore / 1024.0, (rssOpen - rssBefore) / 1024.0, (rssClosed - rssBefore) / 1024.0);
  return 0;
}
