#include "Accessible.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <climits>

#include "RadioGroup.h"

namespace {

// Marks read by the factory below.
constexpr const char* kValueLabel = "sonorixValueLabel";
constexpr const char* kValuePrefix = "sonorixValuePrefix";
constexpr const char* kNotice = "sonorixNotice";

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
      return name.isEmpty() ? WithoutMnemonic(Button()->text()) : name;
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

QAccessibleInterface* SonorixAccessibleFactory(const QString&, QObject* object) {
  if (!object || !object->isWidgetType()) return nullptr;
  auto* widget = static_cast<QWidget*>(object);
  if (widget->property(kNotice).toBool()) return new QAccessibleWidget(widget, QAccessible::Notification);
  if (widget->property(kValueLabel).toBool())
    if (auto* label = qobject_cast<QLabel*>(widget)) return new ValueLabelAccessible(label);
  if (qobject_cast<QPushButton*>(widget) || qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
    return new ButtonAccessible(static_cast<QAbstractButton*>(widget));
  return nullptr;
}

// Enter on a focused push button clicks it, as Space does; the toolkit
// would give it to the window's default button instead, since the windows'
// buttons are not auto-default. Enter elsewhere (a field, a list, a check box
// or radio button) goes on to the window.
class EnterOnFocusedButton : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled() || !button->isVisible()) return false;
    if (!key->isAutoRepeat()) button->click();  // a held key clicks once
    return true;
  }
};

QWidget* NoticeOf(const QWidget* window) {
  return window ? window->findChild<QWidget*>(QLatin1String(kNotice), Qt::FindDirectChildrenOnly) : nullptr;
}

}  // namespace

void InstallControlConventions() {
  static bool installed = false;
  if (installed) return;
  installed = true;
  QAccessible::installFactory(SonorixAccessibleFactory);
  if (qApp) qApp->installEventFilter(new EnterOnFocusedButton(qApp));
}

QWidget* EnsureNotice(QWidget* window) {
  InstallControlConventions();
  QWidget* notice = NoticeOf(window);
  if (notice) return notice;
  notice = new QWidget(window);
  notice->setObjectName(QLatin1String(kNotice));
  notice->setProperty(kNotice, true);
  notice->setGeometry(0, 0, 1, 1);
  notice->setFocusPolicy(Qt::NoFocus);
  notice->setAttribute(Qt::WA_TransparentForMouseEvents);
  notice->hide();
  return notice;
}

void Announce(QWidget* window, const QString& text) {
  if (!window) return;
  QWidget* notice = EnsureNotice(window);
  // Readers speak a notification as it is shown.
  notice->hide();
  notice->setAccessibleName(text);
  notice->show();
}

QString LastAnnouncement(const QWidget* window) {
  const QWidget* notice = NoticeOf(window);
  return notice ? notice->accessibleName() : QString();
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
