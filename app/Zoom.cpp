#include "Zoom.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QKeySequence>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "DataFile.h"
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

int g_percent = kZoomMinPercent;

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

// What the program itself changed since the last zoom becomes the design:
// a text that grew with adjustSize() did so at the zoomed font, a control
// moved by the program was moved to a design position.
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
  if (current.topLeft() != last.topLeft()) design.moveTo(current.topLeft());
  if (current.size() != last.size())
    design.setSize(QSize(Scaled(current.width(), 1.0 / applied), Scaled(current.height(), 1.0 / applied)));
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
}

// The controls of a window, down to (not into) the windows it owns; its
// menus are taken for their fonts only.
void Collect(QWidget* parent, QList<QWidget*>& controls, QList<QWidget*>& popups) {
  for (QObject* child : parent->children()) {
    auto* w = qobject_cast<QWidget*>(child);
    if (!w) continue;
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

// Every window, also those opened later, is drawn at the zoom in effect when
// it appears.
class ZoomOnShow : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show && object->isWidgetType()) {
      auto* w = static_cast<QWidget*>(object);
      if (IsOwnWindow(w)) ZoomWindow(w, ZoomPercent() / 100.0);
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
  QSettings settings(QString::fromLatin1(kSettingsFileName), QSettings::IniFormat);
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
  for (QWidget* w : QApplication::topLevelWidgets()) {
    if (IsOwnWindow(w)) ZoomWindow(w, factor);
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
  } else if (window->size() != window->property(kAppliedGeometry).toRect().size()) {
    // Resized by the program or the student since: that size at this zoom.
    QRect design = window->property(kDesignGeometry).toRect();
    design.setSize(QSize(Scaled(window->width(), 1.0 / applied), Scaled(window->height(), 1.0 / applied)));
    window->setProperty(kDesignGeometry, design);
  }
  RecordFont(window, applied);
  for (QWidget* w : popups) RecordFont(w, applied);
  for (QWidget* w : controls) {
    if (w->testAttribute(Qt::WA_SetFont)) RecordFont(w, applied);
    if (!PlacedByParent(w)) RecordGeometry(w, applied);
  }

  // Fonts, then places: a control that arranges its items by its font has
  // done so before it is given its place.
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
  window->setProperty(kAppliedFactor, factor);
}

void InstallZoomMenu(QMenuBar* bar) {
  InstallZoomOnShow();
  g_percent = ZoomSetting();
  if (!bar) return;
  // After the program's own menus, so that none of them moves.
  QMenu* view = bar->addMenu(QStringLiteral("View"));
  view->setObjectName(QStringLiteral("View1"));
  QAction* in = view->addAction(QStringLiteral("Zoom In"));
  in->setObjectName(QStringLiteral("ZoomIn1"));
  // Ctrl+= too: on many keyboards + needs Shift.
  in->setShortcuts({QKeySequence(QKeySequence::ZoomIn), QKeySequence(Qt::CTRL | Qt::Key_Equal)});
  QAction* out = view->addAction(QStringLiteral("Zoom Out"));
  out->setObjectName(QStringLiteral("ZoomOut1"));
  out->setShortcut(QKeySequence(QKeySequence::ZoomOut));
  QAction* actual = view->addAction(QStringLiteral("Actual Size"));
  actual->setObjectName(QStringLiteral("ActualSize1"));
  actual->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_0));
  for (QAction* a : {in, out, actual}) a->setShortcutContext(Qt::ApplicationShortcut);
  auto update = [in, out, actual] {
    in->setEnabled(ZoomPercent() < kZoomMaxPercent);
    out->setEnabled(ZoomPercent() > kZoomMinPercent);
    actual->setEnabled(ZoomPercent() != kZoomMinPercent);
  };
  QObject::connect(view, &QMenu::aboutToShow, view, update);
  QObject::connect(in, &QAction::triggered, view, [update] {
    SetZoomPercent(ZoomPercent() + kZoomStepPercent);
    update();
  });
  QObject::connect(out, &QAction::triggered, view, [update] {
    SetZoomPercent(ZoomPercent() - kZoomStepPercent);
    update();
  });
  QObject::connect(actual, &QAction::triggered, view, [update] {
    SetZoomPercent(kZoomMinPercent);
    update();
  });
  update();
}
