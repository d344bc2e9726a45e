// The drill window's handlers and its answers to the drill: each handler
// passes the student's action to the drill in the window's order of steps,
// and the window shows what the drill tells. Made in DrillWindowSetup.cpp;
// its keys are in DrillWindowKeys.cpp.
#include "DrillWindow.h"

#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QShowEvent>
#include <optional>

#include "About.h"
#include "Accessible.h"
#include "DataFile.h"
#include "DrillEnd.h"
#include "DrillWindowAccess.h"
#include "EarlySound.h"
#include "Platform.h"
#include "RadioGroup.h"
#include "Readme.h"
#include "Sxfilters.h"
#include "Sxlogin.h"
#include "Sxmidi.h"
#include "Sxscore.h"
#include "Waymidi.h"

TForm1* Form1 = nullptr;

void TForm1::SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
  NotifyValueChanged(label);  // the counters and the clock
}

// --- what the parts beside the drill see --------------------------------------

QRect TForm1::PlayControlsRect() const { return Button4->geometry() | Button2->geometry() | Button3->geometry(); }

void TForm1::OfferEnd() {
  Button1->setText(tr("END"));
  Button1->setEnabled(true);
}

void TForm1::Say(const QString& text) { Announce(this, text); }

QString TForm1::LastSaid() const { return LastAnnouncement(this); }

void TForm1::AddMenu(QMenu* menu) { MainMenu1->insertMenu(Help1 ? Help1->menuAction() : nullptr, menu); }

void TForm1::AddMidiItem(QAction* item) {
  // Below "Midi Setup", whatever else the menu holds.
  const QList<QAction*> items = MIDI1->actions();
  const qsizetype setup = items.indexOf(Midisetup1);
  MIDI1->insertAction(setup >= 0 && setup + 1 < items.size() ? items[setup + 1] : nullptr, item);
}

// --- helpers ------------------------------------------------------------------

void TForm1::TellDrillNews(DrillNews news, int listIndex) {
  const SetClassEntry* entry = ListEntry(listIndex);
  const QString name =
      entry ? QString::number(entry->cardinality) + QLatin1Char('-') + QString::fromStdString(entry->name) : QString();
  AnnounceDrill(this, news, name, Session().WaitsForStudent());
}

void TForm1::SetDrillButtons(bool enabled) {
  Button2->setEnabled(enabled);
  Button3->setEnabled(enabled);
  Button4->setEnabled(enabled);
}

int TForm1::SelectedRow() const {
  QListWidgetItem* item = ListBox->currentItem();
  if (!item || !item->isSelected()) return -1;
  return ListBox->row(item);
}

std::string TForm1::RowName(int row) const { return session_->NameOfRow(row); }

void TForm1::SyncSelectorsFromFilters() {
  RadioGroup1->SetItemIndex(session_->filters.Cardinality());
  RadioGroup2->SetItemIndex(session_->filters.Range());
}

// --- what the drill tells ---------------------------------------------------------

void TForm1::ConnectSession() {
  session_->SetScheduler(scheduler_.get());
  DrillSessionSignals* s = signals_.get();
  connect(s, &DrillSessionSignals::drillBeginning, this, [this] {
    SetDrillButtons(true);
    Button1->setEnabled(false);
    SetLabelText(TimeLabel, QStringLiteral("0:00"));
    TimeLabel->show();
    Edit1->setFocus();
  });
  connect(s, &DrillSessionSignals::drillStarted, this, [this] { TellDrillNews(DrillNews::Started); });
  connect(s, &DrillSessionSignals::questionPlayed, this, [this] {
    if (Edit1) Edit1->setFocus();
  });
  connect(s, &DrillSessionSignals::questionWaiting, this, [this](bool waiting) {
    const bool hadFocus = NextQuestionButton->hasFocus();
    NextQuestionButton->setVisible(waiting);
    if (hadFocus && !waiting) Edit1->setFocus();
  });
  connect(s, &DrillSessionSignals::answerJudged, this, [this](const JudgedAnswer& a) {
    if (a.row < 0) {
      TellDrillNews(DrillNews::NoAnswer);
    } else if (a.right) {
      TellDrillNews(DrillNews::Right, a.asked.listIndex);
    } else {
      TellDrillNews(a.counted ? DrillNews::Wrong : DrillNews::WrongAgain, a.givenListIndex);
    }
  });
  connect(s, &DrillSessionSignals::countsChanged, this, [this] {
    ShowCounts();
    if (session_->EndOffered()) OfferEnd();
  });
  connect(s, &DrillSessionSignals::drillEnded, this, [this](const DrillResult& r) {
    // A scored drill's files are written as it ends; the score window shows them.
    if (const std::optional<EndOfDrill> files = SaveScoredDrill(r)) {
      endedDrill_ = r;
      endedFiles_ = *files;
    }
    Button1->setText(tr("BEGIN"));
    Button1->setEnabled(true);
    SetDrillButtons(false);
  });
}

void TForm1::ShowCounts() {
  if (CorrectLabel->text() != QString::number(CorrectCount))
    SetLabelText(CorrectLabel, QString::number(CorrectCount));
  if (IncorrectLabel->text() != QString::number(IncorrectCount))
    SetLabelText(IncorrectLabel, QString::number(IncorrectCount));
}

// --- BEGIN / END --------------------------------------------------------------

void TForm1::Button1Click() {
  // A practice drill ends at any time, with its summary, never with a score.
  if (session_->Stoppable()) {
    session_->End(true);
    if (!session_->IsPractice() && Form2) {
      Form2->ShowEndedDrill(endedDrill_, endedFiles_);
      Form2->ShowModal();
    }
    session_->Clear();
    TimeLabel->hide();
    return;
  }
  session_->Begin();
}

// --- answers ------------------------------------------------------------------

void TForm1::SubmitButtonClick() {
  // A question that waits for the student: Enter asks for it and answers
  // nothing, as the question was not heard yet; what was typed before it
  // goes, so that it does not run into the answer.
  if (Drilling && session_->AskForQuestion()) {
    Edit1->clear();
    ListBox->clearSelection();
    return;
  }
  // The field empties first, so that text entered outside a drill never runs
  // into the first answer; answers count only during a drill.
  Edit1->clear();
  if (!Drilling) return;
  session_->Submit(SelectedRow());
}

void TForm1::ListBoxClick() {
  const int row = SelectedRow();
  if (row < 0) return;
  Edit1->setText(QString::fromStdString(RowName(row)));
}

// --- selectors and other windows -------------------------------------------------

void TForm1::RadioGroup1Click() {
  const int item = RadioGroup1->ItemIndex();
  if (item < 0 || item == session_->filters.Cardinality()) return;
  // The filter window, following the model, checks the whole new list.
  session_->filters.SetCardinality(item);
  SaveFilterSettings();
  session_->ReplaceUndrilledQuestion();
}

void TForm1::RadioGroup2Click() {
  const int item = RadioGroup2->ItemIndex();
  if (item < 0) return;
  session_->filters.SetRange(item);
  if (!followingFilters_) SaveFilterSettings();
}

void TForm1::SaveFilterSettings() const {
  if (holdingOwn_) return;
  // A file that cannot be written is not reported; the settings stay in force.
  SaveFiltersFile(AccountFile(kFiltersFileName), session_->filters.State());
}

void TForm1::FilterButtonClick() {
  FilterForm->ShowModal();
  // The selectors show what the filter window now drills. Following it is not
  // a change of the settings, so it saves nothing: the window's "Save these
  // settings" box alone decides that.
  followingFilters_ = true;
  try {
    SyncSelectorsFromFilters();
  } catch (...) {
    followingFilters_ = false;
    throw;
  }
  followingFilters_ = false;
}

void TForm1::UseDrillSettings(const FilterState& filters, int playMode) {
  // The filter window follows the model and hands the drill its answer list.
  session_->filters.Apply(filters);
  session_->filters.SetPlayMode(playMode);
  followingFilters_ = true;
  try {
    SyncSelectorsFromFilters();
    RadioGroup->SetItemIndex(session_->filters.PlayMode());
  } catch (...) {
    followingFilters_ = false;
    throw;
  }
  followingFilters_ = false;
  session_->ReplaceUndrilledQuestion();
}

void TForm1::Midisetup1Click() { MidiForm->ShowModal(); }

void TForm1::Instructionsreadmetxt1Click() { ReadmeBox->ShowModal(); }

void TForm1::AboutSonorix1Click() { AboutBox->ShowModal(); }

void TForm1::LoginNewPerson1Click() {
  // A practice drill is the person's own: it ends with the login.
  if (session_->EndForNewPerson()) TimeLabel->hide();
  LoginForm->ShowModal();
  // The login may have applied other filters: the selectors follow them, and
  // a drill that goes on never keeps a question that is no longer drilled.
  SyncSelectorsFromFilters();
  session_->ReplaceUndrilledQuestion();
}

// --- clock ----------------------------------------------------------------------

void TForm1::ClockTick() {
  if (!Drilling) return;
  SetLabelText(TimeLabel, QString::fromStdString(ClockText(PlatformTickCount() - DrillStart)));
}


// The drill window's answers to the filter window: the list it drills from,
// the answer rows and prefix, the notes per question, and the question that
// the new filters may no longer allow.
FilterDrill TForm1::FilterSide() {
  FilterDrill side;
  side.fillListOf = [this](int cardinality) { return FillCardinalityList(cardinality); };
  side.listLength = [this] { return static_cast<int>(currentList.length); };
  side.listLabel = [this](int listIndex) { return FormatSetClassLabel(listIndex); };
  side.noteCountChosen = [this](int noteCount) { SetNoteCount(noteCount); };
  side.answerRowsChosen = [this](const int32_t* listIndices, int count) {
    // Early in start-up the answer list is not made yet.
    if (ListBox) SetAnswerList(listIndices, count);
  };
  side.answerPrefixChosen = [this](const std::string& prefix) {
    if (StaticText1) SetAnswerPrefix(QString::fromStdString(prefix));
  };
  side.filtersApplied = [this] { Session().ReplaceUndrilledQuestion(); };
  return side;
}

void TForm1::ShowAskedRows() {
  const std::vector<int32_t> rows = session_->filters.Asked();
  if (ListBox) SetAnswerList(rows.data(), static_cast<int>(rows.size()));
}

void TForm1::LoadCatalogue() {
  // The only data-file failure the student is told about.
  if (!session_->ReadCatalogue("ftclass.dat")) setWindowTitle(tr("File Error!"));
}

void TForm1::SetAnswerList(const int32_t* listIndices, int count) {
  ListBox->clear();
  for (int r = 0; r < count && r < kMaxListLength; ++r)
    ListBox->addItem(QString::fromStdString(FormatSetClassLabel(listIndices[r])));
  session_->SetAnswerRows(listIndices, count);
}

// The answer prefix, named for a screen reader by the cardinality it shows.
void TForm1::SetAnswerPrefix(const QString& prefix) {
  StaticText1->setText(prefix);
  StaticText1->adjustSize();
  NameAnswerField(this);
}

// --- first show, closing ------------------------------------------------------

void TForm1::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (!shownOnce_ && !event->spontaneous()) {
    shownOnce_ = true;
    FormShow();
  }
}

void TForm1::FormShow() {
  if (!LoggedIn) LoginForm->ShowModal();
  FinishEarlySound();  // the port is used from now on
  // Setting the selectors runs their handlers: the range handler saves filters.dat.
  SyncSelectorsFromFilters();
}

void TForm1::closeEvent(QCloseEvent* event) {
  FormClose();
  QMainWindow::closeEvent(event);
}

void TForm1::FormClose() {
  session_->WriteSegmentIfAnswered();
  if (WayMidiOut && WayMidiOut->IsOpen) {
    WayMidiOut->Reset();
    WayMidiOut->Close();
  }
  // The list holds references into the catalogue: drop them with it.
  currentList = CardinalityList{};
  catalogue.Clear();
}

void TForm1::Exit2Click() { close(); }
