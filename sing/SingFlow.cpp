// The Sing window's steps: the noise gate, the exercise sounding, listening,
// the verdict and its record, and the student's own range.
#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QCheckBox>
#include <QSettings>
#include <QTimer>
#include <algorithm>

#include "Accessible.h"
#include "DrillSession.h"
#include "DrillView.h"
#include "Platform.h"
#include "QuestionGenerator.h"
#include "Settings.h"
#include "SingAnswer.h"
#include "SingLog.h"
#include "SingWindow.h"
#include "TimedPlayback.h"
#include "Waymidi.h"

namespace {


RandomSource& SingRandom() {
  // Its own, so that the drill's questions stay as they would have been.
  static RandomSource rng = [] {
    RandomSource r;
    r.Seed(PlatformTimeSeconds() ^ 0x5196a11cu);
    return r;
  }();
  return rng;
}

// Between the last note sounding and the microphone opening, and after the
// verdict before the right notes sound.
constexpr uint32_t kBeforeListeningMs = 150;
constexpr uint32_t kBeforeRightNotesMs = 700;
// Notes played for singing ring shorter than a question's, so that the
// student can begin soon after.
constexpr uint32_t kSungNoteMs = 900;
constexpr uint32_t kNoteStepMs = 600;
constexpr double kRangeTimeoutSeconds = 10;

}  // namespace

bool TSingForm::MakeExercise() {
  const DrillSession& drill = view_->Session();
  std::vector<int> enabled;
  for (int i = 0; i < drill.currentList.length; ++i)
    if (drill.filters.Asks(i) && drill.EntryAt(i) && CanVoice(*drill.EntryAt(i))) enabled.push_back(i);
  if (enabled.empty()) return false;
  RandomSource& rng = SingRandom();
  const int listIndex = enabled[static_cast<size_t>(rng.random(static_cast<int32_t>(enabled.size())))];
  const SetClassEntry& entry = *drill.EntryAt(listIndex);
  const VoiceRange range = Range();
  if (BackRadio->isChecked()) {
    QuestionState q;
    VoiceQuestion(entry, VoicingRangeFromIndex(drill.filters.Range()),
                  NoteLimits{drill.lowestNote, drill.highestNote, drill.gapUnit}, rng, q);
    q.listIndex = listIndex;
    const int n = std::clamp<int32_t>(q.noteCount, 1, 4);
    const std::vector<int> placed = PlaceInRange(std::vector<int>(q.playedNotes, q.playedNotes + n), range);
    std::copy(placed.begin(), placed.end(), q.playedNotes);
    std::vector<int> sorted = placed;
    std::sort(sorted.begin(), sorted.end());
    std::copy(sorted.begin(), sorted.end(), q.sortedNotes);
    exercise_ = BackExercise(q, entry, entry.cardinality);
  } else {
    const bool inverted = entry.hasDistinctInversion && rng.random(2) == 1;
    const int start = PlaceInRange(std::vector<int>{60 + rng.random(12)}, range).front();
    exercise_ = ClassExercise(entry, entry.cardinality, listIndex, inverted, start, AnyFormCheck->isChecked());
  }
  attempt_ = 1;
  return true;
}

void TSingForm::SingButtonClick() {
  if (step_ != Step::Idle && step_ != Step::Failed) return;
  if (!MakeExercise()) {
    Failed(QCoreApplication::translate("TSingForm", "No set class is enabled: choose some in the filters, then press Sing again."));
    return;
  }
  Start();
}

void TSingForm::AgainButtonClick() {
  if (!exercise_ || (step_ != Step::Idle && step_ != Step::Failed)) return;
  ++attempt_;
  Start();
}

void TSingForm::Start() {
  heard_.clear();
  verdict_.reset();
  right_.clear();
  VerdictLabel->clear();
  VerdictLabel->setAccessibleName(QString());
  ShowHeard(false);
  PromptLabel->setText(PromptText());
  if (onExerciseMade) onExerciseMade(*exercise_);
  if (calibrated_)
    PlayThenListen();
  else
    Calibrate([this] { PlayThenListen(); });
}

bool TSingForm::OpenListener(std::function<void(const std::vector<float>&, bool)> sink) {
  SourceFailure failure = SourceFailure::None;
  std::unique_ptr<SoundSource> source = OpenSoundSource(failure);
  if (!source) {
    Failed(failure == SourceFailure::Refused
               ? QCoreApplication::translate("TSingForm", "Sonorix may not use the microphone. Allow it in the system's sound or privacy settings, then "
                    "press Sing again; or go back to the drill.")
               : QCoreApplication::translate("TSingForm", "No microphone was found. Plug one in or choose it in the system's sound settings, then press "
                    "Sing again; or go back to the drill."));
    return false;
  }
  listener_ = std::make_unique<SoundListener>(std::move(source), std::move(sink));
  return true;
}

void TSingForm::StopListening() {
  if (!listener_) return;
  listener_->Stop();
  // Not destroyed here: this may run inside its own delivery.
  retired_ = std::move(listener_);
  QTimer::singleShot(0, this, [this] { retired_.reset(); });
}

void TSingForm::Failed(const QString& message) {
  StopListening();
  session_.reset();
  ShowStep(Step::Failed, message);
  Announce(this, message);
  BackButton->setFocus();
}

void TSingForm::Calibrate(std::function<void()> then) {
  calibration_ = NoiseCalibration();
  ShowStep(Step::Calibrating, QCoreApplication::translate("TSingForm", "Please keep quiet for three seconds: Sonorix listens to the room's noise."));
  auto after = std::make_shared<std::function<void()>>(std::move(then));
  const bool opened = OpenListener([this, after](const std::vector<float>& samples, bool ended) {
    if (!tracker_) return;
    tracker_->Feed(samples.data(), samples.size());
    for (const PitchFrame& frame : tracker_->TakeFrames()) {
      calibration_.Add(frame);
      Meter->SetLevel(frame.levelDb);
    }
    if (!calibration_.Ready() && !ended) return;
    StopListening();
    tracker_.reset();
    if (!calibration_.Ready()) {
      Failed(QCoreApplication::translate("TSingForm", "The microphone has gone silent. Check that it is plugged in and not muted, then press Sing again; "
                "or go back to the drill."));
      return;
    }
    settings_.noiseGateDb = calibration_.GateDb();
    calibrated_ = true;
    (*after)();
  });
  if (opened) tracker_ = std::make_unique<PitchTracker>(listener_->SampleRate());
}

void TSingForm::PlayNotes(const std::vector<int>& notes, uint32_t leadInMs) {
  PlaybackPlan plan;
  uint32_t at = leadInMs;
  for (int n : notes) {
    PlanNote note;
    note.atMs = at;
    note.key = static_cast<uint8_t>(std::clamp(n, 0, 127));
    note.lengthMs = kSungNoteMs;
    note.approach = NoteApproach::Deadline;
    plan.notes.push_back(note);
    at += kNoteStepMs;
  }
  plan.endMs = at;
  TWayMidiOut* out = view_->OutPort();
  TimedPlayback::Put(plan, [out](const MIDIEVENT& event) {
    MIDIEVENT copy = event;
    return !out || out->Put(&copy);
  });
  soundingUntil_ = PlatformTickCount() + SoundingUntilMs(plan);
}

void TSingForm::Silence() {
  TWayMidiOut* out = view_->OutPort();
  if (static_cast<int32_t>(soundingUntil_ - PlatformTickCount()) > 0 && out && out->IsOpen) out->Reset();
  soundingUntil_ = PlatformTickCount();
}

void TSingForm::PlayThenListen() {
  ShowStep(Step::Playing, exercise_->kind == SingKind::Back ? QCoreApplication::translate("TSingForm", "Listen…") : QCoreApplication::translate("TSingForm", "Listen to the starting note…"));
  PlayNotes(exercise_->played, 0);
  delete timers_;
  timers_ = new QObject(this);
  const int wait = static_cast<int>(std::max<size_t>(exercise_->played.size(), 1) - 1) * static_cast<int>(kNoteStepMs) +
                   static_cast<int>(kSungNoteMs + kBeforeListeningMs);
  QTimer::singleShot(wait, timers_, [this] { Listen(); });
}

void TSingForm::Listen() {
  const bool opened = OpenListener([this](const std::vector<float>& samples, bool ended) {
    if (!session_) return;
    session_->Feed(samples.data(), samples.size());
    if (ended) session_->Stop();
    for (const SingEvent& event : session_->TakeEvents()) {
      switch (event.kind) {
        case SingEventKind::Level: Meter->SetLevel(event.levelDb); break;
        case SingEventKind::Note: Heard(event.note); break;
        case SingEventKind::Silent:
          Failed(QCoreApplication::translate("TSingForm", "The microphone has gone silent. Check that it is plugged in and not muted, then press Sing "
                    "again; or go back to the drill."));
          return;
        case SingEventKind::Done: Finished(); return;
      }
    }
  });
  if (!opened) return;
  session_ = std::make_unique<SingSession>(*exercise_, Settings(), listener_->SampleRate());
  ShowStep(Step::Listening, exercise_->kind == SingKind::Back ? QCoreApplication::translate("TSingForm", "Sing the notes back now.")
                                                              : QCoreApplication::translate("TSingForm", "Sing now: the starting note was played."));
}

void TSingForm::Heard(const SungNote& note) {
  heard_.push_back(note);
  ShowHeard(false);
}

void TSingForm::StopButtonClick() {
  if (step_ == Step::Listening && session_) {
    session_->Stop();
    Finished();
  } else if (step_ == Step::Calibrating || step_ == Step::Range) {
    StopListening();
    tracker_.reset();
    finder_.reset();
    ShowStep(Step::Idle, QCoreApplication::translate("TSingForm", "Stopped. Press Sing to begin."));
  }
}

void TSingForm::Finished() {
  StopListening();
  if (!session_) return;
  heard_ = session_->Notes();
  verdict_ = session_->Verdict();
  session_.reset();
  right_ = RightNotesIn(*exercise_, Range());
  const DrillSession& drill = view_->Session();
  const bool written =
      AppendSingRecord(kSingFileName, MakeSingRecord(*exercise_, heard_, *verdict_, attempt_, drill.CurrentPersonName));
  ShowStep(Step::Idle, written ? QCoreApplication::translate("TSingForm", "Sing again, try again, or hear the right notes.")
                               : QCoreApplication::translate("TSingForm", "This answer could not be written to sing.dat."));
  ShowVerdict();
  PlayNotes(right_, kBeforeRightNotesMs);
}

void TSingForm::HearButtonClick() {
  if (right_.empty()) return;
  Silence();
  PlayNotes(right_, 0);
}

void TSingForm::RangeButtonClick() {
  if (step_ != Step::Idle && step_ != Step::Failed) return;
  if (calibrated_)
    SingRange(-1);
  else
    Calibrate([this] { SingRange(-1); });
}

void TSingForm::SingRange(int first) {
  ShowStep(Step::Range, first < 0 ? QCoreApplication::translate("TSingForm", "Sing your lowest comfortable note and hold it.")
                                  : QCoreApplication::translate("TSingForm", "Now sing your highest comfortable note and hold it."));
  auto since = std::make_shared<double>(0);
  const bool opened = OpenListener([this, first, since](const std::vector<float>& samples, bool ended) {
    if (!tracker_ || !finder_) return;
    tracker_->Feed(samples.data(), samples.size());
    std::optional<SungNote> note;
    for (const PitchFrame& frame : tracker_->TakeFrames()) {
      Meter->SetLevel(frame.levelDb);
      *since = frame.seconds;
      if (!note) note = finder_->Add(frame);
    }
    if (!note && (ended || *since > kRangeTimeoutSeconds)) note = finder_->Finish();
    if (!note && !ended && *since <= kRangeTimeoutSeconds) return;
    StopListening();
    tracker_.reset();
    finder_.reset();
    if (!note) {
      ShowStep(Step::Idle, QCoreApplication::translate("TSingForm", "No note was heard. Press Sing My Range to try again."));
      return;
    }
    const int midi = static_cast<int>(std::lround(note->midi));
    if (first < 0) {
      SingRange(midi);
      return;
    }
    const VoiceRange range = RangeFromNotes(first, midi);
    EditSettings([range](QSettings& s) {
      s.setValue(QStringLiteral("Sing/RangeLow"), range.low);
      s.setValue(QStringLiteral("Sing/RangeHigh"), range.high);
    });
    const QString news = QCoreApplication::translate("TSingForm", "Your range is kept: the notes played now lie where you sang.");
    ShowStep(Step::Idle, news);
    Announce(this, news);
  });
  if (!opened) return;
  tracker_ = std::make_unique<PitchTracker>(listener_->SampleRate());
  SingSettings s = Settings();
  finder_ = std::make_unique<NoteFinder>(s);
}
