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
class QTableWidgetItem;

class TProgressForm : public QDialog {
  Q_OBJECT
 public:
  explicit TProgressForm(QWidget* parent = nullptr);

  QComboBox* PersonBox = nullptr;  // every name in the log
  QLabel* NoteLabel = nullptr;     // an empty log, or records left out
  QLabel* SingLabel = nullptr;     // questions sung and right at once; hidden before any
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
  // Where exports start: the folder used last (kept in sonorix.ini) unless it
  // is the data folder, else the user's Documents folder, else the home folder.
  static QString ExportFolder();
  QString SuggestedExportPath() const;
  // Writes the CSV and remembers its folder; false when it could not be written.
  bool ExportTo(const QString& fileName) const;
  // The charts show each drill, not each day (too few days of drills yet).
  bool ChartsPerDrill() const { return perDrill_; }

  const std::string& Person() const { return person_; }
  const std::vector<DrillFigures>& Drills() const { return drills_; }

 private:
  void FillCharts();
  void FillTable();

  ReportLog log_;
  std::string person_;
  std::vector<DrillFigures> drills_;
  DrillNotes notes_;
  bool perDrill_ = false;
};

// A read-only cell of the progress tables; numbers stand to the right.
QTableWidgetItem* ProgressCell(const QString& text, bool number);
