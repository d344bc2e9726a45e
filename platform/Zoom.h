// View › Zoom In, Zoom Out, Actual Size: every window drawn larger, its
// fonts and the positions of its controls together, from 100 % to 200 %.
// The windows place their controls at fixed positions, so a larger font alone
// would cut their texts off. The choice is kept in sonorix.ini ([View] Zoom).
#pragma once

#include "ZoomLevel.h"

class QMenuBar;
class QWidget;

inline constexpr int kZoomStepPercent = 25;

// Clamps to 100..200, applies it to every window and, when `save`, keeps it
// in sonorix.ini.
void SetZoomPercent(int percent, bool save = true);
// The stored choice; 100 when none was made or the file is damaged.
int ZoomSetting();

// Draws one window and its controls at `factor` times their design size:
// fonts, positions and sizes. The design values are taken from the window the
// first time it is zoomed, so factor 1 gives back exactly the design. A window
// that was never zoomed is left untouched at factor 1. Controls placed by a
// layout keep their places; the layout follows their fonts.
void ZoomWindow(QWidget* window, double factor);

// Adds the "View" menu (Zoom In Ctrl++, Zoom Out Ctrl+-, Actual Size Ctrl+0)
// at the end of the menu bar, and makes every window, also those opened
// later, appear at the zoom kept in sonorix.ini.
void InstallZoomMenu(QMenuBar* bar);
