// The drill window's handlers: each passes the student's action to the drill
// in the window's order of steps, and the window shows what the drill tells.
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>

#include "About.h"
#include "Accessible.h"
#include "DrillWindow.h"
#include "DrillWindowAccess.h"
#include "EarlySound.h"
#include "Platform.h"
#include "RadioGroup.h"
#include "Readme.h"
#include "DataFile.h"
#include "DrillEnd.h"
#include "Sxfilters.h"
#include "Sxlogin.h"
#include "Sxmidi.h"
#include "Sxscore.h"
#include "Waymidi.h"

namespace {

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
  NotifyValueChanged(label);  // the counters and the clock
}

// Handlers take the codes of the original key events.
constexpr int kVkReturn = 13;
constexpr int kVkF1 = 112;
constexpr int kVkF2 = 113;
constexpr int kVkF3 = 114;

}  // namespace

// --- helpers ------------------------------------------------------------------

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

std::string TForm1::RowName(int row) const {
  if (row < 0 || row >= kMaxListLength) return {};
  const SetClassEntry* entry = ListEntry(answerRowMap[row]);
  return entry ? entry->name : std::string();
}

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
  connect(s, &DrillSessionSignals::drillStarted, this, [this] { AnnounceDrill(this, DrillNews::Started); });
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
      AnnounceDrill(this, DrillNews::NoAnswer);
    } else if (a.right) {
      AnnounceDrill(this, DrillNews::Right, a.asked.listIndex);
    } else {
      AnnounceDrill(this, a.counted ? DrillNews::Wrong : DrillNews::WrongAgain, a.givenListIndex);
    }
  });
  connect(s, &DrillSessionSignals::countsChanged, this, [this] {
    ShowCounts();
    if (Drilling && CorrectCount >= 5) {
      Button1->setText(tr("END"));
      Button1->setEnabled(true);
    }
  });
  connect(s, &DrillSessionSignals::drillEnded, this, [this](const DrillResult& r) {
    // A scored drill's files are written as it ends; the score window shows them.
    if (r.scored && !r.practice) {
      endedDrill_ = r;
      endedFiles_ = SaveDrillResult(r);
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

// --- BEGIN / END --------------------------------------------------------------

void TForm1::Button1Click() {
  // A practice drill ends at any time, with its summary, never with a score.
  if (Drilling && (CorrectCount > 0 || session_->IsPractice())) {
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

void TForm1::Edit1KeyUp(int key) {
  if (key == kVkF1 || key == kVkF2 || key == kVkF3) {
    if (!Drilling) return;
    if (key == kVkF1) {
      PlayQuestion();
    } else if (key == kVkF2) {
      Button2Click();
    } else {
      Button3Click();
    }
    return;
  }
  // Typing the name preselects its row; no match leaves the selection alone.
  const std::string typed = Edit1->text().toStdString();
  for (int r = 0; r < ListBox->count() && r < kMaxListLength; ++r) {
    if (typed == RowName(r)) ListBox->setCurrentRow(r);
  }
}

void TForm1::ListBoxClick() {
  const int row = SelectedRow();
  if (row < 0) return;
  Edit1->setText(QString::fromStdString(RowName(row)));
}

void TForm1::Button4Click() { session_->Repeat(); }

void TForm1::GeneralKeyPress(char key) {
  if (!Drilling) return;
  switch (key) {
    case 'p':
      Button4Click();
      break;
    case 'q':
      Button2Click();
      break;
    case 'r':
      Button3Click();
      break;
    default:
      break;
  }
}

void TForm1::SubmitButtonKeyPress(char key) {
  if (key == kVkReturn) {
    SubmitButtonClick();
    return;
  }
  GeneralKeyPress(key);
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

void TForm1::Midisetup1Click() { MidiForm->ShowModal(); }

void TForm1::Instructionsreadmetxt1Click() { ReadmeBox->ShowModal(); }

void TForm1::AboutSonorix1Click() { AboutBox->ShowModal(); }

void TForm1::LoginNewPerson1Click() {
  // A practice drill is the person's own: it ends with the login.
  if (Drilling && (CorrectCount > 0 || session_->IsPractice())) {
    session_->End(false);
    session_->Clear();
    TimeLabel->hide();
  }
  LoginForm->ShowModal();
  // The login may have applied other filters: the selectors follow them, and
  // a drill that goes on never keeps a question that is no longer drilled.
  SyncSelectorsFromFilters();
  session_->ReplaceUndrilledQuestion();
}

// --- clock ----------------------------------------------------------------------

void TForm1::ClockTick() {
  if (!Drilling) return;
  const int s = static_cast<int>((PlatformTickCount() - DrillStart) / 1000);
  SetLabelText(TimeLabel, QString::asprintf("%d:%.2d", s / 60, s % 60));
}
