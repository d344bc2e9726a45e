// Any bytes as a Standard MIDI File: the reader never reads out of bounds,
// hands over only records a port or a file can take, and what it read,
// written back, reads back the same.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "Smf.h"

using namespace midiway;

namespace {

bool Same(const MIDIEVENT& a, const MIDIEVENT& b) {
  return a.time == b.time && a.status == b.status && a.data1 == b.data1 && a.data2 == b.data2 &&
         a.reserved == b.reserved;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SmfFile file;
  std::string error;
  if (!ParseSmf(data, size, file, error)) {
    Require(!error.empty());
    return 0;
  }
  Require(!file.tracks.empty() && file.resolution > 0);
  size_t total = 0;
  for (const SmfTrack& track : file.tracks) {
    total += track.events.size();
    for (const MIDIEVENT& e : track.events) {
      Require(e.status >= 0x80);
      if (e.status < 0xF0) Require(e.data1 < 0x80 && e.data2 < 0x80);
      if (e.status == MIDIWAY_STATUS_TEMPO) Require(e.data1 < 0x80);
      // Only exclusive bytes may look like the merge's exclusive markers.
      if (e.status != MIDIWAY_STATUS_EXCLUSIVE) Require(e.data1 != 0xF0 && e.data1 != 0xF7);
    }
  }
  Require(total <= size * 2 + 2);  // a byte of input yields at most a record or two

  // Written back and read again: the same records, track by track.
  std::vector<std::vector<uint8_t>> bodies;
  for (const SmfTrack& track : file.tracks) {
    SmfTrackWriter writer;
    for (const MIDIEVENT& e : track.events) Require(writer.Put(e));
    bodies.push_back(writer.Finish());
  }
  const std::vector<uint8_t> written = BuildSmf(file.resolution > 0x7FFF ? 0x7FFF : file.resolution, bodies);
  SmfFile again;
  Require(ParseSmf(written.data(), written.size(), again, error));
  Require(again.tracks.size() == file.tracks.size());
  for (size_t t = 0; t < file.tracks.size(); ++t) {
    Require(!again.tracks[t].damaged);
    const auto& before = file.tracks[t].events;
    const auto& after = again.tracks[t].events;
    Require(before.size() == after.size());
    for (size_t i = 0; i < before.size(); ++i) Require(Same(before[i], after[i]));
  }
  return 0;
}
