// What the library and the libraries below it have to say about failures.
// FluidSynth, ALSA and JACK print to the terminal by default; the library
// takes their messages over and keeps the last one instead.
#pragma once

#include <string>

namespace midiway {

// Routes FluidSynth's, ALSA's and JACK's messages to the library. Runs once;
// every entry point that may reach those libraries calls it first.
void QuietLibraries();
// Gives the messages back to their owners (when the library is unloaded).
void RestoreLibraries();

// While it lives, GLib messages without a domain (libinstpatch's, when
// FluidSynth offers it a broken file) are kept instead of printed.
class QuietGlib {
 public:
  QuietGlib();
  ~QuietGlib();
  QuietGlib(const QuietGlib&) = delete;
  QuietGlib& operator=(const QuietGlib&) = delete;

 private:
  void* glib_ = nullptr;
  unsigned handler_ = 0;
};

void SetLastError(const std::string& text);
std::string LastError();

// The last error FluidSynth reported since the counter had this value;
// empty when it has reported none since.
unsigned FluidErrorCount();
std::string FluidErrorSince(unsigned count);

// The last ALSA library error message (for the sequencer check).
std::string AlsaLastError();

}  // namespace midiway
