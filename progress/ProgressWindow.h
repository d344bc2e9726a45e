// "My Progress…": one person's drills from the drill log, as charts over time
// and as a table a teacher can take away as CSV.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "ProgressFigures.h"
#include "ReportReader.h"

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;

class TProgressForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProgressForm(QWidget* parent = nullptr);

  QComboBox* PersonBox = nullptr;  // every name in the log
  QLabel* NoteLabel = nullptr;     // an empty log, or records left out
  QChartView* AccuracyChart = nullptr;
  QChartView* SpeedChart = nullptr;
  QChartView* PracticeChart = nullptr;
  QTableWidget* DrillTable = nullptr;
  QPushButton* ExportButton = nullptr;
  QPushButton* CloseButton = nullptr;

  // Reads report.dat and shows that person, or the first name when the log
  // does not hold it.
  void LoadLog(const std::string& person);
  void ShowPerson(const std::string& person);
  // Writes the table as CSV; false when the file could not be written.
  bool ExportCsv(const QString& fileName) const;
  void ExportButtonClick();

  const std::string& Person() const { return person_; }
  const std::vector<DrillFigures>& Drills() const { return drills_; }

 private:
  void FillCharts();
  void FillTable();

  ReportLog log_;
  std::string person_;
  std::vector<DrillFigures> drills_;
};
