// The Class Overview's exports: the table as CSV, and the printable report
// (the table, the class's hardest set classes and confusions, each student's
// from practice mode) as HTML and as PDF; the buttons that save them.
#include "ClassOverview.h"

#include <QBuffer>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QTextDocument>
#include <algorithm>
#include <optional>

#include "AtomicFile.h"
#include "ClassTable.h"
#include "DataFile.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "ProgressWindow.h"

namespace {

QString Html(const QString& text) { return text.toHtmlEscaped(); }

// The comma for a decimal separator's locales wants ';' between fields.
char CsvSeparator() { return QLocale().decimalPoint() == QStringLiteral(",") ? ';' : ','; }

std::string Bytes(const QString& fileName) {
  const QByteArray path = QFile::encodeName(fileName);
  return std::string(path.constData(), static_cast<size_t>(path.size()));
}

}  // namespace

bool TClassOverviewForm::ExportCsv(const QString& fileName) const {
  // The mark tells a spreadsheet the text is UTF-8; the separator follows the locale's decimal mark.
  return WriteFileAtomic(Bytes(fileName), ClassCsvWithAssignments(Rows(), AssignmentColumns(), CsvSeparator(), true));
}

QString TClassOverviewForm::ReportHtml() const {
  // The window's own words, so that the printed report speaks the student's language too.
  const auto t = [](const char* text) { return Html(T(text)); };
  // No break inside a head line, a name or a date: their blanks are non-breaking.
  const auto unbroken = [](const QString& text) { return Html(text).replace(QLatin1Char(' '), QChar(0x00A0)); };
  // Heads break at their line breaks and blanks, never inside a word.
  const auto head = [](const QString& text, int widthPercent = 0) {
    QString cell;
    for (const QString& part : text.split(QLatin1Char('\n')))
      cell += (cell.isEmpty() ? QString() : QStringLiteral("<br>")) + Html(part);
    return QStringLiteral("<th%1>%2</th>")
        .arg(widthPercent > 0 ? QStringLiteral(" width=\"%1%\"").arg(widthPercent) : QString(), cell);
  };
  const auto cell = [&unbroken](const QString& text, bool right) {
    return QStringLiteral("<td%1>%2</td>").arg(right ? QStringLiteral(" align=\"right\"") : QString(), unbroken(text));
  };
  using enum ClassTableModel::Column;
  const QStringList headers = ClassTableModel::Headers();
  // Per student: the drill log keeps no answers per set class, practice mode does.
  const ClassOverviewReport report = MakeClassOverviewReport(
      Rows(), stats_,
      students_ ? *students_
                : StudentClassFigures(LoadPracticeLog(kPracticeFileName).value_or(PracticeLog{}), kStudentClassesShown),
      today_);
  const std::optional<int32_t>& first = report.firstDay;
  const std::optional<int32_t>& last = report.lastDay;
  QString html = QStringLiteral(
                     "<html><body style=\"font-family: sans-serif; font-size: 6pt;\">"
                     "<h2>Sonorix — %1, %2</h2>")
                     .arg(Html(T("Class Overview")), QString::fromStdString(IsoDate(today_)));
  if (first)
    html += QStringLiteral("<p><b>%1</b></p>").arg(Html(T("Drills and practice from %1 to %2.").arg(DayText(first), DayText(last))));
  html += QStringLiteral("<p>%1</p>").arg(Html(FolderLabel->text()));
  // Two tables, so that each fits the page's width: the general columns, then the modes.
  const auto table = [&](const std::vector<int>& columns) {
    QString out = QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>");
    // The name column takes what a name needs; the figures share the rest.
    const int nameWidth = 10;
    const int figureWidth = (100 - nameWidth) / std::max<int>(1, static_cast<int>(columns.size()) - 1);
    for (int c : columns) out += head(headers[c], c == kName ? nameWidth : figureWidth);
    out += QStringLiteral("</tr>");
    for (const PersonFigures& p : Rows()) {
      out += QStringLiteral("<tr>");
      for (int c : columns) out += cell(ClassTableModel::CellOf(p, c).text, c != kName);
      out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table>");
  };
  const std::vector<int> general = ClassReportGeneralColumns();
  const std::vector<int> modes = ClassReportModeColumns();
  html += table(general) + QStringLiteral("<p></p>") + table(modes);
  // The assignments as the window shows them: all, or those due this week.
  const ClassAssignmentColumns& assigned = AssignmentColumns();
  if (!assigned.assignments.empty()) {
    const int width = 90 / static_cast<int>(assigned.assignments.size());
    html += QStringLiteral("<h3>%1</h3>").arg(Html(DueThisWeekBox->isChecked() ? T("Assignments due this week") : T("Assignments")));
    html += QStringLiteral("<table width=\"100%\" border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>") +
            head(headers[kName], 10);
    for (const Assignment& a : assigned.assignments) {
      const QString due = T("due %1").arg(QString::fromStdString(IsoDate(a.due)));
      html += head(QString::fromStdString(a.title) + QLatin1Char('\n') + due, width);
    }
    html += QStringLiteral("</tr>");
    for (const PersonFigures& p : Rows()) {
      html += QStringLiteral("<tr>") + cell(ClassTableModel::CellOf(p, kName).text, false);
      for (size_t a = 0; a < assigned.assignments.size(); ++a)
        html += QStringLiteral("<td>%1</td>").arg(Html(model_->AssignmentCell(p, a)));
      html += QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table>");
  }

  html += QStringLiteral("<h3>%1</h3><p>").arg(Html(T("Legend")));
  static const char* const kRanges[] = {QT_TRANSLATE_NOOP("TClassOverview", "close position"),
                                        QT_TRANSLATE_NOOP("TClassOverview", "within 1 octave"),
                                        QT_TRANSLATE_NOOP("TClassOverview", "within 2 octaves")};
  for (int m = 0; m < kModes; ++m)
    html += QStringLiteral("<b>%1</b>: %2, %3. ")
                .arg(Html(ClassTableModel::ModeShortName(m)), t(kRanges[m % 3]),
                     m < 3 ? Html(T("trichords")) : Html(T("tetrachords")));
  html += Html(T("% right, s/right and best score count the eligible drills that reached END: every set class of the "
            "cardinality enabled and the settings unchanged. Ineligible drills reached END otherwise; not ended "
            "drills have fewer than five right answers. Times are minutes:seconds. Unverified records are damaged "
            "or fail their check value; ambiguous ones verify for more than one person alike; (unknown) holds "
            "unverified records that belong to no single person."));
  html += QStringLiteral("</p>");

  html += QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>%2%3%4</tr>")
              .arg(Html(T("Hardest set classes (all eligible drills):")), head(T("Set class")), head(T("% right")),
                   head(T("Answers")));
  for (const HardClass& h : report.hardest)
    html += QStringLiteral("<tr>%1%2%3</tr>")
                .arg(cell(ClassName(h.cardinalityIndex, h.listIndex), false), cell(DecimalText(h.accuracy), true),
                     cell(QString::number(h.right + h.wrong), true));
  html += QStringLiteral("</table><h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>%2%3%4</tr>")
              .arg(Html(T("Most frequent confusions:")), head(T("Played")), head(T("Taken for")), head(T("Times")));
  for (const Confusion& c : report.confusions)
    html += QStringLiteral("<tr>%1%2%3</tr>")
                .arg(cell(ClassName(c.cardinalityIndex, c.asked), false),
                     cell(ClassName(c.cardinalityIndex, c.answered), false), cell(QString::number(c.count), true));
  html += QStringLiteral("</table>");

  const auto& students = report.students;
  html += QStringLiteral("<h3>%1</h3>").arg(Html(T("Per student, from practice mode")));
  if (students.empty()) html += QStringLiteral("<p>%1</p>").arg(Html(T("Nobody has practised yet.")));
  for (const auto& [name, figures] : students) {
    QString hardest, confused;
    for (const ClassAnswered& a : figures.hardest)
      hardest += (hardest.isEmpty() ? QString() : QStringLiteral(", ")) +
                 T("%1 (%2 of %3 at the first try)").arg(QString::fromStdString(a.name)).arg(a.firstTry).arg(a.asked);
    for (const ClassConfused& c : figures.confusions)
      confused += (confused.isEmpty() ? QString() : QStringLiteral(", ")) +
                  T("%1 taken for %2 (%3×)")
                      .arg(QString::fromStdString(c.asked), QString::fromStdString(c.answered))
                      .arg(c.times);
    html += QStringLiteral("<p><b>%1</b>: %2: %3. %4: %5.</p>")
                .arg(unbroken(name.empty() ? T("(no name)") : QString::fromStdString(name)), Html(T("hardest")),
                     Html(hardest), Html(T("confusions")), Html(confused.isEmpty() ? T("none") : confused));
  }
  html += QStringLiteral("</body></html>");
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
    writer.setTitle(QStringLiteral("Sonorix — ") + T("Class Overview"));
    writer.setCreator(QStringLiteral("Sonorix"));
    QTextDocument document;
    document.setHtml(ReportHtml());
    document.print(&writer);
  }
  const QByteArray& bytes = pdf.data();
  if (bytes.isEmpty()) return false;
  return WriteFileAtomic(Bytes(fileName), std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
}

void TClassOverviewForm::ExportButtonClick() {
  const QString fileName = QFileDialog::getSaveFileName(this, T("Export CSV"),
                                                        QDir(TProgressForm::ExportFolder()).filePath(QStringLiteral("class.csv")),
                                                        T("CSV files (*.csv);;All files (*)"));
  if (fileName.isEmpty()) return;
  if (!ExportCsv(fileName)) QMessageBox::warning(this, T("Export CSV"), T("%1 could not be written.").arg(fileName));
}

void TClassOverviewForm::PdfButtonClick() {
  const QString suggested = QStringLiteral("class-report-%1.pdf").arg(QString::fromStdString(IsoDate(today_)));
  const QString fileName = QFileDialog::getSaveFileName(this, T("Save PDF"),
                                                        QDir(TProgressForm::ExportFolder()).filePath(suggested),
                                                        T("PDF files (*.pdf);;All files (*)"));
  if (fileName.isEmpty()) return;
  if (!SavePdf(fileName)) QMessageBox::warning(this, T("Save PDF"), T("%1 could not be written.").arg(fileName));
}
