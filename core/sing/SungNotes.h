// From a voice's frames to its notes: a note is a pitch held steady for long
// enough. Onsets, breaths and slides between notes are not notes.
#pragma once

#include <optional>
#include <vector>

#include "PitchTracker.h"

struct SingSettings {
  int toleranceCents = 40;     // 25..50: how far from the semitone a note is still that note
  double minNoteSeconds = 0.15;
  double noiseGateDb = -50;    // quieter frames are silence
};

// Tolerance kept within 25..50 cents, the shortest note within 0.08..1 s.
SingSettings Sanitized(SingSettings settings);

struct SungNote {
  double start = 0, end = 0;  // seconds from the start of listening
  double midi = 0;            // fractional: the note's median pitch
  int pitchClass = 0;         // of the nearest semitone, 0 = C
  int cents = 0;              // deviation from the nearest semitone, -50..50
};

// A note from its pitch alone (start and end left at 0).
SungNote NoteOfMidi(double midi);

class NoteFinder {
 public:
  explicit NoteFinder(SingSettings settings);
  // A note once it has ended (the pitch moved away or stopped), else nothing.
  std::optional<SungNote> Add(const PitchFrame& frame);
  // The note still being held, if it is long enough; the finder starts afresh.
  std::optional<SungNote> Finish();
  // A steady pitch is being held right now (for a live display).
  bool Holding() const;

 private:
  struct Run {
    double start = 0, last = 0;
    std::vector<double> midi;  // the run's frames, for its median
  };
  std::optional<SungNote> Close();
  SingSettings settings_;
  Run run_;
};
