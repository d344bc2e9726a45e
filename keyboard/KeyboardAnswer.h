// Answering by playing on a MIDI keyboard: the input port, the notes played
// gathered into groups, and each group handed to the drill as if its set
// class had been typed and Enter pressed.
#pragma once

#include <QObject>
#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "KeyboardSettings.h"
#include "PlayedChord.h"
#include "midiway.h"

class DrillSession;
class DrillView;
class QAction;
class QTimer;
class TWayMidiIn;

class TKeyboardAnswer : public QObject {
 public:
  explicit TKeyboardAnswer(DrillView* view);
  // Closes the port; runs while the drill window's library is still loaded.
  ~TKeyboardAnswer() override;

  QAction* AnswerFromKeyboard1 = nullptr;  // MIDI > "Answer From Keyboard…"
  std::unique_ptr<TWayMidiIn> WayMidiIn;
  KeyboardSettings Settings;
  NoteGatherer Gatherer;
  QTimer* PauseTimer = nullptr;  // ends a group whose keys stay held
  QTimer* PortTimer = nullptr;   // notices the chosen port leave and come back

  // The input ports the driver library describes, in device order.
  std::vector<std::string> InputPorts() const;
  // Keeps the settings and opens the port they name, closing the one open.
  void Apply(const KeyboardSettings& settings);
  // Opens the port the settings name when answering by playing is on; a port
  // that is gone is simply not opened. True when a port is open afterwards.
  bool OpenChosenPort();
  void ClosePort();
  // Closes the port quietly once it is gone, and opens it again when it is
  // back; run every few seconds while a port is chosen.
  void CheckPort();

  // The input port's handler, and the pause check.
  void MidiData(LPMIDIEVENT Event, bool* pbAccept);
  void CheckPause();
  // Judges a played group exactly as a typed answer.
  void AnswerPlayed(const PlayedGroup& group);
  // What was heard, in the answer field's placeholder and for a screen reader.
  void ShowHeard(const QString& text);

 private:
  void Take(const std::optional<PlayedGroup>& group);
  // The port check runs exactly while a port is chosen.
  void FollowSettings();

  DrillView& view_;
  DrillSession& drill_;
  QString heard_;
  bool portSeen_ = false;  // the chosen port was listed at the last look
};

extern TKeyboardAnswer* KeyboardAnswer;
