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

#include "ControlKeys.h"
#include "ItemAccessible.h"
#include "RadioGroup.h"
#include "WidgetKeys.h"

using namespace WidgetKey;

namespace {

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
  if (qApp) InstallKeyConventions(qApp);
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
