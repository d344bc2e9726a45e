// The names of what Sonorix keeps on widgets (dynamic properties, and the
// object names of the widgets it adds), in one table so that no two parts
// take the same one. Tests look some of them up.
#pragma once

namespace WidgetKey {

// Screen readers and keyboard conventions (Accessible.h).
inline constexpr const char* kValueLabel = "sonorixValueLabel";
inline constexpr const char* kValuePrefix = "sonorixValuePrefix";
inline constexpr const char* kNotice = "sonorixNotice";  // also the notices' object name
inline constexpr const char* kLastNotice = "sonorixLastNotice";
inline constexpr const char* kMovedTo = "sonorixMovedTo";
inline constexpr const char* kLastAnnouncement = "sonorixLastAnnouncement";
inline constexpr const char* kReadWithOther = "sonorixReadWithOther";
inline constexpr const char* kQuietUnfocused = "sonorixQuietUnfocused";

// Zoom (Zoom.h): design values and what was last applied, on each widget.
inline constexpr const char* kDesignGeometry = "sonorixZoomDesignGeometry";
inline constexpr const char* kAppliedGeometry = "sonorixZoomAppliedGeometry";
inline constexpr const char* kDesignFont = "sonorixZoomDesignFont";
inline constexpr const char* kAppliedFont = "sonorixZoomAppliedFont";
inline constexpr const char* kDesignMin = "sonorixZoomDesignMin";
inline constexpr const char* kDesignMax = "sonorixZoomDesignMax";
inline constexpr const char* kAppliedFactor = "sonorixZoomFactor";
inline constexpr const char* kAppliedMin = "sonorixZoomAppliedMin";
inline constexpr const char* kAppliedMax = "sonorixZoomAppliedMax";
inline constexpr const char* kAtDesign = "sonorixZoomAtDesign";  // its controls put back while hidden
inline constexpr const char* kScrollName = "sonorixZoomScroll";  // object name of the window's scroll area
inline constexpr const char* kContentName = "sonorixZoomContent";  // and of what it scrolls
inline constexpr const char* kLaidOut = "sonorixZoomLaidOut";  // its controls were placed by a layout
inline constexpr const char* kChartFactor = "sonorixZoomChartFactor";
// A chart's fonts: these followed by the font's part ("Title", "Legend", …).
inline constexpr const char* kDesignChartFont = "sonorixZoomDesign";
inline constexpr const char* kAppliedChartFont = "sonorixZoomApplied";
inline constexpr const char* kDesignSections = "sonorixZoomDesignSections";
inline constexpr const char* kAppliedSections = "sonorixZoomAppliedSections";
inline constexpr const char* kZoomWrapped = "sonorixZoomWrapped";  // a choice's handler runs at design values

}  // namespace WidgetKey
