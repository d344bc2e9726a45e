#include "Zoom.h"

#include <QAbstractAxis>
#include <QAction>
#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QHeaderView>
#include <QLabel>
#include <QLegend>
#include <QMainWindow>
#include <QProxyStyle>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QVBoxLayout>
#include <QEvent>
#include <QFont>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <functional>
#include <cmath>

#include "Accessible.h"
#include "DataFile.h"
#include "RadioGroup.h"
#include "Settings.h"

namespace {

// Design values and what was last applied, kept on each widget.
constexpr const char* kDesignGeometry = "sonorixZoomDesignGeometry";
constexpr const char* kAppliedGeometry = "sonorixZoomAppliedGeometry";
constexpr const char* kDesignFont = "sonorixZoomDesignFont";
constexpr const char* kAppliedFont = "sonorixZoomAppliedFont";
constexpr const char* kDesignMin = "sonorixZoomDesignMin";
constexpr const char* kDesignMax = "sonorixZoomDesignMax";
constexpr const char* kAppliedFactor = "sonorixZoomFactor";
constexpr const char* kAppliedMin = "sonorixZoomAppliedMin";
constexpr const char* kAppliedMax = "sonorixZoomAppliedMax";
constexpr const char* kAtDesign = "sonorixZoomAtDesign";  // its controls put back while hidden
constexpr const char* kScrollName = "sonorixZoomScroll";
constexpr const char* kLaidOut = "sonorixZoomLaidOut";  // its controls were placed by a layout
constexpr const char* kChartFactor = "sonorixZoomChartFactor";
constexpr const char* kDesignSections = "sonorixZoomDesignSections";
constexpr const char* kAppliedSections = "sonorixZoomAppliedSections";

// Watches the controls of zoomed windows (below).
QObject* Tracker();

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

QFont ScaledFont(QFont font, double f) {
  if (font.pointSizeF() > 0) {
    font.setPointSizeF(font.pointSizeF() * f);
  } else if (font.pixelSize() > 0) {
    font.setPixelSize(std::max(1, Scaled(font.pixelSize(), f)));
  }
  return font;
}

double FontSize(const QFont& font) { return font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize(); }

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

// The program may place a control anew while a window is zoomed: at a design
// position (from its constants) or at a zoomed one (from a text's size at the
// zoomed font, as adjustSize() does). Whichever reading lies nearer the
// control's former design value is taken as its new design value.
int Distance(QPoint a, QPoint b) { return (a - b).manhattanLength(); }

QPoint DesignPoint(QPoint now, QPoint former, double applied) {
  const QPoint unzoomed(Scaled(now.x(), 1.0 / applied), Scaled(now.y(), 1.0 / applied));
  return Distance(unzoomed, former) < Distance(now, former) ? unzoomed : now;
}

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

// Wraps whatever style is in effect, also one set after the last zoom.
void EnsureZoomStyle() {
  if (!qApp || dynamic_cast<ZoomStyle*>(QApplication::style())) return;
  QApplication::setStyle(new ZoomStyle(QApplication::style()));
}

// A chart draws its texts in fonts of its own, not the view's: they are
// zoomed here, also those of axes the program adds later.
void ZoomChartTexts(QChart* chart, double f) {
  if (!chart) return;
  chart->setProperty(kChartFactor, f);
  const auto zoom = [f](QObject* holder, const char* name, const QFont& current, const auto& set) {
    const QByteArray design = QByteArray("sonorixZoomDesign") + name;
    const QByteArray applied = QByteArray("sonorixZoomApplied") + name;
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

QScrollArea* ScrollOf(const QWidget* window) {
  return window->findChild<QScrollArea*>(QLatin1String(kScrollName), Qt::FindDirectChildrenOnly);
}

// What the window system adds around a window; known only once a window is
// framed, so the largest frame of the shown windows is taken.
QSize FrameExtra(const QWidget* window) {
  QSize extra = window->frameGeometry().size() - window->size();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && IsOwnWindow(w)) extra = extra.expandedTo(w->frameGeometry().size() - w->size());
  return extra.expandedTo(QSize(0, 0));
}

// The largest size a window may take on its screen.
QSize Room(const QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  return (screen->availableGeometry().size() - FrameExtra(window)).expandedTo(QSize(100, 100));
}

bool Fits(QSize size, QSize room) { return size.width() <= room.width() && size.height() <= room.height(); }

// A widget left on the window itself: the window's own parts are not
// content (the notices for screen readers are found among its children).
bool IsContent(const QWidget* w) {
  return !w->isWindow() && !w->inherits("QFocusFrame") && !w->property("sonorixNotice").toBool() &&
         w->objectName() != QLatin1String(kScrollName);
}

void MoveInto(QWidget* content, QWidget* w) {
  const QRect geometry = w->geometry();
  const bool hidden = w->isHidden() && w->testAttribute(Qt::WA_WState_ExplicitShowHide);
  w->setParent(content);
  w->setGeometry(geometry);
  if (!hidden && content->isVisible()) w->show();
}

// Controls the program adds to a window later go into its scrolled content.
class AdoptControls : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() != QEvent::ChildAdded || !object->isWidgetType()) return false;
    auto* window = static_cast<QWidget*>(object);
    QPointer<QObject> child = static_cast<QChildEvent*>(event)->child();
    // Once it is built: the event comes from its constructor.
    QTimer::singleShot(0, window, [window, child] {
      auto* w = qobject_cast<QWidget*>(child.data());
      QScrollArea* scroll = ScrollOf(window);
      if (w && scroll && scroll->widget() && w->parentWidget() == window && IsContent(w)) MoveInto(scroll->widget(), w);
    });
    return false;
  }
};

// The window's controls into a scroll area that fills it, at their places:
// the window may then be smaller than its zoomed design, and shows the
// rest by scrolling.
QScrollArea* AddScroll(QWidget* window) {
  auto* scroll = new QScrollArea;
  scroll->setObjectName(QLatin1String(kScrollName));
  scroll->setFrameShape(QFrame::NoFrame);
  scroll->setFocusPolicy(Qt::NoFocus);  // no stop of its own in the Tab order
  scroll->setWidgetResizable(true);
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    QWidget* central = main->takeCentralWidget();
    if (central) scroll->setWidget(central);
    main->setCentralWidget(scroll);
  } else {
    // The Tab order, kept across the move.
    QList<QWidget*> chain;
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) chain.append(w);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("sonorixZoomContent"));
    window->setProperty(kLaidOut, window->layout() != nullptr);
    if (QLayout* layout = window->layout()) content->setLayout(layout);  // takes its controls along
    for (QObject* child : window->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (w && IsContent(w)) MoveInto(content, w);
    }
    scroll->setWidget(content);
    auto* outer = new QVBoxLayout(window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    for (qsizetype i = 0; i + 1 < chain.size(); ++i)
      if (chain[i]->window() == window && chain[i + 1]->window() == window) QWidget::setTabOrder(chain[i], chain[i + 1]);
    static QObject* adopter = nullptr;
    if (!adopter) adopter = new AdoptControls(qApp);
    window->installEventFilter(adopter);
  }
  if (window->isVisible()) scroll->show();
  return scroll;
}

// The size the scrolled controls keep: the zoomed design's, less the menu
// bar's; controls a layout places need only the layout's minimum.
QSize ContentSize(QWidget* window, QSize windowSize) {
  if (window->property(kLaidOut).toBool()) return QSize(0, 0);
  if (auto* main = qobject_cast<QMainWindow*>(window)) {
    int chrome = 0;
    if (QWidget* bar = main->menuWidget(); bar && !bar->isHidden()) chrome += bar->sizeHint().height();
    if (QStatusBar* status = main->findChild<QStatusBar*>(QString(), Qt::FindDirectChildrenOnly); status && !status->isHidden())
      chrome += status->sizeHint().height();
    return QSize(windowSize.width(), std::max(0, windowSize.height() - chrome));
  }
  return windowSize;
}

// A window partly off its screen comes back onto it.
void KeepOnScreen(QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen || !window->isVisible()) return;
  const QRect room = screen->availableGeometry();
  const QRect frame = window->frameGeometry();
  QPoint to = frame.topLeft();
  if (frame.right() > room.right()) to.rx() -= frame.right() - room.right();
  if (frame.bottom() > room.bottom()) to.ry() -= frame.bottom() - room.bottom();
  to.rx() = std::max(to.x(), room.left());
  to.ry() = std::max(to.y(), room.top());
  if (to != frame.topLeft()) window->move(to);
}

// A control taking the focus is scrolled into view, however it got it.
void ShowFocused(QWidget* now) {
  if (!now) return;
  for (QWidget* p = now->parentWidget(); p; p = p->parentWidget()) {
    if (p->objectName() == QLatin1String(kScrollName)) {
      if (auto* scroll = qobject_cast<QScrollArea*>(p)) scroll->ensureWidgetVisible(now);
      return;
    }
  }
}


QList<int> SectionSizes(const QHeaderView* header) {
  QList<int> sizes;
  for (int i = 0; i < header->count(); ++i) sizes.append(header->sectionSize(i));
  return sizes;
}

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

bool g_applying = false;

// A window that hides gets its controls and fonts back at their design
// values: what the program changes in it while hidden is then in design
// values, taken as they are when it shows again. Its own size stays (the
// window system may still report the zoomed one); a size or limit the
// program sets meanwhile is a design value too.
void UnzoomControls(QWidget* window) {
  QList<QWidget*> controls;
  QList<QWidget*> popups;
  Collect(window, controls, popups);
  const bool wasApplying = g_applying;
  g_applying = true;
  window->setProperty(kAtDesign, true);  // the style's design metrics, before any size is asked
  // The window's font first: controls that size themselves by it then allow
  // their design sizes.
  if (window->property(kDesignFont).isValid()) window->setFont(window->property(kDesignFont).value<QFont>());
  for (QWidget* w : controls) {
    if (w->property(kDesignFont).isValid()) w->setFont(w->property(kDesignFont).value<QFont>());
  }
  for (QWidget* w : controls) {
    if (w->property(kDesignGeometry).isValid() && !PlacedByParent(w))
      w->setGeometry(w->property(kDesignGeometry).toRect());
  }
  for (QWidget* w : popups) {
    if (w->property(kDesignFont).isValid()) w->setFont(w->property(kDesignFont).value<QFont>());
  }
  g_applying = wasApplying;
  controls += popups;
  for (QWidget* w : controls)
    for (const char* name : {kDesignGeometry, kAppliedGeometry, kDesignFont, kAppliedFont}) w->setProperty(name, QVariant());
  window->setProperty(kDesignFont, QVariant());
  window->setProperty(kAppliedFont, QVariant());
  window->setProperty(kAtDesign, true);
}

// A choice's handler may rebuild its window from the places and sizes of its
// controls and from design constants together (the filter window's page for
// the other cardinality). It runs with the controls at their design values,
// and the window is zoomed again after it.
void RunAtDesign(QWidget* window, const std::function<void()>& handler) {
  const QVariant factor = window ? window->property(kAppliedFactor) : QVariant();
  const bool zoomed = window && window->isVisible() && factor.isValid() && factor.toDouble() != 1.0 &&
                      !window->property(kAtDesign).toBool();
  if (zoomed) UnzoomControls(window);
  handler();
  if (zoomed && window->isVisible()) ZoomWindow(window, factor.toDouble());
}

void RunChoicesAtDesign(QWidget* window) {
  for (TRadioGroup* group : window->findChildren<TRadioGroup*>()) {
    if (!group->OnClick || group->property("sonorixZoomWrapped").toBool()) continue;
    group->setProperty("sonorixZoomWrapped", true);
    QPointer<QWidget> guarded(window);
    group->OnClick = [guarded, handler = group->OnClick] { RunAtDesign(guarded, handler); };
  }
}

// A control the program moves or resizes while its window is zoomed is
// zoomed again once the program is done.
class ZoomTracker : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* object, QEvent* event) override {
    if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) && !g_applying && object->isWidgetType()) {
      QWidget* window = static_cast<QWidget*>(object)->window();
      const QVariant factor = window->property(kAppliedFactor);
      if (factor.isValid() && factor.toDouble() != 1.0) Schedule(window);
    }
    return false;
  }

 private:
  void Schedule(QWidget* window) {
    for (const QPointer<QWidget>& w : pending_)
      if (w == window) return;
    pending_.append(window);
    if (pending_.size() == 1) {
      QTimer::singleShot(0, this, [this] {
        const QList<QPointer<QWidget>> windows = pending_;
        pending_.clear();
        for (const QPointer<QWidget>& w : windows)
          if (w && w->isVisible() && w->property(kAppliedFactor).isValid())
            ZoomWindow(w, w->property(kAppliedFactor).toDouble());
      });
    }
  }
  QList<QPointer<QWidget>> pending_;
};

QObject* Tracker() {
  static QPointer<QObject> tracker;
  if (!tracker && qApp) tracker = new ZoomTracker(qApp);
  return tracker;
}

// Every window, also those opened later, is drawn at the zoom in effect when
// it appears.
class ZoomOnShow : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* object, QEvent* event) override {
    if (!object->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(object);
    if (event->type() == QEvent::Show && IsOwnWindow(w)) {
      ZoomWindow(w, ZoomPercent() / 100.0);
    } else if (event->type() == QEvent::Hide && !event->spontaneous() && IsOwnWindow(w) &&
               w->property(kAppliedFactor).isValid()) {
      UnzoomControls(w);
    }
    return false;
  }
};

void InstallZoomOnShow() {
  static QObject* filter = nullptr;
  if (filter || !qApp) return;
  filter = new ZoomOnShow(qApp);
  qApp->installEventFilter(filter);
  QObject::connect(qApp, &QApplication::focusChanged, filter, [](QWidget*, QWidget* now) { ShowFocused(now); });
}

}  // namespace


int ZoomSetting() {
  QSettings settings(SettingsFilePath(), QSettings::IniFormat);
  bool ok = false;
  const int percent = settings.value(QStringLiteral("View/Zoom")).toInt(&ok);
  return ok ? std::clamp(percent, kZoomMinPercent, kZoomMaxPercent) : kZoomMinPercent;
}

void SetZoomPercent(int percent, bool save) {
  StoreZoomPercent(std::clamp(percent, kZoomMinPercent, kZoomMaxPercent));
  if (save) {
    const int kept = ZoomPercent();
    EditSettings([kept](QSettings& settings) { settings.setValue(QStringLiteral("View/Zoom"), kept); });
  }
  const double factor = ZoomPercent() / 100.0;
  // Hidden windows follow when they show.
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (IsOwnWindow(w) && w->isVisible()) ZoomWindow(w, factor);
  }
}

void ZoomWindow(QWidget* window, double factor) {
  if (!window) return;
  const QVariant appliedVariant = window->property(kAppliedFactor);
  // Never zoomed and not to be: exactly as designed, not even touched.
  if (!appliedVariant.isValid() && factor == 1.0) return;
  const double applied = appliedVariant.isValid() ? appliedVariant.toDouble() : 1.0;
  const bool atDesign = window->property(kAtDesign).toBool();
  // A layout sizes the window for its design fonts before that size is read.
  if (atDesign && window->layout()) window->layout()->activate();

  QList<QWidget*> controls;
  QList<QWidget*> popups;
  Collect(window, controls, popups);

  if (factor != 1.0) EnsureZoomStyle();

  // First every design value, before any font change moves a control.
  if (!appliedVariant.isValid()) {
    window->setProperty(kDesignMin, window->minimumSize());
    window->setProperty(kDesignMax, window->maximumSize());
    window->setProperty(kDesignGeometry, window->geometry());
  } else if (window->property(kAtDesign).toBool() &&
             (window->minimumSize() != window->property(kAppliedMin).toSize() ||
              window->maximumSize() != window->property(kAppliedMax).toSize())) {
    // Sized anew by the program while hidden: design values.
    window->setProperty(kDesignMin, window->minimumSize());
    window->setProperty(kDesignMax, window->maximumSize());
    QRect design = window->property(kDesignGeometry).toRect();
    design.setSize(window->size());
    window->setProperty(kDesignGeometry, design);
  } else if (window->size() != window->property(kAppliedGeometry).toRect().size()) {
    QRect design = window->property(kDesignGeometry).toRect();
    if (window->property(kAtDesign).toBool()) {
      design.setSize(window->size());
    } else if (window->minimumSize() == window->maximumSize()) {
      // A fixed size the program set anew.
      design.setSize(DesignSize(window->size(), design.size(), applied));
      window->setProperty(kDesignMin, design.size());
      window->setProperty(kDesignMax, design.size());
    } else {
      // Resized by the student: that size at this zoom.
      design.setSize(QSize(Scaled(window->width(), 1.0 / applied), Scaled(window->height(), 1.0 / applied)));
    }
    window->setProperty(kDesignGeometry, design);
  }
  RecordFont(window, applied);
  for (QWidget* w : popups) RecordFont(w, applied);
  for (QWidget* w : controls) {
    if (w->testAttribute(Qt::WA_SetFont)) RecordFont(w, applied);
    if (!PlacedByParent(w)) RecordGeometry(w, applied);
  }
  RunChoicesAtDesign(window);

  // Fonts, then places: a control that arranges its items by its font has
  // done so before it is given its place.
  const bool wasApplying = g_applying;
  g_applying = true;
  // The style's metrics follow from here on.
  window->setProperty(kAppliedFactor, factor);
  window->setProperty(kAtDesign, false);
  SetFont(window, factor);
  for (QWidget* w : popups) SetFont(w, factor);
  for (QWidget* w : controls) {
    if (w->property(kDesignFont).isValid()) SetFont(w, factor);
  }
  for (QWidget* w : controls) {
    if (w->property(kDesignGeometry).isValid() && !PlacedByParent(w)) SetGeometry(w, factor);
  }
  for (QWidget* w : controls) {
    if (auto* header = qobject_cast<QHeaderView*>(w)) {
      ZoomSections(header, atDesign ? 1.0 : applied, factor);
    } else if (auto* label = qobject_cast<QLabel*>(w); label && !PlacedByParent(w)) {
      RoomForText(label);
    }
  }

  ZoomCharts(controls, factor);
  // Scroll bars take their new width.
  for (QWidget* w : controls) {
    if (w->inherits("QAbstractScrollArea")) {
      QEvent relayout(QEvent::LayoutRequest);
      QCoreApplication::sendEvent(w, &relayout);
    } else if (w->inherits("QScrollBar")) {
      w->updateGeometry();
    }
  }

  QSize min = ScaledSize(window->property(kDesignMin).toSize(), factor);
  QSize max = ScaledSize(window->property(kDesignMax).toSize(), factor);
  QSize size = ScaledRect(window->property(kDesignGeometry).toRect(), factor).size();
  // Never past the screen: what does not fit scrolls.
  const QSize room = Room(window);
  QScrollArea* scroll = ScrollOf(window);
  QLayout* own = window->layout();
  const bool sizedByLayout = !scroll && own && own->sizeConstraint() == QLayout::SetFixedSize;
  if (sizedByLayout) {
    // Its layout gives the window the size of its zoomed contents.
    own->activate();
    if (!Fits(window->size(), room)) {
      size = window->size();
      min = QSize(0, 0);
      max = QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
      scroll = AddScroll(window);
    }
  } else if (!scroll && !(Fits(size, room) && Fits(min, room))) {
    scroll = AddScroll(window);
  }
  if (scroll) {
    if (QWidget* content = scroll->widget()) content->setMinimumSize(ContentSize(window, size));
    min = min.boundedTo(room);
    max = max.boundedTo(room);
    size = size.boundedTo(room);
  }
  if (!sizedByLayout || scroll) {
    window->setMinimumSize(QSize(0, 0));
    window->setMaximumSize(max);
    window->setMinimumSize(min);
    window->resize(size);
  }
  // A layout that needs more than the zoomed design takes it now, not later
  // as if the student had resized the window.
  if (QLayout* layout = window->layout()) layout->activate();
  KeepOnScreen(window);
  window->setProperty(kAppliedGeometry, window->geometry());
  window->setProperty(kAppliedMin, window->minimumSize());
  window->setProperty(kAppliedMax, window->maximumSize());
  window->setProperty(kAppliedFactor, factor);
  window->setProperty(kAtDesign, false);
  g_applying = wasApplying;
}

void InstallZoomMenu(QMenuBar* bar) {
  InstallZoomOnShow();
  StoreZoomPercent(ZoomSetting());
  if (!bar) return;
  // After the program's own menus, so that none of them moves.
  QMenu* view = bar->addMenu(QCoreApplication::translate("Zoom", "&View"));
  view->setObjectName(QStringLiteral("View1"));
  QAction* in = view->addAction(QCoreApplication::translate("Zoom", "Zoom &In"));
  in->setObjectName(QStringLiteral("ZoomIn1"));
  // Ctrl+= too: on many keyboards + needs Shift.
  in->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* out = view->addAction(QCoreApplication::translate("Zoom", "Zoom &Out"));
  out->setObjectName(QStringLiteral("ZoomOut1"));
  out->setShortcut(QKeySequence(QKeySequence::ZoomOut));
  QAction* actual = view->addAction(QCoreApplication::translate("Zoom", "&Actual Size"));
  actual->setObjectName(QStringLiteral("ActualSize1"));
  actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  for (QAction* a : {in, out, actual}) a->setShortcutContext(Qt::ApplicationShortcut);
  auto update = [in, out, actual] {
    in->setEnabled(ZoomPercent() < kZoomMaxPercent);
    out->setEnabled(ZoomPercent() > kZoomMinPercent);
    actual->setEnabled(ZoomPercent() != kZoomMinPercent);
  };
  // Each change is spoken: the window grows, nothing else tells a reader.
  auto tell = [bar] {
    QWidget* window = QApplication::activeWindow() ? QApplication::activeWindow() : bar->window();
    Announce(window, QCoreApplication::translate("Zoom", "Zoom %1 %").arg(ZoomPercent()));
  };
  QObject::connect(view, &QMenu::aboutToShow, view, update);
  QObject::connect(in, &QAction::triggered, view, [update, tell] {
    SetZoomPercent(ZoomPercent() + kZoomStepPercent);
    update();
    tell();
  });
  QObject::connect(out, &QAction::triggered, view, [update, tell] {
    SetZoomPercent(ZoomPercent() - kZoomStepPercent);
    update();
    tell();
  });
  QObject::connect(actual, &QAction::triggered, view, [update, tell] {
    SetZoomPercent(kZoomMinPercent);
    update();
    tell();
  });
  update();
}
