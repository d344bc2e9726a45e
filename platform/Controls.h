// Push buttons as the windows' designs place them.
#pragma once

#include <QPushButton>

// A button at its design position. It takes Enter only where a window makes
// it the default button, so that Enter never presses whatever has the focus.
inline QPushButton* MakeButton(QWidget* parent, const QString& caption, int x, int y, int w, int h) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, w, h);
  button->setAutoDefault(false);
  return button;
}
