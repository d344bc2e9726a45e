#pragma once

class QAccessibleInterface;
class QWidget;

// The interface of a list, table or tab bar: the toolkit's own, except that
// an item says "focused" only while its control has the keyboard focus.
// Null for any other widget, and while the toolkit's own is being made, so
// that the factory asking steps aside for it.
QAccessibleInterface* ItemsInterface(QWidget* control);
