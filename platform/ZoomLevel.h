// The zoom in effect, in percent. View › Zoom (Zoom.h) changes it and
// applies it to the windows; what draws itself to scale only reads it.
#pragma once

inline constexpr int kZoomMinPercent = 100;
inline constexpr int kZoomMaxPercent = 200;

int ZoomPercent();
void StoreZoomPercent(int percent);
