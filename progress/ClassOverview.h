// "Class Overview…": the teacher's view of every person in the data folder's
// drill log, one sortable row each, with the class's hardest set classes and
// most frequent confusions from the error statistics; exported as CSV or as a
// printable PDF report.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

#include "ClassFigures.h"
#include "Catalogue.h"
#include "ErrorStats.h"
#include "ReportReader.h"

class QLabel;
class QPushButton;
class QTableWidget;

class TClassOverviewForm : public QDialog {
  Q_OBJECT
 public:
  explicit TClassOverviewForm(QWidget* parent = nullptr);

  QLabel* FolderLabel = nullptr;
  QTableWidget* ClassTable = nullptr;
  QTableWidget* HardestTable = nullptr;
  QTableWidget* ConfusionTable = nullptr;
  QPushButton* ExportButton = nullptr;
  QPushButton* PdfButton = nullptr;
  QPushButton* CloseButton = nullptr;

  // Reads report.dat, errors.dat and ftclass.dat of the working directory.
  void LoadFolder();
  // The same from what was read; `today` is a day number.
  void ShowClass(const ReportLog& log, const ErrorStats& stats, const Catalogue& catalogue, int32_t today);

  bool ExportCsv(const QString& fileName) const;
  bool SavePdf(const QString& fileName) const;
  // The printable report's HTML.
  QString ReportHtml() const;

  const std::vector<PersonFigures>& Rows() const { return rows_; }

 private:
  void FillTables();
  QString ClassName(int cardinalityIndex, int listIndex) const;
  void ExportButtonClick();
  void PdfButtonClick();

  std::vector<PersonFigures> rows_;
  std::vector<HardClass> hardest_;
  std::vector<Confusion> confusions_;
  QStringList names_[2];  // "3-1" …, "4-1" …, by list index
  int32_t today_ = 0;
  int32_t records_ = 0;
  int32_t unverified_ = 0;
  QString folder_;
};

// Shows the window for the working directory's data folder, modally.
void ShowClassOverview(QWidget* parent);
