#include "PracticeMode.h"

#include <QCoreApplication>
#include <QAction>
#include <QActionGroup>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSettings>

#include "Accessible.h"
#include "DataFile.h"
#include "DrillSessionSignals.h"
#include "DrillWindow.h"
#include "ErrorStats.h"
#include "Platform.h"
#include "PracticeWindows.h"
#include "ProgressMenu.h"
#include "ProgressWindow.h"
#include "DrillWindowPlayer.h"
#include "SetClassPlayer.h"
#include "Settings.h"
#include "Sxfilters.h"

namespace {

constexpr const char* kModeKey = "Practice/Mode";
constexpr const char* kAutoRevealKey = "Practice/AutoReveal";
// Translated when used: the catalogue is installed after static start-up.
QString TitleMark() { return QCoreApplication::translate("TPracticeMode", " - Practice"); }

QSettings Settings() { return QSettings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat); }

int CardinalityOf(const SetClassEntry& entry) { return entry.cardinality; }

// The names of both lists, to read the drill log's filter masks.
PracticeLists ListsOf(const Catalogue& catalogue) {
  PracticeLists lists;
  CardinalityList list;
  const int tri = FillCardinalityList(catalogue, 3, list);
  for (int i = 0; i < tri; ++i) lists.trichords.push_back("3-" + list.items[static_cast<size_t>(i)]->name);
  const int tet = FillCardinalityList(catalogue, 4, list);
  for (int i = 0; i < tet; ++i) lists.tetrachords.push_back("4-" + list.items[static_cast<size_t>(i)]->name);
  return lists;
}

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

TPracticeMode::TPracticeMode(TForm1* form) : QObject(form), form_(form) {
  setObjectName(QStringLiteral("PracticeMode"));
  // In "Progress", where the student's other learning aids are; a menu of
  // its own before "Help" only when that menu is missing.
  TProgressMenu* progress = TProgressMenu::Of(form);
  if (progress) {
    Practice1 = progress->Progress1;
  } else {
    Practice1 = new QMenu(QCoreApplication::translate("TPracticeMode", "Practice"), form->MainMenu1);
    form->MainMenu1->insertMenu(form->Help1 ? form->Help1->menuAction() : nullptr, Practice1);
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

  AnswerLabel = new QLabel(form->Client);
  AnswerLabel->move(form->SubmitButton->x() + form->SubmitButton->width() + 8, form->Edit1->y() + 2);
  QFont bold = AnswerLabel->font();
  bold.setBold(true);
  AnswerLabel->setFont(bold);
  AnswerLabel->setAccessibleName(QCoreApplication::translate("TPracticeMode", "Answer shown"));
  AnswerLabel->hide();

  connect(Practice1, &QMenu::aboutToShow, this, [this] { UpdateItems(); });
  connect(PracticeMode1, &QAction::triggered, this, [this] { PracticeMode1Click(); });
  connect(ShowAnswer1, &QAction::triggered, this, [this] { ShowAnswer1Click(); });
  // The drill tells its steps; a practice drill answers to them.
  DrillSessionSignals& drill = form->SessionSignals();
  connect(&drill, &DrillSessionSignals::drillBeginning, this, [this] { DrillBegins(); });
  connect(&drill, &DrillSessionSignals::questionAsked, this, [this] { QuestionMade(); });
  connect(&drill, &DrillSessionSignals::answerJudged, this, [this](const JudgedAnswer& answer) {
    if (answer.counted) Answered(answer.asked, answer.givenListIndex, answer.right);
  });
  connect(&drill, &DrillSessionSignals::drillEnded, this, [this](const DrillResult& ended) { DrillEnds(ended.scored); });
  if (progress)
    connect(progress, &TProgressMenu::progressWindowOpening, this,
            [this](TProgressForm* window) { AddPracticeSection(form_, window); });
  form->installEventFilter(this);
  UpdateItems();
  UpdateTitle();
}

TPracticeMode::~TPracticeMode() = default;

TPracticeMode* TPracticeMode::Of(const TForm1* form) {
  return form ? form->findChild<TPracticeMode*>(QStringLiteral("PracticeMode"), Qt::FindDirectChildrenOnly) : nullptr;
}

bool TPracticeMode::Active() const { return PracticeMode1->isChecked(); }

int TPracticeMode::AutoRevealAfter() const {
  QAction* checked = revealGroup_->checkedAction();
  return checked ? checked->data().toInt() : 0;
}

void TPracticeMode::UpdateItems() {
  // The mode is chosen between drills; answers are shown during practice ones.
  PracticeMode1->setEnabled(!form_->Drilling);
  ShowAnswer1->setEnabled(Running() && run_->QuestionOpen());
}

void TPracticeMode::UpdateTitle() {
  const QString title = form_->windowTitle();
  const bool marked = title.endsWith(TitleMark());
  settingTitle_ = true;
  if (Active() && !marked) form_->setWindowTitle(title + TitleMark());
  if (!Active() && marked) form_->setWindowTitle(title.left(title.size() - TitleMark().size()));
  settingTitle_ = false;
}

bool TPracticeMode::eventFilter(QObject* watched, QEvent* event) {
  if (watched == form_) {
    // Whoever sets the title (the sound notice, a missing catalogue), practice keeps its mark.
    if (event->type() == QEvent::WindowTitleChange && !settingTitle_) UpdateTitle();
    // Closing the window ends a practice drill: its answered question is kept.
    if (event->type() == QEvent::Close && Running()) DrillEnds(false);
  }
  return QObject::eventFilter(watched, event);
}

void TPracticeMode::PracticeMode1Click() {
  if (form_->Drilling) {
    PracticeMode1->setChecked(Running());
    return;
  }
  SetPracticeModeSetting(PracticeMode1->isChecked());
  UpdateTitle();
  UpdateItems();
}

void TPracticeMode::AutoRevealClick(int after) { SetAutoRevealSetting(after); }

std::string TPracticeMode::NameOf(int listIndex) const {
  const SetClassEntry* entry = form_->ListEntry(listIndex);
  return entry ? std::to_string(CardinalityOf(*entry)) + "-" + entry->name : std::string();
}

void TPracticeMode::DrillBegins() {
  run_.reset();
  form_->Session().SetPractice(false);
  form_->Session().SetChooser({});
  AnswerLabel->hide();
  if (!Active()) return;
  run_ = std::make_unique<PracticeRun>(form_->CurrentPersonName, ListsOf(form_->catalogue), PlatformTickCount());
  form_->Session().SetPractice(true);
  form_->Session().SetChooser([this](int32_t length, const std::function<bool(int)>& isEnabled, RandomSource& rng) {
    return Choose(length, isEnabled, rng);
  });
  // END at any time.
  form_->Button1->setText(QCoreApplication::translate("TForm1", "END"));
  form_->Button1->setEnabled(true);
  UpdateItems();
}

int TPracticeMode::Choose(int32_t listLength, const std::function<bool(int)>& isEnabled, RandomSource& rng) {
  if (!run_) return -1;
  std::vector<PracticeCandidate> candidates;
  for (int i = 0; i < listLength; ++i) candidates.push_back({NameOf(i), isEnabled(i)});
  return run_->Choose(candidates, rng);
}

void TPracticeMode::QuestionMade() {
  if (!run_) return;
  const QuestionState& q = form_->question;
  const SetClassEntry* entry = form_->ListEntry(q.listIndex);
  run_->Asked(q, NameOf(q.listIndex), StatForm(q.isFormB, entry && entry->hasDistinctInversion),
              PlatformTickCount());
  UpdateItems();
}

void TPracticeMode::Answered(const QuestionState& asked, int givenListIndex, bool right) {
  if (!run_) return;
  if (AnswerLabel->isVisible()) AnswerLabel->hide();
  run_->Answered(asked, NameOf(givenListIndex), PlatformTickCount());
  if (!right && AutoRevealAfter() > 0 && run_->WrongAnswers() >= AutoRevealAfter()) Reveal(::Reveal::Automatic);
  UpdateItems();
}

void TPracticeMode::ShowAnswer1Click() {
  if (Running() && run_->QuestionOpen()) Reveal(::Reveal::ByStudent);
}

void TPracticeMode::Reveal(::Reveal how) {
  const int asked = form_->question.listIndex;
  const std::optional<std::string> named = run_->Reveal(how, PlatformTickCount());
  if (!named) return;
  const QString answer = QString::fromStdString(NameOf(asked));
  AnswerLabel->setText(QStringLiteral("= %1").arg(answer));
  AnswerLabel->adjustSize();
  AnswerLabel->show();
  form_->Edit1->clear();
  QString news = QCoreApplication::translate("TPracticeMode", "The answer is %1.").arg(answer);
  if (!named->empty()) news += QCoreApplication::translate("TPracticeMode", " You named %1; hear both.").arg(QString::fromStdString(*named));
  Announce(form_, news);

  // The question again, then the class named last, then the next question.
  form_->PlayQuestion();
  const SetClassEntry* namedEntry = nullptr;
  for (int i = 0; i < form_->currentList.length; ++i)
    if (NameOf(i) == *named) namedEntry = form_->ListEntry(i);
  if (namedEntry) PlayThroughDrillWindow(form_, {namedEntry}, kBetweenClassesMs, 0);
  form_->GenerateQuestion();
  PlatformSleep(kBetweenClassesMs);
  form_->PlayQuestion();
  UpdateItems();
}

void TPracticeMode::DrillEnds(bool showSummary) {
  if (!run_) return;
  const std::unique_ptr<PracticeRun> run = std::move(run_);
  const PracticeSummary summary = run->End(PlatformTickCount());
  AnswerLabel->hide();
  UpdateItems();
  if (!showSummary) return;
  TPracticeSummaryForm window(summary, form_);
  window.exec();
}

void InstallPracticeMode(TForm1* form) {
  if (form && !TPracticeMode::Of(form)) new TPracticeMode(form);
}

void AddPracticeSection(TForm1* form, TProgressForm* window) {
  std::vector<PracticeCandidate> candidates;
  for (int i = 0; i < form->currentList.length; ++i) {
    const SetClassEntry* entry = form->ListEntry(i);
    if (!entry) continue;
    candidates.push_back({std::to_string(entry->cardinality) + "-" + entry->name, FilterForm && FilterForm->IsEnabled(i)});
  }
  AttachPracticeSection(window, std::move(candidates), ListsOf(form->catalogue));
}
