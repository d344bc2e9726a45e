#include "SingSession.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace {
constexpr double kLevelEverySeconds = 0.05;
}

SingSession::SingSession(SingExercise exercise, SingSettings settings, int sampleRate, SingTimings timings)
    : exercise_(std::move(exercise)),
      settings_(Sanitized(settings)),
      timings_(timings),
      tracker_(sampleRate),
      finder_(settings_) {}

void SingSession::Feed(const float* mono, size_t count) {
  if (done_ || !mono || count == 0) return;
  const double rate = tracker_.SampleRate();
  // Exact zeros are a muted or lost microphone; a real room is never so quiet.
  size_t lastSound = count;
  for (size_t i = count; i-- > 0;)
    if (mono[i] != 0.0f) {
      lastSound = i;
      break;
    }
  const double end = fedSeconds_ + count / rate;
  if (lastSound != count) zeroSince_ = fedSeconds_ + (lastSound + 1) / rate;
  fedSeconds_ = end;
  if (!silentSent_ && fedSeconds_ - zeroSince_ >= timings_.digitalSilence) {
    silentSent_ = true;
    events_.push_back({SingEventKind::Silent, -120, {}});
  }

  tracker_.Feed(mono, count);
  for (const PitchFrame& frame : tracker_.TakeFrames()) {
    levelSum_ += std::pow(10.0, frame.levelDb / 10.0);
    ++levelFrames_;
    if (frame.seconds - lastLevelAt_ >= kLevelEverySeconds) {
      events_.push_back({SingEventKind::Level, 10.0 * std::log10(levelSum_ / levelFrames_ + 1e-13), {}});
      levelSum_ = 0;
      levelFrames_ = 0;
      lastLevelAt_ = frame.seconds;
    }
    if (frame.hz > 0 && frame.levelDb >= settings_.noiseGateDb) lastVoiced_ = frame.seconds;
    if (auto note = finder_.Add(frame)) Heard(*note);
    if (done_) return;
    const double now = frame.seconds;
    const bool quietAfterNote = !notes_.empty() && !finder_.Holding() && now - lastVoiced_ >= timings_.silenceAfterNote;
    const double limit = timings_.firstNoteTimeout + timings_.perNoteTimeout * double(NotesToSing(exercise_));
    const bool nothingSung = notes_.empty() && !finder_.Holding() && now >= timings_.firstNoteTimeout;
    if (quietAfterNote || nothingSung || now >= limit) Finish();
    if (done_) return;
  }
}

void SingSession::Heard(const SungNote& note) {
  notes_.push_back(note);
  events_.push_back({SingEventKind::Note, -120, note});
  if (NotesJudged(exercise_, notes_).size() >= NotesToSing(exercise_)) Finish();
}

void SingSession::Stop() {
  if (done_) return;
  Finish();
}

void SingSession::Finish() {
  if (done_) return;
  done_ = true;
  if (auto note = finder_.Finish()) {
    notes_.push_back(*note);
    events_.push_back({SingEventKind::Note, -120, *note});
  }
  verdict_ = Judge(exercise_, notes_, settings_);
  events_.push_back({SingEventKind::Done, -120, {}});
}

std::vector<SingEvent> SingSession::TakeEvents() {
  std::vector<SingEvent> taken;
  taken.swap(events_);
  return taken;
}

bool SingSession::Done() const { return done_; }
SingVerdict SingSession::Verdict() const { return verdict_; }
const std::vector<SungNote>& SingSession::Notes() const { return notes_; }
const SingExercise& SingSession::Exercise() const { return exercise_; }
double SingSession::Seconds() const { return fedSeconds_; }
