// A modal window under test: opened by a step of the test, the test's steps
// run inside its event loop, and whatever is still open is then closed.
#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs `open` (which shows a window modally) and, once that window runs,
// `inside` with the modal window. A window still shown afterwards is closed
// by `close`, or by its close box when none is given. `expected` limits all
// this to that window; any modal window does when it is null. Returns the
// window `inside` ran with, or null when it never ran.
inline QWidget* RunModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inside,
                         QWidget* expected = nullptr, const std::function<void(QWidget*)>& close = {}) {
  QWidget* shown = nullptr;
  QTimer timer;  // dies with this call, so it never fires later
  timer.setSingleShot(true);
  QObject::connect(&timer, &QTimer::timeout, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal && expected && expected->isVisible()) modal = expected;
    if (!modal || (expected && modal != expected)) return;
    shown = modal;
    if (inside) inside(modal);
    if (!modal->isVisible()) return;
    if (close) {
      close(modal);
    } else {
      modal->close();
    }
  });
  timer.start(0);
  open();
  return shown;
}
