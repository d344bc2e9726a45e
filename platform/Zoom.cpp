#include "Zoom.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QHeaderView>
#include <QKeySequence>
#include <QLabel>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QScrollArea>
#include <QSettings>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <functional>

#include "Accessible.h"
#include "DataFile.h"
#include "RadioGroup.h"
#include "Settings.h"
#include "WidgetKeys.h"
#include "ZoomParts.h"

using namespace WidgetKey;
using namespace zoom;

namespace {

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
    if (!group->OnClick || group->property(kZoomWrapped).toBool()) continue;
    group->setProperty(kZoomWrapped, true);
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

}  // namespace

QObject* zoom::Tracker() {
  static QPointer<QObject> tracker;
  if (!tracker && qApp) tracker = new ZoomTracker(qApp);
  return tracker;
}

namespace {

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
