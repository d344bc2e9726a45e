#include "ClassTableView.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QProxyStyle>
#include <QStyle>
#include <QTextLayout>
#include <QtMath>
#include <algorithm>

MeasuredHeader::MeasuredHeader(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
  // As a table's own header.
  setSectionsClickable(true);
  setHighlightSections(true);
}

QSize MeasuredHeader::sectionSizeFromContents(int logicalIndex) const {
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

ClassTableView::ClassTableView() { advances_.fill(-1); }

int ClassTableView::sizeHintForColumn(int column) const {
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

void PlainTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
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

bool PlainTextDelegate::CommonItems(const QStyle* style) {
  while (const auto* proxy = qobject_cast<const QProxyStyle*>(style)) style = proxy->baseStyle();
  return style && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0;
}
