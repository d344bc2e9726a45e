// A window larger than its screen at a zoom: its controls scroll, and the
// focused one is scrolled into view.
#include <QApplication>
#include <QChildEvent>
#include <QEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

#include "WidgetKeys.h"
#include "ZoomParts.h"

using namespace WidgetKey;

namespace zoom {

QScrollArea* ScrollOf(const QWidget* window) {
  return window->findChild<QScrollArea*>(QLatin1String(kScrollName), Qt::FindDirectChildrenOnly);
}

namespace {

// What the window system adds around a window; known only once a window is
// framed, so the largest frame of the shown windows is taken.
QSize FrameExtra(const QWidget* window) {
  QSize extra = window->frameGeometry().size() - window->size();
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->isVisible() && IsOwnWindow(w)) extra = extra.expandedTo(w->frameGeometry().size() - w->size());
  return extra.expandedTo(QSize(0, 0));
}

}  // namespace

// The largest size a window may take on its screen.
QSize Room(const QWidget* window) {
  const QScreen* screen = window->screen();
  if (!screen) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  return (screen->availableGeometry().size() - FrameExtra(window)).expandedTo(QSize(100, 100));
}

bool Fits(QSize size, QSize room) { return size.width() <= room.width() && size.height() <= room.height(); }

namespace {

// A widget left on the window itself: the window's own parts are not
// content (the notices for screen readers are found among its children).
bool IsContent(const QWidget* w) {
  return !w->isWindow() && !w->inherits("QFocusFrame") && !w->property(kNotice).toBool() &&
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

}  // namespace

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
    content->setObjectName(QLatin1String(kContentName));
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

}  // namespace zoom
