#include "RadioGroup.h"

#include <QFontMetrics>
#include <QRadioButton>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
  const int top = caption.isEmpty() ? 8 : 20;
  const int pitch = QFontMetrics(font()).height() + 8;
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    b->setAutoExclusive(false);  // the group keeps the exclusivity so -1 stays possible
    b->move(8, top + i * pitch);
    b->adjustSize();
    connect(b, &QRadioButton::clicked, this, [this, i] { Select(i); });
    buttons_.push_back(b);
  }
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  Select(index);
}

void TRadioGroup::Select(int index) {
  for (int i = 0; i < Count(); ++i) buttons_[static_cast<size_t>(i)]->setChecked(i == index);
  if (index == itemIndex_) return;
  itemIndex_ = index;
  if (OnClick) OnClick();
}
