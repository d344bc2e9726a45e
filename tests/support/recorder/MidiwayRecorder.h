// A stand-in for the MIDI driver library that records every call, for tests.
// Built as libMidiway.so in its own folder; a test that links it has it loaded
// already when TWayMidi loads "Midiway", so both see the same recorder.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "midiway.h"

struct RecordedCall {
  std::string name;            // entry point without decoration: "PutMidiOut"
  uint32_t args[4] = {};       // the 32-bit arguments in order (handle, device, ...)
  MIDIEVENT event = {};        // PutMidiOut's event
  uint32_t tick = 0;           // PlatformTickCount() when called (hooks included)
};

extern "C" {
// Forget all recorded calls and restore the default results.
void RecorderReset();
// Result of OpenMidiOut (default 100: open).
void RecorderSetOpenResult(uint32_t handle);
// Result of PutMidiOut (default 0: taken).
void RecorderSetPutResult(uint32_t result);
// Output devices described (default: one, "Recorder").
void RecorderSetOutDevices(const char* const* descriptions, size_t count);
}

// Every call since the last reset, in order.
const std::vector<RecordedCall>& RecorderCalls();
// Only the notes put: data1 of each PutMidiOut event, with its tick.
std::vector<RecordedCall> RecorderPuts();
