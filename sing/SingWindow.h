// "Sing the Answer": a window of ours beside the drill window. Sonorix plays
// a question (or names a class and plays its starting note), the student
// sings, and each note heard shows on the staff of "What I Heard" with its
// name and its deviation in cents; then the verdict, and the right notes
// played and shown beside the sung ones. A few seconds of the room's silence
// set the noise gate before the first exercise. The microphone is open only
// while an exercise (or the range or the gate) listens; nothing heard is kept
// but the notes, and those go to sing.dat.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "Calibration.h"
#include "Notation.h"
#include "PitchTracker.h"
#include "SingExercise.h"
#include "SingJudge.h"
#include "SingSession.h"
#include "SingSource.h"
#include "SungNotes.h"
#include "VoiceRange.h"

class DrillView;
class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class TNotationView;

// The level of the voice as a bar. It tells readers nothing while it moves,
// so that it never talks over the singing.
class TLevelMeter : public QWidget {
  Q_OBJECT
 public:
  explicit TLevelMeter(QWidget* parent);
  void SetLevel(double db);  // -60 dB (empty) .. 0 dB (full)
  double Level() const { return db_; }
  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  double db_ = -120;
};

class TSingForm : public QDialog {
  Q_OBJECT
 public:
  explicit TSingForm(DrillView* view);
  ~TSingForm() override;

  QRadioButton* BackRadio = nullptr;   // "Sing it back"
  QRadioButton* ClassRadio = nullptr;  // "Sing the class"
  QCheckBox* AnyFormCheck = nullptr;   // any transposition or inversion
  QSpinBox* ToleranceSpin = nullptr;   // cents, 25..50
  QComboBox* VoiceCombo = nullptr;     // soprano, alto, tenor, bass, mine
  QPushButton* RangeButton = nullptr;  // "mine": two notes sung
  QLabel* PromptLabel = nullptr;
  QLabel* StatusLabel = nullptr;
  TLevelMeter* Meter = nullptr;
  TNotationView* View = nullptr;
  QLabel* HeardLabel = nullptr;        // "D4 +12 cents, F4 −8 cents"
  QLabel* VerdictLabel = nullptr;
  QPushButton* SingButton = nullptr;   // a new exercise
  QPushButton* AgainButton = nullptr;  // the same one again
  QPushButton* HearButton = nullptr;   // the right notes again
  QPushButton* StopButton = nullptr;
  QPushButton* BackButton = nullptr;   // back to the drill window

  enum class Step { Idle, Calibrating, Playing, Listening, Range, Failed };
  Step CurrentStep() const { return step_; }
  const std::optional<SingExercise>& Exercise() const { return exercise_; }
  const std::vector<SungNote>& Heard() const { return heard_; }
  const std::optional<SingVerdict>& Verdict() const { return verdict_; }
  // The notes played after the verdict (in the voice's range).
  const std::vector<int>& Right() const { return right_; }
  bool Calibrated() const { return calibrated_; }
  double GateDb() const { return settings_.noiseGateDb; }

  void SingButtonClick();
  void AgainButtonClick();
  void HearButtonClick();
  void StopButtonClick();
  void RangeButtonClick();

  // Called once the exercise has been made, before it sounds (tests render
  // the voice that sings it here).
  std::function<void(const SingExercise&)> onExerciseMade;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  // --- the steps (SingFlow.cpp) ----------------------------------------------
  bool MakeExercise();
  void Start();                              // the gate first, then play and listen
  void Calibrate(std::function<void()> then);
  void PlayThenListen();
  void Listen();
  void Heard(const SungNote& note);
  void Finished();
  void SingRange(int first);                 // -1: the low note; else the high one after it
  bool OpenListener(std::function<void(const std::vector<float>&, bool)> sink);
  void StopListening();
  void Failed(const QString& message);
  void PlayNotes(const std::vector<int>& notes, uint32_t leadInMs);
  void Silence();
  // --- showing (SingWindow.cpp) ----------------------------------------------
  void ShowStep(Step step, const QString& status);
  void ShowHeard(bool final);
  void ShowVerdict();
  QString PromptText() const;
  QString NoteText(const notation::SpelledNote& spelled, const SungNote& note) const;
  VoiceRange Range() const;
  SingSettings Settings() const;
  void SaveChoices();
  void UpdateControls();

  DrillView* view_;
  Step step_ = Step::Idle;
  bool calibrated_ = false;
  SingSettings settings_;
  std::optional<SingExercise> exercise_;
  int attempt_ = 1;
  std::vector<SungNote> heard_;
  std::optional<SingVerdict> verdict_;
  std::vector<int> right_;
  std::unique_ptr<SoundListener> listener_;
  std::unique_ptr<SoundListener> retired_;  // stopped, destroyed once its delivery is over
  std::unique_ptr<SingSession> session_;
  std::unique_ptr<PitchTracker> tracker_;   // the gate's and the range's
  std::unique_ptr<NoteFinder> finder_;
  NoiseCalibration calibration_;
  QObject* timers_ = nullptr;               // pending steps; deleted to cancel them
  uint32_t soundingUntil_ = 0;
};

// The window of that drill window, made on first use; nullptr before.
TSingForm* SingWindow(const QObject* drillWindow);
// "Sing the Answer…" beside Practice Mode; the window closes when a drill begins.
void InstallSingMode(DrillView* view);
