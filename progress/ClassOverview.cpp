#include "ClassOverview.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "ClassTable.h"
#include "ClassTableView.h"
#include "QtScheduler.h"
#include "QtTransport.h"
#include "ReportReader.h"
#include "ScreenLocale.h"

TClassOverviewForm::TClassOverviewForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(T("Class Overview"));
  FolderLabel = new QLabel();
  FolderLabel->setWordWrap(true);

  model_ = new ClassTableModel(this);
  sorted_ = new QSortFilterProxyModel(this);
  sorted_->setSourceModel(model_);
  sorted_->setSortRole(Qt::UserRole);
  ClassTable = new ClassTableView();
  ClassTable->setHorizontalHeader(new MeasuredHeader(ClassTable));
  ClassTable->setItemDelegate(new PlainTextDelegate(ClassTable));
  ClassTable->setObjectName(QStringLiteral("ClassTable"));
  ClassTable->setModel(sorted_);
  ClassTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  ClassTable->setSelectionBehavior(QAbstractItemView::SelectRows);
  ClassTable->verticalHeader()->hide();
  ClassTable->setSortingEnabled(true);
  ClassTable->sortByColumn(ClassTableModel::kName, Qt::AscendingOrder);
  ClassTable->resizeColumnsToContents();  // whole headings also before a folder is read

  auto makeList = [](const QStringList& headers) {
    auto* table = new QTableWidget(0, static_cast<int>(headers.size()));
    table->setItemDelegate(new PlainTextDelegate(table));
    table->setHorizontalHeaderLabels(headers);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->resizeColumnsToContents();
    return table;
  };
  HardestTable = makeList({T("Set class"), T("% right"), T("Answers")});
  ConfusionTable = makeList({T("Played"), T("Taken for"), T("Times")});

  auto* lower = new QHBoxLayout();
  auto* hardBox = new QVBoxLayout();
  hardBox->addWidget(new QLabel(T("Hardest set classes (all eligible drills):")));
  hardBox->addWidget(HardestTable);
  auto* confusedBox = new QVBoxLayout();
  confusedBox->addWidget(new QLabel(T("Most frequent confusions:")));
  confusedBox->addWidget(ConfusionTable);
  lower->addLayout(hardBox);
  lower->addLayout(confusedBox);

  LoadProgress = new QProgressBar();
  LoadProgress->setRange(0, 100);
  LoadProgress->setFormat(T("Reading the logs… %p%"));
  LoadProgress->hide();
  CancelButton = new QPushButton(T("Cancel"));
  CancelButton->hide();
  ServerButton = new QPushButton(T("Open Class on Server…"));
  CopyButton = new QPushButton(T("Open Class Copy…"));
  ExportButton = new QPushButton(T("Export CSV…"));
  PdfButton = new QPushButton(T("Save PDF…"));
  CloseButton = new QPushButton(T("Close"));
  DueThisWeekBox = new QCheckBox(T("Due this week"));
  DueThisWeekBox->setAccessibleName(T("Show only the assignments due this week"));
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(ServerButton);
  buttons->addWidget(CopyButton);
  buttons->addWidget(ExportButton);
  buttons->addWidget(PdfButton);
  buttons->addWidget(DueThisWeekBox);
  buttons->addWidget(LoadProgress, 1);
  buttons->addWidget(CancelButton);
  buttons->addStretch(1);
  buttons->addWidget(CloseButton);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(FolderLabel);
  layout->addWidget(ClassTable, 3);
  layout->addLayout(lower, 2);
  layout->addLayout(buttons);
  resize(1250, 800);

  connect(ServerButton, &QPushButton::clicked, this, [this] { ServerButtonClick(); });
  connect(CopyButton, &QPushButton::clicked, this, [this] { CopyButtonClick(); });
  connect(ExportButton, &QPushButton::clicked, this, [this] { ExportButtonClick(); });
  connect(PdfButton, &QPushButton::clicked, this, [this] { PdfButtonClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] {
    if (cancel_) cancel_->store(true);
    if (fetch_) fetch_->Cancel();
  });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(DueThisWeekBox, &QCheckBox::toggled, this, [this] { FillAssignments(); });
}

TClassOverviewForm::~TClassOverviewForm() { StopLoading(); }

void TClassOverviewForm::StopLoading() {
  if (cancel_) cancel_->store(true);
  if (worker_.joinable()) worker_.join();
  // Its answer, if any, is of a read since replaced.
  if (fetch_) fetch_->Cancel();
}

void TClassOverviewForm::ShowRows(std::vector<PersonFigures> rows) { model_->SetRows(std::move(rows)); }

void TClassOverviewForm::ShowClass(const ReportLog& log, const ErrorStats& stats, const Catalogue& catalogue,
                                   int32_t today) {
  StopLoading();
  students_.reset();
  loading_ = false;
  today_ = today;
  records_ = log.records;
  unverified_ = log.unverified;
  ambiguous_ = log.ambiguous;
  ShowLists(stats, catalogue);
  ShowRows(ClassRows(log, today));
  // Columns of an earlier folder's assignments would be another class's.
  assignments_.clear();
  assignmentRows_.clear();
  FillAssignments();
  FillSummary();
}

void TClassOverviewForm::FillAssignments() {
  model_->SetAssignments(
      MakeClassAssignmentColumns(assignments_, assignmentRows_, DueThisWeekBox->isChecked(), today_));
  ClassTable->resizeColumnsToContents();
}

void TClassOverviewForm::ShowLists(const ErrorStats& stats, const Catalogue& catalogue) {
  stats_ = stats;
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
  FillLists();
}

void TClassOverviewForm::FillSummary() {
  // Two texts, so that English needs no catalogue for its singular.
  const int people = static_cast<int>(Rows().size());
  QString text = (people == 1 ? T("%1 — %n person, %3 records, %4 of them unverified. Week from %5.", nullptr, people)
                              : T("%1 — %n people, %3 records, %4 of them unverified. Week from %5.", nullptr, people))
                     .arg(folder_.isEmpty() ? T("Class") : folder_)
                     .arg(records_)
                     .arg(unverified_)
                     .arg(QString::fromStdString(IsoDate(WeekStartOf(today_))));
  if (ambiguous_ > 0)
    text += QStringLiteral(" ") + T("%1 records could belong to more than one person and count for nobody.").arg(ambiguous_);
  if (!note_.isEmpty()) text += QStringLiteral(" ") + note_;
  FolderLabel->setText(text);
  ClassTable->resizeColumnsToContents();
}

void TClassOverviewForm::FillLists() {
  HardestTable->setRowCount(static_cast<int>(hardest_.size()));
  const auto number = [](int64_t value) {
    auto* item = new QTableWidgetItem(QString::number(value));
    item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
  };
  for (int r = 0; r < static_cast<int>(hardest_.size()); ++r) {
    const HardClass& h = hardest_[static_cast<size_t>(r)];
    HardestTable->setItem(r, 0, new QTableWidgetItem(ClassName(h.cardinalityIndex, h.listIndex)));
    auto* accuracy = new QTableWidgetItem(ShownNumbers(DecimalText(h.accuracy)));
    accuracy->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    HardestTable->setItem(r, 1, accuracy);
    HardestTable->setItem(r, 2, number(h.right + h.wrong));
  }
  HardestTable->resizeColumnsToContents();
  ConfusionTable->setRowCount(static_cast<int>(confusions_.size()));
  for (int r = 0; r < static_cast<int>(confusions_.size()); ++r) {
    const Confusion& c = confusions_[static_cast<size_t>(r)];
    ConfusionTable->setItem(r, 0, new QTableWidgetItem(ClassName(c.cardinalityIndex, c.asked)));
    ConfusionTable->setItem(r, 1, new QTableWidgetItem(ClassName(c.cardinalityIndex, c.answered)));
    ConfusionTable->setItem(r, 2, number(c.count));
  }
  ConfusionTable->resizeColumnsToContents();
}

