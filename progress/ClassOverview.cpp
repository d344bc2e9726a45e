#include "ClassOverview.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressBar>
#include <QProxyStyle>
#include <QPushButton>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QTableWidget>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>
#include <QtMath>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

#include "ClassCache.h"
#include "DataFile.h"
#include "People.h"
#include "Platform.h"
#include "PracticeFigures.h"
#include "PracticeLog.h"
#include "ProgressWindow.h"
#include "ScreenLocale.h"
#include "SessionLog.h"

namespace {

constexpr int kHardestShown = 8;
constexpr int kConfusionsShown = 8;
constexpr int kStudentShown = 3;  // per student in the printed report

// Columns: name, drills, time this week and in all, first and last drill; two
// per mode (eligible drills only); a best score per table; the drills that
// were not eligible or not ended; practice mode; unverified and ambiguous.
enum Column {
  kName,
  kDrills,
  kWeekTime,
  kAllTime,
  kFirst,
  kLast,
  kFirstModeColumn,
  kFirstBestColumn = kFirstModeColumn + 2 * kModes,
  kIneligibleAccuracy = kFirstBestColumn + kModes,
  kIneligibleDrills,
  kNotEnded,
  kPracticeQuestions,
  kPracticeFirstTry,
  kPracticeWeekTime,
  kPracticeTime,
  kUnverified,
  kAmbiguous,
  kColumns
};

constexpr double kNone = -std::numeric_limits<double>::infinity();

QString T(const char* text) { return QCoreApplication::translate("TClassOverview", text); }

QString PersonName(const PersonFigures& p) {
  if (p.unknown) return QCoreApplication::translate("TClassOverview", "(unknown)");
  return p.name.empty() ? QCoreApplication::translate("TClassOverview", "(no name)") : QString::fromStdString(p.name);
}

QString Html(const QString& text) { return text.toHtmlEscaped(); }

QString DayText(const std::optional<int32_t>& day) { return day ? QString::fromStdString(IsoDate(*day)) : QString(); }

QString Decimal(const std::optional<double>& value) { return QString::fromStdString(OneDecimal(value)); }

QString Time(int64_t seconds) { return QString::fromStdString(MinutesSeconds(seconds)); }

// A cell's text and the number it sorts by.
struct Cell {
  QString text;
  double key = kNone;
};

Cell Number(int64_t value) { return {QString::number(value), static_cast<double>(value)}; }
Cell Optional(const std::optional<double>& value) { return {Decimal(value), value ? *value : kNone}; }

Cell CellOf(const PersonFigures& p, int column) {
  if (column >= kFirstModeColumn && column < kFirstBestColumn) {
    const AnswerTotals& t = p.eligibleByMode[static_cast<size_t>((column - kFirstModeColumn) / 2)];
    return Optional((column - kFirstModeColumn) % 2 == 0 ? t.Accuracy() : t.SecondsPerRight());
  }
  if (column >= kFirstBestColumn && column < kIneligibleAccuracy) {
    const auto& best = p.bestScore[static_cast<size_t>(column - kFirstBestColumn)];
    return best ? Number(*best) : Cell{};
  }
  switch (column) {
    case kName: return {PersonName(p), 0};
    case kDrills: return Number(p.verifiedDrills);
    case kWeekTime: return {Time(p.secondsThisWeek), static_cast<double>(p.secondsThisWeek)};
    case kAllTime: return {Time(p.all.seconds), static_cast<double>(p.all.seconds)};
    case kFirst: return {DayText(p.firstDay), p.firstDay ? *p.firstDay : kNone};
    case kLast: return {DayText(p.lastDay), p.lastDay ? *p.lastDay : kNone};
    case kIneligibleAccuracy: return Optional(p.ineligible.Accuracy());
    case kIneligibleDrills: return Number(p.ineligibleDrills);
    case kNotEnded: return Number(p.notEndedDrills);
    case kPracticeQuestions: return Number(p.practiceQuestions);
    case kPracticeFirstTry: return Optional(PracticeFirstTryPercent(p));
    case kPracticeWeekTime: return {Time(p.practiceSecondsThisWeek), static_cast<double>(p.practiceSecondsThisWeek)};
    case kPracticeTime: return {Time(p.practiceSeconds), static_cast<double>(p.practiceSeconds)};
    case kUnverified: return Number(p.unverified);
    case kAmbiguous: return Number(p.ambiguous);
    default: return {};
  }
}

// The comma for a decimal separator's locales wants ';' between fields.
char CsvSeparator() { return QLocale().decimalPoint() == QStringLiteral(",") ? ';' : ','; }

std::string Bytes(const QString& fileName) {
  const QByteArray path = QFile::encodeName(fileName);
  return std::string(path.constData(), static_cast<size_t>(path.size()));
}

// Measures each heading once for its font and style: the view asks for the
// sizes again and again while it sizes its columns, lays itself out and paints.
class MeasuredHeader : public QHeaderView {
 public:
  explicit MeasuredHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    // As a table's own header.
    setSectionsClickable(true);
    setHighlightSections(true);
  }

 protected:
  QSize sectionSizeFromContents(int logicalIndex) const override {
    if (!model() || logicalIndex < 0) return QHeaderView::sectionSizeFromContents(logicalIndex);
    if (font() != font_ || style() != style_ || isSortIndicatorShown() != sortShown_) {
      sizes_.clear();
      font_ = font();
      style_ = style();
      sortShown_ = isSortIndicatorShown();
    }
    const QString text = model()->headerData(logicalIndex, orientation(), Qt::DisplayRole).toString();
    if (static_cast<size_t>(logicalIndex) >= sizes_.size()) sizes_.resize(static_cast<size_t>(logicalIndex) + 1);
    auto& [measured, size] = sizes_[static_cast<size_t>(logicalIndex)];
    if (!size.isValid() || measured != text) {
      size = QHeaderView::sectionSizeFromContents(logicalIndex);
      measured = text;
    }
    return size;
  }

 private:
  mutable std::vector<std::pair<QString, QSize>> sizes_;
  mutable QFont font_;
  mutable const QStyle* style_ = nullptr;
  mutable bool sortShown_ = false;
};

// Sizes a column by the delegate's measure of its widest texts alone rather
// than by laying out every cell's text. Numbers, times and dates are summed
// from their glyphs' advances (figures are not kerned); other texts, names,
// are measured whole.
class ClassTableView : public QTableView {
 public:
  ClassTableView() { advances_.fill(-1); }

  int sizeHintForColumn(int column) const override {
    QAbstractItemModel* shown = model();
    if (!shown || column < 0 || column >= shown->columnCount()) return -1;
    ensurePolished();
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    if (option.font != font_) {
      advances_.fill(-1);
      font_ = option.font;
    }
    const QFontMetricsF metrics(option.font);
    const int rows = shown->rowCount();
    std::vector<std::pair<qreal, int>> widths;  // a text's width, its row
    widths.reserve(static_cast<size_t>(rows));
    qreal widest = 0;
    for (int row = 0; row < rows; ++row) {
      if (isRowHidden(row)) continue;
      const QString text = shown->index(row, column).data(Qt::DisplayRole).toString();
      qreal width = 0;
      for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (!((u >= u'0' && u <= u'9') || u == u':' || u == u'.' || u == u',' || u == u'-')) {
          width = metrics.horizontalAdvance(text);
          break;
        }
        qreal& advance = advances_[u];
        if (advance < 0) advance = metrics.horizontalAdvance(c);
        width += advance;
      }
      widths.emplace_back(width, row);
      widest = std::max(widest, width);
    }
    // What the delegate adds is the same for every cell of a column, but it
    // rounds: one text of each width near the widest is measured by it.
    std::sort(widths.begin(), widths.end(), [](const auto& a, const auto& b) { return a.first > b.first; });
    int hint = 0;
    qreal measured = -1;
    for (const auto& [width, row] : widths) {
      if (width < widest - 2) break;
      if (qRound(width * 64) == qRound(measured * 64)) continue;
      measured = width;
      const QModelIndex index = shown->index(row, column);
      hint = std::max(hint, itemDelegateForIndex(index)->sizeHint(option, index).width());
    }
    return showGrid() ? hint + 1 : hint;
  }

 private:
  mutable std::array<qreal, 128> advances_{};
  mutable QFont font_;
};

// Paints a cell's one line of text as the common styles do, but lays it out
// once rather than three times (to place it, to elide it, to draw it). Cells
// that need more (a text that does not fit, focus, icons, another style) are
// painted by the style itself.
class PlainTextDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    QStyleOptionViewItem opt = option;
    initStyleOption(&opt, index);
    const QWidget* widget = opt.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    constexpr auto kMore = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDecoration;
    const bool plain = !(opt.features & kMore) && !(opt.state & (QStyle::State_HasFocus | QStyle::State_Editing)) &&
                       !opt.text.contains(QChar::LineSeparator) && !opt.text.contains(QLatin1Char('\n')) &&
                       CommonItems(style);
    const int margin = plain ? style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1 : 0;
    const QRect textRect = opt.rect.adjusted(margin, 0, -margin, 0);
    QTextLayout layout(opt.text, opt.font);
    qreal height = 0;
    if (plain && !opt.text.isEmpty()) {
      QTextOption textOption;
      textOption.setWrapMode(opt.features & QStyleOptionViewItem::WrapText ? QTextOption::WordWrap : QTextOption::ManualWrap);
      textOption.setTextDirection(opt.direction);
      textOption.setAlignment(QStyle::visualAlignment(opt.direction, opt.displayAlignment));
      layout.setTextOption(textOption);
      layout.beginLayout();
      QTextLine line = layout.createLine();
      line.setLineWidth(textRect.width());
      line.setPosition(QPointF(0, 0));
      height = line.height();
      const bool fits = line.naturalTextWidth() < textRect.width() - 1 && !layout.createLine().isValid();
      layout.endLayout();
      if (!fits) height = -1;
    }
    if (!plain || height < 0) {
      QStyledItemDelegate::paint(painter, option, index);
      return;
    }
    painter->save();
    painter->setClipRect(opt.rect);
    style->drawPrimitive(QStyle::PE_PanelItemViewItem, &opt, painter, widget);
    if (!opt.text.isEmpty()) {
      QPalette::ColorGroup group = opt.state & QStyle::State_Enabled ? QPalette::Normal : QPalette::Disabled;
      if (group == QPalette::Normal && !(opt.state & QStyle::State_Active)) group = QPalette::Inactive;
      painter->setPen(opt.palette.color(group, opt.state & QStyle::State_Selected ? QPalette::HighlightedText : QPalette::Text));
      const QRect placed = QStyle::alignedRect(opt.direction, opt.displayAlignment & Qt::AlignVertical_Mask,
                                               QSize(textRect.width(), qCeil(height)), textRect);
      layout.draw(painter, QPointF(textRect.x(), placed.y()));
    }
    painter->restore();
  }

 private:
  // Fusion draws an item as the common style does; others have their own ways.
  static bool CommonItems(const QStyle* style) {
    while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
    return style && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
  }
};

// The short names of the drill modes, in the window's language; the
// exported file keeps the English ones.
QString ShownModeShortName(int32_t mode) {
  static const char* const kShort[] = {QT_TRANSLATE_NOOP("TClassOverview", "close"), QT_TRANSLATE_NOOP("TClassOverview", "1 oct"),
                                       QT_TRANSLATE_NOOP("TClassOverview", "2 oct")};
  if (mode < 0 || mode >= kModes) return {};
  return QCoreApplication::translate("TClassOverview", kShort[mode % 3]) + (mode < 3 ? QStringLiteral(" 3") : QStringLiteral(" 4"));
}

// The column heads, with a line break where a head takes two lines.
QStringList ClassHeaders() {
  QStringList headers = {QCoreApplication::translate("TClassOverview", "Name"), QCoreApplication::translate("TClassOverview", "Drills"), QCoreApplication::translate("TClassOverview", "Time\nthis week"), QCoreApplication::translate("TClassOverview", "Time\nin all"), QCoreApplication::translate("TClassOverview", "First\npractice"),
                         QCoreApplication::translate("TClassOverview", "Last\npractice")};
  for (int m = 0; m < kModes; ++m) {
    const QString mode = ShownModeShortName(m);
    headers << mode + QCoreApplication::translate("TClassOverview", "\n% right") << mode + QCoreApplication::translate("TClassOverview", "\ns/right");
  }
  for (int m = 0; m < kModes; ++m) headers << ShownModeShortName(m) + QCoreApplication::translate("TClassOverview", "\nbest score");
  headers << QCoreApplication::translate("TClassOverview", "Ineligible\n% right") << QCoreApplication::translate("TClassOverview", "Ineligible\ndrills") << QCoreApplication::translate("TClassOverview", "Not ended\ndrills") << QCoreApplication::translate("TClassOverview", "Practice\nquestions")
          << QCoreApplication::translate("TClassOverview", "Practice\nfirst try %") << QCoreApplication::translate("TClassOverview", "Practice\nthis week") << QCoreApplication::translate("TClassOverview", "Practice\nin all") << QCoreApplication::translate("TClassOverview", "Unverified")
          << QCoreApplication::translate("TClassOverview", "Ambiguous");
  return headers;
}

}  // namespace

// The class's rows, each cell computed when shown; Qt::UserRole gives the
// value to sort by (numbers as numbers, an empty cell below every number).
class ClassTableModel : public QAbstractTableModel {
 public:
  explicit ClassTableModel(QObject* parent) : QAbstractTableModel(parent) {}

  void SetRows(std::vector<PersonFigures> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    // Each text made once: sizing the columns and painting ask for it again and again.
    texts_.clear();
    texts_.reserve(rows_.size() * kColumns);
    for (const PersonFigures& p : rows_)
      for (int c = 0; c < kColumns; ++c) texts_.push_back(ShownNumbers(CellOf(p, c).text));  // files keep the point
    endResetModel();
  }
  const std::vector<PersonFigures>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
  }
  int columnCount(const QModelIndex& parent = QModelIndex()) const override { return parent.isValid() ? 0 : kColumns; }

  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size()) || index.column() >= kColumns) return {};
    const PersonFigures& p = rows_[static_cast<size_t>(index.row())];
    switch (role) {
      case Qt::DisplayRole: return texts_[static_cast<size_t>(index.row()) * kColumns + static_cast<size_t>(index.column())];
      case Qt::UserRole: {
        // The unknown row stays below the names when sorted by name.
        if (index.column() == kName) return p.unknown ? QStringLiteral("\uffff") : QString::fromStdString(p.name);
        return CellOf(p, index.column()).key;
      }
      case Qt::TextAlignmentRole:
        return index.column() == kName ? QVariant() : QVariant(Qt::AlignRight | Qt::AlignVCenter);
      case Qt::ForegroundRole:
        // A tampered or damaged log shows at a glance.
        if ((index.column() == kUnverified && p.unverified > 0) || (index.column() == kAmbiguous && p.ambiguous > 0))
          return QColor(Qt::red);
        return {};
      default: return {};
    }
  }

  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QAbstractTableModel::headerData(section, orientation, role);
    // Asked for again and again while the header is laid out and painted.
    if (headers_.isEmpty()) headers_ = ClassHeaders();
    return section >= 0 && section < headers_.size() ? headers_[section] : QString();
  }

 private:
  std::vector<PersonFigures> rows_;
  std::vector<QString> texts_;  // row by row
  mutable QStringList headers_;
};

void TClassOverviewForm::ShowRows(std::vector<PersonFigures> rows) { model_->SetRows(std::move(rows)); }

const std::vector<PersonFigures>& TClassOverviewForm::Rows() const { return model_->Rows(); }

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

TClassOverviewForm::TClassOverviewForm(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QCoreApplication::translate("TClassOverview", "Class Overview"));
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
  ClassTable->sortByColumn(kName, Qt::AscendingOrder);
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

  LoadProgress = new QProgressBar();
  LoadProgress->setRange(0, 100);
  LoadProgress->setFormat(QCoreApplication::translate("TClassOverview", "Reading the logs… %p%"));
  LoadProgress->hide();
  CancelButton = new QPushButton(QCoreApplication::translate("TClassOverview", "Cancel"));
  CancelButton->hide();
  ExportButton = new QPushButton(QCoreApplication::translate("TClassOverview", "Export CSV…"));
  PdfButton = new QPushButton(QCoreApplication::translate("TClassOverview", "Save PDF…"));
  CloseButton = new QPushButton(QCoreApplication::translate("TClassOverview", "Close"));
  auto* buttons = new QHBoxLayout();
  buttons->addWidget(ExportButton);
  buttons->addWidget(PdfButton);
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

  connect(ExportButton, &QPushButton::clicked, this, [this] { ExportButtonClick(); });
  connect(PdfButton, &QPushButton::clicked, this, [this] { PdfButtonClick(); });
  connect(CancelButton, &QPushButton::clicked, this, [this] {
    if (cancel_) cancel_->store(true);
  });
  connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
}

TClassOverviewForm::~TClassOverviewForm() { StopLoading(); }

void TClassOverviewForm::StopLoading() {
  if (cancel_) cancel_->store(true);
  if (worker_.joinable()) worker_.join();
}

void TClassOverviewForm::LoadFolder() {
  StopLoading();
  loading_ = true;
  ExportButton->setEnabled(false);
  PdfButton->setEnabled(false);
  folder_ = QDir::currentPath();
  FolderLabel->setText(QCoreApplication::translate("TClassOverview", "%1 — reading the logs…").arg(folder_));
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
  const ClassCacheKey key{folder, today, StampOf(kReportFileName), StampOf(kPracticeFileName)};
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
      if (!rows) result->note = QCoreApplication::translate("TClassOverview", "report.dat cannot be read.");
      if (rows) result->rows = std::move(*rows);
      result->records = counts.records;
      result->unverified = counts.unverified;
      result->ambiguous = counts.ambiguous;
      if (const auto practice = LoadPracticeLog(kPracticeFileName)) {
        AddClassPractice(result->rows, *practice, today);
      } else {
        result->note += (result->note.isEmpty() ? QString() : QStringLiteral(" ")) + QCoreApplication::translate("TClassOverview", "practice.dat cannot be read.");
      }
    }
    // Shown first, cached after: the window need not wait for the disk.
    const bool keep = rows && !result->cancelled && result->note.isEmpty();
    CachedClass figures;
    if (keep) figures = {result->rows, result->records, result->unverified, result->ambiguous};
    QMetaObject::invokeMethod(this, [this, result] { Show(*result); }, Qt::QueuedConnection);
    // Kept only when the logs did not change while they were read.
    if (keep && StampOf(kReportFileName) == key.report && StampOf(kPracticeFileName) == key.practice)
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
    FolderLabel->setText(QCoreApplication::translate("TClassOverview", "%1 — reading the logs was cancelled.").arg(folder_));
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

void TClassOverviewForm::ShowClass(const ReportLog& log, const ErrorStats& stats, const Catalogue& catalogue,
                                   int32_t today) {
  StopLoading();
  loading_ = false;
  today_ = today;
  records_ = log.records;
  unverified_ = log.unverified;
  ambiguous_ = log.ambiguous;
  ShowLists(stats, catalogue);
  ShowRows(ClassRows(log, today));
  FillSummary();
}

void TClassOverviewForm::ShowLists(const ErrorStats& stats, const Catalogue& catalogue) {
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

QString TClassOverviewForm::ClassName(int cardinalityIndex, int listIndex) const {
  const QStringList& names = names_[cardinalityIndex == 1 ? 1 : 0];
  return listIndex >= 0 && listIndex < names.size() ? names[listIndex] : QString::number(listIndex + 1);
}

void TClassOverviewForm::FillSummary() {
  // Two texts, so that English needs no catalogue for its singular.
  const int people = static_cast<int>(Rows().size());
  QString text = (people == 1 ? QCoreApplication::translate("TClassOverview", "%1 — %n person, %3 records, %4 of them unverified. Week from %5.", nullptr, people)
                              : QCoreApplication::translate("TClassOverview", "%1 — %n people, %3 records, %4 of them unverified. Week from %5.", nullptr, people))
                     .arg(folder_.isEmpty() ? QCoreApplication::translate("TClassOverview", "Class") : folder_)
                     .arg(records_)
                     .arg(unverified_)
                     .arg(QString::fromStdString(IsoDate(WeekStartOf(today_))));
  if (ambiguous_ > 0)
    text += QStringLiteral(" ") + QCoreApplication::translate("TClassOverview", "%1 records could belong to more than one person and count for nobody.").arg(ambiguous_);
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
    auto* accuracy = new QTableWidgetItem(ShownNumbers(Decimal(h.accuracy)));
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

bool TClassOverviewForm::ExportCsv(const QString& fileName) const {
  // The mark tells a spreadsheet the text is UTF-8; the separator follows the locale's decimal mark.
  return WriteFileAtomic(Bytes(fileName), ClassCsv(Rows(), CsvSeparator(), true));
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
  const QStringList headers = ClassHeaders();
  std::optional<int32_t> first, last;
  for (const PersonFigures& p : Rows()) {
    for (const auto& day : {p.firstDay, p.lastDay, p.lastPracticeDay}) {
      if (!day) continue;
      if (!first || *day < *first) first = day;
      if (!last || *day > *last) last = day;
    }
  }
  QString html = QStringLiteral(
                     "<html><body style=\"font-family: sans-serif; font-size: 6pt;\">"
                     "<h2>Sonorix — %1, %2</h2>")
                     .arg(Html(QCoreApplication::translate("TClassOverview", "Class Overview")), QString::fromStdString(IsoDate(today_)));
  if (first)
    html += QStringLiteral("<p><b>%1</b></p>").arg(Html(QCoreApplication::translate("TClassOverview", "Drills and practice from %1 to %2.").arg(DayText(first), DayText(last))));
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
      for (int c : columns) out += cell(CellOf(p, c).text, c != kName);
      out += QStringLiteral("</tr>");
    }
    return out + QStringLiteral("</table>");
  };
  std::vector<int> general = {kName, kDrills, kWeekTime, kAllTime, kFirst, kLast};
  for (int c = kIneligibleAccuracy; c < kColumns; ++c) general.push_back(c);
  std::vector<int> modes = {kName};
  for (int c = kFirstModeColumn; c < kIneligibleAccuracy; ++c) modes.push_back(c);
  html += table(general) + QStringLiteral("<p></p>") + table(modes);

  html += QStringLiteral("<h3>%1</h3><p>").arg(Html(QCoreApplication::translate("TClassOverview", "Legend")));
  static const char* const kRanges[] = {QT_TRANSLATE_NOOP("TClassOverview", "close position"),
                                        QT_TRANSLATE_NOOP("TClassOverview", "within 1 octave"),
                                        QT_TRANSLATE_NOOP("TClassOverview", "within 2 octaves")};
  for (int m = 0; m < kModes; ++m)
    html += QStringLiteral("<b>%1</b>: %2, %3. ")
                .arg(Html(ShownModeShortName(m)), t(kRanges[m % 3]),
                     m < 3 ? Html(QCoreApplication::translate("TClassOverview", "trichords")) : Html(QCoreApplication::translate("TClassOverview", "tetrachords")));
  html += Html(QCoreApplication::translate("TClassOverview", "% right, s/right and best score count the eligible drills that reached END: every set class of the "
            "cardinality enabled and the settings unchanged. Ineligible drills reached END otherwise; not ended "
            "drills have fewer than five right answers. Times are minutes:seconds. Unverified records are damaged "
            "or fail their check value; ambiguous ones verify for more than one person alike; (unknown) holds "
            "unverified records that belong to no single person."));
  html += QStringLiteral("</p>");

  html += QStringLiteral("<h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>%2%3%4</tr>")
              .arg(Html(QCoreApplication::translate("TClassOverview", "Hardest set classes (all eligible drills):")), head(QCoreApplication::translate("TClassOverview", "Set class")), head(QCoreApplication::translate("TClassOverview", "% right")),
                   head(QCoreApplication::translate("TClassOverview", "Answers")));
  for (const HardClass& h : hardest_)
    html += QStringLiteral("<tr>%1%2%3</tr>")
                .arg(cell(ClassName(h.cardinalityIndex, h.listIndex), false), cell(Decimal(h.accuracy), true),
                     cell(QString::number(h.right + h.wrong), true));
  html += QStringLiteral("</table><h3>%1</h3><table border=\"1\" cellspacing=\"0\" cellpadding=\"2\"><tr>%2%3%4</tr>")
              .arg(Html(QCoreApplication::translate("TClassOverview", "Most frequent confusions:")), head(QCoreApplication::translate("TClassOverview", "Played")), head(QCoreApplication::translate("TClassOverview", "Taken for")), head(QCoreApplication::translate("TClassOverview", "Times")));
  for (const Confusion& c : confusions_)
    html += QStringLiteral("<tr>%1%2%3</tr>")
                .arg(cell(ClassName(c.cardinalityIndex, c.asked), false),
                     cell(ClassName(c.cardinalityIndex, c.answered), false), cell(QString::number(c.count), true));
  html += QStringLiteral("</table>");

  // Per student: the drill log keeps no answers per set class, practice mode does.
  const auto practice = LoadPracticeLog(kPracticeFileName);
  const auto students = StudentClassFigures(practice.value_or(PracticeLog{}), kStudentShown);
  html += QStringLiteral("<h3>%1</h3>").arg(Html(QCoreApplication::translate("TClassOverview", "Per student, from practice mode")));
  if (students.empty()) html += QStringLiteral("<p>%1</p>").arg(Html(QCoreApplication::translate("TClassOverview", "Nobody has practised yet.")));
  for (const auto& [name, figures] : students) {
    QString hardest, confused;
    for (const ClassAnswered& a : figures.hardest)
      hardest += (hardest.isEmpty() ? QString() : QStringLiteral(", ")) +
                 QCoreApplication::translate("TClassOverview", "%1 (%2 of %3 at the first try)").arg(QString::fromStdString(a.name)).arg(a.firstTry).arg(a.asked);
    for (const ClassConfused& c : figures.confusions)
      confused += (confused.isEmpty() ? QString() : QStringLiteral(", ")) +
                  QCoreApplication::translate("TClassOverview", "%1 taken for %2 (%3×)")
                      .arg(QString::fromStdString(c.asked), QString::fromStdString(c.answered))
                      .arg(c.times);
    html += QStringLiteral("<p><b>%1</b>: %2: %3. %4: %5.</p>")
                .arg(unbroken(name.empty() ? QCoreApplication::translate("TClassOverview", "(no name)") : QString::fromStdString(name)), Html(QCoreApplication::translate("TClassOverview", "hardest")),
                     Html(hardest), Html(QCoreApplication::translate("TClassOverview", "confusions")), Html(confused.isEmpty() ? QCoreApplication::translate("TClassOverview", "none") : confused));
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
    writer.setTitle(QStringLiteral("Sonorix — ") + QCoreApplication::translate("TClassOverview", "Class Overview"));
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
  const QString fileName = QFileDialog::getSaveFileName(this, QCoreApplication::translate("TClassOverview", "Export CSV"),
                                                        QDir(TProgressForm::ExportFolder()).filePath(QStringLiteral("class.csv")),
                                                        QCoreApplication::translate("TClassOverview", "CSV files (*.csv);;All files (*)"));
  if (fileName.isEmpty()) return;
  if (!ExportCsv(fileName)) QMessageBox::warning(this, QCoreApplication::translate("TClassOverview", "Export CSV"), QCoreApplication::translate("TClassOverview", "%1 could not be written.").arg(fileName));
}

void TClassOverviewForm::PdfButtonClick() {
  const QString suggested = QStringLiteral("class-report-%1.pdf").arg(QString::fromStdString(IsoDate(today_)));
  const QString fileName = QFileDialog::getSaveFileName(this, QCoreApplication::translate("TClassOverview", "Save PDF"),
                                                        QDir(TProgressForm::ExportFolder()).filePath(suggested),
                                                        QCoreApplication::translate("TClassOverview", "PDF files (*.pdf);;All files (*)"));
  if (fileName.isEmpty()) return;
  if (!SavePdf(fileName)) QMessageBox::warning(this, QCoreApplication::translate("TClassOverview", "Save PDF"), QCoreApplication::translate("TClassOverview", "%1 could not be written.").arg(fileName));
}

void ShowClassOverview(QWidget* parent) {
  TClassOverviewForm window(parent);
  window.LoadFolder();
  window.exec();
}
