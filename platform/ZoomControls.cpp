// The controls' design values under a zoom: scaled, recorded when the
// program changes them, and the fonts, columns and labels that need more.
#include <QAbstractAxis>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QLegend>
#include <QProxyStyle>
#include <QStyleOption>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

#include "WidgetKeys.h"
#include "ZoomLevel.h"
#include "ZoomParts.h"

using namespace WidgetKey;

namespace zoom {

int Scaled(int v, double f) { return static_cast<int>(std::lround(v * f)); }

QRect ScaledRect(const QRect& r, double f) {
  return QRect(Scaled(r.x(), f), Scaled(r.y(), f), Scaled(r.width(), f), Scaled(r.height(), f));
}

QSize ScaledSize(const QSize& s, double f) {
  // "No limit" stays no limit.
  const int w = s.width() >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : std::min(QWIDGETSIZE_MAX, Scaled(s.width(), f));
  const int h = s.height() >= QWIDGETSIZE_MAX ? QWIDGETSIZE_MAX : std::min(QWIDGETSIZE_MAX, Scaled(s.height(), f));
  return QSize(w, h);
}

namespace {

QFont ScaledFont(QFont font, double f) {
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * f);
  } else if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, Scaled(font.pixelSize(), f)));
  }
  return font;
}

double FontSize(const QFont& font) { return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize(); }

}  // namespace

// A control that a layout places keeps its place: the layout follows its font.
// So do the parts of a composite control (a list's viewport and scroll bars,
// a combo box's field, a tab widget's bar), which the control places itself.
bool PlacedByParent(const QWidget* w) {
  const QWidget* parent = w->parentWidget();
  if (!parent) return false;
  if (parent->layout() && parent->layout()->indexOf(const_cast<QWidget*>(w)) >= 0) return true;
  for (const char* composite : {"QAbstractScrollArea", "QComboBox", "QAbstractSpinBox", "QTabWidget", "QTabBar",
                                 "QSplitter", "QMainWindow"}) {
    if (parent->inherits(composite)) return true;
  }
  // What a scroll area shows inside its viewport, it moves itself.
  const QWidget* grandparent = parent->parentWidget();
  if (grandparent && grandparent->inherits("QAbstractScrollArea")) return true;
  return false;
}

bool IsOwnWindow(const QWidget* w) {
  const Qt::WindowType type = w->windowType();
  return w->isWindow() && (type == Qt::Window || type == Qt::Dialog || type == Qt::Sheet);
}

namespace {

// The program may place a control anew while a window is zoomed: at a design
// position (from its constants) or at a zoomed one (from a text's size at the
// zoomed font, as adjustSize() does). Whichever reading lies nearer the
// control's former design value is taken as its new design value.
int Distance(QPoint a, QPoint b) { return (a - b).manhattanLength(); }

QPoint DesignPoint(QPoint now, QPoint former, double applied) {
  const QPoint unzoomed(Scaled(now.x(), 1.0 / applied), Scaled(now.y(), 1.0 / applied));
  return Distance(unzoomed, former) < Distance(now, former) ? unzoomed : now;
}

}  // namespace

QSize DesignSize(QSize now, QSize former, double applied) {
  const QPoint p = DesignPoint(QPoint(now.width(), now.height()), QPoint(former.width(), former.height()), applied);
  return QSize(p.x(), p.y());
}

void RecordFont(QWidget* w, double applied) {
  const QFont current = w->font();
  const QVariant appliedFont = w->property(kAppliedFont);
  if (!w->property(kDesignFont).isValid()) {
    w->setProperty(kDesignFont, current);
  } else if (appliedFont.value<QFont>() != current) {
    QFont design = current;
    if (FontSize(current) == FontSize(appliedFont.value<QFont>())) {
      const QFont old = w->property(kDesignFont).value<QFont>();
      if (old.pointSizeF() > 0) {
        design.setPointSizeF(old.pointSizeF());
      } else if (old.pixelSize() > 0) {
        design.setPixelSize(old.pixelSize());
      }
    } else if (applied != 1.0) {
      design = ScaledFont(current, 1.0 / applied);
    }
    w->setProperty(kDesignFont, design);
  }
}

void RecordGeometry(QWidget* w, double applied) {
  const QRect current = w->geometry();
  if (!w->property(kDesignGeometry).isValid()) {
    w->setProperty(kDesignGeometry, current);
    return;
  }
  const QRect last = w->property(kAppliedGeometry).toRect();
  if (last == current) return;
  QRect design = w->property(kDesignGeometry).toRect();
  if (current.topLeft() != last.topLeft()) design.moveTo(DesignPoint(current.topLeft(), design.topLeft(), applied));
  if (current.size() != last.size()) design.setSize(DesignSize(current.size(), design.size(), applied));
  w->setProperty(kDesignGeometry, design);
}

void SetFont(QWidget* w, double f) {
  const QFont font = ScaledFont(w->property(kDesignFont).value<QFont>(), f);
  w->setFont(font);
  w->setProperty(kAppliedFont, w->font());
}

void SetGeometry(QWidget* w, double f) {
  w->setGeometry(ScaledRect(w->property(kDesignGeometry).toRect(), f));
  w->setProperty(kAppliedGeometry, w->geometry());
  if (QObject* tracker = Tracker()) w->installEventFilter(tracker);
}

// The controls of a window, down to (not into) the windows it owns; its
// menus are taken for their fonts only.
void Collect(QWidget* parent, QList<QWidget*>& controls, QList<QWidget*>& popups) {
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    // The focus ring places itself around the control it rings.
    if (!w || w->inherits("QFocusFrame")) continue;
    if (w->isWindow()) {
      if (w->windowType() == Qt::Popup) {
        popups.append(w);
        Collect(w, controls, popups);
      }
      continue;
    }
    controls.append(w);
    Collect(w, controls, popups);
  }
}

namespace {

// The zoom of the window a control is drawn in; a popup follows the window
// that opened it.
double FactorOf(const QWidget* w) {
  if (!w) return ZoomPercent() / 100.0;
  for (const QWidget* window = w->window(); window; window = window->parentWidget() ? window->parentWidget()->window() : nullptr) {
    const QVariant factor = window->property(kAppliedFactor);
    // Its controls put back at their design values: design metrics too.
    if (factor.isValid()) return window->property(kAtDesign).toBool() ? 1.0 : factor.toDouble();
  }
  return 1.0;
}

// Check and radio indicators and scroll bars grow with the texts beside them.
class ZoomStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    switch (metric) {
      case PM_IndicatorWidth:
      case PM_IndicatorHeight:
      case PM_ExclusiveIndicatorWidth:
      case PM_ExclusiveIndicatorHeight:
      case PM_CheckBoxLabelSpacing:
      case PM_RadioButtonLabelSpacing:
      case PM_ScrollBarExtent:
      case PM_ScrollBarSliderMin:
        return Scaled(value, FactorOf(widget));
      default:
        return value;
    }
  }
};

}  // namespace

// Wraps whatever style is in effect, also one set after the last zoom.
void EnsureZoomStyle() {
  if (!qApp || dynamic_cast<ZoomStyle*>(QApplication::style())) return;
  QApplication::setStyle(new ZoomStyle(QApplication::style()));
}

namespace {

// A chart draws its texts in fonts of its own, not the view's: they are
// zoomed here, also those of axes the program adds later.
void ZoomChartTexts(QChart* chart, double f) {
  if (!chart) return;
  chart->setProperty(kChartFactor, f);
  const auto zoom = [f](QObject* holder, const char* name, const QFont& current, const auto& set) {
    const QByteArray design = QByteArray(kDesignChartFont) + name;
    const QByteArray applied = QByteArray(kAppliedChartFont) + name;
    if (!holder->property(design.constData()).isValid() ||
        holder->property(applied.constData()).value<QFont>() != current)
      holder->setProperty(design.constData(), current);
    const QFont font = ScaledFont(holder->property(design.constData()).value<QFont>(), f);
    holder->setProperty(applied.constData(), font);
    if (font != current) set(font);
  };
  zoom(chart, "Title", chart->titleFont(), [chart](const QFont& font) { chart->setTitleFont(font); });
  QLegend* legend = chart->legend();
  zoom(legend, "Legend", legend->font(), [legend](const QFont& font) { legend->setFont(font); });
  for (QAbstractAxis* axis : chart->axes()) {
    zoom(axis, "Labels", axis->labelsFont(), [axis](const QFont& font) { axis->setLabelsFont(font); });
    zoom(axis, "AxisTitle", axis->titleFont(), [axis](const QFont& font) { axis->setTitleFont(font); });
  }
}

}  // namespace

void ZoomCharts(const QList<QWidget*>& controls, double f) {
  for (QWidget* w : controls) {
    auto* view = qobject_cast<QChartView*>(w);
    if (!view || !view->chart()) continue;
    QChart* chart = view->chart();
    if (!chart->property(kChartFactor).isValid()) {
      // New axes come with the theme's fonts; the plot area changes with them.
      QObject::connect(chart, &QChart::plotAreaChanged, chart, [chart] {
        const double factor = chart->property(kChartFactor).toDouble();
        if (factor > 0) ZoomChartTexts(chart, factor);
      });
    }
    ZoomChartTexts(chart, f);
  }
}

namespace {

QList<int> SectionSizes(const QHeaderView* header) {
  QList<int> sizes;
  for (int i = 0; i < header->count(); ++i) sizes.append(header->sectionSize(i));
  return sizes;
}

}  // namespace

// A table's columns widen with its font, and never leave a heading cut at a
// zoom; sizes the program gave them meanwhile are taken as it gave them.
void ZoomSections(QHeaderView* header, double from, double f) {
  if (header->orientation() != Qt::Horizontal) return;
  const QList<int> current = SectionSizes(header);
  QList<int> design = header->property(kDesignSections).value<QList<int>>();
  if (design.size() != current.size() || header->property(kAppliedSections).value<QList<int>>() != current) {
    design.clear();
    for (int size : current) design.append(Scaled(size, 1.0 / from));
    header->setProperty(kDesignSections, QVariant::fromValue(design));
  }
  for (int i = 0; i < header->count(); ++i) {
    const QHeaderView::ResizeMode mode = header->sectionResizeMode(i);
    if (header->isSectionHidden(i) || (mode != QHeaderView::Interactive && mode != QHeaderView::Fixed)) continue;
    const int size = Scaled(design[i], f);
    header->resizeSection(i, f == 1.0 ? size : std::max(size, header->sectionSizeHint(i)));
  }
  header->setProperty(kAppliedSections, QVariant::fromValue(SectionSizes(header)));
}

// Text widths do not grow exactly with the font: a label sized to its text
// at 100 % may lack a few pixels when zoomed. It takes them on the side its
// text is aligned away from (a wrapped one: below).
void RoomForText(QLabel* label) {
  QString text = label->text();
  if (text.isEmpty() || label->textFormat() == Qt::RichText ||
      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
    return;
  if (label->buddy()) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  }
  const QFontMetrics metrics(label->font());
  const int margin = 2 * label->margin();
  QRect g = label->geometry();
  if (label->wordWrap()) {
    const int inner = label->contentsRect().width() - margin;
    const int needed = metrics.boundingRect(QRect(0, 0, inner, INT_MAX), Qt::TextWordWrap, text).height() + margin +
                       label->height() - label->contentsRect().height();
    if (needed > g.height()) g.setHeight(needed);
  } else {
    int widest = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, metrics.horizontalAdvance(line));
    const int extra = widest + margin + label->width() - label->contentsRect().width() - g.width();
    if (extra > 0) {
      const Qt::Alignment align = QStyle::visualAlignment(label->layoutDirection(), label->alignment());
      if (align & Qt::AlignRight) {
        g.setLeft(g.left() - extra);
      } else if (align & Qt::AlignHCenter) {
        g.adjust(-extra / 2, 0, extra - extra / 2, 0);
      } else {
        g.setWidth(g.width() + extra);
      }
    }
  }
  if (g == label->geometry()) return;
  label->setGeometry(g);
  label->setProperty(kAppliedGeometry, label->geometry());
}

}  // namespace zoom
