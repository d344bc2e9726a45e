#include "ZoomLevel.h"

namespace {

int g_percent = kZoomMinPercent;

}  // namespace

int ZoomPercent() { return g_percent; }

void StoreZoomPercent(int percent) { g_percent = percent; }
