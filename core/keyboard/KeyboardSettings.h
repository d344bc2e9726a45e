// The keyboard answer's settings, kept in the program's own settings file in
// the working directory (group [Keyboard] of sonorix.ini).
#pragma once

#include <string>

struct KeyboardSettings {
  std::string port;              // description of the chosen MIDI input port; empty: none
  bool answerByPlaying = false;  // played groups are taken as answers
};

// Defaults when the file or its entries are missing.
KeyboardSettings LoadKeyboardSettings();
// Writes the group; other groups of the file are kept. False when it could not be written.
bool SaveKeyboardSettings(const KeyboardSettings& settings);
