#include "ClassTable.h"

#include <QColor>

#include "ProgressFigures.h"
#include "ReportReader.h"
#include "ScreenLocale.h"

QString DayText(const std::optional<int32_t>& day) { return day ? QString::fromStdString(IsoDate(*day)) : QString(); }

QString DecimalText(const std::optional<double>& value) { return QString::fromStdString(OneDecimal(value)); }

namespace {

QString Time(int64_t seconds) { return QString::fromStdString(MinutesSeconds(seconds)); }

ClassTableModel::Cell Number(int64_t value) { return {QString::number(value), static_cast<double>(value)}; }

ClassTableModel::Cell Optional(const std::optional<double>& value) {
  return value ? ClassTableModel::Cell{DecimalText(value), *value} : ClassTableModel::Cell{DecimalText(value)};
}

ClassTableModel::Cell Duration(int64_t seconds) { return {Time(seconds), static_cast<double>(seconds)}; }

ClassTableModel::Cell Day(const std::optional<int32_t>& day) {
  return day ? ClassTableModel::Cell{DayText(day), static_cast<double>(*day)} : ClassTableModel::Cell{};
}

}  // namespace

ClassTableModel::Cell ClassTableModel::CellOf(const PersonFigures& p, int column) {
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
    case kWeekTime: return Duration(p.secondsThisWeek);
    case kAllTime: return Duration(p.all.seconds);
    case kFirst: return Day(p.firstDay);
    case kLast: return Day(p.lastDay);
    case kIneligibleAccuracy: return Optional(p.ineligible.Accuracy());
    case kIneligibleDrills: return Number(p.ineligibleDrills);
    case kNotEnded: return Number(p.notEndedDrills);
    case kPracticeQuestions: return Number(p.practiceQuestions);
    case kPracticeFirstTry: return Optional(PracticeFirstTryPercent(p));
    case kPracticeWeekTime: return Duration(p.practiceSecondsThisWeek);
    case kPracticeTime: return Duration(p.practiceSeconds);
    case kUnverified: return Number(p.unverified);
    case kAmbiguous: return Number(p.ambiguous);
    default: return {};
  }
}

QString ClassTableModel::PersonName(const PersonFigures& p) {
  if (p.unknown) return T("(unknown)");
  return p.name.empty() ? T("(no name)") : QString::fromStdString(p.name);
}

QString ClassTableModel::ModeShortName(int32_t mode) {
  static const char* const kShort[] = {QT_TRANSLATE_NOOP("TClassOverview", "close"),
                                       QT_TRANSLATE_NOOP("TClassOverview", "1 oct"),
                                       QT_TRANSLATE_NOOP("TClassOverview", "2 oct")};
  if (mode < 0 || mode >= kModes) return {};
  return T(kShort[mode % 3]) + (mode < 3 ? QStringLiteral(" 3") : QStringLiteral(" 4"));
}

QStringList ClassTableModel::Headers() {
  QStringList headers = {T("Name"),           T("Drills"),          T("Time\nthis week"),
                         T("Time\nin all"),   T("First\npractice"), T("Last\npractice")};
  for (int m = 0; m < kModes; ++m) {
    const QString mode = ModeShortName(m);
    headers << mode + T("\n% right") << mode + T("\ns/right");
  }
  for (int m = 0; m < kModes; ++m) headers << ModeShortName(m) + T("\nbest score");
  headers << T("Ineligible\n% right") << T("Ineligible\ndrills") << T("Not ended\ndrills") << T("Practice\nquestions")
          << T("Practice\nfirst try %") << T("Practice\nthis week") << T("Practice\nin all") << T("Unverified")
          << T("Ambiguous");
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
