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
#include <QListView>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTableView>
#include <climits>
#include <functional>
#include <map>
#include <utility>

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

// Lists, tables and tab bars: the toolkit's own interface, except that an
// item says "focused" only while its control has the keyboard focus. The
// toolkit says it of the current item (row, cell, tab) whatever has the
// keyboard (the answer field selects in the answer list), and tools that
// follow that state would leave the field. The items are wrapped so that
// their state can be corrected; everything else passes through, so readers
// meet the same tree as before.
class ItemsAccessible;

class ItemAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface {
 public:
  ItemAccessible(const ItemsAccessible* control, QAccessibleInterface* own)
      : control_(control), own_(own), ownId_(QAccessible::uniqueId(own)) {}

  QAccessibleInterface* Own() const {
    // A view drops its items when its model changes; ours follow at once,
    // but nothing here may reach one that is gone.
    return QAccessible::accessibleInterface(ownId_) == own_ ? own_ : nullptr;
  }

  bool isValid() const override { return Own() && own_->isValid(); }
  QObject* object() const override { return Own() ? own_->object() : nullptr; }
  QWindow* window() const override { return Own() ? own_->window() : nullptr; }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    return Own() ? own_->relations(match) : QList<QPair<QAccessibleInterface*, QAccessible::Relation>>();
  }
  QAccessibleInterface* focusChild() const override { return Own() ? own_->focusChild() : nullptr; }
  QAccessibleInterface* childAt(int x, int y) const override { return Own() ? own_->childAt(x, y) : nullptr; }
  QAccessibleInterface* parent() const override;
  QAccessibleInterface* child(int index) const override { return Own() ? own_->child(index) : nullptr; }
  int childCount() const override { return Own() ? own_->childCount() : 0; }
  int indexOfChild(const QAccessibleInterface* child) const override {
    return Own() ? own_->indexOfChild(child) : -1;
  }
  QString text(QAccessible::Text t) const override { return Own() ? own_->text(t) : QString(); }
  void setText(QAccessible::Text t, const QString& text) override {
    if (Own()) own_->setText(t, text);
  }
  QRect rect() const override { return Own() ? own_->rect() : QRect(); }
  QAccessible::Role role() const override { return Own() ? own_->role() : QAccessible::NoRole; }
  QAccessible::State state() const override;
  QColor foregroundColor() const override { return Own() ? own_->foregroundColor() : QColor(); }
  QColor backgroundColor() const override { return Own() ? own_->backgroundColor() : QColor(); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (!Own()) return nullptr;
    if (type == QAccessible::TableCellInterface)
      return own_->tableCellInterface() ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
    if (type == QAccessible::ActionInterface)
      return own_->actionInterface() ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    return own_->interface_cast(type);
  }

  bool isSelected() const override { return Cell() && Cell()->isSelected(); }
  QList<QAccessibleInterface*> columnHeaderCells() const override {
    return Cell() ? Cell()->columnHeaderCells() : QList<QAccessibleInterface*>();
  }
  QList<QAccessibleInterface*> rowHeaderCells() const override {
    return Cell() ? Cell()->rowHeaderCells() : QList<QAccessibleInterface*>();
  }
  int columnIndex() const override { return Cell() ? Cell()->columnIndex() : -1; }
  int rowIndex() const override { return Cell() ? Cell()->rowIndex() : -1; }
  int columnExtent() const override { return Cell() ? Cell()->columnExtent() : 0; }
  int rowExtent() const override { return Cell() ? Cell()->rowExtent() : 0; }
  QAccessibleInterface* table() const override { return parent(); }

  QStringList actionNames() const override { return Actions() ? Actions()->actionNames() : QStringList(); }
  QString localizedActionName(const QString& name) const override {
    return Actions() ? Actions()->localizedActionName(name) : QString();
  }
  QString localizedActionDescription(const QString& name) const override {
    return Actions() ? Actions()->localizedActionDescription(name) : QString();
  }
  void doAction(const QString& name) override {
    if (Actions()) Actions()->doAction(name);
  }
  QStringList keyBindingsForAction(const QString& name) const override {
    return Actions() ? Actions()->keyBindingsForAction(name) : QStringList();
  }

 private:
  QAccessibleTableCellInterface* Cell() const { return Own() ? own_->tableCellInterface() : nullptr; }
  QAccessibleActionInterface* Actions() const { return Own() ? own_->actionInterface() : nullptr; }

  const ItemsAccessible* control_;
  QAccessibleInterface* own_;
  QAccessible::Id ownId_;
};

class ItemsAccessible : public QAccessibleInterface, public QAccessibleTableInterface {
 public:
  // `own` is the toolkit's interface of `control`, which this one owns.
  ItemsAccessible(QWidget* control, QAccessibleInterface* own)
      : control_(control), own_(own), ownId_(QAccessible::uniqueId(own)) {}
  ~ItemsAccessible() override {
    for (const auto& [ownItem, item] : items_) QAccessible::deleteAccessibleInterface(item.id);
    QAccessible::deleteAccessibleInterface(ownId_);
  }

  bool HasKeyboard() const { return control_ && control_->hasFocus(); }

  bool isValid() const override { return control_ && own_->isValid(); }
  QObject* object() const override { return control_; }
  QWindow* window() const override { return own_->window(); }
  QList<QPair<QAccessibleInterface*, QAccessible::Relation>> relations(QAccessible::Relation match) const override {
    return own_->relations(match);
  }
  // The toolkit names the current item here too, whatever has the keyboard.
  QAccessibleInterface* focusChild() const override { return HasKeyboard() ? Wrap(own_->focusChild()) : nullptr; }
  QAccessibleInterface* childAt(int x, int y) const override { return Wrap(own_->childAt(x, y)); }
  QAccessibleInterface* parent() const override { return own_->parent(); }
  QAccessibleInterface* child(int index) const override { return Wrap(own_->child(index)); }
  int childCount() const override { return own_->childCount(); }
  int indexOfChild(const QAccessibleInterface* child) const override {
    // The toolkit takes any item it is given for one of its own; a tab bar
    // knows its tabs only while they name it as their parent.
    const ItemAccessible* item = Wrapped(child);
    if (!item) return own_->indexOfChild(child);
    QAccessibleInterface* own = item->Own();
    if (!own) return -1;
    const int index = own_->indexOfChild(own);
    if (index >= 0) return index;
    for (int i = 0; i < own_->childCount(); ++i)
      if (own_->child(i) == own) return i;
    return -1;
  }
  QString text(QAccessible::Text t) const override { return own_->text(t); }
  void setText(QAccessible::Text t, const QString& text) override { own_->setText(t, text); }
  QRect rect() const override { return own_->rect(); }
  QAccessible::Role role() const override { return own_->role(); }
  QAccessible::State state() const override { return own_->state(); }
  QColor foregroundColor() const override { return own_->foregroundColor(); }
  QColor backgroundColor() const override { return own_->backgroundColor(); }
  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TableInterface)
      return Table() ? static_cast<QAccessibleTableInterface*>(this) : nullptr;
    return own_->interface_cast(type);
  }

  QAccessibleInterface* caption() const override { return Table() ? Table()->caption() : nullptr; }
  QAccessibleInterface* summary() const override { return Table() ? Table()->summary() : nullptr; }
  QAccessibleInterface* cellAt(int row, int column) const override {
    return Table() ? Wrap(Table()->cellAt(row, column)) : nullptr;
  }
  int selectedCellCount() const override { return Table() ? Table()->selectedCellCount() : 0; }
  QList<QAccessibleInterface*> selectedCells() const override {
    QList<QAccessibleInterface*> cells = Table() ? Table()->selectedCells() : QList<QAccessibleInterface*>();
    for (QAccessibleInterface*& cell : cells) cell = Wrap(cell);
    return cells;
  }
  QString columnDescription(int column) const override { return Table() ? Table()->columnDescription(column) : QString(); }
  QString rowDescription(int row) const override { return Table() ? Table()->rowDescription(row) : QString(); }
  int selectedColumnCount() const override { return Table() ? Table()->selectedColumnCount() : 0; }
  int selectedRowCount() const override { return Table() ? Table()->selectedRowCount() : 0; }
  int columnCount() const override { return Table() ? Table()->columnCount() : 0; }
  int rowCount() const override { return Table() ? Table()->rowCount() : 0; }
  QList<int> selectedColumns() const override { return Table() ? Table()->selectedColumns() : QList<int>(); }
  QList<int> selectedRows() const override { return Table() ? Table()->selectedRows() : QList<int>(); }
  bool isColumnSelected(int column) const override { return Table() && Table()->isColumnSelected(column); }
  bool isRowSelected(int row) const override { return Table() && Table()->isRowSelected(row); }
  bool selectRow(int row) override { return Table() && Table()->selectRow(row); }
  bool selectColumn(int column) override { return Table() && Table()->selectColumn(column); }
  bool unselectRow(int row) override { return Table() && Table()->unselectRow(row); }
  bool unselectColumn(int column) override { return Table() && Table()->unselectColumn(column); }
  void modelChange(QAccessibleTableModelChangeEvent* event) override {
    if (!Table()) return;
    Table()->modelChange(event);
    // The items it dropped go with their wrappers.
    for (auto it = items_.begin(); it != items_.end();) {
      if (it->second.wrapper->Own()) {
        ++it;
        continue;
      }
      QAccessible::deleteAccessibleInterface(it->second.id);
      it = items_.erase(it);
    }
  }

 private:
  struct Item {
    ItemAccessible* wrapper;
    QAccessible::Id id;
  };

  QAccessibleTableInterface* Table() const { return own_->tableInterface(); }

  // The items have no object of their own; a tab bar's scroll buttons do,
  // and pass as they are.
  QAccessibleInterface* Wrap(QAccessibleInterface* own) const {
    if (!own || own->object()) return own;
    Item& item = items_[own];
    if (!item.wrapper || item.wrapper->Own() != own) {
      if (item.wrapper) QAccessible::deleteAccessibleInterface(item.id);
      item.wrapper = new ItemAccessible(this, own);
      item.id = QAccessible::registerAccessibleInterface(item.wrapper);
    }
    return item.wrapper;
  }
  const ItemAccessible* Wrapped(const QAccessibleInterface* child) const {
    for (const auto& [own, item] : items_)
      if (item.wrapper == child) return item.wrapper;
    return nullptr;
  }

  QPointer<QWidget> control_;
  QAccessibleInterface* own_;
  QAccessible::Id ownId_;
  mutable std::map<const QAccessibleInterface*, Item> items_;  // by the toolkit's item
};

QAccessibleInterface* ItemAccessible::parent() const { return const_cast<ItemsAccessible*>(control_); }

QAccessible::State ItemAccessible::state() const {
  if (!Own()) return {};
  QAccessible::State s = own_->state();
  if (!control_->HasKeyboard()) s.focused = false;
  return s;
}

// The toolkit's interface of such a control is made through the factories
// as for any object, with ours stepping aside for the moment; the control
// then answers with ours, which owns the toolkit's.
bool makingOwnInterface = false;

QAccessibleInterface* ItemsInterface(QWidget* control) {
  if (makingOwnInterface) return nullptr;
  makingOwnInterface = true;
  QAccessibleInterface* own = QAccessible::queryAccessibleInterface(control);
  makingOwnInterface = false;
  return own ? new ItemsAccessible(control, own) : nullptr;
}

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
  if (qobject_cast<QListView*>(widget) || qobject_cast<QTableView*>(widget) || qobject_cast<QTabBar*>(widget))
    return ItemsInterface(widget);
  return nullptr;
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
