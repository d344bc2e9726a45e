#include "Zoom.h"

#include <QAction>
#include <QApplication>
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

int g_percent = kZoomMinPercent;

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
  if (window->property(kDesignFont).isValid()) window->setFont(window->property(kDesignFont).value<QFont>());
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
}

}  // namespace

int ZoomPercent() { return g_percent; }

int ZoomSetting() {
  QSettings settings(SettingsFilePath(), QSettings::IniFormat);
  bool ok = false;
  const int percent = settings.value(QStringLiteral("View/Zoom")).toInt(&ok);
  return ok ? std::clamp(percent, kZoomMinPercent, kZoomMaxPercent) : kZoomMinPercent;
}

void SetZoomPercent(int percent, bool save) {
  g_percent = std::clamp(percent, kZoomMinPercent, kZoomMaxPercent);
  if (save) {
    const int kept = g_percent;
    EditSettings([kept](QSettings& settings) { settings.setValue(QStringLiteral("View/Zoom"), kept); });
  }
  const double factor = g_percent / 100.0;
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

  QList<QWidget*> controls;
  QList<QWidget*> popups;
  Collect(window, controls, popups);

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
  SetFont(window, factor);
  for (QWidget* w : popups) SetFont(w, factor);
  for (QWidget* w : controls) {
    if (w->property(kDesignFont).isValid()) SetFont(w, factor);
  }
  for (QWidget* w : controls) {
    if (w->property(kDesignGeometry).isValid() && !PlacedByParent(w)) SetGeometry(w, factor);
  }

  const QSize min = ScaledSize(window->property(kDesignMin).toSize(), factor);
  const QSize max = ScaledSize(window->property(kDesignMax).toSize(), factor);
  window->setMinimumSize(QSize(0, 0));
  window->setMaximumSize(max);
  window->setMinimumSize(min);
  window->resize(ScaledRect(window->property(kDesignGeometry).toRect(), factor).size());
  window->setProperty(kAppliedGeometry, window->geometry());
  window->setProperty(kAppliedMin, window->minimumSize());
  window->setProperty(kAppliedMax, window->maximumSize());
  window->setProperty(kAppliedFactor, factor);
  window->setProperty(kAtDesign, false);
  g_applying = wasApplying;
}

void InstallZoomMenu(QMenuBar* bar) {
  InstallZoomOnShow();
  g_percent = ZoomSetting();
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
