// The keys and clicks every window's controls share: the state key, Enter on
// a focused button, a check box's whole row, and the menus' letters.
#include "ControlKeys.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <functional>
#include <utility>
#include <vector>

#include "Accessible.h"
#include "WidgetKeys.h"

using namespace WidgetKey;

namespace {

// The spoken state of each window that has one; the entry without a window
// speaks for every other window. A closed window's entry speaks for none.
struct SpokenState {
  QPointer<QWidget> window;
  bool global = false;
  std::function<QString()> text;
};
std::vector<SpokenState>& SpokenStates() {
  static std::vector<SpokenState> states;
  return states;
}

// The state key: speaks the active window's state, or the program's.
class StateKey : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != kStateKey.key() || (key->modifiers() & ~Qt::KeypadModifier) != kStateKey.keyboardModifiers())
      return false;
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window != QApplication::activeWindow()) return false;  // once, where the key went first
    if (!key->isAutoRepeat()) {
      std::function<QString()> state;
      for (const SpokenState& entry : SpokenStates())
        if ((entry.window && entry.window == window) || (entry.global && !state)) state = entry.text;
      if (state) Announce(window, state());
    }
    return true;
  }
};

// A check box's whole row toggles it, as the focus ring around the row
// promises: a click in the blank part right of its text counts as one on
// its box. Clicks on the box or the text stay the box's own.
class CheckBoxRow : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease && type != QEvent::MouseButtonDblClick)
      return false;
    auto* box = qobject_cast<QCheckBox*>(watched);
    if (!box || !box->isEnabled()) return false;
    const auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    const QPoint at = mouse->position().toPoint();
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    option.icon = box->icon();
    option.iconSize = box->iconSize();
    const QRect own = box->style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, box);
    if (own.contains(at)) {
      if (type == QEvent::MouseButtonPress) pressed_ = nullptr;
      return false;
    }
    if (!box->rect().contains(at)) return false;
    if (type == QEvent::MouseButtonPress) {
      pressed_ = box;
      if (box->focusPolicy() & Qt::ClickFocus) box->setFocus(Qt::MouseFocusReason);
    } else if (type == QEvent::MouseButtonRelease && pressed_ == box) {
      pressed_ = nullptr;
      box->click();
    }
    return true;
  }

 private:
  QPointer<QCheckBox> pressed_;
};

// Enter on a focused push button clicks it, as Space does; the toolkit
// would give it to the window's default button instead, since the windows'
// buttons are not auto-default. Enter elsewhere (a field, a list, a check box
// or radio button) goes on to the window. Only a button the student moved to
// (Tab, the arrows, the mouse, its letter) counts as focused: one the focus
// fell to when another control was disabled or a window set it from code
// leaves Enter to the window, so that a second Enter does not answer a
// question that has just appeared.
class EnterOnFocusedButton : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (IsNavigation(key->key())) navigating_ = true;
        if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) return Enter(watched, key);
        return false;
      }
      case QEvent::KeyRelease:
        if (IsNavigation(static_cast<QKeyEvent*>(event)->key())) navigating_ = false;
        return false;
      case QEvent::FocusIn: {
        auto* button = qobject_cast<QPushButton*>(watched);
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        // Back in its window, or back from a menu, it is where it was.
        if (!button || reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return false;
        button->setProperty(kMovedTo, navigating_ || reason == Qt::MouseFocusReason ||
                                          reason == Qt::ShortcutFocusReason);
        return false;
      }
      default:
        return false;
    }
  }

 private:
  static bool IsNavigation(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Left || key == Qt::Key_Right ||
           key == Qt::Key_Up || key == Qt::Key_Down;
  }
  static bool Enter(QObject* watched, const QKeyEvent* key) {
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible()) return false;
    if (!button->property(kMovedTo).toBool()) return false;
    if (!key->isAutoRepeat()) button->click();  // a held key clicks once
    return true;
  }

  bool navigating_ = false;
};

// The letter after a single "&", folded; null when there is none.
QChar LetterKey(const QString& text) {
  for (qsizetype i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) continue;
    if (text[i + 1] != QLatin1Char('&')) return text[i + 1].toCaseFolded();
    ++i;
  }
  return {};
}

}  // namespace

void InstallKeyConventions(QObject* app) {
  app->installEventFilter(new EnterOnFocusedButton(app));
  app->installEventFilter(new StateKey(app));
  app->installEventFilter(new CheckBoxRow(app));
}

void GiveMenusLetterKeys(QMenuBar* bar) {
  if (!bar) return;
  // Letters a menu chose itself stay; the others take the first letter of a
  // word still free, else any free letter: two menus on one letter would
  // leave Alt+letter opening only the first (German "Filter", "Fortschritt").
  QList<QChar> taken;
  for (QAction* menu : bar->actions())
    if (const QChar letter = LetterKey(menu->text()); !letter.isNull()) taken.append(letter);
  for (QAction* menu : bar->actions()) {
    const QString text = menu->text();
    if (text.isEmpty() || text.contains(QLatin1Char('&'))) continue;
    qsizetype chosen = -1;
    for (int pass = 0; pass < 2 && chosen < 0; ++pass) {
      for (qsizetype i = 0; i < text.size(); ++i) {
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber();
        if (!text[i].isLetterOrNumber() || (pass == 0 && !wordStart)) continue;
        if (!taken.contains(text[i].toCaseFolded())) {
          chosen = i;
          break;
        }
      }
    }
    if (chosen < 0) chosen = 0;  // every letter taken: the first, as before
    taken.append(text[chosen].toCaseFolded());
    menu->setText(text.left(chosen) + QLatin1Char('&') + text.mid(chosen));
  }
}

void SetSpokenState(QWidget* window, std::function<QString()> state) {
  InstallControlConventions();
  auto& states = SpokenStates();
  std::erase_if(states, [window](const SpokenState& entry) {
    return (window ? entry.window == window : entry.global) || (!entry.global && !entry.window);
  });
  states.push_back({window, window == nullptr, std::move(state)});
}
