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

// A caption longer in another language than the design's button: the button
// grows to it, keeping its right edge (`keepRight`) or its centre, so that
// nothing beside it moves. A caption that fits leaves the design as it is.
inline void FitButtonToCaption(QPushButton* button, bool keepRight) {
  if (!button) return;
  QString caption = button->text();
  caption.remove(QLatin1Char('&'));
  // The frame on either side and a little air.
  const int needed = button->fontMetrics().horizontalAdvance(caption) + 12;
  if (needed <= button->width()) return;
  const QRect was = button->geometry();
  const int x = keepRight ? was.right() + 1 - needed : was.center().x() - needed / 2;
  button->setGeometry(x, was.y(), needed, was.height());
}
