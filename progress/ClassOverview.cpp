#include "ClassOverview.h"

#include <QCoreApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPushButton>
#include <QTableWidget>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
#include <limits>

#include "DataFile.h"
#include "People.h"
#include "Platform.h"
#include "SessionLog.h"
#include "ProgressWindow.h"

namespace {

constexpr int kHardestShown = 8;
constexpr int kConfusionsShown = 8;
// Name, drills, minutes this week and in all, last practice; two columns per
// mode; a best score per table; unverified.
constexpr int kFirstModeColumn = 5;
constexpr int kFirstBestColumn = kFirstModeColumn + 2 * kModes;
constexpr int kUnverifiedColumn = kFirstBestColumn + kModes;
constexpr int kColumns = kUnverifiedColumn + 1;

// Sorts by a number kept beside the text; an empty cell sorts below every number.
class NumberItem : public QTableWidgetItem {
 public:
  NumberItem(const QString& text, double key) : QTableWidgetItem(text) {
    setData(Qt::UserRole, key);
    setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  }
  bool operator<(const QTableWidgetItem& other) const override {
    return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
  }
};

constexpr double kNone = -std::numeric_limits<double>::infinity();

QTableWidgetItem* Number(int64_t value) { return new NumberItem(QString::number(value), static_cast<double>(value)); }

QTableWidgetItem* Optional(const std::optional<double>& value) {
  return new NumberItem(QString::fromStdString(OneDecimal(value)), value ? *value : kNone);
}

QString PersonName(const std::string& name) {
  return name.empty() ? QCoreApplication::translate("TClassOverview", "(no name)") : QString::fromStdString(Utf8(name));
}

QString Html(const QString& text) { return text.toHtmlEscaped(); }

QStringList Headers() {
  QStringList headers = {QCoreApplication::translate("TClassOverview", "Name"), QCoreApplication::translate("TClassOverview", "Drills"), QCoreApplication::translate("TClassOverview", "Minutes\nthis week"),
                         QCoreApplication::translate("TClassOverview", "Minutes\nin all"), QCoreApplication::translate("TClassOverview", "Last\npractice")};
  for (int m = 0; m < kModes; ++m) {
    const QString mode = QString::fromStdString(ModeShortName(m));
    headers << mode + QCoreApplication::translate("TClassOverview", "\n% right") << mode + QCoreApplication::translate("TClassOverview", "\ns/right");
  }
  for (int m = 0; m < kModes; ++m) headers << QString::fromStdString(ModeShortName(m)) + QCoreApplication::translate("TClassOverview", "\nbest score");
  headers << QCoreApplication::translate("TClassOverview", "Unverified");
  return headers;
}

// The texts of one row, as the table shows them.
QStringList RowTexts(const PersonFigures& p) {
  QStringList texts = {PersonName(p.name), QString::number(p.verifiedDrills), QString::number(p.secondsThisWeek / 60),
                       QString::number(p.all.seconds / 60),
                       p.lastDay ? QString::fromStdString(IsoDate(*p.lastDay)) : QString()};
  for (const AnswerTotals& t : p.byMode)
    texts << QString::fromStdString(OneDecimal(t.Accuracy())) << QString::fromStdString(OneDecimal(t.SecondsPerRight()));
  for (const auto& best : p.bestScore) texts << (best ? QString::number(*best) : QString());
  texts << QString::number(p.unverified);
  return texts;
}

}  // namespace

TClassOverviewForm::TClassOverviewForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("TClassOverview", "Class Overview"));
  FolderLabel = new QLabel();
  FolderLabel->setWordWrap(true);

  ClassTable = new QTableWidget(0, kColumns);
  ClassTable->setObjectName(QStringLiteral("ClassTable"));
  ClassTable->setHorizontalHeaderLabels(Headers());
  ClassTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ClassTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  ClassTable->verticalHeader()->hide();
  ClassTable->setSortingEnabled(true);

  auto makeList = [](const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    return table;
  };
  HardestTable = makeList({QCoreApplication::translate("TClassOverview", "Set class"), QCoreApplication::translate("TClassOverview", "% right"), QCoreApplication::translate("TClassOverview", "Answers")});
  ConfusionTable = makeList({QCoreApplication::translate("TClassOverview", "Played"), QCoreApplication::translate("TClassOverview", "Taken for"), QCoreApplication::translate("TClassOverview", "Times")});

  auto* lower = new QHBoxLayout();
  auto* hardBox = new QVBoxLayout();
  hardBox->addWidget(new QLabel(QCoreApplication::translate("TClassOverview", "Hardest set classes (all eligible drills):")));
  hardBox->addWidget(HardestTable);
  auto* confusedBox = new QVBoxLayout();
  confusedBox->addWidget(new QLabel(QCoreApplication::translate("TClassOverview", "Most frequent confusions:")));
  confusedBox->addWidget(ConfusionTable);
  lower->addLayout(hardBox);
  lower->addLayout(confusedBox);

  ExportButton = new QPushButton(QCoreApplication::translate("TClassOverview", "Export CSV…"));
  PdfButton = new QPushButton(QCoreApplication::translate("TClassOverview", "Save PDF…"));
  CloseButton = new QPushButton(QCoreApplication::translate("TClassOverview", "Close"));
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(ExportButton);
  buttons->addWidget(PdfButton);
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FolderLabel);
  layout->addWidget(ClassTable, 3);
  layout->addLayout(lower, 2);
  layout->addLayout(buttons);
  resize(1250, 800);

  connect(ExportButton, &QPushButton::clicked, this, [this] { ExportButtonClick(); });
  connect(PdfButton, &QPushButton::clicked, this, [this] { PdfButtonClick(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TClassOverviewForm::LoadFolder() {
  ReportLog log;
  if (auto text = ReadTextFile(kReportFileName)) log = ParseReportLog(*text);
  ErrorStats stats{};
  if (auto text = ReadTextFile(kErrorsFileName)) stats = ParseErrorStats(*text);
  Catalogue catalogue;
  catalogue.Load(kCatalogueFileName);
  folder_ = QDir::currentPath();
  ShowClass(log, stats, catalogue, static_cast<int32_t>(PlatformToday()));
}

void TClassOverviewForm::ShowClass(const ReportLog& log, const ErrorStats& stats, const Catalogue& catalogue,
                                   int32_t today) {
  today_ = today;
  records_ = log.records;
  unverified_ = log.unverified;
  rows_ = ClassRows(log, today);
  hardest_ = HardestClasses(stats, kHardestShown);
  confusions_ = FrequentConfusions(stats, kConfusionsShown);
  for (int c = 0; c < 2; ++c) {
    CardinalityList list;
    list.length = FillCardinalityList(catalogue, c == 1 ? 4 : 3, list);
    names_[c].clear();
    for (int i = 0; i < kMaxListLength; ++i) {
      const SetClassEntry* entry = i < list.length ? list.items[static_cast<size_t>(i)] : nullptr;
      names_[c] << QStringLiteral("%1-%2").arg(c == 1 ? 4 : 3).arg(entry ? QString::fromStdString(entry->name)
                                                                           : QString::number(i + 1));
    }
  }
  FillTables();
}

QString TClassOverviewForm::ClassName(int cardinalityIndex, int listIndex) const {
  const QStringList& names = names_[cardinalityIndex == 1 ? 1 : 0];
  return listIndex >= 0 && listIndex < names.size() ? names[listIndex] : QString::number(listIndex + 1);
}

void TClassOverviewForm::FillTables() {
  FolderLabel->setText(QCoreApplication::translate("TClassOverview", "%1 — %2 people, %3 records, %4 of them unverified. Week from %5.")
                           .arg(folder_.isEmpty() ? QCoreApplication::translate("TClassOverview", "Class") : folder_)
                           .arg(rows_.size())
                           .arg(records_)
                           .arg(unverified_)
                           .arg(QString::fromStdString(IsoDate(WeekStartOf(today_)))));
  ClassTable->setSortingEnabled(false);
  ClassTable->setRowCount(static_cast<int>(rows_.size()));
  for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
    const PersonFigures& p = rows_[static_cast<size_t>(r)];
    ClassTable->setItem(r, 0, new QTableWidgetItem(PersonName(p.name)));
    ClassTable->setItem(r, 1, Number(p.verifiedDrills));
    ClassTable->setItem(r, 2, Number(p.secondsThisWeek / 60));
    ClassTable->setItem(r, 3, Number(p.all.seconds / 60));
    ClassTable->setItem(r, 4, new NumberItem(p.lastDay ? QString::fromStdString(IsoDate(*p.lastDay)) : QString(),
                                             p.lastDay ? *p.lastDay : kNone));
    for (int m = 0; m < kModes; ++m) {
      const AnswerTotals& t = p.byMode[static_cast<size_t>(m)];
      ClassTable->setItem(r, kFirstModeColumn + 2 * m, Optional(t.Accuracy()));
      ClassTable->setItem(r, kFirstModeColumn + 2 * m + 1, Optional(t.SecondsPerRight()));
      const auto& best = p.bestScore[static_cast<size_t>(m)];
      ClassTable->setItem(r, kFirstBestColumn + m,
                          best ? Number(*best) : new NumberItem(QString(), kNone));
    }
    QTableWidgetItem* unverified = Number(p.unverified);
    // A tampered or damaged log shows at a glance.
    if (p.unverified > 0) unverified->setForeground(Qt::red);
    ClassTable->setItem(r, kUnverifiedColumn, unverified);
  }
  ClassTable->setSortingEnabled(true);
  ClassTable->sortByColumn(0, Qt::AscendingOrder);
  ClassTable->resizeColumnsToContents();

  HardestTable->setRowCount(static_cast<int>(hardest_.size()));
  for (int r = 0; r < static_cast<int>(hardest_.size()); ++r) {
    const HardClass& h = hardest_[static_cast<size_t>(r)];
    HardestTable->setItem(r, 0, new QTableWidgetItem(ClassName(h.cardinalityIndex, h.listIndex)));
    HardestTable->setItem(r, 1, Optional(h.accuracy));
    HardestTable->setItem(r, 2, Number(h.right + h.wrong));
  }
  HardestTable->resizeColumnsToContents();
  ConfusionTable->setRowCount(static_cast<int>(confusions_.size()));
  for (int r = 0; r < static_cast<int>(confusions_.size()); ++r) {
    const Confusion& c = confusions_[static_cast<size_t>(r)];
    ConfusionTable->setItem(r, 0, new QTableWidgetItem(ClassName(c.cardinalityIndex, c.asked)));
    ConfusionTable->setItem(r, 1, new QTableWidgetItem(ClassName(c.cardinalityIndex, c.answered)));
    ConfusionTable->setItem(r, 2, Number(c.count));
  }
  ConfusionTable->resizeColumnsToContents();
}

bool TClassOverviewForm::ExportCsv(const QString& fileName) const {
  const QByteArray path = QFile::encodeName(fileName);
  return WriteFileAtomic(std::string(path.constData(), static_cast<size_t>(path.size())), ClassCsv(rows_));
}

QString TClassOverviewForm::ReportHtml() const {
  // The window's own words, so that the printed report speaks the student's language too.
  const auto t = [](const char* text) { return Html(QCoreApplication::translate("TClassOverview", text)); };
  const auto head = [&t](const char* text) { return QStringLiteral("<th>%1</th>").arg(t(text)); };
  QString html = QStringLiteral(
                     "<html><body style=\"font-family: sans-serif; font-size: 7pt;\">"
                     "<h2>Sonorix — %1, %2</h2>")
                     .arg(t("Class Overview"), QString::fromStdString(IsoDate(today_)));
  html += QStringLiteral("<p>%1</p>").arg(Html(FolderLabel->text()));
  html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>");
  for (const QString& h : Headers()) html += QStringLiteral("<th>%1</th>").arg(Html(h).replace(QLatin1Char('\n'), QStringLiteral("<br>")));
  html += QStringLiteral("</tr>");
  for (const PersonFigures& p : rows_) {
    html += QStringLiteral("<tr>");
    const QStringList texts = RowTexts(p);
    for (int i = 0; i < texts.size(); ++i)
      html += QStringLiteral("<td%1>%2</td>").arg(i == 0 ? QString() : QStringLiteral(" align=\"right\""), Html(texts[i]));
    html += QStringLiteral("</tr>");
  }
  html += QStringLiteral("</table><h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>%2%3%4</tr>")
              .arg(t("Hardest set classes (all eligible drills):"), head("Set class"), head("% right"), head("Answers"));
  for (const HardClass& h : hardest_)
    html += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2</td><td align=\"right\">%3</td></tr>")
                .arg(ClassName(h.cardinalityIndex, h.listIndex), QString::fromStdString(OneDecimal(h.accuracy)))
                .arg(h.right + h.wrong);
  html += QStringLiteral("</table><h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>%2%3%4</tr>")
              .arg(t("Most frequent confusions:"), head("Played"), head("Taken for"), head("Times"));
  for (const Confusion& c : confusions_)
    html += QStringLiteral("<tr><td>%1</td><td>%2</td><td align=\"right\">%3</td></tr>")
                .arg(ClassName(c.cardinalityIndex, c.asked), ClassName(c.cardinalityIndex, c.answered))
                .arg(c.count);
  html += QStringLiteral("</table></body></html>");
  return html;
}

bool TClassOverviewForm::SavePdf(const QString& fileName) const {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&pdf);
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setPageMargins(QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
    writer.setTitle(QStringLiteral("Sonorix — ") + QCoreApplication::translate("TClassOverview", "Class Overview"));
    writer.setCreator(QStringLiteral("Sonorix"));
    QTextDocument document;
    document.setHtml(ReportHtml());
    document.print(&writer);
  }
  const QByteArray& bytes = pdf.data();
  if (bytes.isEmpty()) return false;
  const QByteArray path = QFile::encodeName(fileName);
  return WriteFileAtomic(std::string(path.constData(), static_cast<size_t>(path.size())),
                         std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void TClassOverviewForm::ExportButtonClick() {
  const QString fileName = QFileDialog::getSaveFileName(this, QCoreApplication::translate("TClassOverview", "Export CSV"),
                                                        QDir(TProgressForm::ExportFolder()).filePath(QStringLiteral("class.csv")),
                                                        QCoreApplication::translate("TClassOverview", "CSV files (*.csv);;All files (*)"));
  if (fileName.isEmpty()) return;
  if (!ExportCsv(fileName))
    QMessageBox::warning(this, QCoreApplication::translate("TClassOverview", "Export CSV"), QCoreApplication::translate("TClassOverview", "%1 could not be written.").arg(fileName));
}

void TClassOverviewForm::PdfButtonClick() {
  const QString suggested = QStringLiteral("class-report-%1.pdf").arg(QString::fromStdString(IsoDate(today_)));
  const QString fileName = QFileDialog::getSaveFileName(this, QCoreApplication::translate("TClassOverview", "Save PDF"),
                                                        QDir(TProgressForm::ExportFolder()).filePath(suggested),
                                                        QCoreApplication::translate("TClassOverview", "PDF files (*.pdf);;All files (*)"));
  if (fileName.isEmpty()) return;
  if (!SavePdf(fileName))
    QMessageBox::warning(this, QCoreApplication::translate("TClassOverview", "Save PDF"), QCoreApplication::translate("TClassOverview", "%1 could not be written.").arg(fileName));
}

void ShowClassOverview(QWidget* parent) {
  TClassOverviewForm window(parent);
  window.LoadFolder();
  window.exec();
}
