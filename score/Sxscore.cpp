#include "Sxscore.h"

#include <QButtonGroup>
#include <QFont>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>
#include <cmath>

#include "Controls.h"
#include "DataFile.h"
#include "DrillEnd.h"
#include "EndOfDrill.h"
#include "Fonts.h"
#include "Platform.h"
#include "ScreenLocale.h"
#include "Sxerrorform.h"
#include "SxscoreAccess.h"

TForm2* Form2 = nullptr;

namespace {

QLabel* MakeLabel(QWidget* parent, const QString& text, int x, int y, int points = 0, bool bold = false) {
  auto* label = new QLabel(text, parent);
  QFont f = label->font();
  if (points > 0) f.setPointSize(points);
  f.setBold(bold);
  label->setFont(f);
  label->move(x, y);
  label->adjustSize();
  return label;
}

void SetLabelText(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

// A speed button: down until another of its group is pressed.
QPushButton* MakeSpeedButton(QWidget* parent, QButtonGroup* group, const QString& caption, int x, int y, int w) {
  QPushButton* button = MakeButton(parent, caption, x, y, w, 25);
  button->setCheckable(true);
  button->setFocusPolicy(Qt::NoFocus);
  group->addButton(button);
  return button;
}

QFont FixedFont(int pixels) {
  // Courier New as designed, where it exists; in any case a font whose
  // digits, space, "%" and "." line up in columns.
  return EvenColumnsFont(QFont(QStringLiteral("Courier New")), pixels);
}

}  // namespace

TForm2::TForm2(TErrorReport* report, QWidget* parent) : QDialog(parent), report_(report) {
  setWindowTitle(QString());
  setModal(true);

  // The formula: time points x percentage + longevity bonus = score.
  Label1 = MakeLabel(this, tr("SCORE"), 0, 12, 22, true);
  Label1->move(275 - Label1->width() / 2, 12);
  Label4 = MakeLabel(this, tr("Time per"), 40, 62);
  Label5 = MakeLabel(this, tr("interval"), 40, 78);
  Label6 = MakeLabel(this, tr("Correct %"), 180, 70);
  Label2 = MakeLabel(this, tr("Longevity"), 310, 62);
  Label3 = MakeLabel(this, tr("bonus"), 310, 78);
  TimeLabel = MakeLabel(this, QStringLiteral("XX.X"), 40, 98);
  TimePointsLabel = MakeLabel(this, QStringLiteral("XXXX"), 40, 122, 14, true);
  Label7 = MakeLabel(this, tr("pts"), 0, 128);
  Label8 = MakeLabel(this, QStringLiteral("X"), 140, 118, 18, true);
  PercentageLabel = MakeLabel(this, QStringLiteral("XXX%"), 180, 122, 14, true);
  Label9 = MakeLabel(this, QStringLiteral("+"), 275, 118, 18, true);
  LongevityLabel = MakeLabel(this, QStringLiteral("XXX"), 310, 122, 14, true);
  Label10 = MakeLabel(this, QStringLiteral("="), 392, 118, 18, true);
  ScoreLabel = MakeLabel(this, QStringLiteral("XXXXX"), 425, 116, 20, true);

  Panel1 = new QLabel(tr("H i g h  S c o r e s"), this);
  Panel1->setFont(FixedFont(14));
  Panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel1->setLineWidth(2);
  Panel1->setAlignment(Qt::AlignCenter);
  Panel1->setGeometry(40, 170, 470, 28);

  cardinalityButtons_ = new QButtonGroup(this);
  rangeButtons_ = new QButtonGroup(this);
  SpeedButton4 = MakeSpeedButton(this, cardinalityButtons_, tr("TRICHORDS"), 40, 206, 100);
  SpeedButton5 = MakeSpeedButton(this, cardinalityButtons_, tr("TETRACHORDS"), 140, 206, 100);
  SpeedButton1 = MakeSpeedButton(this, rangeButtons_, tr("\"close position\""), 260, 206, 96);
  SpeedButton2 = MakeSpeedButton(this, rangeButtons_, tr("one-octave"), 356, 206, 77);
  SpeedButton3 = MakeSpeedButton(this, rangeButtons_, tr("two-octave"), 433, 206, 77);

  Label12 = MakeLabel(this, tr("Date              Correct   Incrct    Pctge   Time/Int  Score "), 70, 240);
  ListBox = new QListWidget(this);
  ListBox->setFont(FixedFont(12));
  ListBox->setSelectionMode(QAbstractItemView::SingleSelection);
  ListBox->setGeometry(40, 258, 470, 180);

  FilterLabel = MakeLabel(this, tr("(This session is not eligible for high score due to filter usage,"), 40, 446);
  FilterLabel2 = MakeLabel(this, tr("mixing of cardinalities, or changes in range.)"), 52, 464);
  for (QLabel* notice : {FilterLabel, FilterLabel2}) {
    notice->setStyleSheet(QStringLiteral("color: red"));
    notice->hide();
  }

  Button2 = MakeButton(this, tr("Error Report"), 40, 492, 120, 30);
  Button1 = MakeButton(this, tr("OK"), 390, 492, 120, 30);
  Button1->setDefault(true);

  // A wider system font must not let a caption run into what follows it.
  Label7->move(TimePointsLabel->x() + TimePointsLabel->width() + 4, Label7->y());

  connect(Button1, &QPushButton::clicked, this, [this] { accept(); });
  connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
  connect(SpeedButton3, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
  connect(SpeedButton4, &QPushButton::clicked, this, [this] { SpeedButton4Click(); });
  connect(SpeedButton5, &QPushButton::clicked, this, [this] { SpeedButton5Click(); });

  setFixedSize(Button1->geometry().right() + 1 + 40, Button1->geometry().bottom() + 1 + 40);
}

TForm2::~TForm2() = default;

int TForm2::ShowModal() { return exec(); }

void TForm2::done(int result) {
  FormClose();
  QDialog::done(result);
}

// --- the score ------------------------------------------------------------------

void TForm2::ShowScore(const ScoreResult& r) {
  Correct = r.Correct;
  Incorrect = r.Incorrect;
  ElapsedSeconds = r.ElapsedSeconds;
  TimePerInterval = r.TimePerInterval;
  Score = r.Score;
  const ScoreTexts texts = FormatScoreTexts(r);
  SetLabelText(TimeLabel, ShownNumbers(QString::fromStdString(texts.time)));
  SetLabelText(TimePointsLabel, ShownNumbers(QString::fromStdString(texts.timePoints)));
  SetLabelText(PercentageLabel, ShownNumbers(QString::fromStdString(texts.percentage)));
  SetLabelText(LongevityLabel, ShownNumbers(QString::fromStdString(texts.longevity)));
  SetLabelText(ScoreLabel, ShownNumbers(QString::fromStdString(texts.score)));
  Label7->move(TimePointsLabel->x() + TimePointsLabel->width() + 4, Label7->y());
}

// --- hiscore.dat ------------------------------------------------------------------

// A table's row as the language writes dates and numbers, in the same columns.
static QString ShownHighScoreLine(int row, const HighScoreEntry& entry) {
  QString line = QString::fromStdString(HighScoreLine(row, entry));
  if (ScreenLocale() == QLocale::c()) return line;
  // "NN. " then the date in eight columns, then the figures.
  const std::string english = ShortDateText(entry.Date);
  if (english.size() == 8 && line.size() > 12) {
    const PlatformCivilDate date = PlatformDateOfDay(static_cast<int64_t>(std::trunc(entry.Date)));
    line.replace(4, 8, ShownShortDate(static_cast<int>(date.year), static_cast<int>(date.month), static_cast<int>(date.day)));
  }
  return line.left(12) + ShownNumbers(line.mid(12));
}

void TForm2::LoadHighScores() {
  const auto text = ReadTextFile(kHighScoreFileName);
  fileReadable_ = text.has_value();
  HighScoreTables = text ? ParseHighScores(*text) : HighScoreSet{};
}

HighScoreEntry TForm2::DrillEntry() const {
  return HighScoreEntry{PlatformToday(), Correct, Incorrect, TimePerInterval, Score};
}

void TForm2::InsertHighScore() { NewEntryIndex = ::InsertHighScore(HighScoreTables, ModeCode, DrillEntry()); }

void TForm2::SaveHighScores() {
  CapHighScores(HighScoreTables);
  if (fileReadable_) WriteFileAtomic(kHighScoreFileName, FormatHighScores(HighScoreTables));
}

// No file yet: six empty tables, which the opening then fills and saves.
void TForm2::CreateHighScoreFile() {
  HighScoreTables = HighScoreSet{};
  fileReadable_ = true;
}

void TForm2::ShowHighScores(int table, int highlightRow) {
  ListBox->clear();
  if (table < 0 || table >= kHighScoreTableCount) return;
  const int count = std::clamp(HighScoreTables.EntryCount[static_cast<size_t>(table)], 0, kHighScoreSlots);
  const auto& rows = HighScoreTables.Rows[static_cast<size_t>(table)];
  for (int i = 0; i < count; ++i) {
    ListBox->addItem(ShownHighScoreLine(i, rows[static_cast<size_t>(i)]));
    ListBox->item(i)->setData(Qt::AccessibleTextRole, SpokenHighScoreRow(i, rows[static_cast<size_t>(i)]));
  }
  if (highlightRow >= 0 && highlightRow < count) {
    ListBox->setCurrentRow(highlightRow);
    ListBox->scrollToItem(ListBox->item(highlightRow));
  } else {
    ListBox->setCurrentRow(-1);
    ListBox->clearSelection();
  }
  DescribeHighScoreList(this);
}

// --- opening and closing ----------------------------------------------------------

void TForm2::ShowEndedDrill(const DrillResult& result, const EndOfDrill& end) {
  NewEntryIndex = 0;
  ListBox->clear();
  const int range = RangeOfResult(result);
  const int cardinality = CardinalityOfResult(result);
  ModeCode = range + 3 * cardinality;
  FiltersUsed = result.filtersUsed;

  ShowScore(end.score);
  if (report_) report_->CumulativeStats = end.cumulative;
  HighScoreTables = end.tables;
  fileReadable_ = end.tablesReadable;
  NewEntryIndex = end.newEntryIndex;

  FilterLabel->setVisible(FiltersUsed);
  FilterLabel2->setVisible(FiltersUsed);
  (range == 0 ? SpeedButton1 : range == 1 ? SpeedButton2 : SpeedButton3)->setChecked(true);
  (cardinality == 0 ? SpeedButton4 : SpeedButton5)->setChecked(true);
  ShowHighScores(ModeCode, NewEntryIndex);
  ShownRange = range;
  ShownCardinality = cardinality;
  // As saved: a row pushed past 100 was shown once and is gone now.
  CapHighScores(HighScoreTables);
}

void TForm2::FormClose() { HighScoreTables = HighScoreSet{}; }

// --- speed buttons: the drill's entry is selected on its own table only ------------

void TForm2::ShowChosenTable() {
  const int table = ShownRange + 3 * ShownCardinality;
  ShowHighScores(table, table == ModeCode ? NewEntryIndex : -1);
}

void TForm2::SpeedButton1Click() {
  ShownRange = 0;
  ShowChosenTable();
}
void TForm2::SpeedButton2Click() {
  ShownRange = 1;
  ShowChosenTable();
}
void TForm2::SpeedButton3Click() {
  ShownRange = 2;
  ShowChosenTable();
}
void TForm2::SpeedButton4Click() {
  ShownCardinality = 0;
  ShowChosenTable();
}
void TForm2::SpeedButton5Click() {
  ShownCardinality = 1;
  ShowChosenTable();
}

void TForm2::Button2Click() {
  if (report_) report_->exec();
}
