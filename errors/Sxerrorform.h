// The error report window and the answer statistics it owns.
#pragma once

#include <QDialog>

#include "ErrorReportText.h"
#include "ErrorStats.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QTextEdit;
class TRadioGroup;
class DrillSession;

class TErrorReport : public QDialog {
  Q_OBJECT
  // The drill's own statistics when no drill is handed; otherwise
  // SessionStats are those the drill keeps.
  ErrorStats ownSessionStats_{};
  DrillSession* session_;

 public:
  // Reports on the drill it is handed (none: an empty session, no catalogue).
  explicit TErrorReport(DrillSession* session = nullptr, QWidget* parent = nullptr);
  ~TErrorReport() override;

  // --- controls, in the order of the design --------------------------------
  QTextEdit* RichEdit1 = nullptr;      // the report
  TRadioGroup* RadioGroup1 = nullptr;  // Display: this session / cumulative errors
  QLabel* StaticText1 = nullptr;       // red note on filtered sessions
  QPushButton* Button2 = nullptr;      // Clear Cumulative Report
  QLabel* StaticText2 = nullptr;       // Show:
  QCheckBox* CheckBox4 = nullptr;      // A and B sets
  QCheckBox* CheckBox5 = nullptr;      // RIPs
  QCheckBox* CheckBox6 = nullptr;      // Confused with
  QPushButton* Button1 = nullptr;      // OK

  ErrorStats& SessionStats;
  ErrorStats CumulativeStats;

  // Fed by the drill window about its current question.
  void AddCorrect();
  void AddWrong(int givenListIndex);
  void ClearSession();
  // Folded in by the score window, once per drill: reads errors.dat, adds the
  // drill unless it used filters and writes the file back, under its lock.
  void UpdateCumulative();
  void ClearCumulative();
  void SaveCumulative();

  AnswerKey QuestionKey() const;
  int QuestionForm() const;
  int QuestionRip() const;
  int QuestionStatIndex() const;

  // --- the report -------------------------------------------------------------
  void ShowSessionReport();
  void ShowCumulativeReport();
  // The breakdowns the check boxes ask for.
  ReportOptions ShownBreakdowns() const;

  // --- event handlers ---------------------------------------------------------
  void RadioGroup1Click();
  void CheckBox4Click();
  void CheckBox5Click();
  void CheckBox6Click();
  void Button2Click();
  // Each showing opens on the session report.
  void FormShow();

 protected:
  void showEvent(QShowEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void ShowReport(const ErrorStats& stats);
};

extern TErrorReport* ErrorReport;
