// What the parts beside the drill window see of it: the drill it shows, that
// drill's news, and the few controls and menus they share. Practice, answering
// by playing, the Progress menu and "What I Heard" are handed this, not the
// window, so that none of them reaches into its widgets or its drill's state.
#pragma once

#include <QRect>
#include <QString>

class DrillSession;
class DrillSessionSignals;
class QAction;
class QLineEdit;
class QListWidget;
class QMenu;
class QMenuBar;
class QPushButton;
class QWidget;
class TWayMidi;
class TWayMidiOut;

class DrillView {
 public:
  // The drill shown; its filter model is the one the drill asks from.
  virtual DrillSession& Session() const = 0;
  virtual DrillSessionSignals& SessionSignals() const = 0;

  // The window: the parent of the windows opened beside it, its title.
  virtual QWidget* ViewWindow() = 0;
  // The area of the drill's controls, for controls added among them.
  virtual QWidget* ControlArea() const = 0;
  virtual QLineEdit* AnswerField() const = 0;
  virtual QListWidget* AnswerList() const = 0;
  virtual QPushButton* SubmitControl() const = 0;
  // Where Repeat and the two arpeggio buttons stand together.
  virtual QRect PlayControlsRect() const = 0;
  // BEGIN shows END, which can be pressed now.
  virtual void OfferEnd() = 0;

  // Said to a screen reader from the window, and what it said last.
  virtual void Say(const QString& text) = 0;
  virtual QString LastSaid() const = 0;

  // The menu bar; a menu added goes before Help, an item added to MIDI goes
  // after Midi Setup.
  virtual QMenuBar* Menus() const = 0;
  virtual void AddMenu(QMenu* menu) = 0;
  virtual void AddMidiItem(QAction* item) = 0;
  virtual QAction* NewPersonItem() const = 0;  // Login New Person

  // The driver library, and the output port the drill sounds through.
  virtual TWayMidi* MidiLibrary() const = 0;
  virtual TWayMidiOut* OutPort() const = 0;

 protected:
  ~DrillView() = default;
};
