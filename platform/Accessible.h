// What every window shares for screen readers and keyboard users: the
// notice a window announces through, counters readers can read, controls
// whose assistive actions are clicks, Enter on a focused button, and small
// helpers to name controls and chain tab orders. Nothing of it shows.
#pragma once

#include <QString>
#include <Qt>
#include <functional>
#include <initializer_list>
#include <vector>

class QAbstractItemView;
class QAccessibleEvent;
class QLabel;
class QMenuBar;
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
//  - The state key (kStateKey) speaks the active window's state.
//  - A row, cell or tab says "focused" to assistive tools only while its
//    list, table or tab bar has the keyboard focus.
void InstallControlConventions();

// Ctrl+I, free in every window: speaks the state of the window it is pressed
// in (SetSpokenState).
inline constexpr QKeyCombination kStateKey = Qt::CTRL | Qt::Key_I;
// What the state key speaks in `window`; with no window, in every window
// that has no state of its own.
void SetSpokenState(QWidget* window, std::function<QString()> state);

// Two labels that make one sentence on the screen are read as one: `first`
// is named with both texts, and `rest` is not read on its own.
void ReadAsOne(QLabel* first, QLabel* rest);

// A list that another control chooses from while keeping the keyboard (the
// answer list, which the answer field selects in): while it has no keyboard
// focus, readers are not told of its selection or current row, so that they
// stay in the control the student types in.
void QuietWhileUnfocused(QAbstractItemView* view);
// False for the events QuietWhileUnfocused keeps from readers.
bool ReachesReaders(QAccessibleEvent* event);

// Alt plus the first letter of each menu of the bar opens it: the letter is
// underlined, the caption otherwise stays as it is.
void GiveMenusLetterKeys(QMenuBar* bar);

// Tells the screen reader something: a notification it speaks at once. Each
// window has three such notices, taking turns; they are one pixel wide and
// draw nothing.
void Announce(QWidget* window, const QString& text);
// The window's first notice, made with the second when it has none yet
// (objectName "sonorixNotice").
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
