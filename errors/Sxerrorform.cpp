#include "Sxerrorform.h"

#include "DataFile.h"
#include "DrillWindow.h"
#include "Platform.h"
#include "Sxfilters.h"

TErrorReport* ErrorReport = nullptr;

TErrorReport::TErrorReport(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Error Report"));
  ClearStats(SessionStats);
  ClearStats(CumulativeStats);
}

TErrorReport::~TErrorReport() = default;

// --- the drill window's current question ------------------------------------

int TErrorReport::QuestionStatIndex() const {
  return StatIndex(Form1->question.listIndex, FilterForm->CardinalityIndex());
}

int TErrorReport::QuestionForm() const {
  const SetClassEntry* entry = Form1->ListEntry(Form1->question.listIndex);
  return StatForm(Form1->question.isFormB, entry && entry->hasDistinctInversion);
}

int TErrorReport::QuestionRip() const {
  const SetClassEntry* entry = Form1->ListEntry(Form1->question.listIndex);
  if (!entry) return kRipRows - 1;
  return MatchRipRow(entry->rip[QuestionForm()], Form1->question.sortedNotes, Form1->question.noteCount);
}

// --- answers --------------------------------------------------------------------

void TErrorReport::AddCorrect() { AddCorrectAnswer(SessionStats, QuestionStatIndex(), QuestionForm(), QuestionRip()); }

void TErrorReport::AddWrong(int givenListIndex) {
  AddWrongAnswer(SessionStats, QuestionStatIndex(), QuestionForm(), QuestionRip(), givenListIndex);
}

void TErrorReport::ClearSession() { ClearStats(SessionStats); }

// --- the cumulative file --------------------------------------------------------

void TErrorReport::UpdateCumulative() {
  ClearStats(CumulativeStats);
  bool readable = true;
  if (PlatformFileExists(kErrorsFileName)) {
    if (auto text = ReadTextFile(kErrorsFileName)) {
      CumulativeStats = ParseErrorStats(*text);
    } else {
      readable = false;
    }
  }
  if (!Form1->FiltersUsed) AddStats(CumulativeStats, SessionStats);
  // A file that exists but cannot be read is kept: rewriting it from zero
  // would lose every drill before this one.
  if (readable) SaveCumulative();
}

void TErrorReport::ClearCumulative() { ClearStats(CumulativeStats); }

void TErrorReport::SaveCumulative() { WriteFileAtomic(kErrorsFileName, FormatErrorStats(CumulativeStats)); }
