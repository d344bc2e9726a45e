// What every window shares for screen readers and keyboard users: the
// notice a window announces through, counters readers can read, controls
// whose assistive actions are clicks, Enter on a focused button, and small
// helpers to name controls and chain tab orders. Nothing of it shows.
#pragma once

#include <QString>
#include <initializer_list>
#include <vector>

class QLabel;
class QWidget;
class TRadioGroup;

// Installs, once, what every window's controls share: the accessible
// interfaces of this file and the key conventions below. Run before the
// first window is made; running it again does nothing.
//  - An assistive technology's action on a button, check box, radio button
//    or speed button ("Press", "Toggle") has exactly a click's effect, so
//    its handler runs as for a click.
//  - Enter on a focused push button clicks that button; elsewhere Enter is
//    left to the window (its default button).
void InstallControlConventions();

// Tells the screen reader something: a notification it speaks at once. Each
// window has one such notice; it is one pixel wide and draws nothing.
void Announce(QWidget* window, const QString& text);
// The window's notice, made when it has none yet (objectName "sonorixNotice").
QWidget* EnsureNotice(QWidget* window);
// The last text announced in that window; empty when none was.
QString LastAnnouncement(const QWidget* window);

// A label that shows a changing number: readers read the number as its name
// (after `prefix`, when one is given), labelled by `caption` when given, and
// get it as a value too.
void MarkValueLabel(QLabel* label, QLabel* caption, const QString& prefix, const QString& description);
// A counter's or the clock's text changed: readers get a value-change event.
void NotifyValueChanged(QLabel* label);

void Describe(QWidget* widget, const QString& name, const QString& description);
// Drops an interface made before the widget was set up, so that the next
// query makes one that sees its present state.
void ForgetInterface(QWidget* widget);
void ChainTabOrder(const std::vector<QWidget*>& widgets);
// The radio items of a group, in order, for a tab chain.
std::vector<QWidget*> RadioItems(const TRadioGroup* group);
