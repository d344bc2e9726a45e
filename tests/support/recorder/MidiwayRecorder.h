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
// Result of OpenMidiOut for one device, in place of the one above.
void RecorderSetDeviceOpenResult(uint32_t deviceId, uint32_t handle);
// Result of PutMidiOut (default 0: taken).
void RecorderSetPutResult(uint32_t result);
// Output devices described (default: one, "Recorder").
void RecorderSetOutDevices(const char* const* descriptions, size_t count);

// Input. OpenMidiIn opens (handle 100, or what RecorderSetOpenResult set; one
// input device, "Recorder In") and StartMidiIn answers 0. To play input to a
// TWayMidiIn in a test: open and start it, then
//   MIDIEVENT keys[] = {{120, 0x90, 60, 100, 0}, {240, 0x80, 60, 0, 0}};
//   RecorderFeedInput(keys, 2);   // queued, and 0x03C3 posted to its window
//   ProcessEventsUntil(...);      // the event loop delivers it
// GetMidiIn then hands the events over one by one, each in a record of its
// own that the component may change, and NULL when none is left. Events fed
// before the port is opened wait for it; RecorderReset drops them.
void RecorderFeedInput(const MIDIEVENT* events, size_t count);
// Result of StartMidiIn (default 0: started).
void RecorderSetStartInResult(uint32_t result);
// Input devices listed: 1 ("Recorder In", the default) or 0 (none plugged in).
void RecorderSetInDeviceCount(uint32_t count);
// Standard MIDI Files: what ReadSMF hands over for a track (at most `count`
// per call, as the library's 8192), and the header ReadMetaEvent gives for
// MIDIWAY_META_HEADER (tracks = number of tracks set). OpenSMF and OpenSync
// answer with the open result (default 100).
void RecorderSetSmfTrack(uint32_t track, const MIDIEVENT* events, size_t count);
// What WriteSMF was given, per track, in order.
size_t RecorderWrittenCount(uint32_t track);
const MIDIEVENT* RecorderWritten(uint32_t track);
}

// Every call since the last reset, in order.
const std::vector<RecordedCall>& RecorderCalls();
// Only the notes put: data1 of each PutMidiOut event, with its tick.
std::vector<RecordedCall> RecorderPuts();
