#include "ProgressMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QSettings>
#include <QTime>
#include <algorithm>
#include <cmath>

#include "ClassOverview.h"
#include "ProgressAccess.h"
#include "ConfusionWindow.h"
#include "DataFile.h"
#include "DrillNotes.h"
#include "DrillSessionSignals.h"
#include "DrillWindow.h"
#include "DrillWindowPlayer.h"
#include "Platform.h"
#include "ProgressWindow.h"
#include "RadioGroup.h"
#include "SessionLog.h"
#include "SetClassPlayer.h"
#include "Settings.h"

namespace {

constexpr const char* kPlayWrongAnswersKey = "Progress/PlayWrongAnswers";

}  // namespace

bool PlayWrongAnswersSetting() {
  QSettings settings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
  return settings.value(QString::fromLatin1(kPlayWrongAnswersKey), false).toBool();
}

void SetPlayWrongAnswersSetting(bool on) {
  EditSettings([on](QSettings& settings) { settings.setValue(QString::fromLatin1(kPlayWrongAnswersKey), on); });
}

TProgressMenu::TProgressMenu(TForm1* form) : QObject(form), form_(form) {
  setObjectName(QStringLiteral("ProgressMenu"));
  Progress1 = new QMenu(tr("Progress"), form->MainMenu1);
  MyProgress1 = Progress1->addAction(tr("My Progress…"));
  Confusions1 = Progress1->addAction(tr("Confusions…"));
  ClassOverview1 = Progress1->addAction(tr("Class Overview…"));
  Progress1->addSeparator();
  PlayMyWrongAnswers1 = Progress1->addAction(tr("Play My Wrong Answers"));
  PlayMyWrongAnswers1->setCheckable(true);
  PlayMyWrongAnswers1->setChecked(PlayWrongAnswersSetting());
  // Before "Help", wherever the other menus stand by then.
  form->MainMenu1->insertMenu(form->Help1 ? form->Help1->menuAction() : nullptr, Progress1);

  connect(Progress1, &QMenu::aboutToShow, this, [this] { UpdateItems(); });
  connect(MyProgress1, &QAction::triggered, this, [this] { MyProgress1Click(); });
  connect(Confusions1, &QAction::triggered, this, [this] { Confusions1Click(); });
  connect(ClassOverview1, &QAction::triggered, this, [this] {
    if (!form_->Drilling) ShowClassOverview(form_);
  });
  connect(PlayMyWrongAnswers1, &QAction::triggered, this, [this] { PlayMyWrongAnswers1Click(); });
  // The drill tells when it begins and ends (by END or by Login New Person)
  // and which wrong answers it counted.
  DrillSessionSignals& drill = form->SessionSignals();
  connect(&drill, &DrillSessionSignals::drillBeginning, this, [this] {
    // Where BEGIN's S record will start.
    const QFileInfo log(QString::fromLatin1(kReportFileName));
    logSizeBefore_ = log.exists() ? static_cast<uint64_t>(log.size()) : 0;
    LastDrill.reset();
  });
  connect(&drill, &DrillSessionSignals::drillStarted, this, [this] { DrillStarted(); });
  connect(&drill, &DrillSessionSignals::drillEnded, this, [this](const DrillResult& ended) {
    // Practice is not a drill to keep.
    if (!ended.practice) LastDrill = EndedDrill{ended.stats, ended.cardinalityIndex};
  });
  connect(&drill, &DrillSessionSignals::answerJudged, this, [this](const JudgedAnswer& answer) {
    if (!answer.right && answer.counted) WrongAnswer(answer.givenListIndex);
  });
  if (form->RadioGroup) {
    for (int i = 0; i < form->RadioGroup->Count(); ++i) {
      // The button's own number: the group may not know the new choice yet.
      connect(form->RadioGroup->Button(i), &QAbstractButton::toggled, this, [this, i](bool on) {
        if (on) MannerChanged(i);
      });
    }
  }
}

void TProgressMenu::DrillStarted() {
  noteOffset_ = -1;
  if (form_->Session().IsPractice()) return;  // practice.dat is its log
  const auto log = ReadTextFile(kReportFileName);
  if (!log) return;
  noteOffset_ = LastStartRecordFrom(*log, std::min<uint64_t>(logSizeBefore_, log->size()));
  if (noteOffset_ < 0) return;
  noteDay_ = static_cast<int32_t>(std::floor(PlatformToday()));
  WriteNote(QTime::currentTime().msecsSinceStartOfDay() / 1000, form_->RadioGroup ? form_->RadioGroup->ItemIndex() : 0);
}

void TProgressMenu::MannerChanged(int manner) {
  if (!form_->Drilling || noteOffset_ < 0) return;
  WriteNote(noteSeconds_, manner);
}

void TProgressMenu::WriteNote(int32_t secondsOfDay, int manner) {
  noteSeconds_ = secondsOfDay;
  AppendToFile(kDrillNotesFileName,
               DrillNoteLine(static_cast<uint64_t>(noteOffset_), noteDay_, noteSeconds_, manner));
}

TProgressMenu* TProgressMenu::Of(const TForm1* form) {
  return form ? form->findChild<TProgressMenu*>(QStringLiteral("ProgressMenu"), Qt::FindDirectChildrenOnly) : nullptr;
}

void TProgressMenu::UpdateItems() {
  MyProgress1->setEnabled(!form_->Drilling);
  Confusions1->setEnabled(!form_->Drilling);
  ClassOverview1->setEnabled(!form_->Drilling);
}

void TProgressMenu::MyProgress1Click() {
  if (form_->Drilling) return;
  TProgressForm window(form_);
  MakeProgressWindowAccessible(&window);
  window.LoadLog(form_->CurrentPersonName);
  emit progressWindowOpening(&window);
  window.exec();
}

void TProgressMenu::Confusions1Click() {
  if (form_->Drilling) return;
  TConfusionForm window(form_);
  MakeConfusionWindowAccessible(&window);
  window.LoadStats(LastDrill);
  window.exec();
}

void TProgressMenu::PlayMyWrongAnswers1Click() { SetPlayWrongAnswersSetting(PlayMyWrongAnswers1->isChecked()); }

void TProgressMenu::WrongAnswer(int givenListIndex) {
  if (!PlayMyWrongAnswers1->isChecked()) return;
  const SetClassEntry* named = form_->ListEntry(givenListIndex);
  if (named) PlayThroughDrillWindow(form_, {named}, kAfterWrongAnswerMs, 0);
}

void InstallProgressMenu(TForm1* form) {
  if (form && !TProgressMenu::Of(form)) new TProgressMenu(form);
}
