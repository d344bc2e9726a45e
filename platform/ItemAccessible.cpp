#include "ItemAccessible.h"

#include <QAccessible>
#include <QListView>
#include <QList>
#include <QPointer>
#include <QTabBar>
#include <QTableView>
#include <QWidget>
#include <map>

namespace {

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

}  // namespace

QAccessibleInterface* ItemsInterface(QWidget* control) {
  if (!qobject_cast<QListView*>(control) && !qobject_cast<QTableView*>(control) && !qobject_cast<QTabBar*>(control))
    return nullptr;
  if (makingOwnInterface) return nullptr;
  makingOwnInterface = true;
  QAccessibleInterface* own = QAccessible::queryAccessibleInterface(control);
  makingOwnInterface = false;
  return own ? new ItemsAccessible(control, own) : nullptr;
}
