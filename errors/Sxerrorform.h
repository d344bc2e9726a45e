// The error report window and the answer statistics it owns.
#pragma once

#include <QDialog>

#include "ErrorStats.h"

class TErrorReport : public QDialog {
  Q_OBJECT
 public:
  explicit TErrorReport(QWidget* parent = nullptr);
  ~TErrorReport() override;

  ErrorStats SessionStats;
  ErrorStats CumulativeStats;

  // Fed by the drill window about its current question.
  void AddCorrect();
  void AddWrong(int givenListIndex);
  void ClearSession();
  // Folded in by the score window.
  void UpdateCumulative();
  void ClearCumulative();
  void SaveCumulative();

  int QuestionForm() const;
  int QuestionRip() const;
  int QuestionStatIndex() const;
};

extern TErrorReport* ErrorReport;
