#include "RadioGroup.h"

#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QRadioButton>
#include <algorithm>

TRadioGroup::TRadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent) {
  for (int i = 0; i < items.size(); ++i) {
    auto* b = new QRadioButton(items[i], this);
    // Exclusive, so that screen readers see radio buttons rather than check
    // boxes; clearing the selection (-1) lifts it for a moment.
    b->setAutoExclusive(true);
    b->installEventFilter(this);
    connect(b, &QRadioButton::clicked, this, [this, i] { Select(i); });
    buttons_.push_back(b);
  }
  if (caption.endsWith(QLatin1Char(':'))) {
    setAccessibleName(caption.chopped(1));
  } else if (!caption.isEmpty()) {
    setAccessibleName(caption);
  }
  FitItems();
  UpdateTabStop();
}

void TRadioGroup::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  Select(index);
}

void TRadioGroup::Select(int index) {
  if (index >= 0) {
    buttons_[static_cast<size_t>(index)]->setChecked(true);  // clears the others
  } else {
    for (QRadioButton* b : buttons_) {
      if (!b->isChecked()) continue;
      b->setAutoExclusive(false);
      b->setChecked(false);
      b->setAutoExclusive(true);
    }
  }
  const bool changed = index != itemIndex_;
  itemIndex_ = index;
  UpdateTabStop();
  if (changed && OnClick) OnClick();
}

void TRadioGroup::UpdateTabStop() {
  int stop = itemIndex_;
  if (stop < 0) {
    for (int i = 0; i < Count() && stop < 0; ++i)
      if (buttons_[static_cast<size_t>(i)]->isEnabled()) stop = i;
  }
  for (int i = 0; i < Count(); ++i)
    buttons_[static_cast<size_t>(i)]->setFocusPolicy(i == stop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TRadioGroup::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QGroupBox::eventFilter(watched, event);
  const auto found = std::find(buttons_.begin(), buttons_.end(), watched);
  if (found == buttons_.end()) return QGroupBox::eventFilter(watched, event);
  // Every arrow, whatever the modifiers: left to the button, it would move
  // to a neighbour by geometry and not wrap.
  auto* key = static_cast<QKeyEvent*>(event);
  int step = 0;
  switch (key->key()) {
    case Qt::Key_Up:
    case Qt::Key_Left:
      step = -1;
      break;
    case Qt::Key_Down:
    case Qt::Key_Right:
      step = 1;
      break;
    default:
      return false;
  }
  // The next enabled item in that direction, wrapping around.
  const int from = static_cast<int>(found - buttons_.begin());
  for (int n = 1; n < Count(); ++n) {
    const int i = ((from + step * n) % Count() + Count()) % Count();
    QRadioButton* b = buttons_[static_cast<size_t>(i)];
    if (!b->isEnabled()) continue;
    // Focus first: the handler may open a window or move the focus itself.
    b->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    Select(i);
    break;
  }
  return true;
}

void TRadioGroup::changeEvent(QEvent* event) {
  QGroupBox::changeEvent(event);
  if (event->type() == QEvent::FontChange) FitItems();
  if (event->type() == QEvent::EnabledChange) UpdateTabStop();
}

// Items one below the other at the font's line pitch; the group may be given
// a smaller size than they need, but never gets one.
void TRadioGroup::FitItems() {
  const QFontMetrics metrics(font());
  const int top = title().isEmpty() ? 8 : std::max(20, metrics.height() + 5);
  const int pitch = metrics.height() + 8;
  int right = 0;
  int bottom = 0;
  for (int i = 0; i < Count(); ++i) {
    QRadioButton* b = buttons_[static_cast<size_t>(i)];
    b->move(8, top + i * pitch);
    b->adjustSize();
    right = std::max(right, b->x() + b->width());
    bottom = std::max(bottom, b->y() + b->height());
  }
  setMinimumSize(right + 8, bottom + 4);
}
