// The driver library loaded, and the drill window's output opened, on
// threads of their own while the toolkit starts and the windows are built:
// loading its libraries and the SoundFont is most of a cold start. The
// drill window takes the result where it would have made it itself, so a
// failure is reported at the same moment and in the same words.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

class TWayMidi;
class TWayMidiOut;

// Starts loading the library. Needs nothing of the toolkit.
void LoadSoundEarly();
// Starts opening device 0 with `openParam` once the library is loaded (at
// most once); call on the GUI thread.
void OpenSoundEarly(uint32_t openParam);
// Whether the open finds the same files wherever it runs: no relative path
// in $MIDIWAY_AUDIO_FILE or $MIDIWAY_SOUNDFONT, which name files in the data
// folder once it is entered.
bool SoundOpensAnywhere();
// What the two made, waited for; false when loading was not started (or
// its result was taken already). Raises what the load raised.
bool TakeEarlySound(std::unique_ptr<TWayMidi>& library, std::unique_ptr<TWayMidiOut>& port);
// The same without waiting for the open: the library is waited for (its
// failure raised), the port may still be opening. Until WhenEarlySoundOpen
// says so, only the port's library may be used: the login window need not
// wait for the sound.
bool TakeEarlySoundOpening(std::unique_ptr<TWayMidi>& library, std::unique_ptr<TWayMidiOut>& port);
// Runs `then` on the GUI thread once the port taken is open or refused: at
// once when it is (or none was taken), else from the event loop.
void WhenEarlySoundOpen(std::function<void()> then);
// Waits for an open still running and runs what waits for it: before the
// port is used or destroyed.
void FinishEarlySound();
// Waits for what was started and not taken, and lets it go, port first.
void DropEarlySound();
