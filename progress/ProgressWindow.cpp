#include "ProgressWindow.h"
#include "ScreenLocale.h"

#include "PracticeLog.h"
#include "SingLog.h"

#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineSeries>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScatterSeries>
#include <QSettings>
#include <QStandardPaths>
#include <QTableWidget>
#include <QValueAxis>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "DataFile.h"
#include "SessionLog.h"
#include "Settings.h"

namespace {

// Month names would come from the C locale, in English: a language with a
// catalogue writes day and month as its readers write dates.
QString AxisDateFormat() {
  return QCoreApplication::translate("TProgressForm", "MMM d", "date format of the chart axes (Qt date format)");
}


QDate DateOf(int32_t day) { return QDate(1899, 12, 30).addDays(day); }

qint64 MsecsOf(int32_t day) { return QDateTime(DateOf(day), QTime(0, 0)).toMSecsSinceEpoch(); }

QString Translated(const char* text) { return QCoreApplication::translate("TProgressForm", text); }

// Short enough for a legend beside five others.
QString ModeLabel(int32_t mode) {
  static const char* const kRanges[] = {QT_TRANSLATE_NOOP("TProgressForm", "close"),
                                        QT_TRANSLATE_NOOP("TProgressForm", "1 oct"),
                                        QT_TRANSLATE_NOOP("TProgressForm", "2 oct")};
  if (mode < 0 || mode > 5) return {};
  return QStringLiteral("%1, %2").arg(mode < 3 ? Translated(QT_TRANSLATE_NOOP("TProgressForm", "tri"))
                                               : Translated(QT_TRANSLATE_NOOP("TProgressForm", "tetra")),
                                      Translated(kRanges[mode % 3]));
}

// The table's names of ranges and cardinalities; the exported file keeps
// the English ones.
[[maybe_unused]] const char* const kShownNames[] = {
    QT_TRANSLATE_NOOP("TProgressForm", "close position"), QT_TRANSLATE_NOOP("TProgressForm", "within 1 octave"),
    QT_TRANSLATE_NOOP("TProgressForm", "within 2 octaves"), QT_TRANSLATE_NOOP("TProgressForm", "trichords"),
    QT_TRANSLATE_NOOP("TProgressForm", "tetrachords")};
std::string ShownRangeName(int32_t mode) { return Translated(RangeName(mode).c_str()).toStdString(); }
std::string ShownCardinalityName(int32_t mode) { return Translated(CardinalityName(mode).c_str()).toStdString(); }

// How the drill was played, in the table's language; the exported file keeps
// the English names.
QString ShownManners(const std::vector<int32_t>& manners) {
  static const char* const kNames[] = {QT_TRANSLATE_NOOP("TProgressForm", "chord"),
                                       QT_TRANSLATE_NOOP("TProgressForm", "figure"),
                                       QT_TRANSLATE_NOOP("TProgressForm", "mixed figure")};
  QStringList names;
  for (int32_t m : manners)
    if (m >= 0 && m <= 2) names << Translated(kNames[m]);
  return names.join(QStringLiteral(", "));
}

QString PersonLabel(const std::string& person) {
  return person.empty() ? Translated(QT_TRANSLATE_NOOP("TProgressForm", "(no name)"))
                        : QString::fromUtf8(person.data(), static_cast<int>(person.size()));
}

QChartView* MakeChartView(const QString& title) {
  auto* chart = new QChart();
  chart->setTitle(title);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->setMargins(QMargins(4, 4, 4, 4));
  auto* view = new QChartView(chart);
  view->setRenderHint(QPainter::Antialiasing);
  view->setMinimumSize(360, 300);
  return view;
}

// One line per range and cardinality over the days, or over the drills
// (`perDrill`: the points' `day` is a drill number); a value may be missing
// (no right answer), which leaves a gap in that series only.
void FillDailyChart(QChart* chart, const std::vector<ModeSeries>& series,
                    std::optional<double> (AnswerTotals::*value)() const, const QString& unit, bool percent,
                    bool perDrill) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) chart->removeAxis(axis);
  int32_t first = INT32_MAX, last = INT32_MIN;
  double top = percent ? 100 : 1;
  std::vector<QXYSeries*> all;
  for (const ModeSeries& m : series) {
    auto* line = new QLineSeries();
    line->setName(ModeLabel(m.modeCode));
    line->setPointsVisible(true);
    for (const DayFigures& d : m.days) {
      const auto v = (d.*value)();
      if (!v) continue;
      line->append(perDrill ? static_cast<qreal>(d.day) : static_cast<qreal>(MsecsOf(d.day)), *v);
      first = std::min(first, d.day);
      last = std::max(last, d.day);
      top = std::max(top, *v);
    }
    chart->addSeries(line);
    all.push_back(line);
  }
  QAbstractAxis* x = nullptr;
  if (perDrill) {
    // Drill numbers: one tick per drill.
    auto* drills = new QValueAxis();
    if (first > last) first = last = 1;
    drills->setRange(first - 0.5, last + 0.5);
    drills->setTickType(QValueAxis::TicksDynamic);
    drills->setTickAnchor(1);
    drills->setTickInterval(std::max(1, (last - first + 1) / 8));
    drills->setLabelFormat(QStringLiteral("%d"));
    drills->setTitleText(QCoreApplication::translate("TProgressForm", "drill"));
    x = drills;
  } else {
    auto* days = new QDateTimeAxis();
    days->setFormat(AxisDateFormat());
    if (first > last) first = last = static_cast<int32_t>(QDate(1899, 12, 30).daysTo(QDate::currentDate()));
    days->setRange(QDateTime(DateOf(first - 1), QTime(0, 0)), QDateTime(DateOf(last + 1), QTime(0, 0)));
    days->setTickCount(std::clamp(last - first + 3, 2, 7));
    x = days;
  }
  auto* y = new QValueAxis();
  y->setRange(0, percent ? 100 : std::ceil(top * 1.1));
  y->applyNiceNumbers();
  y->setLabelFormat(QStringLiteral("%g"));
  y->setTitleText(unit);
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  for (QXYSeries* s : all) {
    s->attachAxis(x);
    s->attachAxis(y);
  }
}

// What a chart shows, in a sentence a screen reader speaks: for each line,
// where it started and where it ended ("accuracy rose from 40 % to 75 %
// over 6 days").
// Qt's plural forms; English has no catalogue, so its "(s)" is resolved here.
QString Counted(const char* text, int n) {
  return QCoreApplication::translate("TProgressForm", text, nullptr, n)
      .replace(QLatin1String("(s)"), n == 1 ? QString() : QStringLiteral("s"));
}

QString TrendText(const QString& what, const QString& from, const QString& to, int direction, int span, bool perDrill) {
  if (direction > 0)
    return perDrill ? Counted(QT_TRANSLATE_N_NOOP("TProgressForm", "%1 rose from %2 to %3 over %n drill(s)"), span)
                          .arg(what, from, to)
                    : Counted(QT_TRANSLATE_N_NOOP("TProgressForm", "%1 rose from %2 to %3 over %n day(s)"), span)
                          .arg(what, from, to);
  if (direction < 0)
    return perDrill ? Counted(QT_TRANSLATE_N_NOOP("TProgressForm", "%1 fell from %2 to %3 over %n drill(s)"), span)
                          .arg(what, from, to)
                    : Counted(QT_TRANSLATE_N_NOOP("TProgressForm", "%1 fell from %2 to %3 over %n day(s)"), span)
                          .arg(what, from, to);
  return perDrill ? Counted(QT_TRANSLATE_N_NOOP("TProgressForm", "%1 stayed at %2 over %n drill(s)"), span)
                        .arg(what, from)
                  : Counted(QT_TRANSLATE_N_NOOP("TProgressForm", "%1 stayed at %2 over %n day(s)"), span)
                        .arg(what, from);
}

QString SeriesSummary(const std::vector<ModeSeries>& series, std::optional<double> (AnswerTotals::*value)() const,
                      const QString& what, bool percent, bool perDrill) {
  const QLocale locale;
  auto shown = [&](double v) {
    return percent ? QCoreApplication::translate("TProgressForm", "%1 %").arg(locale.toString(std::lround(v)))
                   : locale.toString(v, 'f', 1);
  };
  QStringList parts;
  for (const ModeSeries& m : series) {
    std::optional<DayFigures> first, last;
    for (const DayFigures& d : m.days) {
      if (!(d.*value)()) continue;
      if (!first) first = d;
      last = d;
    }
    if (!first) continue;
    const double a = *((*first).*value)();
    const double b = *((*last).*value)();
    // Rounded as shown: "rose from 80 % to 80 %" is no rise.
    const QString from = shown(a), to = shown(b);
    const int direction = from == to ? 0 : (b > a ? 1 : -1);
    const int span = last->day - first->day + 1;
    const QString name = series.size() > 1 ? QStringLiteral("%1 (%2)").arg(what, ModeLabel(m.modeCode)) : what;
    parts << TrendText(name, from, to, direction, span, perDrill);
  }
  if (parts.isEmpty()) return QCoreApplication::translate("TProgressForm", "No drills yet.");
  return parts.join(QStringLiteral("; ")) + QLatin1Char('.');
}

QString WeeklySummary(const std::vector<WeekFigures>& weeks) {
  if (weeks.empty()) return QCoreApplication::translate("TProgressForm", "No practice yet.");
  const QLocale locale;
  int64_t seconds = 0;
  for (const WeekFigures& w : weeks) seconds += w.seconds;
  return Counted(QT_TRANSLATE_N_NOOP("TProgressForm", "Practice over %n week(s): %1 min in all, %2 min in the latest week."),
                 static_cast<int>(weeks.size()))
      .arg(locale.toString(std::lround(static_cast<double>(seconds) / 60.0)))
      .arg(locale.toString(std::lround(static_cast<double>(weeks.back().seconds) / 60.0)));
}

void FillWeeklyChart(QChart* chart, const std::vector<WeekFigures>& weeks) {
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) chart->removeAxis(axis);
  auto* minutes = new QBarSet(QCoreApplication::translate("TProgressForm", "minutes"));
  QStringList labels;
  double top = 1;
  for (const WeekFigures& w : weeks) {
    const double m = static_cast<double>(w.seconds) / 60.0;
    *minutes << m;
    top = std::max(top, m);
    labels << DateOf(w.weekStart).toString(AxisDateFormat());
  }
  auto* bars = new QBarSeries();
  bars->append(minutes);
  chart->addSeries(bars);
  chart->legend()->setVisible(false);
  auto* x = new QBarCategoryAxis();
  x->append(labels);
  x->setTitleText(QCoreApplication::translate("TProgressForm", "week beginning"));
  auto* y = new QValueAxis();
  y->setRange(0, std::ceil(top * 1.1));
  y->applyNiceNumbers();
  y->setLabelFormat(QStringLiteral("%g"));
  y->setTitleText(QCoreApplication::translate("TProgressForm", "minutes"));
  chart->addAxis(x, Qt::AlignBottom);
  chart->addAxis(y, Qt::AlignLeft);
  bars->attachAxis(x);
  bars->attachAxis(y);
}

}  // namespace

QTableWidgetItem* ProgressCell(const QString& text, bool number) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  if (number) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return item;
}

TProgressForm::TProgressForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("My Progress"));

  auto* top = new QHBoxLayout();
  auto* personLabel = new QLabel(tr("Person:"));
  PersonBox = new QComboBox();
  PersonBox->setMinimumWidth(200);
  personLabel->setBuddy(PersonBox);
  NoteLabel = new QLabel();
  top->addWidget(personLabel);
  top->addWidget(PersonBox);
  top->addSpacing(16);
  top->addWidget(NoteLabel, 1);
  SingLabel = new QLabel();
  SingLabel->hide();
  top->addWidget(SingLabel);

  auto* charts = new QHBoxLayout();
  AccuracyChart = MakeChartView(tr("Accuracy per day"));
  SpeedChart = MakeChartView(tr("Seconds per right answer per day"));
  PracticeChart = MakeChartView(tr("Practice minutes per week"));
  charts->addWidget(AccuracyChart);
  charts->addWidget(SpeedChart);
  charts->addWidget(PracticeChart);

  DrillTable = new QTableWidget(0, 10);
  DrillTable->setHorizontalHeaderLabels({tr("Date"), tr("Time"), tr("Range"),
                                         tr("Cardinality"), tr("Play"), tr("Right"), tr("Wrong"), tr("Accuracy %"),
                                         tr("Seconds per right answer"), tr("Eligible")});
  DrillTable->verticalHeader()->setVisible(false);
  DrillTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DrillTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  DrillTable->setMinimumHeight(200);
  // Tab goes on to the buttons; the arrow keys walk the cells.
  DrillTable->setTabKeyNavigation(false);
  DrillTable->resizeColumnsToContents();  // whole headings also with no drill

  auto* buttons = new QHBoxLayout();
  ExportButton = new QPushButton(tr("Export CSV…"));
  CloseButton = new QPushButton(tr("Close"));
  ExportButton->setAutoDefault(false);
  buttons->addStretch(1);
  buttons->addWidget(ExportButton);
  buttons->addWidget(CloseButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addLayout(charts, 3);
  layout->addWidget(DrillTable, 2);
  layout->addLayout(buttons);
  resize(1180, 760);

  connect(PersonBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index < 0) return;
    const QByteArray bytes = PersonBox->itemData(index).toByteArray();
    ShowPerson(std::string(bytes.constData(), static_cast<size_t>(bytes.size())));
  });
  connect(ExportButton, &QPushButton::clicked, this, [this] { ExportButtonClick(); });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TProgressForm::LoadLog(const std::string& person) {
  const auto log = LoadReportLog(kReportFileName);
  log_ = log.value_or(ReportLog{});
  notes_ = LoadDrillNotes(kDrillNotesFileName);
  std::vector<std::string> people = PeopleInLog(log_);
  // In a shared folder a student sees their own progress only.
  if (!AccountMayOversee()) people = {person};
  QString note;
  if (!log) {
    note = tr("report.dat cannot be read.");
  } else if (log_.drills.empty()) {
    note = tr("No drill has been logged yet.");
  }
  if (log_.unverified > 0) {
    note += (note.isEmpty() ? QString() : QStringLiteral(" ")) +
            tr("%1 of %2 records could not be verified and are left out.")
                .arg(log_.unverified)
                .arg(log_.records);
  }
  NoteLabel->setText(note);

  const QSignalBlocker quiet(PersonBox);
  PersonBox->clear();
  int chosen = people.empty() ? -1 : 0;
  for (size_t i = 0; i < people.size(); ++i) {
    PersonBox->addItem(PersonLabel(people[i]),
                       QByteArray(people[i].data(), static_cast<qsizetype>(people[i].size())));
    if (people[i] == person) chosen = static_cast<int>(i);
  }
  PersonBox->setCurrentIndex(chosen);
  ShowPerson(chosen >= 0 ? people[static_cast<size_t>(chosen)] : person);
}

void TProgressForm::ShowPerson(const std::string& person) {
  person_ = person;
  // On Linux a reader names the combo box by its label and may not read
  // its value: the description says whose drills these are.
  PersonBox->setAccessibleDescription(tr("Showing %1").arg(PersonLabel(person)));
  drills_ = DrillsOf(log_, person);
  AttachDrillNotes(drills_, notes_);
  FillCharts();
  FillTable();
  ExportButton->setEnabled(!drills_.empty());
}

void TProgressForm::FillCharts() {
  // A few days of drills make a few dots on a long axis: then each drill is a point.
  perDrill_ = DaysDrilled(log_, person_) < kDaysForDailyCharts;
  const std::vector<ModeSeries> series = perDrill_ ? DrillSeries(log_, person_) : DailySeries(log_, person_);
  AccuracyChart->chart()->setTitle(perDrill_ ? tr("Accuracy per drill") : tr("Accuracy per day"));
  SpeedChart->chart()->setTitle(perDrill_ ? tr("Seconds per right answer per drill")
                                          : tr("Seconds per right answer per day"));
  FillDailyChart(AccuracyChart->chart(), series, &AnswerTotals::Accuracy, tr("% right"), true, perDrill_);
  FillDailyChart(SpeedChart->chart(), series, &AnswerTotals::SecondsPerRight, tr("seconds"), false,
                 perDrill_);
  // Practice mode's time counts as practice too.
  std::vector<std::pair<int32_t, int64_t>> practiced;
  if (const auto practice = LoadPracticeLog(kPracticeFileName)) {
    const std::string key = PersonKey(person_);
    for (const PracticeRecord& r : practice->records)
      if (PersonKey(r.person) == key) practiced.emplace_back(r.day, r.seconds);
  }
  const std::vector<WeekFigures> weeks = WeeklyPractice(log_, person_, practiced);
  FillWeeklyChart(PracticeChart->chart(), weeks);
  // The charts in words, for whoever cannot see them.
  AccuracyChart->setAccessibleDescription(
      SeriesSummary(series, &AnswerTotals::Accuracy, tr("accuracy"), true, perDrill_));
  SpeedChart->setAccessibleDescription(
      SeriesSummary(series, &AnswerTotals::SecondsPerRight, tr("seconds per right answer"), false, perDrill_));
  PracticeChart->setAccessibleDescription(WeeklySummary(weeks));
  // Singing's own count, beside the drills'.
  SingCounts sung;
  if (const auto sing = LoadSingLog(kSingFileName)) sung = CountSing(*sing, &person_);
  SingLabel->setText(tr("Sung: %n question(s), %1 right at the first try.", "", sung.sung)
                         .arg(QLocale().toString(sung.firstTryRight)));
  SingLabel->setVisible(sung.sung > 0);
}

void TProgressForm::FillTable() {
  DrillTable->setRowCount(static_cast<int>(drills_.size()));
  for (int r = 0; r < static_cast<int>(drills_.size()); ++r) {
    const DrillFigures& d = drills_[static_cast<size_t>(r)];
    DrillTable->setItem(r, 0, ProgressCell(QString::fromStdString(IsoDate(DayOf(d.date))), false));
    DrillTable->setItem(r, 1, ProgressCell(QString::fromStdString(TimeOfDayText(d.secondsOfDay)), false));
    DrillTable->setItem(r, 2, ProgressCell(QString::fromStdString(ModesText(d.modes, ShownRangeName)), false));
    DrillTable->setItem(r, 3, ProgressCell(QString::fromStdString(ModesText(d.modes, ShownCardinalityName)), false));
    DrillTable->setItem(r, 4, ProgressCell(ShownManners(d.manners), false));
    DrillTable->setItem(r, 5, ProgressCell(QString::number(d.right), true));
    DrillTable->setItem(r, 6, ProgressCell(QString::number(d.wrong), true));
    DrillTable->setItem(r, 7, ProgressCell(ShownNumbers(QString::fromStdString(OneDecimal(d.Accuracy()))), true));
    DrillTable->setItem(r, 8, ProgressCell(ShownNumbers(QString::fromStdString(OneDecimal(d.SecondsPerRight()))), true));
    DrillTable->setItem(r, 9, ProgressCell(d.eligible ? tr("yes") : d.ended ? tr("no") : tr("not ended"), false));
  }
  DrillTable->resizeColumnsToContents();
  DrillTable->scrollToBottom();
}

bool TProgressForm::ExportCsv(const QString& fileName) const {
  const QByteArray path = QFile::encodeName(fileName);
  return WriteFileAtomic(std::string(path.constData(), static_cast<size_t>(path.size())),
                         ProgressCsv(person_, drills_));
}

QString TProgressForm::ExportFolder() {
  QSettings settings(SettingsFilePath(), QSettings::IniFormat);
  const QString last = settings.value(QStringLiteral("Progress/ExportFolder")).toString();
  // Never the data folder itself: a class folder is no place for a student's exports.
  if (!last.isEmpty() && QFileInfo(last).isDir() && QFileInfo(last).canonicalFilePath() != QDir::current().canonicalPath())
    return last;
  const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!documents.isEmpty() && QFileInfo(documents).isDir()) return documents;
  return QDir::homePath();
}

QString TProgressForm::SuggestedExportPath() const {
  QString name = QStringLiteral("progress.csv");
  if (!person_.empty()) name = QStringLiteral("progress-%1.csv").arg(PersonLabel(person_).replace(QLatin1Char('/'), QLatin1Char('_')));
  return QDir(ExportFolder()).filePath(name);
}

bool TProgressForm::ExportTo(const QString& fileName) const {
  if (!ExportCsv(fileName)) return false;
  const QString folder = QFileInfo(fileName).absolutePath();
  EditSettings([&folder](QSettings& settings) { settings.setValue(QStringLiteral("Progress/ExportFolder"), folder); });
  return true;
}

void TProgressForm::ExportButtonClick() {
  const QString fileName = QFileDialog::getSaveFileName(this, tr("Export CSV"), SuggestedExportPath(),
                                                        tr("CSV files (*.csv);;All files (*)"));
  if (fileName.isEmpty()) return;
  if (!ExportTo(fileName))
    QMessageBox::warning(this, tr("Export CSV"), tr("%1 could not be written.").arg(fileName));
}
