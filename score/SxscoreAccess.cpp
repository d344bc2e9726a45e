#include "SxscoreAccess.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QLabel>
#include <QListWidget>
#include <QLocale>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "Accessible.h"
#include "NumberText.h"
#include "Platform.h"
#include "Sxscore.h"

namespace {

const char* const kCardinalities[] = {"trichords", "tetrachords"};
const char* const kRanges[] = {"close position", "within one octave", "within two octaves"};

// Where the drill went: "Row 2 of 5, trichords, close position.", or why
// it went nowhere.
QString PositionText(const TForm2* form) {
  if (form->FiltersUsed) return QCoreApplication::translate("Accessibility", "Not entered: filters were used.");
  const int table = form->ModeCode;
  if (table < 0 || table >= kHighScoreTableCount) return {};
  const int count = std::min(form->HighScoreTables.EntryCount[static_cast<size_t>(table)], kHighScoreSlots);
  if (form->NewEntryIndex < 0 || form->NewEntryIndex >= count) return {};
  return QCoreApplication::translate("Accessibility", "Row %1 of %2, %3, %4.")
      .arg(form->NewEntryIndex + 1)
      .arg(count)
      .arg(QLatin1String(kCardinalities[table / 3]), QLatin1String(kRanges[table % 3]));
}

// The score is read out once the window has computed it; the selected entry
// when the list gets the focus.
class ScoreNews : public QObject {
 public:
  explicit ScoreNews(TForm2* form) : QObject(form), form_(form), window_(form), list_(form->ListBox) {
    form->installEventFilter(this);
    list_->installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == window_ && event->type() == QEvent::Show) QTimer::singleShot(0, this, [this] { Tell(); });
    // The list is destroyed before the window: only its own pointer is used.
    // Tabbed or clicked into; as the window opens its own news comes instead.
    if (watched == list_ && event->type() == QEvent::FocusIn &&
        static_cast<QFocusEvent*>(event)->reason() != Qt::ActiveWindowFocusReason) {
      const QListWidgetItem* item = list_->currentItem();
      Announce(form_, item && item->isSelected() ? item->data(Qt::AccessibleTextRole).toString()
                      : list_->count() == 0      ? QCoreApplication::translate("Accessibility", "No entry yet in this table.")
                                                 : QCoreApplication::translate("Accessibility", "No entry selected."));
    }
    return false;
  }

 private:
  void Tell() {
    if (!form_->isVisible()) return;
    Announce(form_, ScoreAnnouncement(form_));
  }

  TForm2* form_;
  const QObject* window_;
  QListWidget* list_;
};

}  // namespace

void MakeScoreWindowAccessible(TForm2* f) {
  if (!f) return;
  new ScoreNews(f);
  EnsureNotice(f);
  SetSpokenState(f, [f] { return ScoreAnnouncement(f); });
  // The window has no title to show; readers still need one.
  f->setAccessibleName(QCoreApplication::translate("Accessibility", "Score"));
  Describe(f->TimeLabel, {}, QCoreApplication::translate("Accessibility", "Time per interval, in seconds"));
  Describe(f->TimePointsLabel, {}, QCoreApplication::translate("Accessibility", "Time points"));
  Describe(f->PercentageLabel, {}, QCoreApplication::translate("Accessibility", "Correct percentage"));
  Describe(f->LongevityLabel, {}, QCoreApplication::translate("Accessibility", "Longevity bonus"));
  Describe(f->ScoreLabel, {}, QCoreApplication::translate("Accessibility", "Score"));
  // Letters spaced for the eye are read one by one; columns need words.
  Describe(f->Panel1, QCoreApplication::translate("Accessibility", "High Scores"), {});
  Describe(f->Label12, QCoreApplication::translate("Accessibility", "Columns: date, correct, incorrect, percentage, time per interval, score"), {});
  // The header labels the list: read with it, not again as a loose text of the window.
  f->Label12->setBuddy(f->ListBox);
  // Each row reads with its column names; the header says them once.
  Describe(f->ListBox, QCoreApplication::translate("Accessibility", "High scores"), {});
  // Moving in the list changes whether the drill's own row is selected.
  QObject::connect(f->ListBox, &QListWidget::itemSelectionChanged, f, [f] { DescribeHighScoreList(f); });
  DescribeHighScoreList(f);
  // Buttons of which exactly one is down: radio buttons to a reader, and
  // reachable with Tab (arrows move within each row of them).
  const std::initializer_list<std::pair<QPushButton*, const char*>> tables{
      {f->SpeedButton4, "Shows the trichord tables"},
      {f->SpeedButton5, "Shows the tetrachord tables"},
      {f->SpeedButton1, "Shows the tables of close position"},
      {f->SpeedButton2, "Shows the tables within one octave"},
      {f->SpeedButton3, "Shows the tables within two octaves"}};
  for (const auto& [button, description] : tables) {
    if (!button) continue;
    button->setAutoExclusive(true);  // its button group keeps the exclusivity
    button->setFocusPolicy(Qt::StrongFocus);
    Describe(button, {}, QString::fromUtf8(description));
    ForgetInterface(button);
  }
  Describe(f->Button2, {}, QCoreApplication::translate("Accessibility", "Shows right and wrong answers per set class"));
  ChainTabOrder({f->SpeedButton4, f->SpeedButton5, f->SpeedButton1, f->SpeedButton2, f->SpeedButton3, f->ListBox,
                 f->Button2, f->Button1});
}

void DescribeHighScoreList(TForm2* f) {
  const QListWidgetItem* item = f->ListBox->currentItem();
  const bool selected = item && item->isSelected();
  const bool drillsRow = selected && f->ShownRange + 3 * f->ShownCardinality == f->ModeCode &&
                         f->ListBox->row(item) == f->NewEntryIndex && !PositionText(f).isEmpty();
  f->ListBox->setAccessibleDescription(
      f->ListBox->count() == 0 ? QCoreApplication::translate("Accessibility", "No entry yet in this table.")
      : drillsRow              ? QCoreApplication::translate("Accessibility", "The drill just ended is selected")
      : selected               ? QString()
                               : QCoreApplication::translate("Accessibility", "No entry selected."));
}

QString ScoreAnnouncement(const TForm2* f) {
  QString text = QCoreApplication::translate("Accessibility", "Score %1: %2 time points, %3 correct, longevity bonus %4. %5 seconds per interval.")
                     .arg(f->ScoreLabel->text(), f->TimePointsLabel->text(), f->PercentageLabel->text(),
                          f->LongevityLabel->text(), f->TimeLabel->text());
  const QString position = PositionText(f);
  if (!position.isEmpty()) text += QLatin1Char(' ') + position;
  return text;
}

QString SpokenHighScoreRow(int row, const HighScoreEntry& entry) {
  QString date;
  if (entry.Date > -693594 && entry.Date < 2958466) {
    const PlatformCivilDate day = PlatformDateOfDay(static_cast<int64_t>(std::trunc(entry.Date)));
    // The month as the language names it ("12 août 2026"); the English windows keep theirs.
    date = QStringLiteral("%1 %2 %3, ").arg(day.day).arg(QLocale().monthName(day.month)).arg(day.year);
  }
  const double answers = static_cast<double>(entry.Correct) + entry.Incorrect;
  double percent = answers != 0 ? entry.Correct / answers * 100 : 0;
  if (!std::isfinite(percent)) percent = 0;
  return QCoreApplication::translate("Accessibility", "%1. %2%3 right, %4 wrong, %5 %, %6 s per interval, score %7")
      .arg(row + 1)
      .arg(date)
      .arg(entry.Correct)
      .arg(entry.Incorrect)
      // Rounded as the row shows them (13 right, 3 wrong: 81.2 in both).
      .arg(QString::fromStdString(FixedNumberText(percent, 1)))
      .arg(QString::fromStdString(FixedNumberText(static_cast<double>(entry.TimePerInterval), 1)))
      .arg(entry.Score);
}
