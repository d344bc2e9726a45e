#include "ProgressMenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
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
#include "DrillSession.h"
#include "DrillView.h"
#include "DrillWindowPlayer.h"
#include "Platform.h"
#include "ProgressWindow.h"
#include "SessionLog.h"
#include "SetClassPlayer.h"
#include "Settings.h"

namespace {

constexpr const char* kPlayWrongAnswersKey = "Progress/PlayWrongAnswers";

}  // namespace

bool PlayWrongAnswersSetting() {
  QSettings settings(SettingsFilePath(), QSettings::IniFormat);
  return settings.value(QString::fromLatin1(kPlayWrongAnswersKey), false).toBool();
}

void SetPlayWrongAnswersSetting(bool on) {
  EditSettings([on](QSettings& settings) { settings.setValue(QString::fromLatin1(kPlayWrongAnswersKey), on); });
}

TProgressMenu::TProgressMenu(DrillView* view)
    : QObject(view->ViewWindow()), view_(*view), drill_(view->Session()), playMode_(drill_.filters.PlayMode()) {
  setObjectName(QStringLiteral("ProgressMenu"));
  Progress1 = new QMenu(tr("Progress"), view_.Menus());
  MyProgress1 = Progress1->addAction(tr("My Progress…"));
  Confusions1 = Progress1->addAction(tr("Confusions…"));
  ClassOverview1 = Progress1->addAction(tr("Class Overview…"));
  // In a shared folder, for the teachers only.
  ClassOverview1->setVisible(AccountMayOversee());
  Progress1->addSeparator();
  PlayMyWrongAnswers1 = Progress1->addAction(tr("Play My Wrong Answers"));
  PlayMyWrongAnswers1->setCheckable(true);
  PlayMyWrongAnswers1->setChecked(PlayWrongAnswersSetting());
  // Before "Help", wherever the other menus stand by then.
  view_.AddMenu(Progress1);

  connect(Progress1, &QMenu::aboutToShow, this, [this] { UpdateItems(); });
  connect(MyProgress1, &QAction::triggered, this, [this] { MyProgress1Click(); });
  connect(Confusions1, &QAction::triggered, this, [this] { Confusions1Click(); });
  connect(ClassOverview1, &QAction::triggered, this, [this] {
    if (!drill_.Drilling && AccountMayOversee()) ShowClassOverview(view_.ViewWindow());
  });
  connect(PlayMyWrongAnswers1, &QAction::triggered, this, [this] { PlayMyWrongAnswers1Click(); });
  // The drill tells when it begins and ends (by END or by Login New Person)
  // and which wrong answers it counted.
  DrillSessionSignals& news = view_.SessionSignals();
  connect(&news, &DrillSessionSignals::drillBeginning, this, [this] {
    // Where BEGIN's S record will start.
    const QFileInfo log(QString::fromLatin1(kReportFileName));
    logSizeBefore_ = log.exists() ? static_cast<uint64_t>(log.size()) : 0;
    LastDrill.reset();
  });
  connect(&news, &DrillSessionSignals::drillStarted, this, [this] { DrillStarted(); });
  connect(&news, &DrillSessionSignals::drillEnded, this, [this](const DrillResult& ended) {
    // Practice is not a drill to keep.
    if (!ended.practice) LastDrill = EndedDrill{ended.stats, ended.cardinalityIndex};
  });
  connect(&news, &DrillSessionSignals::answerJudged, this, [this](const JudgedAnswer& answer) {
    if (!answer.right && answer.counted) WrongAnswer(answer.givenListIndex);
  });
  // The manner, as the "Play:" group sets it. The drill outlives this menu
  // (it is the window's, which deletes its children last), but not the
  // other way round: the listener checks that the menu is still there.
  drill_.filters.Listen([menu = QPointer<TProgressMenu>(this)](FilterModel::Change) {
    if (!menu) return;
    const int mode = menu->drill_.filters.PlayMode();
    if (mode == menu->playMode_) return;
    menu->playMode_ = mode;
    if (mode >= 0) menu->MannerChanged(mode);
  });
}

void TProgressMenu::DrillStarted() {
  noteOffset_ = -1;
  if (drill_.IsPractice()) return;  // practice.dat is its log
  const auto log = ReadTextFile(kReportFileName);
  if (!log) return;
  noteOffset_ = LastStartRecordFrom(*log, std::min<uint64_t>(logSizeBefore_, log->size()));
  if (noteOffset_ < 0) return;
  noteDay_ = static_cast<int32_t>(std::floor(PlatformToday()));
  WriteNote(QTime::currentTime().msecsSinceStartOfDay() / 1000, drill_.filters.PlayMode());
}

void TProgressMenu::MannerChanged(int manner) {
  if (!drill_.Drilling || noteOffset_ < 0) return;
  WriteNote(noteSeconds_, manner);
}

void TProgressMenu::WriteNote(int32_t secondsOfDay, int manner) {
  noteSeconds_ = secondsOfDay;
  AppendToFile(kDrillNotesFileName,
               DrillNoteLine(static_cast<uint64_t>(noteOffset_), noteDay_, noteSeconds_, manner));
}

TProgressMenu* TProgressMenu::Of(const QObject* window) {
  return window ? window->findChild<TProgressMenu*>(QStringLiteral("ProgressMenu"), Qt::FindDirectChildrenOnly) : nullptr;
}

void TProgressMenu::UpdateItems() {
  MyProgress1->setEnabled(!drill_.Drilling);
  Confusions1->setEnabled(!drill_.Drilling);
  ClassOverview1->setEnabled(!drill_.Drilling);
}

void TProgressMenu::MyProgress1Click() {
  if (drill_.Drilling) return;
  TProgressForm window(view_.ViewWindow());
  MakeProgressWindowAccessible(&window);
  window.LoadLog(drill_.CurrentPersonName);
  emit progressWindowOpening(&window);
  window.exec();
}

void TProgressMenu::Confusions1Click() {
  if (drill_.Drilling) return;
  TConfusionForm window(&view_);
  MakeConfusionWindowAccessible(&window);
  window.LoadStats(LastDrill);
  window.exec();
}

void TProgressMenu::PlayMyWrongAnswers1Click() { SetPlayWrongAnswersSetting(PlayMyWrongAnswers1->isChecked()); }

void TProgressMenu::WrongAnswer(int givenListIndex) {
  if (!PlayMyWrongAnswers1->isChecked()) return;
  const SetClassEntry* named = drill_.EntryAt(givenListIndex);
  if (named) PlayThroughDrillWindow(&view_, {named}, kAfterWrongAnswerMs, 0);
}

void InstallProgressMenu(DrillView* view) {
  if (view && !TProgressMenu::Of(view->ViewWindow())) new TProgressMenu(view);
}
