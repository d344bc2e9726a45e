// The parts of View › Zoom (Zoom.h) that its files share: the design values
// of the controls, scaled and recorded (ZoomControls.cpp), and the scroll
// area of a window larger than its screen (ZoomScroll.cpp).
#pragma once

#include <QList>
#include <QRect>
#include <QSize>

class QFont;
class QHeaderView;
class QLabel;
class QObject;
class QScrollArea;
class QWidget;

namespace zoom {

int Scaled(int v, double f);
QRect ScaledRect(const QRect& r, double f);
// "No limit" stays no limit.
QSize ScaledSize(const QSize& s, double f);

// Whether its layout or the composite control it is part of places it.
bool PlacedByParent(const QWidget* w);
bool IsOwnWindow(const QWidget* w);

// A size the program gave while zoomed, as a design value.
QSize DesignSize(QSize now, QSize former, double applied);
void RecordFont(QWidget* w, double applied);
void RecordGeometry(QWidget* w, double applied);
void SetFont(QWidget* w, double f);
void SetGeometry(QWidget* w, double f);

// The controls and menus of a window, not those of the windows it owns.
void Collect(QWidget* parent, QList<QWidget*>& controls, QList<QWidget*>& popups);

// Check and radio indicators and scroll bars grow with the texts beside them.
void EnsureZoomStyle();
// A chart draws its texts in fonts of its own, not the view's.
void ZoomCharts(const QList<QWidget*>& controls, double f);
// A table's columns widen with its font.
void ZoomSections(QHeaderView* header, double from, double f);
// A label sized to its text at 100 % may lack a few pixels when zoomed.
void RoomForText(QLabel* label);

// Watches the controls of zoomed windows: one the program moves or resizes
// is zoomed again once the program is done (Zoom.cpp).
QObject* Tracker();

// The window's scroll area, when it has one.
QScrollArea* ScrollOf(const QWidget* window);
// The largest size a window may take on its screen.
QSize Room(const QWidget* window);
bool Fits(QSize size, QSize room);
// Puts the window's controls into a scroll area that fills it.
QScrollArea* AddScroll(QWidget* window);
// The size the scrolled controls keep.
QSize ContentSize(QWidget* window, QSize windowSize);
// A window partly off its screen comes back onto it.
void KeepOnScreen(QWidget* window);
// A control taking the focus is scrolled into view, however it got it.
void ShowFocused(QWidget* now);

}  // namespace zoom
