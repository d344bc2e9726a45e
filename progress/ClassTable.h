// The Class Overview's table of people: a row per person, a column per
// figure. Its cells' texts serve the window and its printed report alike.
#pragma once

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "ClassAssignments.h"
#include "ClassFigures.h"
#include "ClassOverviewReport.h"
#include "Texts.h"

// A day number as "yyyy-mm-dd"; empty for none.
QString DayText(const std::optional<int32_t>& day);
// One decimal with the point, as the files have it; empty for none.
QString DecimalText(const std::optional<double>& value);

// The class's rows, each cell's text made once; Qt::UserRole gives the value
// to sort by (numbers as numbers, an empty cell below every number).
class ClassTableModel : public QAbstractTableModel, public ClassColumns {
  SONORIX_TEXTS(TClassOverview)

 public:
  // A cell's text (with the point) and the number it sorts by.
  struct Cell {
    QString text;
    double key = -std::numeric_limits<double>::infinity();
  };
  static Cell CellOf(const PersonFigures& p, int column);
  static QString PersonName(const PersonFigures& p);
  // The short name of a drill mode in the window's language; the exported
  // file keeps the English ones.
  static QString ModeShortName(int32_t mode);
  // The column heads, with a line break where a head takes two lines.
  static QStringList Headers();

  explicit ClassTableModel(QObject* parent = nullptr) : QAbstractTableModel(parent) {}

  void SetRows(std::vector<PersonFigures> rows);
  const std::vector<PersonFigures>& Rows() const { return rows_; }
  // A column per assignment after the figures' columns.
  void SetAssignments(ClassAssignmentColumns columns);
  const ClassAssignmentColumns& Assignments() const { return assignments_; }
  // An assignment column's cell: "in progress, 2 of 3 drills" in the window's language.
  QString AssignmentCell(const PersonFigures& p, size_t assignment) const;

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

 private:
  std::vector<PersonFigures> rows_;
  ClassAssignmentColumns assignments_;
  std::vector<QString> texts_;  // row by row, as shown
  mutable QStringList headers_;
};
