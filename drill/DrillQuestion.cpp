// The drill window's questions, playback and session log: the window's state
// handed to the generator, the player and the log writers.
#include <QLineEdit>

#include "DrillWindow.h"
#include "Platform.h"
#include "OutPortPlayback.h"
#include "Playback.h"
#include "PracticeMode.h"
#include "QuestionGenerator.h"
#include "RadioGroup.h"
#include "SessionLog.h"
#include "Sxfilters.h"
#include "Waymidi.h"

void TForm1::GenerateQuestion() {
  if (!FilterForm) return;
  const int length = currentList.length;
  // Only a damaged state enables nothing (the filter window never closes so):
  // like that window, fall back to every set class rather than find no question.
  bool anyEnabled = false;
  for (int i = 0; i < length && !anyEnabled; ++i) anyEnabled = FilterForm->IsEnabled(i);
  if (length > 0 && !anyEnabled) {
    FilterForm->AllButton1Click();
    FilterForm->FillAnswerList();
  }

  FilterState current;
  FilterForm->GetFilterState(current);
  const FilterCheck check = CheckFilterState(current, FilterForm->CardinalityIndex(), DrillFilterState);
  if (check.partial) FiltersUsed = true;
  if (check.changed) {
    FiltersUsed = true;
    if (SegmentCorrect != 0 || SegmentIncorrect != 0) WriteSegmentRecord();
    WriteFilterRecord(current);
    TFilterForm::SetFilterState(DrillFilterState, current.LowMask, current.HighMask, current.ModeCode);
  }

  QuestionRequest request;
  request.listLength = length;
  request.isEnabled = [](int i) { return FilterForm->IsEnabled(i); };
  request.entry = [this](int i) { return ListEntry(i); };
  request.range = VoicingRangeFromIndex(FilterForm->RangeIndex());
  request.limits = NoteLimits{lowestNote, highestNote, gapUnit};
  request.choose = PracticeChooser(this);
  // Without a usable list (no catalogue) the last question stays.
  if (::GenerateQuestion(request, ProgramRandom(), question)) PracticeQuestionMade(this);
}

void TForm1::PlayQuestion() {
  OutPortPlayback port(WayMidiOut.get());
  PlayQuestionNotes(question, PlayMannerFromItemIndex(RadioGroup ? RadioGroup->ItemIndex() : 0), port);
  if (Edit1) Edit1->setFocus();
}

void TForm1::Button2Click() {
  OutPortPlayback port(WayMidiOut.get());
  ArpeggiateUp(question, port);
}

void TForm1::Button3Click() {
  OutPortPlayback port(WayMidiOut.get());
  ArpeggiateDown(question, port);
}

// --- session log (a record that cannot be written is lost silently) ------------

// A practice drill is logged in practice.dat only.

void TForm1::WriteStartRecord() {
  if (PracticeDrill(this)) return;
  SessionDate = PlatformToday();
  AppendLogRecord(kReportFileName, StartRecordText(SessionDate, CurrentPersonIndex, CurrentPersonName));
}

void TForm1::WriteFilterRecord(const FilterState& state) {
  if (PracticeDrill(this)) return;
  AppendLogRecord(kReportFileName, FilterRecordText(state));
}

void TForm1::WriteSegmentRecord() {
  const uint32_t seconds = (PlatformTickCount() - SegmentStart) / 1000;
  const double check = SegmentCheckValue(CurrentPersonName, SessionDate, SegmentCorrect, SegmentIncorrect);
  if (!PracticeDrill(this))
    AppendLogRecord(kReportFileName, SegmentRecordText(SegmentCorrect, SegmentIncorrect, seconds, check));
  SegmentCorrect = 0;
  SegmentIncorrect = 0;
  SegmentStart = PlatformTickCount();
}
