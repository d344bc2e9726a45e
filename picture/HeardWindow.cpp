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

#include "DrillSession.h"
#include "DrillSessionSignals.h"
#include "DrillView.h"
#include "Playback.h"
#include "PracticeMode.h"
#include "Settings.h"

namespace {

constexpr const char* kShowKey = "View/ShowWhatIHeard";

QSettings Settings() { return QSettings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat); }

QString ClassName(const SetClassEntry* entry) {
  return entry ? QString::number(entry->cardinality) + QLatin1Char('-') + QString::fromStdString(entry->name) : QString();
}

// As the "Play:" group sets it.
PlayManner MannerOf(const DrillView* view) { return PlayMannerFromItemIndex(view->Session().filters.PlayMode()); }

}  // namespace

bool ShowWhatIHeardSetting() { return Settings().value(QString::fromLatin1(kShowKey), false).toBool(); }

void SetShowWhatIHeardSetting(bool on) {
  EditSettings([on](QSettings& settings) { settings.setValue(QString::fromLatin1(kShowKey), on); });
}

THeardForm::THeardForm(DrillView* view) : QDialog(view->ViewWindow(), Qt::Window), view_(view) {
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
  const SetClassEntry* entry = view_->Session().EntryAt(asked.listIndex);
  std::vector<PictureSet> sets;
  sets.push_back({named ? QCoreApplication::translate("HeardPicture", "Heard") : ClassName(entry), QuestionColumns(asked, MannerOf(view_)), entry});
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
    const QRect beside = view_->ViewWindow()->frameGeometry();
    move(beside.right() + 8, beside.top());
  }
  show();
}

THeardForm* HeardWindow(const QObject* window) {
  return window ? window->findChild<THeardForm*>(QStringLiteral("HeardForm"), Qt::FindDirectChildrenOnly) : nullptr;
}

void InstallHeardPicture(DrillView* view) {
  if (!view) return;
  QWidget* drillWindow = view->ViewWindow();
  if (drillWindow->findChild<QAction*>(QStringLiteral("ShowWhatIHeard1"))) return;
  QMenu* menu = view->Menus() ? view->Menus()->findChild<QMenu*>(QStringLiteral("View1")) : nullptr;
  auto* item = new QAction(QCoreApplication::translate("HeardPicture", "Show What I Heard"), menu ? static_cast<QObject*>(menu) : drillWindow);
  item->setObjectName(QStringLiteral("ShowWhatIHeard1"));
  item->setCheckable(true);
  item->setChecked(ShowWhatIHeardSetting());
  if (menu) {
    menu->addSeparator();
    menu->addAction(item);
  }
  QObject::connect(item, &QAction::triggered, drillWindow, [](bool on) { SetShowWhatIHeardSetting(on); });

  auto show = [view](const QuestionState& asked, const SetClassEntry* named) {
    THeardForm* window = HeardWindow(view->ViewWindow());
    if (!window) window = new THeardForm(view);
    window->ShowQuestion(asked, named);
    // Heard with the judgement just announced, in one breath.
    const QString judgement = view->LastSaid();
    view->Say((judgement.isEmpty() ? QString() : judgement + QLatin1Char(' ')) + window->View->TextEquivalent());
  };
  QObject::connect(&view->SessionSignals(), &DrillSessionSignals::answerJudged, drillWindow, [view, item, show](const JudgedAnswer& answer) {
    if (answer.givenListIndex < 0) return;
    const TPracticeMode* practice = TPracticeMode::Of(view->ViewWindow());
    if (practice && practice->Running())
      show(answer.asked, answer.right ? nullptr : view->Session().EntryAt(answer.givenListIndex));
    else if (answer.right && item->isChecked())
      show(answer.asked, nullptr);
  });
  if (TPracticeMode* practice = TPracticeMode::Of(drillWindow))
    QObject::connect(practice, &TPracticeMode::answerShown, drillWindow, show);
}
