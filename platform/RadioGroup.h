// A radio group with an item index, as the windows' designs use them.
#pragma once

#include <QGroupBox>
#include <QStringList>
#include <functional>
#include <vector>

class QRadioButton;

// The group is one stop in the tab order (its selected item, or the first
// when none is), and the arrow keys move the selection within it, wrapping
// around, each move selecting as a click does. Screen readers see radio
// buttons inside a grouping named after the caption (without its colon).
class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent);

  // -1 when no item is selected.
  int ItemIndex() const { return itemIndex_; }
  // Selecting an item from code runs OnClick exactly as a user's click does,
  // and only when the selection changes. -1 clears the selection.
  void SetItemIndex(int index);
  int Count() const { return static_cast<int>(buttons_.size()); }
  QRadioButton* Button(int index) const { return buttons_.at(static_cast<size_t>(index)); }

  std::function<void()> OnClick;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  void Select(int index);
  // The item that takes the keyboard when the group is tabbed into.
  void UpdateTabStop();
  // The group never cuts off its items, whatever the font.
  void FitItems();
  std::vector<QRadioButton*> buttons_;
  int itemIndex_ = -1;
};
