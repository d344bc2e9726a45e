#include "EarlySound.h"

#include <malloc.h>

#include <QTimer>
#include <chrono>
#include <cstdlib>
#include <exception>
#include <future>
#include <utility>

#include "Waymidi.h"

namespace {

// Destroyed in reverse: the opening waited for, the port closed, then the library.
struct Early {
  std::unique_ptr<TWayMidi> midi;
  // Read by the opening thread, which must not touch `midi` once it may be taken.
  TWayMidi* loadedMidi = nullptr;
  std::exception_ptr failure;
  std::shared_future<void> loaded;  // the opening thread keeps its own copy
  std::unique_ptr<TWayMidiOut> port;
  std::future<void> linked;  // the port knows its library
  std::future<void> opened;
  // After a take that does not wait: the open still running, what waits for it.
  std::future<void> handedOpening;
  std::function<void()> whenOpened;
  std::unique_ptr<QTimer> watch;
};

Early& State() {
  static Early early;
  return early;
}

bool Ready(const std::future<void>& f) { return f.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }

bool Take(std::unique_ptr<TWayMidi>& library, std::unique_ptr<TWayMidiOut>& port, bool waitForOpen) {
  Early& e = State();
  if (!e.loaded.valid()) return false;
  std::exchange(e.loaded, {}).wait();
  if (e.failure || waitForOpen) {
    if (e.opened.valid()) e.opened.get();
  } else if (e.linked.valid()) {
    e.linked.get();
  }
  if (e.failure) {
    e.port.reset();
    std::rethrow_exception(std::exchange(e.failure, nullptr));
  }
  library = std::move(e.midi);
  const bool early = e.port != nullptr;
  port = early ? std::move(e.port) : std::make_unique<TWayMidiOut>();
  if (!early) port->WayMidi = library.get();
  if (e.opened.valid()) e.handedOpening = std::move(e.opened);
  return true;
}

}  // namespace

void LoadSoundEarly() {
  Early& e = State();
  if (e.loaded.valid()) return;
  e.loadedMidi = nullptr;
  e.loaded = std::async(std::launch::async, [&e] {
    try {
      e.midi = std::make_unique<TWayMidi>();
      e.loadedMidi = e.midi.get();
    } catch (...) {
      e.failure = std::current_exception();
    }
  }).share();
}

void OpenSoundEarly(uint32_t openParam) {
  Early& e = State();
  if (!e.loaded.valid() || e.port) return;
  // Its message window belongs to the GUI thread: made here, opened there.
  e.port = std::make_unique<TWayMidiOut>();
  auto linked = std::make_shared<std::promise<void>>();
  e.linked = linked->get_future();
  e.opened = std::async(std::launch::async, [&e, loaded = e.loaded, linked, port = e.port.get(), openParam] {
    loaded.wait();
    TWayMidi* midi = e.loadedMidi;
    if (midi != nullptr) port->WayMidi = midi;
    linked->set_value();
    if (midi == nullptr) return;  // the taker reports the load's failure
    port->Open(0, openParam);
  });
}

bool SoundOpensAnywhere() {
  for (const char* name : {"MIDIWAY_AUDIO_FILE", "MIDIWAY_SOUNDFONT"})
    if (const char* value = std::getenv(name); value != nullptr && value[0] != '\0' && value[0] != '/') return false;
  return true;
}

bool TakeEarlySound(std::unique_ptr<TWayMidi>& library, std::unique_ptr<TWayMidiOut>& port) {
  return Take(library, port, true);
}

bool TakeEarlySoundOpening(std::unique_ptr<TWayMidi>& library, std::unique_ptr<TWayMidiOut>& port) {
  return Take(library, port, false);
}

void WhenEarlySoundOpen(std::function<void()> then) {
  Early& e = State();
  e.whenOpened = std::move(then);
  if (!e.handedOpening.valid() || Ready(e.handedOpening)) return FinishEarlySound();
  // Looked at from the GUI thread: the opening thread may end before the
  // application exists, and would have nobody to tell.
  e.watch = std::make_unique<QTimer>();
  e.watch->setInterval(5);
  QObject::connect(e.watch.get(), &QTimer::timeout, [&e] {
    if (!Ready(e.handedOpening)) return;
    // Not deleted inside its own timeout.
    e.watch->stop();
    e.watch.release()->deleteLater();
    FinishEarlySound();
  });
  e.watch->start();
}

void FinishEarlySound() {
  Early& e = State();
  e.watch.reset();
  if (e.handedOpening.valid()) {
    e.handedOpening.get();
    // Reading the SoundFont leaves much freed memory in the opening thread's arena.
    malloc_trim(0);
  }
  if (auto then = std::exchange(e.whenOpened, nullptr)) then();
}

void DropEarlySound() {
  Early& e = State();
  e.watch.reset();
  e.whenOpened = nullptr;
  if (e.handedOpening.valid()) e.handedOpening.wait();
  e.handedOpening = {};
  if (e.opened.valid()) e.opened.wait();
  if (e.loaded.valid()) e.loaded.wait();
  e.opened = {};
  e.linked = {};
  e.port.reset();
  e.loaded = {};
  e.failure = nullptr;
  e.loadedMidi = nullptr;
  e.midi.reset();
}
