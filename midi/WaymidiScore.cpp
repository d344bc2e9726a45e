// Tracks, scores and Standard MIDI Files of the component family: the parts
// that hold and merge events rather than talk to a device.
#include <algorithm>
#include <cstring>

#include "Waymidi.h"

namespace {

constexpr uint32_t kMaxRefusedHandle = 32;  // an open returning 0..32 refused

}  // namespace

// --- TWayMidiTrack ------------------------------------------------------------

namespace {

constexpr uint32_t kGrowth = 8192;       // records added when a recording track is full
constexpr uint32_t kReadChunk = 8192;    // records ReadSMF may store per call
constexpr uint8_t kExclusiveStart = 0xF0, kExclusiveEnd = 0xF7;
constexpr uint8_t kTrackName = 3;

std::unique_ptr<MIDIEVENT[]> ZeroedBlock(size_t records) {
  return std::unique_ptr<MIDIEVENT[]>(new MIDIEVENT[records]());
}

}  // namespace

void TWayMidiTrack::Grow(uint32_t records) {
  if (records == 0) return;
  if (records > UINT32_MAX - Capacity) throw EWayMidiException("track too long");
  auto grown = ZeroedBlock(static_cast<size_t>(Capacity) + records);
  // The whole block: a read in progress has filled records beyond Count.
  if (Events && Capacity > 0) std::copy_n(Events.get(), Capacity, grown.get());
  Events = std::move(grown);
  Capacity += records;
}

void TWayMidiTrack::Add(const MIDIEVENT* event) {
  if (!Recording || event == nullptr) return;
  if (Count == Capacity) Grow(kGrowth);
  Events[Count++] = *event;
}

std::unique_ptr<MIDIEVENT[]> TWayMidiTrack::TakeEvents(uint32_t start, uint32_t& count) {
  if (start >= Count || Mute || Recording) {
    count = 0;
    return nullptr;
  }
  count = std::min(count, Count - start);
  if (count == 0) return nullptr;
  auto taken = ZeroedBlock(count);
  // The sum of records 0 .. start, going on from the last one asked for: a
  // score asks from each track's next start, so a whole feed adds each
  // record once.
  if (totalUpTo_ > start + 1) totalUpTo_ = total_ = 0;
  while (totalUpTo_ <= start) total_ += Events[totalUpTo_++].time;
  uint32_t time = total_;
  for (uint32_t i = 0; i < count; ++i) {
    if (i > 0) time += Events[start + i].time;
    taken[i] = Events[start + i];
    taken[i].time = time;
  }
  return taken;
}

std::string TWayMidiTrack::GetName() {
  if (!Name.empty()) return Name;
  if (Owner && Owner->Mode == 'r') {
    if (auto data = Owner->ReadMetaEvent(this, kTrackName)) {
      // The bytes as text, up to the meta event's length and no further.
      Name.assign(reinterpret_cast<const char*>(data->data()), data->size());
      Name = Name.substr(0, Name.find('\0'));
    }
    return Name;
  }
  return std::string();
}

// --- TWayMidiScore ------------------------------------------------------------

TWayMidiScore::~TWayMidiScore() = default;

TWayMidiTrack* TWayMidiScore::NewTrack() {
  owned_.push_back(std::make_unique<TWayMidiTrack>());
  AddTrack(owned_.back().get());
  return owned_.back().get();
}

void TWayMidiScore::AddTrack(TWayMidiTrack* track) {
  if (!track) throw EWayMidiException("track not found");
  TWayMidiSlot slot;
  slot.Track = track;
  Slots.push_back(std::move(slot));
}

int TWayMidiScore::IndexOf(const TWayMidiTrack* track) const {
  for (size_t i = 0; i < Slots.size(); ++i)
    if (track && Slots[i].Track == track) return static_cast<int>(i);
  return -1;
}

void TWayMidiScore::RemoveTrack(TWayMidiTrack* track) {
  const int index = IndexOf(track);
  if (index < 0) throw EWayMidiException("track not found");
  Slots.erase(Slots.begin() + index);
  std::erase_if(owned_, [track](const std::unique_ptr<TWayMidiTrack>& t) { return t.get() == track; });
}

void TWayMidiScore::Rewind() {
  for (auto& slot : Slots) {
    slot.Start = 0;
    slot.Exclusive = false;
  }
  BatchCount = BatchPos = 0;
  LastTime = 0;
}

void TWayMidiScore::Clear() {
  Slots.clear();
  owned_.clear();
  Rewind();
}

bool TWayMidiScore::Done() const {
  if (BatchPos < BatchCount) return false;
  for (const auto& slot : Slots) {
    const TWayMidiTrack* t = slot.Track;
    if (!t->Mute && !t->Recording && slot.Start < t->Count) return false;
  }
  return true;
}

MIDIEVENT* TWayMidiScore::Merge() {
  if (!Batch) Batch = ZeroedBlock(kBatchSize);
  int exclusive = -1;  // the slot whose exclusive message must not be split
  for (size_t s = 0; s < Slots.size(); ++s) {
    TWayMidiSlot& slot = Slots[s];
    slot.TakenCount = kBatchSize;
    slot.Taken = slot.Track->TakeEvents(slot.Start, slot.TakenCount);
    slot.TakenPos = 0;
    if (slot.TakenCount > 0 && slot.Exclusive) exclusive = static_cast<int>(s);
  }
  auto hasEvents = [this](size_t s) { return Slots[s].TakenPos < Slots[s].TakenCount; };
  uint32_t i = 0;
  while (i < kBatchSize) {
    int candidate = -1;
    if (exclusive >= 0) {
      TWayMidiSlot& open = Slots[static_cast<size_t>(exclusive)];
      const bool trackEnded = open.Start + open.TakenPos >= open.Track->Count;
      if (!hasEvents(static_cast<size_t>(exclusive)) && !trackEnded) break;  // the next merge goes on with it
      // A message that never sends its F7 ends at the first event of its
      // track that does not continue it, or at the track's end; otherwise it
      // would hold every other track back.
      if (trackEnded || open.Taken[open.TakenPos].status != MIDIWAY_STATUS_EXCLUSIVE ||
          open.Taken[open.TakenPos].data1 == kExclusiveStart) {
        open.Exclusive = false;
        exclusive = -1;
      } else {
        candidate = exclusive;
      }
    }
    if (candidate < 0) {
      for (size_t s = 0; s < Slots.size(); ++s) {
        if (!hasEvents(s)) continue;
        // On equal times the earlier slot keeps its place.
        if (candidate < 0 || Slots[s].Taken[Slots[s].TakenPos].time <
                                 Slots[candidate].Taken[Slots[candidate].TakenPos].time)
          candidate = static_cast<int>(s);
      }
      if (candidate < 0) break;
    }
    TWayMidiSlot& slot = Slots[static_cast<size_t>(candidate)];
    Batch[i] = slot.Taken[slot.TakenPos++];
    if (Batch[i].data1 == kExclusiveStart) {
      slot.Exclusive = true;
      exclusive = candidate;
    } else if (Batch[i].data1 == kExclusiveEnd) {
      slot.Exclusive = false;
      exclusive = -1;
    }
    ++i;
  }
  for (auto& slot : Slots) {
    slot.Start += slot.TakenPos;
    slot.Taken.reset();
  }
  if (i > 0) {
    const uint32_t last = Batch[i - 1].time;
    for (uint32_t j = i - 1; j >= 1; --j) {
      const int64_t delta = static_cast<int64_t>(Batch[j].time) - Batch[j - 1].time;
      Batch[j].time = delta < 0 ? 0 : static_cast<uint32_t>(delta);
    }
    // Never below 0: a track added or rewound behind the others would
    // otherwise wrap into a delta of hours.
    Batch[0].time = Batch[0].time > LastTime ? Batch[0].time - LastTime : 0;
    LastTime = last;
  }
  BatchCount = i;
  return Batch.get();
}

void TWayMidiScore::Feed(TWayMidiOut* port) {
  if (Slots.empty() || !port) return;
  if (BatchPos == BatchCount) {
    Merge();
    BatchPos = 0;
  }
  while (BatchPos < BatchCount) {
    if (!port->Put(&Batch[BatchPos])) return;  // the next 0x5453 resumes here
    if (++BatchPos == BatchCount) {
      Merge();
      BatchPos = 0;
    }
  }
}

// --- TWayMidiSMF --------------------------------------------------------------

TWayMidiSMF::~TWayMidiSMF() {
  if (IsOpen) {
    try {
      Close();
    } catch (...) {
      // A file that could not be written; a destructor has nobody to tell.
    }
  }
}

void TWayMidiSMF::Open(const std::string& fileName, char mode, TWayMidiScore* score, uint32_t resolution) {
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (IsOpen) throw EWayMidiException("already open");
  if (!score) throw EWayMidiException("score not found");
  if (mode == 'r') {
    const uint32_t handle = WayMidi->OpenSMF(fileName.c_str(), 'r', 0, 0);
    if (handle <= kMaxRefusedHandle) throw EWayMidiException("SMF cant read");
    uint8_t* header = nullptr;
    uint32_t length = 0;
    uint32_t tracks = 0;
    if (WayMidi->ReadMetaEvent(handle, 0, MIDIWAY_META_HEADER, &header, &length) == 0 && header && length >= 4)
      tracks = static_cast<uint32_t>(header[2]) << 8 | header[3];
    score->Clear();
    for (uint32_t t = 0; t < tracks; ++t) {
      TWayMidiTrack* track = score->NewTrack();
      track->Owner = this;
      track->Grow(kReadChunk);
    }
    Handle = handle;
  } else if (mode == 'w') {
    if (score->Slots.empty()) throw EWayMidiException("track not found");
    const uint32_t handle =
        WayMidi->OpenSMF(fileName.c_str(), 'w', static_cast<uint32_t>(score->Slots.size()), resolution);
    if (handle <= kMaxRefusedHandle) throw EWayMidiException("SMF write failed");
    Handle = handle;
  } else {
    throw EWayMidiException("SMF not open");
  }
  Mode = mode;
  MidiScore = score;
  IsOpen = true;
}

void TWayMidiSMF::Close() {
  if (!IsOpen) throw EWayMidiException("SMF not open");
  const uint32_t result = WayMidi->CloseSMF(Handle);
  // The file's tracks outlive it; a name not read by now stays unread
  // rather than asking a closed (or destroyed) file.
  if (MidiScore)
    for (auto& slot : MidiScore->Slots)
      if (slot.Track->Owner == this) slot.Track->Owner = nullptr;
  MidiScore = nullptr;
  IsOpen = false;
  if (Mode == 'w' && result != 0) throw EWayMidiException("SMF write failed");
}

bool TWayMidiSMF::ReadTrack(TWayMidiTrack* track) {
  if (!IsOpen) throw EWayMidiException("SMF not open");
  if (Mode != 'r' || !MidiScore) throw EWayMidiException("SMF cant read");
  const int index = MidiScore->IndexOf(track);
  if (index < 0) throw EWayMidiException("SMF bad track");
  uint32_t n = 0;
  for (;;) {
    // Room for a whole chunk before every call: the library may store that many.
    if (track->Capacity - n < kReadChunk) track->Grow(std::max(n, kReadChunk - (track->Capacity - n)));
    const uint32_t got = WayMidi->ReadSMF(Handle, static_cast<uint32_t>(index), &track->Events[n], kReadChunk);
    if (got == 0) break;
    n += std::min(got, kReadChunk);
  }
  track->Count = n;
  track->totalUpTo_ = track->total_ = 0;  // new records
  track->GetName();
  return n > 0;
}

bool TWayMidiSMF::WriteTrack(TWayMidiTrack* track) {
  if (Mode != 'w' || !MidiScore) throw EWayMidiException("SMF cant write");
  const int index = MidiScore->IndexOf(track);
  if (index < 0) throw EWayMidiException("SMF bad track");
  const std::string name = track->GetName();
  if (!name.empty()) WayMidi->WriteMetaEvent(Handle, static_cast<uint32_t>(index), kTrackName, name.c_str(), 0);
  const uint32_t written = WayMidi->WriteSMF(Handle, static_cast<uint32_t>(index), track->Events.get(), track->Count);
  return written == track->Count;
}

std::optional<std::vector<uint8_t>> TWayMidiSMF::ReadMetaEvent(TWayMidiTrack* track, uint32_t type) {
  if (Mode != 'r' || !MidiScore) throw EWayMidiException("SMF cant read");
  const int index = MidiScore->IndexOf(track);
  if (index < 0) return std::nullopt;
  uint8_t* data = nullptr;
  uint32_t length = 0;
  if (WayMidi->ReadMetaEvent(Handle, static_cast<uint32_t>(index), type, &data, &length) == -1) return std::nullopt;
  if (!data) return std::vector<uint8_t>();
  return std::vector<uint8_t>(data, data + length);
}

bool TWayMidiSMF::WriteMetaEvent(TWayMidiTrack* track, uint32_t type, const char* text, uint32_t length) {
  if (Mode != 'w' || !MidiScore) throw EWayMidiException("SMF cant write");
  const int index = MidiScore->IndexOf(track);
  if (index < 0) return false;
  return WayMidi->WriteMetaEvent(Handle, static_cast<uint32_t>(index), type, text, length) == 0;
}

uint32_t TWayMidiSMF::Resolution() const {
  if (!IsOpen || !WayMidi) return 0;
  return WayMidi->GetSMFResolution(Handle);
}

bool TWayMidiSMF::CutShort(TWayMidiTrack* track, uint32_t& offset, uint32_t& tick) {
  offset = tick = 0;
  if (!IsOpen || Mode != 'r' || !MidiScore || !WayMidi || !WayMidi->GetSMFTrackStatus) return false;
  const int index = MidiScore->IndexOf(track);
  if (index < 0) return false;
  return WayMidi->GetSMFTrackStatus(Handle, static_cast<uint32_t>(index), &offset, &tick) == MIDIWAY_SMF_CUT_SHORT;
}
