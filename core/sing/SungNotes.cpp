#include "SungNotes.h"

#include <algorithm>
#include <cmath>

namespace {

// Below this the tracker is guessing: breath, noise, a consonant.
constexpr double kMinConfidence = 0.6;
// A frame further than this from the note's median begins another note;
// vibrato of ±30 cents and jitter stay inside.
constexpr double kStaySemitones = 0.6;
// Frames without pitch (or off the note) a held note survives: a crack,
// a glottal stop, one octave slip of the tracker.
constexpr double kGapSeconds = 0.05;

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const size_t mid = values.size() / 2;
  std::nth_element(values.begin(), values.begin() + long(mid), values.end());
  double m = values[mid];
  if (values.size() % 2 == 0) m = (m + *std::max_element(values.begin(), values.begin() + long(mid))) / 2;
  return m;
}

// The frame's pitch moved by whole octaves as near the note as it gets: the
// tracker's octave slips on a bass's strong second harmonic stay in the note.
double NearestOctave(double midi, double to) { return midi - 12.0 * std::round((midi - to) / 12.0); }

}  // namespace

SingSettings Sanitized(SingSettings s) {
  s.toleranceCents = std::clamp(s.toleranceCents, 25, 50);
  if (!(s.minNoteSeconds >= 0.08)) s.minNoteSeconds = 0.08;
  s.minNoteSeconds = std::min(s.minNoteSeconds, 1.0);
  if (!std::isfinite(s.noiseGateDb)) s.noiseGateDb = -50;
  s.noiseGateDb = std::clamp(s.noiseGateDb, -90.0, -20.0);
  return s;
}

SungNote NoteOfMidi(double midi) {
  SungNote note;
  note.midi = midi;
  const int nearest = int(std::lround(midi));
  note.pitchClass = ((nearest % 12) + 12) % 12;
  note.cents = int(std::lround((midi - nearest) * 100));
  return note;
}

NoteFinder::NoteFinder(SingSettings settings) : settings_(Sanitized(settings)) {}

std::optional<SungNote> NoteFinder::Add(const PitchFrame& frame) {
  const bool voiced = frame.hz > 0 && frame.levelDb >= settings_.noiseGateDb && frame.confidence >= kMinConfidence;
  std::optional<SungNote> ended;
  if (voiced) {
    double midi = MidiOfHz(frame.hz);
    if (!run_.midi.empty()) {
      const double centre = Median(run_.midi);
      midi = NearestOctave(midi, centre);
      if (std::abs(midi - centre) > kStaySemitones) {
        // Off the note: a slip survives a moment, a new pitch ends the note.
        if (frame.seconds - run_.last <= kGapSeconds && run_.midi.size() >= 3) return std::nullopt;
        ended = Close();
        midi = MidiOfHz(frame.hz);
      }
    }
    if (run_.midi.empty()) run_.start = frame.seconds;
    run_.last = frame.seconds;
    run_.midi.push_back(midi);
    return ended;
  }
  if (!run_.midi.empty() && frame.seconds - run_.last > kGapSeconds) return Close();
  return std::nullopt;
}

std::optional<SungNote> NoteFinder::Finish() { return Close(); }

bool NoteFinder::Holding() const {
  return !run_.midi.empty() && run_.last - run_.start >= settings_.minNoteSeconds;
}

std::optional<SungNote> NoteFinder::Close() {
  Run run;
  std::swap(run, run_);
  if (run.midi.size() < 2) return std::nullopt;
  // The frames' spacing is the hop: the note lasts from its first frame to
  // one hop past its last.
  const double hop = (run.last - run.start) / double(run.midi.size() - 1);
  if (run.last - run.start + hop < settings_.minNoteSeconds) return std::nullopt;
  SungNote note = NoteOfMidi(Median(run.midi));
  note.start = run.start;
  note.end = run.last + hop;
  return note;
}
