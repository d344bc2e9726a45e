// The Class Overview's reading of the working directory's folder: the logs
// off the GUI thread, with a progress bar for a long read and Cancel; an
// unchanged folder from the account's cache at once.
#include "ClassOverview.h"

#include <QDir>
#include <QLabel>
#include <QMetaObject>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

#include "ClassCache.h"
#include "DataFile.h"
#include "People.h"
#include "Platform.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "SingLog.h"
#include "SessionLog.h"

// What the reading thread hands over.
struct TClassOverviewForm::Result {
  std::vector<PersonFigures> rows;
  int32_t records = 0;
  int32_t unverified = 0;
  int32_t ambiguous = 0;
  bool fromCache = false;
  bool cancelled = false;
  QString note;
  int generation = 0;
};

void TClassOverviewForm::LoadFolder() {
  StopLoading();
  students_.reset();
  loading_ = true;
  ExportButton->setEnabled(false);
  PdfButton->setEnabled(false);
  folder_ = QDir::currentPath();
  FolderLabel->setText(T("%1 — reading the logs…").arg(folder_));
  cancel_ = std::make_shared<std::atomic<bool>>(false);
  const std::string folder = folder_.toStdString();
  const auto today = static_cast<int32_t>(PlatformToday());
  today_ = today;
  const int generation = ++generation_;
  // The small files here, so that the lists are filled before the first paint.
  const auto showLists = [this] {
    ErrorStats stats{};
    if (auto text = ReadTextFile(kErrorsFileName)) stats = ParseErrorStats(*text);
    Catalogue catalogue;
    catalogue.Load(kCatalogueFileName);
    ShowLists(stats, catalogue);
  };
  const ClassCacheKey key{folder, today, StampOf(kReportFileName), StampOf(kPracticeFileName),
                          StampOf(kSingFileName)};
  const std::string cacheFile = ClassCachePath(folder);
  if (auto cached = LoadClassCache(cacheFile, key)) {
    // An unchanged folder shows at once, without a thread and painted once.
    showLists();
    Result result{std::move(cached->rows), cached->records, cached->unverified, cached->ambiguous, true, false, {},
                  generation};
    Show(result);
    return;
  }
  // A short read shows no bar; a long one shows how far it is.
  QTimer::singleShot(300, this, [this] {
    if (!loading_) return;
    LoadProgress->show();
    CancelButton->show();
  });
  const auto cancel = cancel_;
  worker_ = std::thread([this, key, cacheFile, today, cancel, generation] {
    auto result = std::make_shared<Result>();
    result->generation = generation;
    int lastPercent = -1;
    const auto progress = [this, &cancel, &lastPercent](uint64_t done, uint64_t size) {
      const int percent = size > 0 ? static_cast<int>(done * 100 / size) : 100;
      if (percent != lastPercent) {
        lastPercent = percent;
        QMetaObject::invokeMethod(this, [this, percent] { LoadProgress->setValue(percent); }, Qt::QueuedConnection);
      }
      return !cancel->load();
    };
    ReportLog counts;
    auto rows = ClassRowsOfFile(kReportFileName, today, &counts, progress);
    if (!rows && cancel->load()) {
      result->cancelled = true;
    } else {
      if (!rows) result->note = T("report.dat cannot be read.");
      if (rows) result->rows = std::move(*rows);
      result->records = counts.records;
      result->unverified = counts.unverified;
      result->ambiguous = counts.ambiguous;
      if (const auto practice = LoadPracticeLog(kPracticeFileName)) {
        AddClassPractice(result->rows, *practice, today);
      } else {
        result->note += (result->note.isEmpty() ? QString() : QStringLiteral(" ")) + T("practice.dat cannot be read.");
      }
      // Singing's counts; a damaged sing.dat leaves them out and nothing else.
      if (const auto sing = LoadSingLog(kSingFileName)) AddClassSinging(result->rows, *sing);
    }
    // Shown first, cached after: the window need not wait for the disk.
    const bool keep = rows && !result->cancelled && result->note.isEmpty();
    CachedClass figures;
    if (keep) figures = {result->rows, result->records, result->unverified, result->ambiguous};
    QMetaObject::invokeMethod(this, [this, result] { Show(*result); }, Qt::QueuedConnection);
    // Kept only when the logs did not change while they were read.
    if (keep && StampOf(kReportFileName) == key.report && StampOf(kPracticeFileName) == key.practice &&
        StampOf(kSingFileName) == key.sing)
      SaveClassCache(cacheFile, key, figures);
  });
  // While the logs are read.
  showLists();
}

void TClassOverviewForm::Show(Result& result) {
  if (result.generation != generation_) return;  // a read since replaced by another
  loading_ = false;
  LoadProgress->hide();
  CancelButton->hide();
  if (result.cancelled) {
    FolderLabel->setText(T("%1 — reading the logs was cancelled.").arg(folder_));
    emit Loaded();
    return;
  }
  records_ = result.records;
  unverified_ = result.unverified;
  ambiguous_ = result.ambiguous;
  fromCache_ = result.fromCache;
  note_ = result.note;
  ShowRows(std::move(result.rows));
  FillSummary();
  ExportButton->setEnabled(true);
  PdfButton->setEnabled(true);
  emit Loaded();
}

void TClassOverviewForm::ShowReading(ClassReading& reading, int generation, const QString& note) {
  if (generation != generation_) return;
  Catalogue catalogue;
  catalogue.Load(kCatalogueFileName);
  ShowLists(reading.errors, catalogue);
  students_ = std::move(reading.students);
  Result result;
  result.rows = std::move(reading.rows);
  result.records = reading.records;
  result.unverified = reading.unverified;
  result.ambiguous = reading.ambiguous;
  result.note = note;
  result.generation = generation;
  Show(result);
}

void ShowClassOverview(QWidget* parent) {
  TClassOverviewForm window(parent);
  window.LoadFolder();
  window.exec();
}
