// The drill window made: its controls at their design positions, its
// handlers wired, its creation steps in their order; and its end.
#include <QAction>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <exception>
#include <functional>

#include "Accessible.h"
#include "Controls.h"
#include "DrillWindow.h"
#include "EarlySound.h"
#include "FilteredSurroundings.h"
#include "NextQuestionPause.h"
#include "OutPortPlayback.h"
#include "OutputOpen.h"
#include "Platform.h"
#include "RadioGroup.h"
#include "Random.h"
#include "SoundNotice.h"
#include "Sxfilters.h"
#include "Waymidi.h"
namespace {

// A list box that reports selections made with the keyboard as clicks, the
// way a native list box does; selections made from code stay silent.
class TAnswerListBox : public QListWidget {
 public:
  using QListWidget::QListWidget;
  std::function<void()> OnKeySelect;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    const int before = currentRow();
    QListWidget::keyPressEvent(event);
    if (currentRow() != before && OnKeySelect) OnKeySelect();
  }
};

QFont PointFont(const QWidget* w, int points) {
  QFont f = w->font();
  f.setPointSize(points);
  return f;
}

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int points) {
  auto* label = new QLabel(text, parent);
  label->setFont(PointFont(label, points));
  label->move(x, y);
  label->adjustSize();
  return label;
}

// A wider system font must not let a caption run into the value after it.
void PlaceAfter(QLabel* value, const QLabel* caption, int x) {
  value->move(std::max(x, caption->x() + caption->width() + 4), value->y());
}

// Nor cut off the items of a radio group: it grows to the right as needed.
void FitItems(TRadioGroup* group) {
  int right = 0;
  for (int i = 0; i < group->Count(); ++i) right = std::max(right, group->Button(i)->geometry().right());
  if (right + 8 > group->width()) group->resize(right + 8, group->height());
}

// The drill asks under the filter window's settings and sounds through this
// window's output port.
class WindowSurroundings : public FilteredSurroundings {
 public:
  explicit WindowSurroundings(TForm1* form) : FilteredSurroundings(form->Session().filters), form_(form) {}
  void Play(const PlaybackPlan& plan) override { OutPortPlayback(form_->WayMidiOut.get()).Play(plan); }
  int PauseBeforeNextQuestion() const override { return ::PauseBeforeNextQuestion(); }
  bool WaitForMe() const override { return WaitForMeSetting(); }

 protected:
  void ShowAsked() override { form_->ShowAskedRows(); }

 private:
  TForm1* form_;
};

}  // namespace

TForm1::TForm1(QWidget* parent)
    : QMainWindow(parent),
      session_(std::make_unique<DrillSession>()),
      scheduler_(std::make_unique<QtScheduler>()),
      signals_(std::make_unique<DrillSessionSignals>(*session_)),
      catalogue(session_->catalogue),
      currentList(session_->currentList),
      answerRowMap(session_->answerRowMap),
      question(session_->question),
      lowestNote(session_->lowestNote),
      highestNote(session_->highestNote),
      gapUnit(session_->gapUnit),
      FiltersUsed(session_->FiltersUsed),
      DrillFilterState(session_->DrillFilterState),
      Drilling(session_->Drilling),
      CorrectCount(session_->CorrectCount),
      IncorrectCount(session_->IncorrectCount),
      DrillStart(session_->DrillStart),
      SegmentCorrect(session_->SegmentCorrect),
      SegmentIncorrect(session_->SegmentIncorrect),
      SegmentStart(session_->SegmentStart),
      SessionDate(session_->SessionDate),
      CurrentPersonIndex(session_->CurrentPersonIndex),
      CurrentPersonName(session_->CurrentPersonName),
      LoggedIn(session_->LoggedIn) {
  setWindowTitle(QStringLiteral("Sonorix"));

  // --- the controls of the window's layout ---------------------------------
  Client = new QWidget(this);
  setCentralWidget(Client);

  // Edit1 comes first so that it is first in the tab order and has the focus.
  StaticText1 = new QLabel(QStringLiteral("3 -"), Client);
  StaticText1->move(188, 173);
  StaticText1->adjustSize();
  Edit1 = new QLineEdit(Client);
  Edit1->setGeometry(208, 172, 33, 21);
  SubmitButton = MakeButton(Client, tr("Submit"), 262, 171, 75, 25);
  SubmitButton->setDefault(true);
  NextQuestionButton = MakeButton(Client, tr("Next"), 345, 171, 75, 25);
  NextQuestionButton->hide();

  Label1 = MakeLabel(Client, tr("Correct:"), 58, 24, 12);
  CorrectLabel = MakeLabel(Client, QStringLiteral("0"), 122, 24, 12);
  Label2 = MakeLabel(Client, tr("Incorrect:"), 178, 24, 12);
  IncorrectLabel = MakeLabel(Client, QStringLiteral("0"), 250, 24, 12);
  TimeLabel = MakeLabel(Client, QStringLiteral("0:00"), 306, 24, 12);
  PlaceAfter(CorrectLabel, Label1, 122);
  PlaceAfter(IncorrectLabel, Label2, 250);

  Button1 = MakeButton(Client, tr("BEGIN"), 140, 79, 169, 33);
  Button1->setFont(PointFont(Button1, 14));
  Button1->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  Button4 = MakeButton(Client, tr("Repeat (F1)"), 37, 119, 120, 25);
  Button2 = MakeButton(Client, tr("Arpeggiate Up (F2)"), 164, 119, 122, 25);
  Button3 = MakeButton(Client, tr("Arpeggiate Down (F3)"), 293, 119, 136, 25);

  auto* list = new TAnswerListBox(Client);
  list->setGeometry(168, 200, 113, 160);
  list->setFocusPolicy(Qt::ClickFocus);  // not a tab stop
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->OnKeySelect = [this] { ListBoxClick(); };
  ListBox = list;

  RadioGroup = new TRadioGroup(tr("Play:"), {tr("chord"), tr("figure"), tr("mixed figure")}, Client);
  RadioGroup->setGeometry(42, 204, 113, 97);
  RadioGroup->SetItemIndex(0);
  RadioGroup1 = new TRadioGroup(QString(), {tr("TRICHORDS"), tr("TETRACHORDS")}, Client);
  RadioGroup1->setGeometry(317, 200, 121, 60);
  RadioGroup2 =
      new TRadioGroup(QString(), {tr("\"close position\""), tr("within 1 octave"), tr("within 2 octaves")}, Client);
  RadioGroup2->setGeometry(317, 272, 121, 84);
  FitItems(RadioGroup);
  FitItems(RadioGroup1);
  FitItems(RadioGroup2);
  // The two selectors stand one above the other: keep their edges aligned.
  const int selectorWidth = std::max(RadioGroup1->width(), RadioGroup2->width());
  RadioGroup1->resize(selectorWidth, RadioGroup1->height());
  RadioGroup2->resize(selectorWidth, RadioGroup2->height());
  FilterButton = MakeButton(Client, tr("More Filters"), 340, 368, 75, 25);

  MainMenu1 = new QMenuBar(this);
  setMenuBar(MainMenu1);
  Exit1 = MainMenu1->addMenu(tr("Exit"));
  LoginNewPerson1 = Exit1->addAction(tr("Login New Person"));
  Exit2 = Exit1->addAction(tr("Exit"));
  Filters1 = MainMenu1->addMenu(tr("Filters"));
  SetFiltersRange1 = Filters1->addAction(tr("Set Filters"));
  MIDI1 = MainMenu1->addMenu(QStringLiteral("MIDI"));
  Midisetup1 = MIDI1->addAction(tr("Midi Setup"));
  Help1 = MainMenu1->addMenu(tr("Help"));
  Instructionsreadmetxt1 = Help1->addAction(tr("Instructions (readme.txt)"));
  AboutSonorix1 = Help1->addAction(tr("About Sonorix"));

  // Tab order: the answer field, Submit, then the rest in reading order.
  QWidget::setTabOrder(Edit1, SubmitButton);
  QWidget::setTabOrder(SubmitButton, NextQuestionButton);
  QWidget::setTabOrder(NextQuestionButton, Button4);
  QWidget::setTabOrder(Button4, Button2);
  QWidget::setTabOrder(Button2, Button3);
  QWidget* previous = Button3;
  for (TRadioGroup* group : {RadioGroup, RadioGroup1, RadioGroup2}) {
    for (int i = 0; i < group->Count(); ++i) {
      QWidget::setTabOrder(previous, group->Button(i));
      previous = group->Button(i);
    }
  }
  QWidget::setTabOrder(previous, FilterButton);

  // --- handlers ------------------------------------------------------------
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(Button3, &QPushButton::clicked, this, [this] { Button3Click(); });
  connect(Button4, &QPushButton::clicked, this, [this] { Button4Click(); });
  connect(SubmitButton, &QPushButton::clicked, this, [this] { SubmitButtonClick(); });
  connect(NextQuestionButton, &QPushButton::clicked, this, [this] { session_->AskForQuestion(); });
  connect(ListBox, &QListWidget::itemClicked, this, [this] { ListBoxClick(); });
  connect(FilterButton, &QPushButton::clicked, this, [this] { FilterButtonClick(); });
  RadioGroup->OnClick = [this] { session_->filters.SetPlayMode(RadioGroup->ItemIndex()); };
  RadioGroup1->OnClick = [this] { RadioGroup1Click(); };
  RadioGroup2->OnClick = [this] { RadioGroup2Click(); };
  connect(LoginNewPerson1, &QAction::triggered, this, [this] { LoginNewPerson1Click(); });
  connect(Exit2, &QAction::triggered, this, [this] { Exit2Click(); });
  connect(SetFiltersRange1, &QAction::triggered, this, [this] { FilterButtonClick(); });
  connect(Midisetup1, &QAction::triggered, this, [this] { Midisetup1Click(); });
  connect(Instructionsreadmetxt1, &QAction::triggered, this, [this] { Instructionsreadmetxt1Click(); });
  connect(AboutSonorix1, &QAction::triggered, this, [this] { AboutSonorix1Click(); });

  // Keys: Enter anywhere submits; p, q, r on the buttons and the list; the
  // answer field's key releases.
  installEventFilter(this);
  Client->installEventFilter(this);
  for (QWidget* w : Client->findChildren<QWidget*>()) w->installEventFilter(this);
  // BEGIN / END is no tab stop (Enter submits answers): Ctrl+B presses it.
  auto* begin = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_B), this);
  connect(begin, &QShortcut::activated, this, [this] {
    if (Button1->isEnabled()) Button1->click();
  });
  // The answer field walks the list while it keeps the keyboard: a screen
  // reader stays in the field and hears each set class chosen once.
  QuietWhileUnfocused(ListBox);
  connect(Edit1, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (text.isEmpty()) announcedRow_ = -1;
  });

  Timer1 = new QTimer(this);
  Timer1->setInterval(1000);
  connect(Timer1, &QTimer::timeout, this, [this] { ClockTick(); });

  // --- creation, in its order ---------------------------------------------
  // 1. The MIDI components: the library (its failure ends the start), the
  //    port linked to it, device 0 opened.
  //    The start may have begun them already (EarlySound.h); the open
  //    then ends while the login window shows.
  if (!TakeEarlySoundOpening(WayMidi, WayMidiOut)) {
    WayMidi = std::make_unique<TWayMidi>();
    WayMidiOut = std::make_unique<TWayMidiOut>();
    WayMidiOut->WayMidi = WayMidi.get();
    WayMidiOut->Open(0, kOutputOpenParameter);
  }
  // 2. The random source.
  ProgramRandom().Seed(PlatformTimeSeconds());
  // 3. Range, first note count and the figure's time unit.
  highestNote = 67;
  lowestNote = 43;
  question.noteCount = 3;
  gapUnit = 250;
  // 4. Counters and their labels.
  IncorrectCount = 0;
  CorrectCount = 0;
  SegmentCorrect = 0;
  SegmentIncorrect = 0;
  SetLabelText(CorrectLabel, QStringLiteral("0"));
  SetLabelText(IncorrectLabel, QStringLiteral("0"));
  // 5. No drill yet.
  DrillStart = 0;
  TimeLabel->hide();
  Drilling = false;
  // 6. The catalogue.
  LoadCatalogue();
  // 7. Nobody logged in; the drill eligible.
  LoggedIn = false;
  FiltersUsed = false;
  // 8. The window's size follows its controls.
  resize(RadioGroup2->x() + RadioGroup2->width() + 30, FilterButton->y() + FilterButton->height() + 70);

  SetDrillButtons(false);
  Timer1->start();
  surroundings_ = std::make_unique<WindowSurroundings>(this);
  session_->SetSurroundings(surroundings_.get());
  ConnectSession();
  WhenEarlySoundOpen([this, then = windowTitle()] { UpdateSoundCaptionAsOf(*this, *WayMidiOut, then); });
  // The filter window filters this drill from now on.
  filterSide_ = FilterSide();
  SetFilteredDrill(&filterSide_);
}

TForm1::~TForm1() {
  if (FilteredDrill() == &filterSide_) SetFilteredDrill(nullptr);
  // The ports go before the library they call. Unloading the library may
  // raise; a destructor must not let that escape, so it is only reported.
  session_->SetSurroundings(nullptr);
  FinishEarlySound();
  WayMidiOut.reset();
  try {
    delete WayMidi.release();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "sonorix: %s\n", e.what());
  }
}
