// Push buttons as the windows' designs place them.
#pragma once

#include <QPushButton>

// A button at its design position. Not auto-default, so that the window's
// default button keeps its frame; Enter on a focused button still clicks it
// (InstallControlConventions).
inline QPushButton* MakeButton(QWidget* parent, const QString& caption, int x, int y, int w, int h) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(x, y, w, h);
  button->setAutoDefault(false);
  return button;
}
