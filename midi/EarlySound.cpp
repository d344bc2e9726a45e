#include "EarlySound.h"

#include <cstdlib>
#include <exception>
#include <future>
#include <utility>

#include "Waymidi.h"

namespace {

// Destroyed in reverse: the opening waited for, the port closed, then the library.
struct Early {
  std::unique_ptr<TWayMidi> midi;
  std::exception_ptr failure;
  std::future<void> loaded;
  std::unique_ptr<TWayMidiOut> port;
  std::future<void> opened;
};

Early& State() {
  static Early early;
  return early;
}

}  // namespace

void LoadSoundEarly() {
  Early& e = State();
  if (e.loaded.valid()) return;
  e.loaded = std::async(std::launch::async, [&e] {
    try {
      e.midi = std::make_unique<TWayMidi>();
    } catch (...) {
      e.failure = std::current_exception();
    }
  });
}

void OpenSoundEarly(uint32_t openParam) {
  Early& e = State();
  if (!e.loaded.valid() || e.port) return;
  // Its message window belongs to the GUI thread: made here, opened there.
  e.port = std::make_unique<TWayMidiOut>();
  e.opened = std::async(std::launch::async, [&e, port = e.port.get(), openParam] {
    e.loaded.wait();
    if (!e.midi) return;  // the taker reports the load's failure
    port->WayMidi = e.midi.get();
    port->Open(0, openParam);
  });
}

bool SoundOpensAnywhere() {
  for (const char* name : {"MIDIWAY_AUDIO_FILE", "MIDIWAY_SOUNDFONT"})
    if (const char* value = std::getenv(name); value != nullptr && value[0] != '\0' && value[0] != '/') return false;
  return true;
}

bool TakeEarlySound(std::unique_ptr<TWayMidi>& library, std::unique_ptr<TWayMidiOut>& port) {
  Early& e = State();
  if (!e.loaded.valid()) return false;
  if (e.opened.valid()) e.opened.get();
  e.loaded.get();
  if (e.failure) {
    e.port.reset();
    std::rethrow_exception(std::exchange(e.failure, nullptr));
  }
  library = std::move(e.midi);
  port = e.port ? std::move(e.port) : std::make_unique<TWayMidiOut>();
  port->WayMidi = library.get();
  return true;
}

void DropEarlySound() {
  Early& e = State();
  if (e.opened.valid()) e.opened.wait();
  if (e.loaded.valid()) e.loaded.wait();
  e.opened = {};
  e.port.reset();
  e.loaded = {};
  e.failure = nullptr;
  e.midi.reset();
}
