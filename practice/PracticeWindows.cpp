#include "PracticeWindows.h"

#include <QCoreApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTimer>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <cmath>

#include "Accessible.h"
#include "Platform.h"
#include "ProgressWindow.h"
#include "ScreenLocale.h"
#include "SessionLog.h"

QStringList SummaryTexts(const PracticeSummary& s) {
  auto names = [](const std::vector<std::string>& classes, const QString& none) {
    if (classes.empty()) return none;
    QStringList list;
    for (const std::string& name : classes) list << QString::fromStdString(name);
    return list.join(QStringLiteral(", "));
  };
  const QLocale locale = ScreenLocale();
  QStringList lines;
  lines << QCoreApplication::translate("PracticeWindows", "Questions: %1").arg(locale.toString(s.totals.questions));
  if (s.totals.questions > 0)
    lines << QCoreApplication::translate("PracticeWindows", "Right at the first try: %1 (%2 %)")
                 .arg(locale.toString(s.totals.firstTryRight))
                 .arg(locale.toString(static_cast<int>(std::lround(s.totals.FirstTryPercent()))));
  else
    lines << QCoreApplication::translate("PracticeWindows", "Right at the first try: %1")
                 .arg(locale.toString(s.totals.firstTryRight));
  lines << QCoreApplication::translate("PracticeWindows", "Revealed: %1").arg(locale.toString(s.totals.revealed));
  lines << QCoreApplication::translate("PracticeWindows", "Time: %1:%2")
               .arg(s.drillSeconds / 60)
               .arg(s.drillSeconds % 60, 2, 10, QLatin1Char('0'));
  lines << QCoreApplication::translate("PracticeWindows", "Getting surer: %1")
               .arg(names(s.surer, QCoreApplication::translate("PracticeWindows", "none yet")));
  lines << QCoreApplication::translate("PracticeWindows", "Needs more work: %1")
               .arg(names(s.needsWork, QCoreApplication::translate("PracticeWindows", "none")));
  return lines;
}

TPracticeSummaryForm::TPracticeSummaryForm(const PracticeSummary& summary, QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("PracticeWindows", "Practice Summary"));
  auto* layout = new QVBoxLayout(this);
  const QStringList texts = SummaryTexts(summary);
  for (const QString& line : texts) {
    auto* label = new QLabel(line);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    QFont font = label->font();
    font.setPointSize(font.pointSize() + 2);
    label->setFont(font);
    layout->addWidget(label);
    Lines.push_back(label);
  }
  auto* buttons = new QHBoxLayout();
  OkButton = new QPushButton(QStringLiteral("OK"));
  OkButton->setDefault(true);
  buttons->addStretch(1);
  buttons->addWidget(OkButton);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  setMinimumWidth(440);  // the classes on one line each
  connect(OkButton, &QPushButton::clicked, this, &QDialog::accept);
  // Readers skip short labels: the whole summary is the window's description,
  // spoken when it opens and on the state key.
  const QString spoken = texts.join(QStringLiteral(". ")) + QLatin1Char('.');
  setAccessibleDescription(spoken);
  // OK has the focus: a reader speaks the focused button with its description.
  OkButton->setAccessibleDescription(spoken);
  for (QLabel* label : Lines) label->setAccessibleName(label->text());
  SetSpokenState(this, [spoken] { return spoken; });
}

void TPracticeSummaryForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // After the window's own announcement, which would cut it short.
  QTimer::singleShot(300, this, [this] { Announce(this, accessibleDescription()); });
}

std::vector<std::string> ScreenFocusLines(const PracticeScheduler& scheduler,
                                          const std::vector<PracticeCandidate>& candidates) {
  constexpr size_t kFocusClasses = 3;
  const auto times = [](int32_t n) {
    if (n == 1) return QCoreApplication::translate("PracticeWindows", "once");
    if (n == 2) return QCoreApplication::translate("PracticeWindows", "twice");
    const int count = static_cast<int>(n);
    return QCoreApplication::translate("PracticeWindows", "%n times", nullptr, count);
  };
  const QLocale locale = ScreenLocale();
  std::vector<std::string> lines;
  for (const FocusItem& item : scheduler.Focus(candidates, kFocusClasses)) {
    const int percent = static_cast<int>(std::lround(item.share * 100.0));
    QStringList reasons;
    if (!item.practised) {
      reasons << (item.drillPercent >= 0
                      ? QCoreApplication::translate("PracticeWindows", "not practised yet; %1 % right in your drills").arg(locale.toString(item.drillPercent))
                      : QCoreApplication::translate("PracticeWindows", "not practised yet"));
    } else {
      if (!item.confusedWith.empty()) {
        const auto& [first, firstTimes] = item.confusedWith[0];
        reasons << (item.confusedWith.size() > 1
                        ? QCoreApplication::translate("PracticeWindows", "confused with %1 %2 and with %3 %4 this week")
                              .arg(QString::fromStdString(first), times(firstTimes),
                                   QString::fromStdString(item.confusedWith[1].first), times(item.confusedWith[1].second))
                        : QCoreApplication::translate("PracticeWindows", "confused with %1 %2 this week").arg(QString::fromStdString(first), times(firstTimes)));
      }
      // Two texts, so that English needs no catalogue for its singular.
      const int questions = static_cast<int>(item.questions);
      reasons << (questions == 1
                      ? QCoreApplication::translate("PracticeWindows", "right at the first try in %1 of %n question", nullptr, questions)
                      : QCoreApplication::translate("PracticeWindows", "right at the first try in %1 of %n questions", nullptr, questions))
                     .arg(locale.toString(item.firstTryRight));
      reasons << (item.box == 1 ? QCoreApplication::translate("PracticeWindows", "missed when last asked")
                                : QCoreApplication::translate("PracticeWindows", "box %1 of %2").arg(locale.toString(item.box)).arg(locale.toString(kLeitnerBoxes)));
    }
    lines.push_back(QCoreApplication::translate("PracticeWindows", "%1 (%2 % of the questions): %3")
                        .arg(QString::fromStdString(item.name), locale.toString(percent), reasons.join(QStringLiteral("; ")))
                        .toStdString());
  }
  return lines;
}

TPracticeSection::TPracticeSection(std::vector<PracticeCandidate> candidates, PracticeLists lists, QWidget* parent)
    : QGroupBox(QCoreApplication::translate("PracticeWindows", "Practice"), parent), candidates_(std::move(candidates)), lists_(std::move(lists)) {
  setObjectName(QStringLiteral("PracticeSection"));
  practice_ = LoadPracticeLog(kPracticeFileName).value_or(PracticeLog{});
  drills_ = LoadReportLog(kReportFileName).value_or(ReportLog{});

  DayTable = new QTableWidget(0, 5);
  DayTable->setHorizontalHeaderLabels({QCoreApplication::translate("PracticeWindows", "Date"), QCoreApplication::translate("PracticeWindows", "Questions"),
                                       QCoreApplication::translate("PracticeWindows", "Right at first try"), QCoreApplication::translate("PracticeWindows", "First-try %"),
                                       QCoreApplication::translate("PracticeWindows", "Revealed")});
  DayTable->verticalHeader()->setVisible(false);
  DayTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  DayTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  DayTable->setTabKeyNavigation(false);  // Tab goes on; the arrow keys walk the cells
  DayTable->setAccessibleName(QCoreApplication::translate("PracticeWindows", "Practice per day"));
  FocusLabel = new QLabel();
  FocusLabel->setWordWrap(true);
  FocusLabel->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  FocusLabel->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
  FocusLabel->setAccessibleName(QCoreApplication::translate("PracticeWindows", "Practice focus"));

  auto* layout = new QHBoxLayout(this);
  layout->addWidget(DayTable, 2);
  layout->addWidget(FocusLabel, 3);
}

void TPracticeSection::ShowPerson(const std::string& person) {
  const std::vector<PracticeDay> days = PracticeDays(practice_, person);
  DayTable->setRowCount(static_cast<int>(days.size()));
  for (int r = 0; r < static_cast<int>(days.size()); ++r) {
    const PracticeDay& d = days[static_cast<size_t>(r)];
    DayTable->setItem(r, 0, ProgressCell(QString::fromStdString(IsoDate(d.day)), false));
    DayTable->setItem(r, 1, ProgressCell(QString::number(d.questions), true));
    DayTable->setItem(r, 2, ProgressCell(QString::number(d.firstTryRight), true));
    DayTable->setItem(r, 3, ProgressCell(ScreenLocale().toString(d.FirstTryPercent(), 'f', 1), true));
    DayTable->setItem(r, 4, ProgressCell(QString::number(d.revealed), true));
  }
  DayTable->resizeColumnsToContents();
  DayTable->scrollToBottom();

  PracticeScheduler scheduler(person, static_cast<int32_t>(PlatformToday()));
  scheduler.Learn(practice_, &drills_, lists_);
  QString text = QCoreApplication::translate("PracticeWindows", "<b>Practice focus</b>");
  if (days.empty()) text += QCoreApplication::translate("PracticeWindows", "<br>No practice yet: choose Practice Mode in the Progress menu.");
  for (const std::string& line : ScreenFocusLines(scheduler, candidates_))
    text += QStringLiteral("<br>") + QString::fromStdString(line).toHtmlEscaped();
  FocusLabel->setText(text);
}

void AttachPracticeSection(TProgressForm* window, std::vector<PracticeCandidate> candidates, PracticeLists lists) {
  auto* layout = qobject_cast<QVBoxLayout*>(window->layout());
  if (!layout) return;
  auto* section = new TPracticeSection(std::move(candidates), std::move(lists), window);
  layout->insertWidget(layout->count() - 1, section, 2);
  window->resize(window->width(), window->height() + 200);
  // The window's own handler has taken the new person by then: it was connected first.
  QObject::connect(window->PersonBox, &QComboBox::currentIndexChanged, section,
                   [window, section] { section->ShowPerson(window->Person()); });
  section->ShowPerson(window->Person());
}
