// Voices whose pitches are known exactly, made while the tests run (no sound
// file is kept): TimGM6mb's choir and voice through FluidSynth, and a
// synthetic singer with vibrato, jitter, a scoop into each note and breath.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class VoiceKind {
  ChoirAahs,  // General MIDI program 53 (52 from 0)
  VoiceOohs,  // program 54 (53 from 0)
  Synthetic,  // vibrato ±30 cents at 5.5 Hz, jitter, breath noise
  SyntheticBass  // the same with a second harmonic stronger than the fundamental
};

struct VoiceNote {
  double midi = 60;          // the note meant
  double seconds = 0.45;     // how long it is held
  double detuneCents = 0;    // sung off by this much
  double gapAfter = 0.25;    // silence (and a breath) before the next note
  bool slurToNext = false;   // no gap: the pitch glides into the next note
};

struct VoiceOptions {
  VoiceKind kind = VoiceKind::Synthetic;
  int sampleRate = 48000;
  double snrDb = 200;        // pink noise this far below the voice; 200 = none
  uint32_t seed = 1;
  double leadSeconds = 0.3;  // room before the first note
  double tailSeconds = 2.4;  // and after the last
  double roomDb = -75;       // the room's own noise, always there
};

std::vector<float> RenderVoice(const std::vector<VoiceNote>& notes, const VoiceOptions& options);
// Where each note's held part begins and ends in the rendering, in seconds.
std::vector<std::pair<double, double>> NoteTimes(const std::vector<VoiceNote>& notes, const VoiceOptions& options);

// 16-bit PCM mono, what a browser's fake capture reads too.
bool WriteWav(const std::string& path, const std::vector<float>& samples, int sampleRate);
// 16-bit PCM or 32-bit float, any channel count (the first is taken).
std::optional<std::vector<float>> ReadWav(const std::string& path, int& sampleRate);

// The soundfont the tests render with; empty when it is not installed.
std::string SoundFontPath();
