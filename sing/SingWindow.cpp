#include "SingWindow.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "Accessible.h"
#include "DrillSession.h"
#include "DrillSessionSignals.h"
#include "DrillView.h"
#include "NotationView.h"
#include "PracticeMode.h"
#include "Settings.h"
#include "SingAnswer.h"

namespace {


constexpr const char* kKindKey = "Sing/Exercise";
constexpr const char* kAnyFormKey = "Sing/AnyForm";
constexpr const char* kToleranceKey = "Sing/Tolerance";
constexpr const char* kVoiceKey = "Sing/Voice";
constexpr const char* kLowKey = "Sing/RangeLow";
constexpr const char* kHighKey = "Sing/RangeHigh";

QSettings Stored() { return QSettings(SettingsFilePath(), QSettings::IniFormat); }
// For the catalogues: the verdicts the core words.
[[maybe_unused]] const char* const kVerdictSources[] = {
    QT_TRANSLATE_NOOP("SingVerdict", "Right! %1"),
    QT_TRANSLATE_NOOP("SingVerdict", "No note was heard. Sing a little louder or closer to the microphone."),
    QT_TRANSLATE_NOOP("SingVerdict", "Not yet: %1 of %2 notes right (%3)."),
};

QString Key(const char* key) { return QString::fromLatin1(key); }

QString FromUtf8(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A pitch class by the program's note names, without an octave: "D", "Fis", "ré".
QString PitchClassText(int pc) {
  const auto spelled = notation::SpellInTurn({60 + ((pc % 12) + 12) % 12});
  QString name = FromUtf8(notation::NoteName(spelled.front(), TNotationView::NameLanguage()));
  while (!name.isEmpty() && (name.back().isDigit() || name.back() == QLatin1Char('-'))) name.chop(1);
  return name;
}

QString SignedCents(int cents) {
  if (cents == 0) return QStringLiteral("±0");
  return (cents > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + QString::number(std::abs(cents));
}

}  // namespace

TLevelMeter::TLevelMeter(QWidget* parent) : QWidget(parent) {
  setAccessibleName(QCoreApplication::translate("TSingForm", "Level of your voice"));
  setMinimumHeight(12);
}

void TLevelMeter::SetLevel(double db) {
  db_ = db;
  update();
}

QSize TLevelMeter::sizeHint() const { return {240, 14}; }

void TLevelMeter::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Base));
  const double share = std::clamp((db_ + 60.0) / 60.0, 0.0, 1.0);
  const QColor colour = db_ > -6 ? QColor(0xb3, 0x47, 0x00) : QColor(0x1a, 0x4f, 0x9c);
  painter.fillRect(QRectF(0, 0, width() * share, height()), colour);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

TSingForm::TSingForm(DrillView* view) : QDialog(view->ViewWindow(), Qt::Window), view_(view) {
  setObjectName(QStringLiteral("SingForm"));
  setWindowTitle(QCoreApplication::translate("TSingForm", "Sing the Answer"));
  QSettings stored = Stored();

  auto* exercise = new QGroupBox(QCoreApplication::translate("TSingForm", "Exercise"), this);
  BackRadio = new QRadioButton(QCoreApplication::translate("TSingForm", "Sing it back"), exercise);
  ClassRadio = new QRadioButton(QCoreApplication::translate("TSingForm", "Sing the class"), exercise);
  AnyFormCheck = new QCheckBox(QCoreApplication::translate("TSingForm", "Accept any transposition or inversion"), exercise);
  auto* kinds = new QButtonGroup(this);
  kinds->addButton(BackRadio);
  kinds->addButton(ClassRadio);
  (stored.value(Key(kKindKey), 0).toInt() == 1 ? ClassRadio : BackRadio)->setChecked(true);
  AnyFormCheck->setChecked(stored.value(Key(kAnyFormKey), false).toBool());
  auto* exerciseLayout = new QVBoxLayout(exercise);
  exerciseLayout->addWidget(BackRadio);
  exerciseLayout->addWidget(ClassRadio);
  exerciseLayout->addWidget(AnyFormCheck);

  auto* toleranceLabel = new QLabel(QCoreApplication::translate("TSingForm", "&Tolerance:"), this);
  ToleranceSpin = new QSpinBox(this);
  ToleranceSpin->setRange(25, 50);
  ToleranceSpin->setSuffix(QCoreApplication::translate("TSingForm", " cents"));
  ToleranceSpin->setValue(std::clamp(stored.value(Key(kToleranceKey), 40).toInt(), 25, 50));
  toleranceLabel->setBuddy(ToleranceSpin);
  auto* voiceLabel = new QLabel(QCoreApplication::translate("TSingForm", "&Voice:"), this);
  VoiceCombo = new QComboBox(this);
  VoiceCombo->addItems({QCoreApplication::translate("TSingForm", "Soprano"), QCoreApplication::translate("TSingForm", "Alto"), QCoreApplication::translate("TSingForm", "Tenor"), QCoreApplication::translate("TSingForm", "Bass"), QCoreApplication::translate("TSingForm", "Mine")});
  VoiceCombo->setCurrentIndex(std::clamp(stored.value(Key(kVoiceKey), 2).toInt(), 0, 4));
  voiceLabel->setBuddy(VoiceCombo);
  RangeButton = new QPushButton(QCoreApplication::translate("TSingForm", "Sing My &Range"), this);
  RangeButton->setAccessibleDescription(QCoreApplication::translate("TSingForm", "Sing your lowest comfortable note, then your highest"));
  auto* choices = new QHBoxLayout;
  choices->addWidget(toleranceLabel);
  choices->addWidget(ToleranceSpin);
  choices->addSpacing(12);
  choices->addWidget(voiceLabel);
  choices->addWidget(VoiceCombo);
  choices->addWidget(RangeButton);
  choices->addStretch();

  PromptLabel = new QLabel(this);
  QFont big = PromptLabel->font();
  big.setBold(true);
  big.setPointSizeF(big.pointSizeF() * 1.3);
  PromptLabel->setFont(big);
  StatusLabel = new QLabel(this);
  StatusLabel->setWordWrap(true);
  Meter = new TLevelMeter(this);
  View = new TNotationView(this);
  HeardLabel = new QLabel(this);
  HeardLabel->setWordWrap(true);
  HeardLabel->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  VerdictLabel = new QLabel(this);
  VerdictLabel->setFont(big);
  VerdictLabel->setWordWrap(true);

  SingButton = new QPushButton(QCoreApplication::translate("TSingForm", "&Sing"), this);
  SingButton->setDefault(true);
  AgainButton = new QPushButton(QCoreApplication::translate("TSingForm", "Try &Again"), this);
  HearButton = new QPushButton(QCoreApplication::translate("TSingForm", "&Hear the Right Notes"), this);
  StopButton = new QPushButton(QCoreApplication::translate("TSingForm", "S&top"), this);
  BackButton = new QPushButton(QCoreApplication::translate("TSingForm", "&Back to the Drill"), this);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {SingButton, AgainButton, HearButton, StopButton}) buttons->addWidget(b);
  buttons->addStretch();
  buttons->addWidget(BackButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(exercise);
  layout->addLayout(choices);
  layout->addWidget(PromptLabel);
  layout->addWidget(StatusLabel);
  layout->addWidget(Meter);
  layout->addWidget(View);
  layout->addWidget(HeardLabel);
  layout->addWidget(VerdictLabel);
  layout->addLayout(buttons);
  ChainTabOrder({BackRadio, ClassRadio, AnyFormCheck, ToleranceSpin, VoiceCombo, RangeButton, SingButton, AgainButton,
                 HearButton, StopButton, BackButton, HeardLabel});

  connect(SingButton, &QPushButton::clicked, this, [this] { SingButtonClick(); });
  connect(AgainButton, &QPushButton::clicked, this, [this] { AgainButtonClick(); });
  connect(HearButton, &QPushButton::clicked, this, [this] { HearButtonClick(); });
  connect(StopButton, &QPushButton::clicked, this, [this] { StopButtonClick(); });
  connect(RangeButton, &QPushButton::clicked, this, [this] { RangeButtonClick(); });
  connect(BackButton, &QPushButton::clicked, this, [this] { close(); });
  for (QAbstractButton* b : std::initializer_list<QAbstractButton*>{BackRadio, ClassRadio, AnyFormCheck})
    connect(b, &QAbstractButton::toggled, this, [this] {
      SaveChoices();
      UpdateControls();
    });
  connect(ToleranceSpin, &QSpinBox::valueChanged, this, [this] { SaveChoices(); });
  connect(VoiceCombo, &QComboBox::currentIndexChanged, this, [this] {
    SaveChoices();
    UpdateControls();
  });
  SetSpokenState(this, [this] { return StatusLabel->text() + QLatin1Char(' ') + VerdictLabel->text(); });
  ShowStep(Step::Idle, QCoreApplication::translate("TSingForm", "Press Sing. Before the first exercise, Sonorix listens to three seconds of silence."));
}

TSingForm::~TSingForm() {
  StopListening();
  Silence();
}

void TSingForm::closeEvent(QCloseEvent* event) {
  delete timers_;
  timers_ = nullptr;
  StopListening();
  Silence();
  ShowStep(Step::Idle, QCoreApplication::translate("TSingForm", "Press Sing to begin."));
  event->accept();
}

VoiceRange TSingForm::Range() const {
  const int voice = VoiceCombo->currentIndex();
  if (voice == static_cast<int>(Voice::Mine)) {
    QSettings stored = Stored();
    const QVariant low = stored.value(Key(kLowKey)), high = stored.value(Key(kHighKey));
    if (low.isValid() && high.isValid()) return RangeFromNotes(low.toInt(), high.toInt());
  }
  return RangeOf(static_cast<Voice>(std::clamp(voice, 0, 4)));
}

SingSettings TSingForm::Settings() const {
  SingSettings s = settings_;
  s.toleranceCents = ToleranceSpin->value();
  return Sanitized(s);
}

void TSingForm::SaveChoices() {
  const int kind = ClassRadio->isChecked() ? 1 : 0;
  const bool any = AnyFormCheck->isChecked();
  const int tolerance = ToleranceSpin->value(), voice = VoiceCombo->currentIndex();
  EditSettings([=](QSettings& s) {
    s.setValue(Key(kKindKey), kind);
    s.setValue(Key(kAnyFormKey), any);
    s.setValue(Key(kToleranceKey), tolerance);
    s.setValue(Key(kVoiceKey), voice);
  });
}

void TSingForm::UpdateControls() {
  const bool idle = step_ == Step::Idle || step_ == Step::Failed;
  for (QWidget* w : std::initializer_list<QWidget*>{BackRadio, ClassRadio, ToleranceSpin, VoiceCombo, SingButton})
    w->setEnabled(idle);
  AnyFormCheck->setEnabled(idle && ClassRadio->isChecked());
  RangeButton->setEnabled(idle && VoiceCombo->currentIndex() == static_cast<int>(Voice::Mine));
  AgainButton->setEnabled(idle && exercise_.has_value());
  HearButton->setEnabled(idle && !right_.empty());
  StopButton->setEnabled(step_ == Step::Listening || step_ == Step::Range || step_ == Step::Calibrating);
}

void TSingForm::ShowStep(Step step, const QString& status) {
  step_ = step;
  StatusLabel->setText(status);
  if (step != Step::Listening && step != Step::Range && step != Step::Calibrating) Meter->SetLevel(-120);
  UpdateControls();
}

QString TSingForm::PromptText() const {
  if (!exercise_) return {};
  const SingExercise& e = *exercise_;
  const QString name = FromUtf8(e.className);
  if (e.kind == SingKind::Back)
    return QCoreApplication::translate("TSingForm", "Listen, then sing the notes back one after another, in any octave.");
  if (e.anyForm) return QCoreApplication::translate("TSingForm", "%1, in any transposition or inversion").arg(name);
  return (e.inverted ? QCoreApplication::translate("TSingForm", "%1, inverted form, from %2") : QCoreApplication::translate("TSingForm", "%1, prime form, from %2"))
      .arg(name, PitchClassText(e.startPitchClass));
}

QString TSingForm::NoteText(const notation::SpelledNote& spelled, const SungNote& note) const {
  return QCoreApplication::translate("TSingForm", "%1 %2 cents")
      .arg(FromUtf8(notation::NoteName(spelled, TNotationView::NameLanguage())), SignedCents(note.cents));
}

void TSingForm::ShowHeard(bool final) {
  // Spelled as the staff spells them, one after another.
  const std::vector<notation::SpelledNote> spelled = notation::SpellInTurn(NearestNotes(heard_));
  QStringList notes;
  for (size_t i = 0; i < heard_.size() && i < spelled.size(); ++i) notes << NoteText(spelled[i], heard_[i]);
  const QString text = notes.isEmpty() ? QString() : QCoreApplication::translate("TSingForm", "Heard: %1").arg(notes.join(QStringLiteral(", ")));
  // While the student sings a reader hears nothing of it: the name stays put.
  HeardLabel->setAccessibleName(final ? text : QCoreApplication::translate("TSingForm", "Notes heard"));
  HeardLabel->setText(text);
  std::vector<PictureSet> sets;
  const std::vector<int> sung = NearestNotes(heard_);
  std::vector<std::vector<int>> columns;
  for (int n : sung) columns.push_back({n});
  if (!columns.empty() || final)
    sets.push_back({QCoreApplication::translate("TSingForm", "You sang"), columns, final ? ClassOfNotes(view_->Session().catalogue, sung) : nullptr});
  if (final && !right_.empty()) {
    std::vector<std::vector<int>> right;
    for (int n : right_) right.push_back({n});
    const SetClassEntry* entry = exercise_ ? view_->Session().EntryAt(exercise_->listIndex) : nullptr;
    sets.push_back({QCoreApplication::translate("TSingForm", "Right notes"), right, entry});
  }
  View->SetPicture(std::move(sets));
}

void TSingForm::ShowVerdict() {
  if (!verdict_) return;
  const VerdictWords words = WordsOf(*exercise_, *verdict_, heard_.size());
  QString text = QCoreApplication::translate(kVerdictContext, words.source);
  for (const std::string& a : words.args) text = text.arg(FromUtf8(a));
  VerdictLabel->setText(text);
  VerdictLabel->setAccessibleName(text);
  ShowHeard(true);
  QStringList rightNames;
  for (const auto& note : notation::SpellInTurn(right_))
    rightNames << FromUtf8(notation::NoteName(note, TNotationView::NameLanguage()));
  // Said once, after the singing: the verdict, then the notes heard and the right ones.
  QString said = text;
  if (!HeardLabel->text().isEmpty()) said += QLatin1Char(' ') + HeardLabel->text() + QLatin1Char('.');
  if (!rightNames.isEmpty()) said += QLatin1Char(' ') + QCoreApplication::translate("TSingForm", "Right notes: %1.").arg(rightNames.join(QStringLiteral(", ")));
  Announce(this, said);
}

TSingForm* SingWindow(const QObject* drillWindow) {
  return drillWindow ? drillWindow->findChild<TSingForm*>(QStringLiteral("SingForm"), Qt::FindDirectChildrenOnly)
                     : nullptr;
}

void InstallSingMode(DrillView* view) {
  if (!view) return;
  QWidget* drillWindow = view->ViewWindow();
  if (drillWindow->findChild<QAction*>(QStringLiteral("SingTheAnswer1"))) return;
  TPracticeMode* practice = TPracticeMode::Of(drillWindow);
  QMenu* menu = practice ? practice->Practice1 : nullptr;
  auto* item = new QAction(QCoreApplication::translate("TSingForm", "Sing the Answer…"), menu ? static_cast<QObject*>(menu) : drillWindow);
  item->setObjectName(QStringLiteral("SingTheAnswer1"));
  // Right after Practice Mode: the student's other way to practise.
  if (menu) {
    menu->insertAction(practice->ShowAnswer1, item);
    QObject::connect(menu, &QMenu::aboutToShow, item, [view, item] { item->setEnabled(!view->Session().Drilling); });
  }
  QObject::connect(item, &QAction::triggered, drillWindow, [view] {
    if (view->Session().Drilling) return;
    TSingForm* window = SingWindow(view->ViewWindow());
    if (!window) window = new TSingForm(view);
    window->show();
    window->raise();
    window->activateWindow();
  });
  // A drill and the microphone never run together.
  QObject::connect(&view->SessionSignals(), &DrillSessionSignals::drillBeginning, drillWindow, [view] {
    if (TSingForm* window = SingWindow(view->ViewWindow()); window && window->isVisible()) window->close();
  });
}
