#include "Smf.h"

#include <algorithm>
#include <cstring>

#include "MidiMessage.h"

namespace midiway {
namespace {

constexpr uint8_t kMeta = 0xFF, kSysEx = 0xF0, kEscape = 0xF7;
constexpr uint8_t kTempoType = 0x51, kEndOfTrack = 0x2F;
constexpr uint32_t kSecondTempo = 1000000;  // SMPTE time: one "quarter" is a second

uint32_t Be(const uint8_t* p, int bytes) {
  uint32_t value = 0;
  for (int i = 0; i < bytes; ++i) value = value << 8 | p[i];
  return value;
}

// Reads within one chunk; every read is checked against its end.
class Cursor {
 public:
  Cursor(const uint8_t* begin, const uint8_t* end) : p_(begin), end_(end) {}
  bool AtEnd() const { return p_ >= end_; }
  const uint8_t* Position() const { return p_; }
  bool Byte(uint8_t& b) {
    if (p_ >= end_) return false;
    b = *p_++;
    return true;
  }
  bool Peek(uint8_t& b) const {
    if (p_ >= end_) return false;
    b = *p_;
    return true;
  }
  // At most four bytes, as the format allows.
  bool Vlq(uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
      uint8_t b;
      if (!Byte(b)) return false;
      value = value << 7 | (b & 0x7F);
      if ((b & 0x80) == 0) return true;
    }
    return false;
  }
  bool Take(uint32_t length, const uint8_t*& data) {
    if (static_cast<size_t>(end_ - p_) < length) return false;
    data = p_;
    p_ += length;
    return true;
  }

 private:
  const uint8_t* p_;
  const uint8_t* end_;
};

// Bytes of a system message that can stand alone in an escape; 0 for the rest.
int SystemLength(uint8_t status) { return status >= 0xF0 ? MessageLength(status) : 0; }

int DataBytes(uint8_t status) { return MessageLength(status) - 1; }

class TrackReader {
 public:
  // file: the first byte of the file, to say where damage lies.
  TrackReader(SmfTrack& track, bool smpte, const uint8_t* file) : track_(track), smpte_(smpte), file_(file) {}

  // Reads events until End of Track, the end of the chunk or damage.
  void Read(Cursor& in) {
    uint8_t running = 0;
    while (!in.AtEnd()) {
      eventStart_ = in.Position();
      uint32_t delta;
      if (!in.Vlq(delta)) return Damaged();
      pending_ += delta;
      tick_ += delta;
      uint8_t status;
      if (!in.Peek(status)) return Damaged();
      if (status < 0x80) {
        if (running == 0) return Damaged();  // data without a status
        status = running;
      } else {
        in.Byte(status);
      }
      if (status < 0xF0) {
        running = status;
        uint8_t d[2] = {0, 0};
        for (int i = 0; i < DataBytes(status); ++i)
          if (!in.Byte(d[i]) || d[i] >= 0x80) return Damaged();
        Emit(status, d[0], d[1], 0);
      } else if (status == kSysEx || status == kEscape) {
        running = 0;
        uint32_t length;
        const uint8_t* data;
        if (!in.Vlq(length) || !in.Take(length, data)) return Damaged();
        // An escape holding one whole system message hands that message over.
        if (status == kEscape && length > 0 && length == static_cast<uint32_t>(SystemLength(data[0]))) {
          Emit(data[0], length > 1 ? data[1] & 0x7F : 0, length > 2 ? data[2] & 0x7F : 0, 0);
          continue;
        }
        // An exclusive message ends at its F7; bytes after it, and status
        // bytes inside it (F0 in a continuation, real-time bytes), belong to
        // no message and are left out: written back, a lone one would read
        // as a message of its own.
        if (status == kSysEx) Emit(MIDIWAY_STATUS_EXCLUSIVE, kSysEx, 0, 0);
        for (uint32_t i = 0; i < length; ++i) {
          if (data[i] >= 0x80 && data[i] != kEscape) continue;
          Emit(MIDIWAY_STATUS_EXCLUSIVE, data[i], 0, 0);
          if (data[i] == kEscape) break;
        }
      } else if (status == kMeta) {
        // A meta event leaves running status as it was: files in the wild
        // rely on that, and other readers accept it.
        uint8_t type;
        uint32_t length;
        const uint8_t* data;
        if (!in.Byte(type) || !in.Vlq(length) || !in.Take(length, data)) return Damaged();
        track_.metas.push_back(SmfMeta{tick_, type, std::vector<uint8_t>(data, data + length)});
        if (type == kEndOfTrack) return;
        if (type == kTempoType && length == 3 && !smpte_) EmitTempo(Be(data, 3));
      } else {
        return Damaged();  // system messages cannot stand in a file without an escape
      }
    }
  }

  void EmitTempo(uint32_t tempo) {
    const MIDIEVENT e = MidiwayTempoEvent(0, std::clamp<uint32_t>(tempo, 1, MIDIWAY_MAX_TEMPO));
    Emit(e.status, e.data1, e.data2, e.reserved);
  }

 private:
  void Damaged() { Damaged(static_cast<uint64_t>(eventStart_ - file_)); }

 public:
  // The first damage found is the one reported.
  void Damaged(uint64_t offset) {
    if (track_.damaged) return;
    track_.damaged = true;
    track_.damageOffset = offset;
    track_.damageTick = tick_;
  }

 private:
  void Emit(uint8_t status, uint8_t d1, uint8_t d2, uint8_t reserved) {
    // A delta too large for an event is carried by empty steps: a tempo
    // event that repeats nothing would change the tempo, so use a skipped
    // status of no meaning.
    while (pending_ > 0xFFFFFFFEull) {
      track_.events.push_back(MIDIEVENT{0xFFFFFFFEu, 0xFD, 0, 0, 0});
      pending_ -= 0xFFFFFFFEull;
    }
    track_.events.push_back(MIDIEVENT{static_cast<uint32_t>(pending_), status, d1, d2, reserved});
    pending_ = 0;
  }

  SmfTrack& track_;
  const bool smpte_;
  const uint8_t* const file_;
  const uint8_t* eventStart_ = nullptr;
  uint64_t pending_ = 0;
  uint64_t tick_ = 0;
};

}  // namespace

bool ParseSmf(const uint8_t* data, size_t size, SmfFile& file, std::string& error) {
  file = SmfFile{};
  if (data == nullptr || size < 14 || std::memcmp(data, "MThd", 4) != 0) {
    error = "not a Standard MIDI File";
    return false;
  }
  if (size > kMaxSmfBytes) {
    error = "file too large";
    return false;
  }
  const uint32_t headerLength = Be(data + 4, 4);
  if (headerLength < 6 || headerLength > size - 8) {
    error = "damaged header";
    return false;
  }
  file.format = static_cast<uint16_t>(Be(data + 8, 2));
  const uint32_t declared = Be(data + 10, 2);
  const uint32_t division = Be(data + 12, 2);
  file.division = static_cast<uint16_t>(division);
  if (file.format > 2) {
    error = "unknown format";
    return false;
  }
  if (division & 0x8000) {
    const int fps = -static_cast<int8_t>(division >> 8);
    const uint32_t perFrame = division & 0xFF;
    if (fps <= 0 || perFrame == 0) {
      error = "bad time division";
      return false;
    }
    file.smpte = true;
    file.resolution = static_cast<uint32_t>(fps == 29 ? 30 : fps) * perFrame;
  } else {
    if (division == 0) {
      error = "bad time division";
      return false;
    }
    file.resolution = division;
  }

  size_t at = 8 + headerLength;
  while (file.tracks.size() < declared && at + 8 <= size) {
    const uint8_t* chunk = data + at;
    const uint32_t length = Be(chunk + 4, 4);
    const size_t available = size - at - 8;
    const size_t body = std::min<size_t>(length, available);
    if (std::memcmp(chunk, "MTrk", 4) == 0) {
      file.tracks.emplace_back();
      SmfTrack& track = file.tracks.back();
      Cursor in(chunk + 8, chunk + 8 + body);
      TrackReader reader(track, file.smpte, data);
      if (file.smpte && file.tracks.size() == 1) reader.EmitTempo(kSecondTempo);
      reader.Read(in);
      if (body < length) reader.Damaged(size);  // the file ends inside the track
    }
    if (body < length) break;
    at += 8 + body;
  }
  if (file.tracks.empty()) {
    error = "no tracks";
    return false;
  }
  return true;
}

// --- writing ------------------------------------------------------------------

void SmfTrackWriter::PutVlq(uint64_t value) {
  value = std::min<uint64_t>(value, 0x0FFFFFFF);
  uint8_t groups[4];
  int n = 0;
  do {
    groups[n++] = static_cast<uint8_t>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) bytes_.push_back(static_cast<uint8_t>(groups[--n] | 0x80));
  bytes_.push_back(groups[0]);
}

// Deltas beyond what one quantity holds are spread over empty escapes.
void SmfTrackWriter::PutDelta(uint64_t delta) {
  while (delta > 0x0FFFFFFF) {
    PutVlq(0x0FFFFFFF);
    bytes_.insert(bytes_.end(), {kEscape, 0});
    delta -= 0x0FFFFFFF;
    running_ = 0;
  }
  PutVlq(delta);
}

void SmfTrackWriter::FlushExclusive() {
  if (exclusive_.empty()) return;
  PutDelta(exclusiveDelta_);
  const bool opens = exclusive_.front() == kSysEx;
  bytes_.push_back(opens ? kSysEx : kEscape);
  PutVlq(exclusive_.size() - (opens ? 1 : 0));
  bytes_.insert(bytes_.end(), exclusive_.begin() + (opens ? 1 : 0), exclusive_.end());
  exclusive_.clear();
  running_ = 0;
}

bool SmfTrackWriter::Put(const MIDIEVENT& event) {
  const uint8_t status = event.status;
  if (status == MIDIWAY_STATUS_EXCLUSIVE) {
    // Only F0, data bytes and F7 make an exclusive message; another status
    // byte alone in a packet would read back as a message of its own.
    if (event.data1 >= 0x80 && event.data1 != kSysEx && event.data1 != kEscape) {
      pending_ += event.time;
      return true;
    }
    // A new message, or a byte that comes later than its predecessor, starts
    // a packet of its own; F7 ends one.
    if (!exclusive_.empty() && (event.data1 == kSysEx || event.time != 0)) FlushExclusive();
    if (exclusive_.empty()) {
      exclusiveDelta_ = pending_ + event.time;
      pending_ = 0;
    }
    exclusive_.push_back(event.data1);
    if (event.data1 == kEscape) FlushExclusive();
    return true;
  }
  FlushExclusive();
  pending_ += event.time;
  if (status < 0x80) return false;  // not an event
  if (status < 0xF0) {
    PutDelta(pending_);
    pending_ = 0;
    if (status != running_) bytes_.push_back(status);
    running_ = status;
    bytes_.push_back(event.data1 & 0x7F);
    if (DataBytes(status) == 2) bytes_.push_back(event.data2 & 0x7F);
    return true;
  }
  if (status == MIDIWAY_STATUS_TEMPO) {
    const uint8_t tempo[3] = {static_cast<uint8_t>(event.data1 & 0x7F), event.data2, event.reserved};
    PutMeta(kTempoType, tempo, 3);
    return true;
  }
  if (status == 0xFD) return true;  // an empty step: its delta goes with the next event
  // Other system messages go in an escape, as many bytes as they have.
  const auto length = static_cast<uint8_t>(std::max(SystemLength(status), 1));
  PutDelta(pending_);
  pending_ = 0;
  bytes_.insert(bytes_.end(), {kEscape, length, status});
  if (length > 1) bytes_.push_back(event.data1 & 0x7F);
  if (length > 2) bytes_.push_back(event.data2 & 0x7F);
  running_ = 0;
  return true;
}

void SmfTrackWriter::PutMeta(uint8_t type, const uint8_t* data, size_t length) {
  FlushExclusive();
  PutDelta(pending_);
  pending_ = 0;
  bytes_.insert(bytes_.end(), {kMeta, static_cast<uint8_t>(type & 0x7F)});
  PutVlq(length);
  if (length > 0) bytes_.insert(bytes_.end(), data, data + length);
  running_ = 0;
}

std::vector<uint8_t> SmfTrackWriter::Finish() {
  FlushExclusive();
  std::vector<uint8_t> out = bytes_;
  SmfTrackWriter end;
  end.PutDelta(pending_);
  out.insert(out.end(), end.bytes_.begin(), end.bytes_.end());
  out.insert(out.end(), {kMeta, kEndOfTrack, 0});
  return out;
}

std::vector<uint8_t> BuildSmf(uint32_t resolution, const std::vector<std::vector<uint8_t>>& tracks) {
  size_t total = 14;
  for (const auto& track : tracks) total += 8 + track.size();
  std::vector<uint8_t> out;
  out.reserve(total);
  auto put = [&](uint32_t value, int bytes) {
    for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<uint8_t>(value >> (8 * i)));
  };
  auto tag = [&](const char* name) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(name[i]));
  };
  tag("MThd");
  put(6, 4);
  put(tracks.size() == 1 ? 0 : 1, 2);
  put(static_cast<uint32_t>(std::min<size_t>(tracks.size(), 0xFFFF)), 2);
  put(std::clamp<uint32_t>(resolution, 1, 0x7FFF), 2);
  for (size_t i = 0; i < tracks.size() && i < 0xFFFF; ++i) {
    tag("MTrk");
    put(static_cast<uint32_t>(tracks[i].size()), 4);
    out.insert(out.end(), tracks[i].begin(), tracks[i].end());
  }
  return out;
}

}  // namespace midiway
