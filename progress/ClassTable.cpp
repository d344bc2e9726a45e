#include "ClassTable.h"

#include <QColor>

#include "ProgressFigures.h"
#include "ReportReader.h"
#include "ScreenLocale.h"

QString DayText(const std::optional<int32_t>& day) { return day ? QString::fromStdString(IsoDate(*day)) : QString(); }

QString DecimalText(const std::optional<double>& value) { return QString::fromStdString(OneDecimal(value)); }

ClassTableModel::Cell ClassTableModel::CellOf(const PersonFigures& p, int column) {
  if (column == kName) return {PersonName(p), 0};
  const ClassCell cell = ClassCellOf(p, column);
  return {QString::fromStdString(cell.text), cell.key};
}

namespace {
// For the catalogues: the table's heads and the unknown row, which the core names.
[[maybe_unused]] const char* const kHeadSources[] = {
    QT_TRANSLATE_NOOP("TClassOverview", "Name"),
    QT_TRANSLATE_NOOP("TClassOverview", "Drills"),
    QT_TRANSLATE_NOOP("TClassOverview", "Time\nthis week"),
    QT_TRANSLATE_NOOP("TClassOverview", "Time\nin all"),
    QT_TRANSLATE_NOOP("TClassOverview", "First\npractice"),
    QT_TRANSLATE_NOOP("TClassOverview", "Last\npractice"),
    QT_TRANSLATE_NOOP("TClassOverview", "\n% right"),
    QT_TRANSLATE_NOOP("TClassOverview", "\ns/right"),
    QT_TRANSLATE_NOOP("TClassOverview", "\nbest score"),
    QT_TRANSLATE_NOOP("TClassOverview", "Ineligible\n% right"),
    QT_TRANSLATE_NOOP("TClassOverview", "Ineligible\ndrills"),
    QT_TRANSLATE_NOOP("TClassOverview", "Not ended\ndrills"),
    QT_TRANSLATE_NOOP("TClassOverview", "Practice\nquestions"),
    QT_TRANSLATE_NOOP("TClassOverview", "Practice\nfirst try %"),
    QT_TRANSLATE_NOOP("TClassOverview", "Practice\nthis week"),
    QT_TRANSLATE_NOOP("TClassOverview", "Practice\nin all"),
    QT_TRANSLATE_NOOP("TClassOverview", "Sung\nquestions"),
    QT_TRANSLATE_NOOP("TClassOverview", "Sung\nfirst try %"),
    QT_TRANSLATE_NOOP("TClassOverview", "Unverified"),
    QT_TRANSLATE_NOOP("TClassOverview", "Ambiguous"),
    QT_TRANSLATE_NOOP("TClassOverview", "(unknown)"),
};
}  // namespace

QString ClassTableModel::PersonName(const PersonFigures& p) {
  if (p.unknown) return T(kUnknownRowSource);
  return p.name.empty() ? T(kNoNameSource) : QString::fromStdString(p.name);
}

QString ClassTableModel::ModeShortName(int32_t mode) {
  static const char* const kShort[] = {QT_TRANSLATE_NOOP("TClassOverview", "close"),
                                       QT_TRANSLATE_NOOP("TClassOverview", "1 oct"),
                                       QT_TRANSLATE_NOOP("TClassOverview", "2 oct")};
  if (mode < 0 || mode >= kModes) return {};
  return T(kShort[mode % 3]) + (mode < 3 ? QStringLiteral(" 3") : QStringLiteral(" 4"));
}

QStringList ClassTableModel::Headers() {
  QStringList headers;
  for (int c = 0; c < kColumns; ++c) {
    const ClassHead head = ClassHeadOf(c);
    headers << (head.mode >= 0 ? ModeShortName(head.mode) : QString()) + T(head.source);
  }
  return headers;
}

void ClassTableModel::SetRows(std::vector<PersonFigures> rows) {
  beginResetModel();
  rows_ = std::move(rows);
  // Each text made once: sizing the columns and painting ask for it again and again.
  texts_.clear();
  texts_.reserve(rows_.size() * kColumns);
  for (const PersonFigures& p : rows_)
    for (int c = 0; c < kColumns; ++c) texts_.push_back(ShownNumbers(CellOf(p, c).text));  // files keep the point
  endResetModel();
}

int ClassTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ClassTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumns; }

QVariant ClassTableModel::data(const QModelIndex& index, int role) const {
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

QVariant ClassTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
    return QAbstractTableModel::headerData(section, orientation, role);
  // Asked for again and again while the header is laid out and painted.
  if (headers_.isEmpty()) headers_ = Headers();
  return section >= 0 && section < headers_.size() ? headers_[section] : QString();
}
