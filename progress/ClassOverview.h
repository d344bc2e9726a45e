// "Class Overview…": the teacher's view of every person in the data folder's
// drill log and practice log, one sortable row each, with the class's hardest
// set classes and most frequent confusions from the error statistics;
// exported as CSV or as a printable PDF report. The logs are read off the GUI
// thread, with a progress bar for long reads and Cancel; an unchanged folder
// is shown from the account's cache. It opens as well a class folder on a
// WebDAV server, through the event loop, or a local copy of one: a row per
// account folder. With the class's assignments.txt (the data folder's, or the
// class copy's), a column per assignment gives each student's status in it.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>
#include <atomic>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "AssignmentStore.h"
#include "ClassFetch.h"
#include "ClassFigures.h"
#include "ClassOverviewReport.h"
#include "Catalogue.h"
#include "ClassTable.h"
#include "ErrorStats.h"
#include "ReportReader.h"
#include "Texts.h"

class QCheckBox;
class QLabel;
class QtScheduler;
class QtTransport;
class QProgressBar;
class QPushButton;
class QSortFilterProxyModel;
class QTableView;
class QTableWidget;

class TClassOverviewForm : public QDialog {
  Q_OBJECT
  SONORIX_TEXTS(TClassOverview)

 public:
  explicit TClassOverviewForm(QWidget* parent = nullptr);
  ~TClassOverviewForm() override;

  QLabel* FolderLabel = nullptr;
  QTableView* ClassTable = nullptr;
  QTableWidget* HardestTable = nullptr;
  QTableWidget* ConfusionTable = nullptr;
  QProgressBar* LoadProgress = nullptr;
  QPushButton* CancelButton = nullptr;
  QPushButton* ServerButton = nullptr;
  QPushButton* CopyButton = nullptr;
  QPushButton* ExportButton = nullptr;
  QPushButton* PdfButton = nullptr;
  QPushButton* CloseButton = nullptr;
  // Only the assignment columns due this week.
  QCheckBox* DueThisWeekBox = nullptr;

  // Starts reading report.dat, practice.dat, errors.dat and ftclass.dat of
  // the working directory; Loaded() follows, also after Cancel.
  void LoadFolder();
  // Reads the class folder on its server; Loaded() follows, also after
  // Cancel or a fault. Without a transport, through Qt's network access.
  void LoadServerClass(const ClassConnection& connection, Transport* transport = nullptr);
  // Reads a local copy of a class folder (its subfolders are the accounts) off the GUI thread.
  void LoadClassCopy(const QString& folder);
  bool Loading() const { return loading_; }
  // Whether the figures shown came from the cache rather than the logs.
  bool FromCache() const { return fromCache_; }
  // The same from what was read; `today` is a day number.
  void ShowClass(const ReportLog& log, const ErrorStats& stats, const Catalogue& catalogue, int32_t today);

  bool ExportCsv(const QString& fileName) const;
  bool SavePdf(const QString& fileName) const;
  // The printable report's HTML.
  QString ReportHtml() const;

  // The class table alone, from figures already made.
  void ShowRows(std::vector<PersonFigures> rows);
  const std::vector<PersonFigures>& Rows() const { return model_->Rows(); }
  // The assignment columns as shown.
  const ClassAssignmentColumns& AssignmentColumns() const { return model_->Assignments(); }

 signals:
  void Loaded();

 private:
  struct Result;
  // The class's assignments and each person's status in them.
  struct Judged {
    std::vector<Assignment> assignments;
    std::vector<PersonAssignments> rows;
  };
  // Of assignments.txt in `folder` ("" the data folder); the logs from `files`, or the data folder's.
  // A class on its server, once its assignments were read.
  void FetchServerClass(const ClassConnection& connection, Transport& transport, int generation,
                        std::vector<Assignment> assignments);
  void ShowCancelled();
  static Judged JudgeAssignments(const std::string& folder, const ClassFiles* files, int32_t today);
  void Show(Result& result);
  // The hardest classes and confusions, from the error statistics.
  void ShowLists(const ErrorStats& stats, const Catalogue& catalogue);
  void FillLists();
  // The folder's line and the class table.
  void FillSummary();
  // The assignment columns from what was judged, all or those due this week.
  void FillAssignments();
  QString ClassName(int cardinalityIndex, int listIndex) const {
    const QStringList& names = names_[cardinalityIndex == 1 ? 1 : 0];
    return listIndex >= 0 && listIndex < names.size() ? names[listIndex] : QString::number(listIndex + 1);
  }
  void ServerButtonClick();
  void CopyButtonClick();
  void Begin(const QString& folder, const QString& reading);
  // The class folder's reading, on the GUI thread.
  void ShowReading(ClassReading& reading, int generation, const QString& note, Judged judged = {});
  void ExportButtonClick();
  void PdfButtonClick();
  void StopLoading();

  ClassTableModel* model_ = nullptr;
  QSortFilterProxyModel* sorted_ = nullptr;
  ErrorStats stats_{};
  // The students' practice figures of a class folder; none for the data folder, whose practice.dat is read.
  std::optional<std::map<std::string, StudentClasses>> students_;
  std::vector<Assignment> assignments_;
  std::vector<PersonAssignments> assignmentRows_;
  std::vector<HardClass> hardest_;
  std::vector<Confusion> confusions_;
  QStringList names_[2];  // "3-1" …, "4-1" …, by list index
  int32_t today_ = 0;
  int32_t records_ = 0;
  int32_t unverified_ = 0;
  int32_t ambiguous_ = 0;
  QString folder_;
  QString note_;
  bool loading_ = false;
  bool fromCache_ = false;
  int generation_ = 0;
  std::thread worker_;
  std::unique_ptr<QtTransport> transport_;
  std::unique_ptr<QtScheduler> scheduler_;
  std::unique_ptr<ClassFetch> fetch_;
  std::unique_ptr<ServerAssignments> assignmentsRead_;
  std::shared_ptr<std::atomic<bool>> cancel_;
};

// Shows the window for the working directory's data folder, modally.
void ShowClassOverview(QWidget* parent);
