// The windows of practice mode: the summary at the end of a practice drill,
// and the practice section of "My Progress…".
#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QStringList>
#include <string>
#include <vector>

#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "PracticeScheduler.h"
#include "ReportReader.h"

class QLabel;
class QPushButton;
class QTableWidget;
class TProgressForm;

// What a practice drill came to: shown by END instead of the score window.
class TPracticeSummaryForm : public QDialog {
  Q_OBJECT
 public:
  explicit TPracticeSummaryForm(const PracticeSummary& summary, QWidget* parent = nullptr);

  std::vector<QLabel*> Lines;  // questions, right at first try, revealed, time, surer, needs work
  QPushButton* OkButton = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;
};

// The summary's lines, in the language in use.
QStringList SummaryTexts(const PracticeSummary& summary);

// Questions per day and first-try accuracy from practice.dat, and the
// classes the schedule weighs most now with why.
class TPracticeSection : public QGroupBox {
  Q_OBJECT
 public:
  // `candidates`: the current list, enabled as the filters say; `lists`:
  // both lists, for the drill log's filter masks. Reads both logs once.
  TPracticeSection(std::vector<PracticeCandidate> candidates, PracticeLists lists, QWidget* parent = nullptr);

  QTableWidget* DayTable = nullptr;  // date, questions, right at first try, %, revealed
  QLabel* FocusLabel = nullptr;      // "Practice focus:" and its lines

  void ShowPerson(const std::string& person);

 private:
  std::vector<PracticeCandidate> candidates_;
  PracticeLists lists_;
  PracticeLog practice_;
  ReportLog drills_;
};

// Adds the section to an open "My Progress…" window above its buttons, and
// has it follow the window's choice of person.
void AttachPracticeSection(TProgressForm* window, std::vector<PracticeCandidate> candidates, PracticeLists lists);


// The lines of "Practice focus" for a person, as the section shows them, in
// the language of the windows (the core's own lines are in English).
std::vector<std::string> ScreenFocusLines(const PracticeScheduler& scheduler, const std::vector<PracticeCandidate>& candidates);
