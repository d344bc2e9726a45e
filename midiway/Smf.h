// Standard MIDI Files (format 0 and 1) in memory: the reader turns a file's
// bytes into the library's event records, the writer turns event records back
// into a file. No I/O and no other library here, so the reader can be fuzzed
// on its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "midiway.h"

namespace midiway {

// Files larger than this are refused rather than held in memory.
inline constexpr size_t kMaxSmfBytes = 32u << 20;

struct SmfMeta {
  uint64_t tick = 0;  // absolute, in the track
  uint8_t type = 0;
  std::vector<uint8_t> data;
};

struct SmfTrack {
  std::vector<MIDIEVENT> events;  // as ReadSMF hands them over
  std::vector<SmfMeta> metas;     // every meta event, tempo included
  bool damaged = false;           // read up to damage or to the end of the file
  // Where reading stopped when damaged: the file's byte at which the event
  // that could not be read begins (the file's size when it ends inside the
  // track), and the track's time there in ticks.
  uint64_t damageOffset = 0;
  uint64_t damageTick = 0;
};

struct SmfFile {
  uint16_t format = 0;
  uint16_t division = 480;    // as the header has it
  uint32_t resolution = 480;  // ticks per quarter (or per second for SMPTE time)
  bool smpte = false;
  std::vector<SmfTrack> tracks;
};

// False, with error set, when the bytes are not a Standard MIDI File at all
// (no header, a header that is too short, no division). A damaged or
// truncated track is kept up to the damage and marked.
bool ParseSmf(const uint8_t* data, size_t size, SmfFile& file, std::string& error);

// One track being written: events and meta events are encoded as they come.
class SmfTrackWriter {
 public:
  // True when the event was written (or is held as part of an exclusive message).
  bool Put(const MIDIEVENT& event);
  void PutMeta(uint8_t type, const uint8_t* data, size_t length);
  // The track's bytes, ended with End of Track (the writer stays usable).
  std::vector<uint8_t> Finish();

 private:
  void PutDelta(uint64_t delta);
  void PutVlq(uint64_t value);
  void FlushExclusive();

  std::vector<uint8_t> bytes_;
  uint64_t pending_ = 0;  // ticks not yet written with an event
  uint8_t running_ = 0;   // running status, 0 when none
  std::vector<uint8_t> exclusive_;  // bytes of an exclusive message not yet written
  uint64_t exclusiveDelta_ = 0;
};

// A whole file: header and one chunk per track body.
std::vector<uint8_t> BuildSmf(uint32_t resolution, const std::vector<std::vector<uint8_t>>& tracks);

}  // namespace midiway
