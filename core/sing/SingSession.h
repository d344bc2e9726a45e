// One sing exercise while it listens: samples in, heard notes and the verdict
// out. Both front ends drive this one object, so both hear and judge alike.
// It keeps frames and notes only; the samples go no further than the tracker.
#pragma once

#include <vector>

#include "Calibration.h"
#include "PitchTracker.h"
#include "SingExercise.h"
#include "SingJudge.h"
#include "SungNotes.h"

enum class SingEventKind {
  Level,   // about 20 a second, for the meter
  Note,    // a note was heard
  Silent,  // the microphone has delivered only digital silence for about 3 s
  Done     // listening ended; the verdict is ready
};

struct SingEvent {
  SingEventKind kind = SingEventKind::Level;
  double levelDb = -120;
  SungNote note;  // for Note
};

struct SingTimings {
  double silenceAfterNote = 2.0;   // seconds of no note after one: done
  double digitalSilence = 3.0;     // seconds of exact zeros: Silent
  double firstNoteTimeout = 10.0;  // nothing sung at all: done
  double perNoteTimeout = 4.0;     // the whole exercise: firstNoteTimeout + this per note
};

class SingSession {
 public:
  SingSession(SingExercise exercise, SingSettings settings, int sampleRate, SingTimings timings = {});
  void Feed(const float* mono, size_t count);
  std::vector<SingEvent> TakeEvents();
  bool Done() const;
  // The student stops listening: the note being held counts, then done.
  void Stop();
  SingVerdict Verdict() const;
  const std::vector<SungNote>& Notes() const;
  const SingExercise& Exercise() const;
  // Seconds of sound fed so far.
  double Seconds() const;

 private:
  void Heard(const SungNote& note);
  void Finish();
  SingExercise exercise_;
  SingSettings settings_;
  SingTimings timings_;
  PitchTracker tracker_;
  NoteFinder finder_;
  std::vector<SungNote> notes_;
  std::vector<SingEvent> events_;
  SingVerdict verdict_;
  bool done_ = false;
  bool silentSent_ = false;
  double fedSeconds_ = 0;
  double zeroSince_ = 0;      // start of the current run of exact zeros
  double lastVoiced_ = 0;     // the last frame above the gate with a pitch
  double levelSum_ = 0;       // power of the frames since the last Level event
  int levelFrames_ = 0;
  double lastLevelAt_ = 0;
};
