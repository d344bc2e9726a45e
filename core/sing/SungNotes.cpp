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

// The pitch a note was held at: its frames after the onset (a scoop from
// below, the tracker settling) and before its last moment, the highest and
// lowest tenth left out, averaged, so that vibrato's swing cancels out.
double HeldPitch(const std::vector<double>& midi, double hop) {
  size_t from = std::min(size_t(0.07 / std::max(hop, 1e-4)), midi.size() / 4);
  size_t to = midi.size() - std::min(size_t(0.02 / std::max(hop, 1e-4)), midi.size() / 10);
  std::vector<double> held(midi.begin() + long(from), midi.begin() + long(std::max(to, from + 1)));
  std::sort(held.begin(), held.end());
  const size_t cut = held.size() / 10;
  double sum = 0;
  for (size_t i = cut; i < held.size() - cut; ++i) sum += held[i];
  return sum / double(held.size() - 2 * cut);
}

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
  SungNote note = NoteOfMidi(HeldPitch(run.midi, hop));
  note.start = run.start;
  note.end = run.last + hop;
  return note;
}
