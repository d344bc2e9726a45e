#include "HeardWindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

#include "Accessible.h"
#include "DrillSession.h"
#include "DrillSessionSignals.h"
#include "DrillWindow.h"
#include "Playback.h"
#include "PracticeMode.h"
#include "RadioGroup.h"
#include "Settings.h"

namespace {

constexpr const char* kShowKey = "View/ShowWhatIHeard";

QSettings Settings() { return QSettings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat); }

QString ClassName(const SetClassEntry* entry) {
  return entry ? QString::number(entry->cardinality) + QLatin1Char('-') + QString::fromStdString(entry->name) : QString();
}

PlayManner MannerOf(const TForm1* form) {
  return PlayMannerFromItemIndex(form->RadioGroup ? form->RadioGroup->ItemIndex() : 0);
}

}  // namespace

bool ShowWhatIHeardSetting() { return Settings().value(QString::fromLatin1(kShowKey), false).toBool(); }

void SetShowWhatIHeardSetting(bool on) {
  EditSettings([on](QSettings& settings) { settings.setValue(QString::fromLatin1(kShowKey), on); });
}

THeardForm::THeardForm(TForm1* form) : QDialog(form, Qt::Window), form_(form) {
  setObjectName(QStringLiteral("HeardForm"));
  setWindowTitle(QCoreApplication::translate("HeardPicture", "What I Heard"));
  // The answer field keeps the keyboard: the next answer is typed at once.
  setAttribute(Qt::WA_ShowWithoutActivating);
  View = new TNotationView(this);
  TextLabel = new QLabel(this);
  TextLabel->setObjectName(QStringLiteral("HeardText"));
  TextLabel->setWordWrap(true);
  TextLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(View);
  layout->addWidget(TextLabel);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void THeardForm::ShowQuestion(const QuestionState& asked, const SetClassEntry* named) {
  const SetClassEntry* entry = form_->ListEntry(asked.listIndex);
  std::vector<PictureSet> sets;
  sets.push_back({named ? QCoreApplication::translate("HeardPicture", "Heard") : ClassName(entry), QuestionColumns(asked, MannerOf(form_)), entry});
  if (named) {
    const int n = std::clamp<int32_t>(asked.noteCount, 1, 4);
    const int lowest = *std::min_element(asked.sortedNotes, asked.sortedNotes + n);
    sets.push_back({QCoreApplication::translate("HeardPicture", "You named"), ClosePosition(*named, lowest), named});
  }
  View->SetPicture(std::move(sets));
  TextLabel->setText(View->TextEquivalent());
  if (!placed_) {
    // Beside the drill window, on its right.
    placed_ = true;
    adjustSize();
    move(form_->frameGeometry().right() + 8, form_->frameGeometry().top());
  }
  show();
}

THeardForm* HeardWindow(const TForm1* form) {
  return form ? form->findChild<THeardForm*>(QStringLiteral("HeardForm"), Qt::FindDirectChildrenOnly) : nullptr;
}

void InstallHeardPicture(TForm1* form) {
  if (!form || form->findChild<QAction*>(QStringLiteral("ShowWhatIHeard1"))) return;
  QMenu* view = form->MainMenu1 ? form->MainMenu1->findChild<QMenu*>(QStringLiteral("View1")) : nullptr;
  auto* item = new QAction(QCoreApplication::translate("HeardPicture", "Show What I Heard"), view ? static_cast<QObject*>(view) : form);
  item->setObjectName(QStringLiteral("ShowWhatIHeard1"));
  item->setCheckable(true);
  item->setChecked(ShowWhatIHeardSetting());
  if (view) {
    view->addSeparator();
    view->addAction(item);
  }
  QObject::connect(item, &QAction::triggered, form, [](bool on) { SetShowWhatIHeardSetting(on); });

  auto show = [form](const QuestionState& asked, const SetClassEntry* named) {
    THeardForm* window = HeardWindow(form);
    if (!window) window = new THeardForm(form);
    window->ShowQuestion(asked, named);
    // Heard with the judgement just announced, in one breath.
    const QString judgement = LastAnnouncement(form);
    Announce(form, (judgement.isEmpty() ? QString() : judgement + QLatin1Char(' ')) + window->View->TextEquivalent());
  };
  QObject::connect(&form->SessionSignals(), &DrillSessionSignals::answerJudged, form, [form, item, show](const JudgedAnswer& answer) {
    if (answer.givenListIndex < 0) return;
    const TPracticeMode* practice = TPracticeMode::Of(form);
    if (practice && practice->Running())
      show(answer.asked, answer.right ? nullptr : form->ListEntry(answer.givenListIndex));
    else if (answer.right && item->isChecked())
      show(answer.asked, nullptr);
  });
  if (TPracticeMode* practice = TPracticeMode::Of(form))
    QObject::connect(practice, &TPracticeMode::answerShown, form, show);
}
