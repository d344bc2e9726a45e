#include "ConfusionWindow.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Catalogue.h"
#include "CumulativeFile.h"
#include "NotationView.h"
#include "DataFile.h"
#include "DrillSession.h"
#include "DrillView.h"
#include "DrillWindowPlayer.h"
#include "Platform.h"
#include "SetClassPlayer.h"

namespace {

constexpr int kCellWidth = 38;

// Right answers in green, confusions in red, deeper for a larger share.
QColor Shade(double share, bool diagonal) {
  const int alpha = 25 + static_cast<int>(share * 205.0);
  return diagonal ? QColor(30, 150, 60, alpha) : QColor(210, 40, 40, alpha);
}

QTableWidgetItem* Cell(const QString& text) {
  auto* item = new QTableWidgetItem(text);
  item->setFlags(Qt::ItemIsEnabled);
  item->setTextAlignment(Qt::AlignCenter);
  return item;
}

QString Percent(double share) { return QString::number(static_cast<int>(share * 100.0 + 0.5)); }

int CardinalityOf(int cardinalityIndex) { return cardinalityIndex == 1 ? 4 : 3; }

// The drill window's catalogue entries of that cardinality; none without it.
CardinalityList ListOf(const DrillView* view, int cardinalityIndex) {
  CardinalityList list;
  if (view) list.length = FillCardinalityList(view->Session().catalogue, CardinalityOf(cardinalityIndex), list);
  return list;
}

// "3-11"; by list position when the catalogue lacks the entry.
QString ClassName(int cardinalityIndex, const CardinalityList& list, int listIndex) {
  QString name = QString::number(listIndex + 1);
  if (listIndex >= 0 && listIndex < list.length && list.items[static_cast<size_t>(listIndex)])
    name = QString::fromStdString(list.items[static_cast<size_t>(listIndex)]->name);
  return QStringLiteral("%1-%2").arg(CardinalityOf(cardinalityIndex)).arg(name);
}

}  // namespace

TConfusionForm::TConfusionForm(DrillView* view) : QDialog(view ? view->ViewWindow() : nullptr), view_(view) {
  setWindowTitle(tr("Confusions"));

  auto* top = new QHBoxLayout();
  auto* sourceLabel = new QLabel(tr("Answers of:"));
  SourceBox = new QComboBox();
  sourceLabel->setBuddy(SourceBox);
  top->addWidget(sourceLabel);
  top->addWidget(SourceBox);
  top->addStretch(1);

  HintLabel = new QLabel(
      tr("Rows: the set class asked. Columns: the set class answered. Each cell is the share (%) of the row's "
         "answers; the diagonal holds the right ones. Click a cell to hear the set class asked, then the one "
         "answered, in the drill window's range and Play: manner."));
  HintLabel->setWordWrap(true);

  Pages = new QTabWidget();
  for (int c = 0; c < 2; ++c) {
    const int size = c == 0 ? kTrichordCount : kTetrachordCount;
    auto* table = new QTableWidget(size, size + 1);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::NoSelection);
    table->horizontalHeader()->setDefaultSectionSize(kCellWidth);
    table->horizontalHeader()->setMinimumSectionSize(kCellWidth);
    table->verticalHeader()->setDefaultSectionSize(22);
    connect(table, &QTableWidget::cellClicked, this, [this, c](int row, int column) { PlayCell(c, row, column); });
    connect(table, &QTableWidget::currentCellChanged, this, [this, c](int row, int column) { ShowCell(c, row, column); });
    Matrix[c] = table;
    Pages->addTab(table, c == 0 ? tr("Trichords") : tr("Tetrachords"));
  }

  auto* buttons = new QHBoxLayout();
  CloseButton = new QPushButton(tr("Close"));
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(HintLabel);
  layout->addWidget(Pages, 1);
  Picture = new TNotationView();
  Picture->hide();
  layout->addWidget(Picture, 0, Qt::AlignLeft);
  layout->addLayout(buttons);
  resize(1250, 800);

  connect(SourceBox, &QComboBox::currentIndexChanged, this, [this](int index) {
    ShowStats(index == 1 && ended_ ? ended_->stats : cumulative_);
  });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

void TConfusionForm::LoadStats(const std::optional<EndedDrill>& ended) {
  cumulative_ = ReadCumulativeFile();
  ended_ = ended;
  const QSignalBlocker quiet(SourceBox);
  SourceBox->clear();
  SourceBox->addItem(tr("all eligible drills"));
  if (ended_) SourceBox->addItem(tr("the drill just ended"));
  // The drill just ended is what the student came for; else the cardinality
  // with answers.
  SourceBox->setCurrentIndex(ended_ ? 1 : 0);
  ShowStats(ended_ ? ended_->stats : cumulative_);
  int page = ended_ ? ended_->cardinalityIndex : 0;
  if (!ended_ && !HasAnswers(cumulative_, 0) && HasAnswers(cumulative_, 1)) page = 1;
  Pages->setCurrentIndex(page == 1 ? 1 : 0);
}

void TConfusionForm::ShowStats(const ErrorStats& stats) {
  for (int c = 0; c < 2; ++c) {
    shown_[c] = BuildConfusionMatrix(stats, c);
    FillMatrix(c);
  }
}

void TConfusionForm::FillMatrix(int c) {
  const ConfusionMatrix& m = shown_[c];
  QTableWidget* table = Matrix[c];
  const CardinalityList list = ListOf(view_, c);
  QStringList names;
  for (int i = 0; i < m.size; ++i) names << ClassName(c, list, i);
  table->setVerticalHeaderLabels(names);
  table->setHorizontalHeaderLabels(names + QStringList{tr("Right %")});
  table->horizontalHeader()->resizeSection(m.size, 64);
  for (int r = 0; r < m.size; ++r) {
    const int64_t total = m.RowTotal(r);
    for (int a = 0; a < m.size; ++a) {
      const int64_t count = m.counts[static_cast<size_t>(r)][static_cast<size_t>(a)];
      const auto share = m.Share(r, a);
      const bool shown = share && (count > 0 || a == r);
      QTableWidgetItem* item = Cell(shown ? Percent(*share) : QString());
      if (count > 0) item->setBackground(Shade(*share, a == r));
      item->setToolTip(a == r
                           ? tr("%1: %2 right of %3 answers").arg(names[r]).arg(count).arg(total)
                           : tr("%1 answered as %2: %3 of %4 answers").arg(names[r], names[a]).arg(count).arg(total));
      table->setItem(r, a, item);
    }
    const auto accuracy = m.Accuracy(r);
    QTableWidgetItem* right = Cell(accuracy ? QString::number(*accuracy * 100.0, 'f', 1) : QStringLiteral("–"));
    QFont bold = right->font();
    bold.setBold(true);
    right->setFont(bold);
    table->setItem(r, m.size, right);
  }
}

void TConfusionForm::PlayCell(int cardinalityIndex, int row, int column) {
  const int c = cardinalityIndex == 1 ? 1 : 0;
  const int size = c == 1 ? kTetrachordCount : kTrichordCount;
  if (!view_ || view_->Session().Drilling || row < 0 || row >= size || column < 0 || column >= size) return;
  const CardinalityList list = ListOf(view_, c);
  if (row >= list.length || column >= list.length) return;
  std::vector<const SetClassEntry*> entries{list.items[static_cast<size_t>(row)]};
  // A right answer's cell plays its set class once.
  if (column != row) entries.push_back(list.items[static_cast<size_t>(column)]);
  PlayThroughDrillWindow(view_, entries, 0, kBetweenClassesMs);
}

void TConfusionForm::ShowCell(int cardinalityIndex, int row, int column) {
  const int c = cardinalityIndex == 1 ? 1 : 0;
  const CardinalityList list = ListOf(view_, c);
  if (row < 0 || row >= list.length || column < 0 || column >= list.length) return;
  const SetClassEntry* asked = list.items[static_cast<size_t>(row)];
  const SetClassEntry* answered = list.items[static_cast<size_t>(column)];
  if (!asked || !answered) return;
  constexpr int kMiddleC = 60;
  std::vector<PictureSet> sets{{tr("Asked"), ClosePosition(*asked, kMiddleC), asked}};
  if (column != row) sets.push_back({tr("Answered"), ClosePosition(*answered, kMiddleC), answered});
  Picture->SetPicture(std::move(sets));
  Picture->show();
}
