// The windows as a screen reader and a keyboard see them: accessible
// interfaces, the events readers are sent, real key presses into modal windows.
#pragma once

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

#include "../drill/window/DrillWindowTest.h"
#include "Accessible.h"
#include "DrillWindowAccess.h"

// What a screen reader is told in a window: each notification as it is shown,
// which is when readers speak it. (Readers' events themselves flow only when a
// reader is running, never in a headless test.)
class ReaderNews : public QObject {
 public:
  explicit ReaderNews(QWidget* window) : notices_(window->findChildren<QWidget*>("sonorixNotice")) {
    for (QWidget* notice : notices_) notice->installEventFilter(this);
  }
  std::vector<std::string> spoken;
  bool Listening() const { return !notices_.isEmpty(); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::Show) return false;
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(watched);
    EXPECT_EQ(iface->role(), QAccessible::Notification);
    EXPECT_FALSE(iface->state().invisible);
    spoken.push_back(iface->text(QAccessible::Name).toStdString());
    return false;
  }

 private:
  QList<QWidget*> notices_;
};

// The number a counter or the clock tells a reader.
inline int ValueOf(QWidget* w) {
  QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(w);
  if (!iface || !iface->valueInterface()) return -1;
  return iface->valueInterface()->currentValue().toInt();
}

// Runs `inside` once the modal window is up and active, then the code that
// opens it. A window that `inside` leaves open is a failure, and is closed so
// that the test goes on.
inline void WhileModal(QDialog* dialog, const std::function<void()>& inside, const std::function<void()>& open) {
  QTimer::singleShot(0, dialog, [dialog, inside] {
    if (!QTest::qWaitForWindowActive(dialog)) ADD_FAILURE() << "modal window never became active";
    inside();
    if (dialog->isVisible()) {
      ADD_FAILURE() << dialog->windowTitle().toStdString() << " left open";
      dialog->reject();
    }
  });
  open();
}

// The same for a modal window that `open` makes anew.
inline void WhileNewModal(const std::function<void(QWidget*)>& inside, const std::function<void()>& open) {
  QTimer::singleShot(0, qApp, [inside] {
    QWidget* modal = nullptr;
    if (!QTest::qWaitFor([&] { return (modal = QApplication::activeModalWidget()) != nullptr; })) {
      ADD_FAILURE() << "no modal window opened";
      return;
    }
    // As a window manager does, the new window gets the keyboard.
    modal->activateWindow();
    if (!QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }))
      ADD_FAILURE() << "modal window never became active";
    inside(modal);
    if (modal->isVisible()) {
      ADD_FAILURE() << modal->windowTitle().toStdString() << " left open";
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
    }
  });
  open();
}

// A key pressed where the keyboard focus is (or on the active window, when
// it has nothing to focus), as a student presses it.
inline void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
  QWidget* focus = QApplication::focusWidget();
  if (!focus) focus = QApplication::activeWindow();
  ASSERT_NE(focus, nullptr) << "no window is active";
  QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
}

inline void Type(const QString& text) {
  QWidget* focus = QApplication::focusWidget();
  ASSERT_NE(focus, nullptr) << "nothing has the keyboard focus";
  QTest::keyClicks(focus, text);
}

// Tab until `target` has the focus; false when a whole round never reaches it.
inline bool TabTo(const QWidget* target, int limit = 60) {
  for (int i = 0; i < limit; ++i) {
    if (QApplication::focusWidget() == target) return true;
    QWidget* focus = QApplication::focusWidget();
    if (!focus) return false;
    QTest::keyClick(focus, Qt::Key_Tab);
  }
  return QApplication::focusWidget() == target;
}

// The widgets Tab visits from the one with the focus, once round.
inline std::vector<QWidget*> TabRound() {
  std::vector<QWidget*> visited;
  QWidget* start = QApplication::focusWidget();
  if (!start) return visited;
  visited.push_back(start);
  for (int i = 0; i < 80; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* now = QApplication::focusWidget();
    if (!now || now == start) break;
    visited.push_back(now);
  }
  return visited;
}

class A11yTest : public DrillWindowTest {
 protected:
  // The score window is answered by the keys of each test.
  A11yTest() { scoreWindowCloser_.enabled = false; }

  // Every window, logged in as Ann with all trichords, the drill window shown and active.
  void ShowDrillWindow() {
    CreateAndShowLoggedIn("Ann", 0);
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }
};
