// The texts a window shows cut off: a label's, check box's, radio button's or
// button's text wider (a word-wrapped label's: taller) than the room its
// control gives it, at the control's own font; and a table's or list's
// column header wider than its column.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QHeaderView>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionButton>
#include <climits>
#include <string>
#include <vector>

struct CutText {
  std::string where;  // window class, control class and object name
  QString text;
  int needed = 0;
  int room = 0;
};

inline QString WithoutMnemonic(QString text) {
  text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
  text.remove(QLatin1Char('&'));
  text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  return text;
}

inline int WidestLine(const QFontMetrics& metrics, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, metrics.horizontalAdvance(line));
  return widest;
}

// The sections of a header whose texts are wider than their columns.
inline void CutHeaderTexts(QHeaderView* header, const std::string& where, std::vector<CutText>& cut) {
  if (!header->model() || header->orientation() != Qt::Horizontal) return;
  QStyleOptionHeader option;
  option.initFrom(header);
  const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, &option, header);
  for (int section = 0; section < header->count(); ++section) {
    if (header->isSectionHidden(section) || header->sectionSize(section) == 0) continue;
    const QString text = header->model()->headerData(section, Qt::Horizontal, Qt::DisplayRole).toString();
    if (text.isEmpty()) continue;
    const QVariant font = header->model()->headerData(section, Qt::Horizontal, Qt::FontRole);
    const QFontMetrics metrics(font.isValid() ? font.value<QFont>() : header->font());
    int needed = WidestLine(metrics, text) + 2 * margin;
    if (header->isSortIndicatorShown() && header->sortIndicatorSection() == section)
      needed += header->style()->pixelMetric(QStyle::PM_HeaderMarkSize, &option, header);
    if (needed > header->sectionSize(section))
      cut.push_back({where + " header " + std::to_string(section), text, needed, header->sectionSize(section)});
  }
}

// Only what shows: hidden controls, and what lies inside lists and tables
// (their cells scroll), are left out; a window's own scrolled content is in.
inline std::vector<CutText> CutTextsOf(QWidget* window) {
  std::vector<CutText> cut;
  const std::string windowName = window->metaObject()->className();
  for (QWidget* w : window->findChildren<QWidget*>()) {
    if (!w->isVisibleTo(window) || w->window() != window) continue;
    if (auto* header = qobject_cast<QHeaderView*>(w)) {
      CutHeaderTexts(header, windowName + " " + header->parentWidget()->objectName().toStdString(), cut);
      continue;
    }
    bool inView = false;
    for (QWidget* p = w->parentWidget(); p && p != window; p = p->parentWidget())
      if (p->inherits("QAbstractScrollArea") && p->objectName() != QStringLiteral("sonorixZoomScroll")) inView = true;
    if (inView) continue;
    const QFontMetrics metrics(w->font());
    QString text;
    int needed = 0;
    int room = 0;
    if (auto* label = qobject_cast<QLabel*>(w)) {
      text = label->text();
      if (text.isEmpty() || label->textFormat() == Qt::RichText ||
          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
        continue;
      if (label->buddy()) text = WithoutMnemonic(text);
      const QRect inside = label->contentsRect().adjusted(label->margin(), label->margin(), -label->margin(),
                                                          -label->margin());
      if (label->wordWrap()) {
        needed = metrics.boundingRect(QRect(0, 0, inside.width(), INT_MAX), Qt::TextWordWrap, text).height();
        room = inside.height();
        // A word longer than the line is cut, however tall the label.
        for (const QString& word : text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts))
          if (metrics.horizontalAdvance(word) > inside.width()) {
            needed = metrics.horizontalAdvance(word);
            room = inside.width();
            break;
          }
      } else {
        needed = WidestLine(metrics, text);
        room = inside.width();
      }
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      auto* box = static_cast<QAbstractButton*>(w);
      text = box->text();
      if (text.isEmpty()) continue;
      // The indicator, the gap and the text, as the style lays them out.
      QStyleOptionButton option;
      option.initFrom(box);
      const bool check = qobject_cast<QCheckBox*>(w) != nullptr;
      const int indicator =
          box->style()->pixelMetric(check ? QStyle::PM_IndicatorWidth : QStyle::PM_ExclusiveIndicatorWidth, &option, box);
      const int spacing = box->style()->pixelMetric(
          check ? QStyle::PM_CheckBoxLabelSpacing : QStyle::PM_RadioButtonLabelSpacing, &option, box);
      needed = indicator + spacing + WidestLine(metrics, WithoutMnemonic(text));
      room = box->contentsRect().width();
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      text = button->text();
      if (text.isEmpty()) continue;
      QStyleOptionButton option;
      option.initFrom(button);
      const int frame = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, button);
      needed = WidestLine(metrics, WithoutMnemonic(text)) + (button->icon().isNull() ? 0 : button->iconSize().width() + 4);
      room = button->width() - 2 * frame;
    } else {
      continue;
    }
    if (needed > room)
      cut.push_back({windowName + " " + w->metaObject()->className() + " " + w->objectName().toStdString(), text,
                     needed, room});
  }
  return cut;
}
