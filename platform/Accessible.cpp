#include "Accessible.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QStyleOptionButton>
#include <QStyle>
#include <QMouseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <climits>
#include <functional>
#include <utility>

#include "ItemAccessible.h"
#include "RadioGroup.h"

namespace {

// Marks read by the factory below.
constexpr const char* kValueLabel = "sonorixValueLabel";
constexpr const char* kValuePrefix = "sonorixValuePrefix";
constexpr const char* kNotice = "sonorixNotice";
constexpr const char* kLastNotice = "sonorixLastNotice";
constexpr const char* kMovedTo = "sonorixMovedTo";
constexpr const char* kLastAnnouncement = "sonorixLastAnnouncement";
constexpr const char* kReadWithOther = "sonorixReadWithOther";
constexpr const char* kQuietUnfocused = "sonorixQuietUnfocused";

// "12" is 12; a clock's "2:05" is 125 seconds.
int ValueOfText(const QString& text) {
  const int colon = static_cast<int>(text.indexOf(QLatin1Char(':')));
  if (colon < 0) return text.trimmed().toInt();
  return text.left(colon).toInt() * 60 + text.mid(colon + 1).toInt();
}

// A label that shows a changing number: the number is in its name, which
// readers read in flat review and with the caption that labels it, and it is
// its value too.
class ValueLabelAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
 public:
  explicit ValueLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) return Label()->property(kValuePrefix).toString() + Label()->text();
    if (t == QAccessible::Value) return Label()->text();
    return QAccessibleWidget::text(t);
  }
  QVariant currentValue() const override { return ValueOfText(Label()->text()); }
  void setCurrentValue(const QVariant&) override {}  // read only
  QVariant maximumValue() const override { return INT_MAX; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }

 private:
  QLabel* Label() const { return static_cast<QLabel*>(widget()); }
};

// "&Yes" reads "Yes"; "&&" is one ampersand.
QString WithoutMnemonic(const QString& text) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QLatin1Char('&') && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

// Push buttons, speed buttons, check boxes and radio buttons. The toolkit's
// own interface turns the "Toggle" action into a bare state change, which
// no handler hears; here every action is a click, queued so that a reader's
// call returns before a window the handler opens.
class ButtonAccessible : public QAccessibleWidget {
 public:
  explicit ButtonAccessible(QAbstractButton* button) : QAccessibleWidget(button, QAccessible::Button) {}

  QAccessible::Role role() const override {
    // Buttons of which exactly one is down are radio buttons to a reader.
    if (Button()->isCheckable())
      return Button()->autoExclusive() ? QAccessible::RadioButton : QAccessible::CheckBox;
    return QAccessible::Button;
  }
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    QAbstractButton* b = Button();
    s.checkable = b->isCheckable();
    s.checked = b->isChecked();
    if (auto* box = qobject_cast<QCheckBox*>(b); box && box->checkState() == Qt::PartiallyChecked)
      s.checkStateMixed = true;
    s.pressed = b->isDown();
    if (auto* push = qobject_cast<QPushButton*>(b)) s.defaultButton = push->isDefault();
    return s;
  }
  QString text(QAccessible::Text t) const override {
    if (t == QAccessible::Name) {
      const QString name = widget()->accessibleName();
      // Readers spell quotation marks out: "close position" is a name, not a quote.
      return name.isEmpty() ? WithoutMnemonic(Button()->text()).remove(QLatin1Char('"')) : name;
    }
    if (t == QAccessible::Accelerator) {
      const QKeySequence key = QKeySequence::mnemonic(Button()->text());
      if (!key.isEmpty()) return key.toString(QKeySequence::NativeText);
    }
    return QAccessibleWidget::text(t);
  }
  QStringList actionNames() const override {
    QStringList names;
    if (widget()->isEnabled()) names << (Button()->isCheckable() ? toggleAction() : pressAction());
    return names + QAccessibleWidget::actionNames();
  }
  void doAction(const QString& action) override {
    if (action != pressAction() && action != toggleAction()) {
      QAccessibleWidget::doAction(action);
      return;
    }
    if (!widget()->isEnabled()) return;
    QMetaObject::invokeMethod(Button(), &QAbstractButton::click, Qt::QueuedConnection);
  }
  // A titled group names its items already (a reader says "Play, chord"); as
  // their label too it would be spoken twice.
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    auto found = QAccessibleWidget::relations(match);
    QWidget* parent = widget()->parentWidget();
    found.removeIf([parent](const auto& r) { return r.first && parent && r.first->object() == parent; });
    return found;
  }
  QStringList keyBindingsForAction(const QString& action) const override {
    if (action == pressAction() || action == toggleAction()) {
      const QKeySequence key = QKeySequence::mnemonic(Button()->text());
      if (!key.isEmpty()) return {key.toString(QKeySequence::NativeText)};
    }
    return {};
  }

 private:
  QAbstractButton* Button() const { return static_cast<QAbstractButton*>(widget()); }
};

// A text a reader reads as part of another's name: not read on its own.
class ReadWithOtherAccessible : public QAccessibleWidget {
 public:
  explicit ReadWithOtherAccessible(QWidget* widget) : QAccessibleWidget(widget, QAccessible::StaticText) {}
  QAccessible::State state() const override {
    QAccessible::State s = QAccessibleWidget::state();
    s.invisible = true;
    return s;
  }
  QString text(QAccessible::Text) const override { return {}; }
};

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

QAccessibleInterface* SonorixAccessibleFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (widget->property(kNotice).toBool()) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (widget->property(kValueLabel).toBool())
    if (auto* label = qobject_cast<QLabel*>(widget)) return new ValueLabelAccessible(label);
  if (widget->property(kReadWithOther).toBool()) return new ReadWithOtherAccessible(widget);
  if (qobject_cast<QPushButton*>(widget) || qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
    return new ButtonAccessible(static_cast<QAbstractButton*>(widget));
  return ItemsInterface(widget);
}

// Enter on a focused push button clicks it, as Space does; the toolkit
// would give it to the window's default button instead, since the windows'
// buttons are not auto-default. Enter elsewhere (a field, a list, a check box
// or radio button) goes on to the window. Only a button the student moved to
// (Tab, the arrows, the mouse, its letter) counts as focused: one the focus
// fell to when another control was disabled or a window set it from code
// leaves Enter to the window, so that a second Enter does not answer a
// question that has just appeared.
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

// Between the toolkit and the reader: drops what ReachesReaders refuses. The
// toolkit has one update handler; without one before ours it hands events to
// the platform's bridge, so an event that passes is sent again with ours
// lifted for the moment.
QAccessible::UpdateHandler previousUpdateHandler = nullptr;

void FilteredUpdate(QAccessibleEvent* event) {
  if (!ReachesReaders(event)) return;
  QAccessible::installUpdateHandler(previousUpdateHandler);
  if (event->type() == QAccessible::TableModelChanged) {
    // The toolkit updated the table's children for this change already;
    // sent again it would shift them twice. A reset only refreshes them.
    QAccessibleTableModelChangeEvent reset(event->object(), QAccessibleTableModelChangeEvent::ModelReset);
    if (event->object()) QAccessible::updateAccessibility(&reset);
  } else {
    QAccessible::updateAccessibility(event);
  }
  QAccessible::installUpdateHandler(FilteredUpdate);
}

QWidget* NoticeOf(const QWidget* window) {
  return window ? window->findChild<QWidget*>(QLatin1String(kNotice), Qt::FindDirectChildrenOnly) : nullptr;
}

}  // namespace

void InstallControlConventions() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(SonorixAccessibleFactory);
  if (qApp) {
    qApp->installEventFilter(new EnterOnFocusedButton(qApp));
    qApp->installEventFilter(new StateKey(qApp));
    qApp->installEventFilter(new CheckBoxRow(qApp));
  }
  previousUpdateHandler = QAccessible::installUpdateHandler(FilteredUpdate);
}

QWidget* EnsureNotice(QWidget* window) {
  InstallControlConventions();
  QWidget* notice = NoticeOf(window);
  if (notice) return notice;
  // Three notices, taking turns: a reader that lags behind skips a
  // notification when the same object has been shown again since, which
  // would lose the judgement that follows the set class chosen.
  for (int i = 0; i < 3; ++i) {
    auto* made = new QWidget(window);
    made->setObjectName(QLatin1String(kNotice));
    made->setProperty(kNotice, true);
    made->setGeometry(0, 0, 1, 1);
    made->setFocusPolicy(Qt::NoFocus);
    made->setAttribute(Qt::WA_TransparentForMouseEvents);
    made->hide();
    if (!notice) notice = made;
  }
  return notice;
}

void Announce(QWidget* window, const QString& text) {
  if (!window) return;
  EnsureNotice(window);
  const auto notices = window->findChildren<QWidget*>(QLatin1String(kNotice), Qt::FindDirectChildrenOnly);
  const int turn = (window->property(kLastNotice).toInt() + 1) % static_cast<int>(notices.size());
  window->setProperty(kLastNotice, turn);
  window->setProperty(kLastAnnouncement, text);
  QWidget* notice = notices.at(turn);
  // Readers speak a notification as it is shown.
  notice->hide();
  notice->setAccessibleName(text);
  notice->show();
}

QString LastAnnouncement(const QWidget* window) {
  return window ? window->property(kLastAnnouncement).toString() : QString();
}

void MarkValueLabel(QLabel* label, QLabel* caption, const QString& prefix, const QString& description) {
  if (!label) return;
  InstallControlConventions();
  label->setProperty(kValueLabel, true);
  label->setProperty(kValuePrefix, prefix);
  // The caption names the number for readers ("3", labelled by "Correct:");
  // it has no mnemonic, so the buddy changes nothing else.
  if (caption) caption->setBuddy(label);
  Describe(label, {}, description);
  ForgetInterface(label);
}

void NotifyValueChanged(QLabel* label) {
  // Runs on every tick of the clock: nothing to do while no reader listens.
  if (!label || !QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(label, ValueOfText(label->text()));
  QAccessible::updateAccessibility(&event);
}

void Describe(QWidget* widget, const QString& name, const QString& description) {
  if (!widget) return;
  if (!name.isEmpty()) widget->setAccessibleName(name);
  if (!description.isEmpty()) widget->setAccessibleDescription(description);
}

void ForgetInterface(QWidget* widget) {
  if (QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

void ChainTabOrder(const std::vector<QWidget*>& widgets) {
  QWidget* previous = nullptr;
  for (QWidget* w : widgets) {
    if (!w) continue;
    if (previous) QWidget::setTabOrder(previous, w);
    previous = w;
  }
}

std::vector<QWidget*> RadioItems(const TRadioGroup* group) {
  std::vector<QWidget*> items;
  for (int i = 0; group && i < group->Count(); ++i) items.push_back(group->Button(i));
  return items;
}

void ReadAsOne(QLabel* first, QLabel* rest) {
  if (!first || !rest) return;
  InstallControlConventions();
  first->setAccessibleName(first->text() + QLatin1Char(' ') + rest->text());
  rest->setProperty(kReadWithOther, true);
  ForgetInterface(rest);
}

namespace {
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

void QuietWhileUnfocused(QAbstractItemView* view) {
  if (!view) return;
  InstallControlConventions();
  view->setProperty(kQuietUnfocused, true);
}

bool ReachesReaders(QAccessibleEvent* event) {
  const auto* view = qobject_cast<const QAbstractItemView*>(event->object());
  if (!view || !view->property(kQuietUnfocused).toBool() || view->hasFocus()) return true;
  switch (event->type()) {
    case QAccessible::Focus:
    case QAccessible::Selection:
    case QAccessible::SelectionAdd:
    case QAccessible::SelectionRemove:
    case QAccessible::SelectionWithin:
    case QAccessible::StateChanged:
    case QAccessible::ActiveDescendantChanged:
      return false;
    default:
      return true;
  }
}
