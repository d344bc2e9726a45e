#include "PracticeMode.h"

#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>
#include <algorithm>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include "DataFile.h"
#include "DrillSessionSignals.h"
#include "DrillSession.h"
#include "DrillView.h"
#include "ErrorStats.h"
#include "Platform.h"
#include "PracticeWindows.h"
#include "ProgressMenu.h"
#include "ProgressWindow.h"
#include "DrillWindowPlayer.h"
#include "SetClassPlayer.h"
#include "Settings.h"
#include "TimedPlayback.h"
#include "Waymidi.h"

namespace {

constexpr const char* kModeKey = "Practice/Mode";
constexpr const char* kAutoRevealKey = "Practice/AutoReveal";
// Translated when used: the catalogue is installed after static start-up.
QString TitleMark() { return QCoreApplication::translate("TPracticeMode", " - Practice"); }

// Between the reveal's words and its music when no reader speaks them.
constexpr uint32_t kRevealLeadInMs = 500;

QSettings Settings() { return QSettings(SettingsFilePath(), QSettings::IniFormat); }

int CardinalityOf(const SetClassEntry& entry) { return entry.cardinality; }

}  // namespace

bool PracticeModeSetting() { return Settings().value(QString::fromLatin1(kModeKey), false).toBool(); }

void SetPracticeModeSetting(bool on) {
  EditSettings([on](QSettings& settings) { settings.setValue(QString::fromLatin1(kModeKey), on); });
}

int AutoRevealSetting() {
  const int after = Settings().value(QString::fromLatin1(kAutoRevealKey), 0).toInt();
  return after == 2 || after == 3 || after == 5 ? after : 0;
}

void SetAutoRevealSetting(int after) {
  EditSettings([after](QSettings& settings) { settings.setValue(QString::fromLatin1(kAutoRevealKey), after); });
}

TPracticeMode::TPracticeMode(DrillView* view)
    : QObject(view->ViewWindow()), view_(*view), drill_(view->Session()), window_(view->ViewWindow()) {
  setObjectName(QStringLiteral("PracticeMode"));
  // In "Progress", where the student's other learning aids are; a menu of
  // its own before "Help" only when that menu is missing.
  TProgressMenu* progress = TProgressMenu::Of(window_);
  if (progress) {
    Practice1 = progress->Progress1;
  } else {
    Practice1 = new QMenu(QCoreApplication::translate("TPracticeMode", "Practice"), view_.Menus());
    view_.AddMenu(Practice1);
  }
  Practice1->addSeparator();
  PracticeMode1 = Practice1->addAction(QCoreApplication::translate("TPracticeMode", "Practice Mode"));
  PracticeMode1->setCheckable(true);
  PracticeMode1->setChecked(PracticeModeSetting());
  ShowAnswer1 = Practice1->addAction(QCoreApplication::translate("TPracticeMode", "Show Answer"));
  ShowAnswer1->setShortcut(QKeySequence(Qt::Key_F5));
  AutoReveal1 = Practice1->addMenu(QCoreApplication::translate("TPracticeMode", "Show Answer Automatically"));
  revealGroup_ = new QActionGroup(this);
  auto addReveal = [this](const QString& caption, int after) {
    QAction* item = AutoReveal1->addAction(caption);
    item->setCheckable(true);
    item->setData(after);
    revealGroup_->addAction(item);
    connect(item, &QAction::triggered, this, [this, after] { AutoRevealClick(after); });
    return item;
  };
  RevealNever1 = addReveal(QCoreApplication::translate("TPracticeMode", "Never"), 0);
  RevealAfter2 = addReveal(QCoreApplication::translate("TPracticeMode", "After 2 Wrong Answers"), 2);
  RevealAfter3 = addReveal(QCoreApplication::translate("TPracticeMode", "After 3 Wrong Answers"), 3);
  RevealAfter5 = addReveal(QCoreApplication::translate("TPracticeMode", "After 5 Wrong Answers"), 5);
  for (QAction* item : revealGroup_->actions())
    if (item->data().toInt() == AutoRevealSetting()) item->setChecked(true);

  PlayNamed1 = Practice1->addAction(QCoreApplication::translate("TPracticeMode", "Hear Your Answer Again"));
  PlayNamed1->setShortcut(QKeySequence(Qt::Key_F6));

  // Between the buttons and the answer field: the reveal reads across the window.
  QWidget* area = view_.ControlArea();
  const QRect playButtons = view_.PlayControlsRect();
  AnswerLabel = new QLabel(area);
  AnswerLabel->move(playButtons.x(), playButtons.y() + playButtons.height() + 4);
  QFont bold = AnswerLabel->font();
  bold.setBold(true);
  AnswerLabel->setFont(bold);
  AnswerLabel->hide();
  const QPushButton* submit = view_.SubmitControl();
  NextButton = new QPushButton(QCoreApplication::translate("TForm1", "Next"), area);
  NextButton->setGeometry(submit->x() + submit->width() + 8, submit->y(), 75, submit->height());
  NextButton->setAccessibleDescription(
      QCoreApplication::translate("TPracticeMode", "The next question. Keys: Enter or Space"));
  NextButton->hide();
  const QListWidget* list = view_.AnswerList();
  PartLabel = new QLabel(area);
  PartLabel->move(list->x(), list->y() + list->height() + 8);
  PartLabel->hide();
  QWidget::setTabOrder(view_.SubmitControl(), NextButton);
  // Before the drill window's own keys (filters run last installed first).
  for (QWidget* w : area->findChildren<QWidget*>()) w->installEventFilter(this);

  connect(Practice1, &QMenu::aboutToShow, this, [this] { UpdateItems(); });
  connect(PracticeMode1, &QAction::triggered, this, [this] { PracticeMode1Click(); });
  connect(ShowAnswer1, &QAction::triggered, this, [this] { ShowAnswer1Click(); });
  connect(PlayNamed1, &QAction::triggered, this, [this] { PlayNamed1Click(); });
  connect(NextButton, &QPushButton::clicked, this, [this] { NextButtonClick(); });
  // The drill tells its steps; a practice drill answers to them.
  DrillSessionSignals& news = view_.SessionSignals();
  connect(&news, &DrillSessionSignals::drillBeginning, this, [this] { DrillBegins(); });
  connect(&news, &DrillSessionSignals::questionAsked, this, [this] { QuestionMade(); });
  connect(&news, &DrillSessionSignals::answerJudged, this, [this](const JudgedAnswer& answer) {
    if (answer.counted) Answered(answer.asked, answer.givenListIndex, answer.right);
  });
  connect(&news, &DrillSessionSignals::drillEnded, this, [this](const DrillResult& ended) { DrillEnds(ended.scored); });
  if (progress)
    connect(progress, &TProgressMenu::progressWindowOpening, this,
            [this](TProgressForm* window) { AddPracticeSection(&view_, window); });
  window_->installEventFilter(this);
  // No answer counts while a reveal waits, however it is given.
  drill_.SetAnswersHeld([this] { return revealed_.has_value(); });
  UpdateItems();
  UpdateTitle();
}

TPracticeMode::~TPracticeMode() = default;

TPracticeMode* TPracticeMode::Of(const QObject* window) {
  return window ? window->findChild<TPracticeMode*>(QStringLiteral("PracticeMode"), Qt::FindDirectChildrenOnly) : nullptr;
}

bool TPracticeMode::Active() const { return PracticeMode1->isChecked(); }

int TPracticeMode::AutoRevealAfter() const {
  QAction* checked = revealGroup_->checkedAction();
  return checked ? checked->data().toInt() : 0;
}

void TPracticeMode::UpdateItems() {
  // The mode is chosen between drills; answers are shown during practice ones.
  PracticeMode1->setEnabled(!drill_.Drilling);
  ShowAnswer1->setEnabled(Running() && run_->QuestionOpen());
  PlayNamed1->setEnabled(revealed_ && revealed_->named >= 0);
}

void TPracticeMode::UpdateTitle() {
  const QString title = window_->windowTitle();
  const bool marked = title.endsWith(TitleMark());
  settingTitle_ = true;
  if (Active() && !marked) window_->setWindowTitle(title + TitleMark());
  if (!Active() && marked) window_->setWindowTitle(title.left(title.size() - TitleMark().size()));
  settingTitle_ = false;
}

bool TPracticeMode::eventFilter(QObject* watched, QEvent* event) {
  // A reveal waits: Enter and Space ask for the next question, F1 plays the
  // revealed one again.
  if (revealed_ && watched != window_) {
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
      const auto* key = static_cast<QKeyEvent*>(event);
      const bool press = type == QEvent::KeyPress && !key->isAutoRepeat();
      const bool space = key->key() == Qt::Key_Space &&
                         (watched == view_.AnswerField() || watched == view_.SubmitControl() ||
                          watched == NextButton || watched == view_.AnswerList());
      if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter || space) {
        if (press) NextButtonClick();
        return true;
      }
      if (key->key() == Qt::Key_F1) {
        if (press) PlayRevealed(true, false, 0);
        return true;
      }
    }
  }
  if (watched == window_) {
    // Whoever sets the title (the sound notice, a missing catalogue), practice keeps its mark.
    if (event->type() == QEvent::WindowTitleChange && !settingTitle_) UpdateTitle();
    // Closing the window ends a practice drill: its answered question is kept.
    if (event->type() == QEvent::Close && Running()) DrillEnds(false);
  }
  return QObject::eventFilter(watched, event);
}

namespace {
constexpr int kAfterMenuMs = 300;
}  // namespace

void TPracticeMode::PracticeMode1Click() {
  if (drill_.Drilling) {
    PracticeMode1->setChecked(Running());
    return;
  }
  SetPracticeModeSetting(PracticeMode1->isChecked());
  UpdateTitle();
  UpdateItems();
  // Once the menu has closed and the focus is back: a reader speaks the
  // focused field then, which would cut short words said at once.
  const QString news = PracticeMode1->isChecked()
                           ? QCoreApplication::translate("TPracticeMode", "Practice mode on: BEGIN starts a practice drill.")
                           : QCoreApplication::translate("TPracticeMode", "Practice mode off.");
  QTimer::singleShot(kAfterMenuMs, window_, [view = &view_, news] { view->Say(news); });
}

void TPracticeMode::AutoRevealClick(int after) { SetAutoRevealSetting(after); }

std::string TPracticeMode::NameOf(int listIndex) const {
  const SetClassEntry* entry = drill_.EntryAt(listIndex);
  return entry ? std::to_string(CardinalityOf(*entry)) + "-" + entry->name : std::string();
}

void TPracticeMode::DrillBegins() {
  run_.reset();
  EndWaiting();
  drill_.SetPractice(false);
  drill_.SetChooser({});
  if (!Active()) return;
  run_ = std::make_unique<PracticeRun>(drill_.CurrentPersonName, ListsOf(drill_.catalogue), PlatformTickCount());
  drill_.SetPractice(true);
  drill_.SetChooser([this](int32_t length, const std::function<bool(int)>& isEnabled, RandomSource& rng) {
    return Choose(length, isEnabled, rng);
  });
  // END at any time.
  view_.OfferEnd();
  UpdateItems();
}

int TPracticeMode::Choose(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng) {
  if (!run_) return -1;
  std::vector<PracticeCandidate> candidates;
  for (int i = 0; i < listLength; ++i) candidates.push_back({NameOf(i), isEnabled(i)});
  return run_->Choose(candidates, rng);
}

void TPracticeMode::QuestionMade() {
  // Another question was made meanwhile (the cardinality changed): the reveal is over.
  if (revealed_) EndWaiting();
  if (!run_) return;
  const QuestionState& q = drill_.question;
  const SetClassEntry* entry = drill_.EntryAt(q.listIndex);
  run_->Asked(q, NameOf(q.listIndex), StatForm(q.isFormB, entry && entry->hasDistinctInversion),
              PlatformTickCount());
  UpdateItems();
}

void TPracticeMode::Answered(const QuestionState& asked, int givenListIndex, bool right) {
  if (!run_) return;
  run_->Answered(asked, NameOf(givenListIndex), PlatformTickCount());
  if (!right && AutoRevealAfter() > 0 && run_->WrongAnswers() >= AutoRevealAfter()) Reveal(::Reveal::Automatic);
  UpdateItems();
}

void TPracticeMode::ShowAnswer1Click() {
  if (Running() && run_->QuestionOpen()) Reveal(::Reveal::ByStudent);
}

void TPracticeMode::Reveal(::Reveal how) {
  const int asked = drill_.question.listIndex;
  const std::optional<std::string> named = run_->Reveal(how, PlatformTickCount());
  if (!named) return;
  int namedIndex = -1;
  for (int i = 0; i < drill_.currentList.length && !named->empty(); ++i)
    if (NameOf(i) == *named) namedIndex = i;
  revealed_ = Revealed{drill_.question, asked, namedIndex};

  const QString answer = QString::fromStdString(drill_.LabelAt(asked));
  const QString wrong = namedIndex >= 0 ? QString::fromStdString(drill_.LabelAt(namedIndex)) : QString();
  const QString shown = wrong.isEmpty()
                            ? QCoreApplication::translate("TPracticeMode", "= %1").arg(answer)
                            : QCoreApplication::translate("TPracticeMode", "= %1; you named %2").arg(answer, wrong);
  AnswerLabel->setText(shown);
  AnswerLabel->setAccessibleName(shown);
  AnswerLabel->adjustSize();
  AnswerLabel->show();
  NextButton->show();
  view_.SubmitControl()->setEnabled(false);
  view_.AnswerField()->clear();
  const int row = drill_.RowOf(asked);
  if (row >= 0) view_.AnswerList()->setCurrentRow(row);

  QString news = QCoreApplication::translate("TPracticeMode", "The answer is %1.").arg(answer);
  if (!wrong.isEmpty())
    news += QLatin1Char(' ') +
            QCoreApplication::translate("TPracticeMode", "You named %1. You hear the question, then your answer.").arg(wrong);
  news += QLatin1Char(' ') + QCoreApplication::translate(
                                 "TPracticeMode", "Enter: next question. F1: the question again. F6: your answer again.");
  view_.Say(news);
  // The music waits for the words: a reader speaks about 15 characters a second.
  constexpr uint32_t kMsPerSpokenCharacter = 65;
  const uint32_t leadIn = QAccessible::isActive()
                              ? std::clamp<uint32_t>(static_cast<uint32_t>(news.size()) * kMsPerSpokenCharacter, 1500, 9000)
                              : kRevealLeadInMs;
  PlayRevealed(true, namedIndex >= 0, leadIn);
  UpdateItems();
  emit answerRevealed(revealed_->question, asked, namedIndex);
  emit answerShown(revealed_->question, namedIndex >= 0 ? drill_.EntryAt(namedIndex) : nullptr);
}

void TPracticeMode::PlayRevealed(bool question, bool named, uint32_t leadIn) {
  if (!revealed_) return;
  StopRevealed();
  const SetClassEntry* namedEntry = named ? drill_.EntryAt(revealed_->named) : nullptr;
  const RevealPlan reveal =
      PlanRevealThroughDrillWindow(&view_, question ? &revealed_->question : nullptr, namedEntry, leadIn);
  std::vector<std::pair<uint32_t, QString>> parts;
  if (reveal.hasQuestion)
    parts.emplace_back(reveal.questionAtMs, QCoreApplication::translate("TPracticeMode", "the question"));
  if (reveal.hasNamed)
    parts.emplace_back(reveal.namedAtMs, QCoreApplication::translate("TPracticeMode", "%1, your answer")
                                             .arg(QString::fromStdString(NameOf(revealed_->named))));
  TWayMidiOut* out = view_.OutPort();
  TimedPlayback::Put(reveal.plan, [out](const MIDIEVENT& event) {
    MIDIEVENT copy = event;
    return !out || out->Put(&copy);
  });
  const uint32_t end = SoundingUntilMs(reveal.plan);
  soundingUntil_ = PlatformTickCount() + end;
  partTimers_ = new QObject(this);
  for (const auto& [at, name] : parts)
    QTimer::singleShot(static_cast<int>(at), partTimers_, [this, name = name] {
      PartLabel->setText(QCoreApplication::translate("TPracticeMode", "Playing: %1").arg(name));
      PartLabel->adjustSize();
      PartLabel->show();
    });
  QTimer::singleShot(static_cast<int>(end), partTimers_, [this] { PartLabel->hide(); });
}

void TPracticeMode::StopRevealed() {
  delete partTimers_;
  partTimers_ = nullptr;
  PartLabel->hide();
  // Timed notes still to come are dropped, and those sounding stopped.
  TWayMidiOut* out = view_.OutPort();
  if (static_cast<int32_t>(soundingUntil_ - PlatformTickCount()) > 0 && out && out->IsOpen) out->Reset();
  soundingUntil_ = PlatformTickCount();
}

void TPracticeMode::EndWaiting() {
  if (!revealed_) return;
  StopRevealed();
  revealed_.reset();
  AnswerLabel->hide();
  NextButton->hide();
  view_.SubmitControl()->setEnabled(true);
  UpdateItems();
}

void TPracticeMode::PlayNamed1Click() {
  if (revealed_ && revealed_->named >= 0) PlayRevealed(false, true, 0);
}

void TPracticeMode::NextButtonClick() {
  if (!revealed_) return;
  const bool buttonHadFocus = NextButton->hasFocus();
  EndWaiting();
  view_.AnswerList()->clearSelection();
  view_.AnswerField()->clear();
  if (buttonHadFocus) view_.AnswerField()->setFocus();
  if (!Running() || !drill_.Drilling) return;
  drill_.GenerateQuestion();
  drill_.PlayQuestion();
  UpdateItems();
}

void TPracticeMode::DrillEnds(bool showSummary) {
  if (!run_) return;
  const std::unique_ptr<PracticeRun> run = std::move(run_);
  const PracticeSummary summary = run->End(PlatformTickCount());
  EndWaiting();
  UpdateItems();
  if (!showSummary) return;
  TPracticeSummaryForm window(summary, window_);
  window.exec();
}

void InstallPracticeMode(DrillView* view) {
  if (view && !TPracticeMode::Of(view->ViewWindow())) new TPracticeMode(view);
}

void AddPracticeSection(const DrillView* view, TProgressForm* window) {
  const DrillSession& drill = view->Session();
  std::vector<PracticeCandidate> candidates;
  for (int i = 0; i < drill.currentList.length; ++i) {
    const SetClassEntry* entry = drill.EntryAt(i);
    if (!entry) continue;
    candidates.push_back({std::to_string(entry->cardinality) + "-" + entry->name, drill.filters.Asks(i)});
  }
  AttachPracticeSection(window, std::move(candidates), ListsOf(drill.catalogue));
}
