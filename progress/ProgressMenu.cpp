#include "ProgressMenu.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>

#include "Accessibility.h"
#include "ConfusionWindow.h"
#include "DataFile.h"
#include "DrillWindow.h"
#include "Platform.h"
#include "ProgressWindow.h"
#include "DrillWindowPlayer.h"
#include "SetClassPlayer.h"

namespace {

constexpr const char* kPlayWrongAnswersKey = "Progress/PlayWrongAnswers";


}  // namespace

bool PlayWrongAnswersSetting() {
  QSettings settings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
  return settings.value(QString::fromLatin1(kPlayWrongAnswersKey), false).toBool();
}

void SetPlayWrongAnswersSetting(bool on) {
  QSettings settings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
  settings.setValue(QString::fromLatin1(kPlayWrongAnswersKey), on);
  settings.sync();
}

TProgressMenu::TProgressMenu(TForm1* form) : QObject(form), form_(form) {
  setObjectName(QStringLiteral("ProgressMenu"));
  Progress1 = new QMenu(QStringLiteral("Progress"), form->MainMenu1);
  MyProgress1 = Progress1->addAction(QStringLiteral("My Progress…"));
  Confusions1 = Progress1->addAction(QStringLiteral("Confusions…"));
  Progress1->addSeparator();
  PlayMyWrongAnswers1 = Progress1->addAction(QStringLiteral("Play My Wrong Answers"));
  PlayMyWrongAnswers1->setCheckable(true);
  PlayMyWrongAnswers1->setChecked(PlayWrongAnswersSetting());
  // Before "Help", wherever the other menus stand by then.
  form->MainMenu1->insertMenu(form->Help1 ? form->Help1->menuAction() : nullptr, Progress1);

  connect(Progress1, &QMenu::aboutToShow, this, [this] { UpdateItems(); });
  connect(MyProgress1, &QAction::triggered, this, [this] { MyProgress1Click(); });
  connect(Confusions1, &QAction::triggered, this, [this] { Confusions1Click(); });
  connect(PlayMyWrongAnswers1, &QAction::triggered, this, [this] { PlayMyWrongAnswers1Click(); });
  // The drill tells when it starts and ends (by END or by Login New Person)
  // and which wrong answers it counted.
  DrillSession& drill = form->Session();
  connect(&drill, &DrillSession::drillStarted, this, [this] { LastDrill.reset(); });
  connect(&drill, &DrillSession::drillEnded, this, [this](const DrillResult& ended) {
    LastDrill = EndedDrill{ended.stats, ended.cardinalityIndex};
  });
  connect(&drill, &DrillSession::answerJudged, this, [this](const JudgedAnswer& answer) {
    if (!answer.right && answer.counted) WrongAnswer();
  });
}

TProgressMenu* TProgressMenu::Of(const TForm1* form) {
  return form ? form->findChild<TProgressMenu*>(QStringLiteral("ProgressMenu"), Qt::FindDirectChildrenOnly) : nullptr;
}

void TProgressMenu::UpdateItems() {
  MyProgress1->setEnabled(!form_->Drilling);
  Confusions1->setEnabled(!form_->Drilling);
}

void TProgressMenu::MyProgress1Click() {
  if (form_->Drilling) return;
  TProgressForm window(form_);
  MakeProgressWindowAccessible(&window);
  window.LoadLog(form_->CurrentPersonName);
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

void TProgressMenu::WrongAnswer() {
  if (!PlayMyWrongAnswers1->isChecked()) return;
  const int row = form_->question.lastWrongRow;
  if (row < 0 || row >= kMaxListLength) return;
  const SetClassEntry* named = form_->ListEntry(form_->answerRowMap[row]);
  if (named) PlayThroughDrillWindow(form_, {named}, kAfterWrongAnswerMs, 0);
}

void InstallProgressMenu(TForm1* form) {
  if (form && !TProgressMenu::Of(form)) new TProgressMenu(form);
}

void PlayWrongAnswerIfWanted(TForm1* form) {
  if (TProgressMenu* menu = TProgressMenu::Of(form)) menu->WrongAnswer();
}
