// The Class Overview's tables, fast with a whole class in them: the view asks
// for the sizes and texts of its cells again and again while it sizes its
// columns, lays itself out and paints, so each is measured or laid out once.
#pragma once

#include <QFont>
#include <QHeaderView>
#include <QSize>
#include <QString>
#include <QStyledItemDelegate>
#include <QTableView>
#include <array>
#include <utility>
#include <vector>

class QStyle;

// Measures each heading once for its font and style.
class MeasuredHeader : public QHeaderView {
 public:
  explicit MeasuredHeader(QWidget* parent);

 protected:
  QSize sectionSizeFromContents(int logicalIndex) const override;

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
  ClassTableView();
  int sizeHintForColumn(int column) const override;

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
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  // Fusion draws an item as the common style does; others have their own ways.
  static bool CommonItems(const QStyle* style);
};
