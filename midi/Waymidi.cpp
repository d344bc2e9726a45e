#include "Waymidi.h"

#include <algorithm>
#include <cstring>
#include <exception>
#include <type_traits>

#include "Platform.h"

namespace {

constexpr const char* kLibraryName = "Midiway";
constexpr uint32_t kMaxRefusedHandle = 32;  // an open returning 0..32 refused
constexpr size_t kDescriptionSize = 32;

}  // namespace

// --- TWayMidi -----------------------------------------------------------------

TWayMidi::TWayMidi() {
  library_ = PlatformLoadLibrary(kLibraryName);
  if (!library_) throw EWayMidiException("Load of Midiway library failed");

  // Looked up one by one in this order; the first one missing names itself.
  auto lookup = [this](auto& member, const char* decoratedName) {
    void* address = PlatformGetProcAddress(library_, decoratedName);
    if (!address) throw EWayMidiException(std::string("Failed to loadproc:") + decoratedName);
    member = reinterpret_cast<std::remove_reference_t<decltype(member)>>(address);
  };
  try {
    lookup(GetMidiwayVersion, "_GetMidiwayVersion@0");
    lookup(GetNumOutDevices, "_GetNumOutDevices@0");
    lookup(GetMidiOutDescription, "_GetMidiOutDescription@8");
    lookup(OpenMidiOut, "_OpenMidiOut@16");
    lookup(ResetMidiOut, "_ResetMidiOut@4");
    lookup(FlushMidiOut, "_FlushMidiOut@4");
    lookup(CloseMidiOut, "_CloseMidiOut@4");
    lookup(PutMidiOut, "_PutMidiOut@8");
    lookup(GetNumInDevices, "_GetNumInDevices@0");
    lookup(GetMidiInDescription, "_GetMidiInDescription@8");
    lookup(OpenMidiIn, "_OpenMidiIn@16");
    lookup(StartMidiIn, "_StartMidiIn@4");
    lookup(StopMidiIn, "_StopMidiIn@4");
    lookup(CloseMidiIn, "_CloseMidiIn@4");
    lookup(GetMidiIn, "_GetMidiIn@4");
    lookup(OpenSync, "_OpenSync@16");
    lookup(CloseSync, "_CloseSync@4");
    lookup(StopSync, "_StopSync@4");
    lookup(StartSync, "_StartSync@4");
    lookup(PauseSync, "_PauseSync@8");
    lookup(ReStartSync, "_ReStartSync@4");
    lookup(SetTempo, "_SetTempo@8");
    lookup(SetResolution, "_SetResolution@8");
    lookup(GetTempo, "_GetTempo@4");
    lookup(GetResolution, "_GetResolution@4");
    lookup(GetPosition, "_GetPosition@8");
    lookup(OpenSMF, "_OpenSMF@16");
    lookup(CloseSMF, "_CloseSMF@4");
    lookup(RewindSMF, "_RewindSMF@4");
    lookup(ReadSMF, "_ReadSMF@16");
    lookup(WriteSMF, "_WriteSMF@16");
    lookup(GetSMFResolution, "_GetSMFResolution@4");
    lookup(SetSMFResolution, "_SetSMFResolution@8");
    lookup(ReadMetaEvent, "_ReadMetaEvent@20");
    lookup(WriteMetaEvent, "_WriteMetaEvent@20");
  } catch (...) {
    // The object never comes to life, so no destructor runs: unload here, once,
    // and let the lookup's own message reach the creator.
    PlatformFreeLibrary(library_);
    library_ = nullptr;
    throw;
  }

  GetMidiwayLastError =
      reinterpret_cast<decltype(GetMidiwayLastError)>(PlatformGetProcAddress(library_, "_GetMidiwayLastError@8"));
  GetSMFTrackStatus =
      reinterpret_cast<decltype(GetSMFTrackStatus)>(PlatformGetProcAddress(library_, "_GetSMFTrackStatus@16"));
  Version = static_cast<uint16_t>(GetMidiwayVersion() & 0xFFFFu);
}

TWayMidi::~TWayMidi() noexcept(false) {
  if (!library_) return;
  void* library = library_;
  library_ = nullptr;
  // Raising while another exception unwinds would end the program; the
  // failure to unload is then the lesser news and is dropped.
  if (!PlatformFreeLibrary(library) && std::uncaught_exceptions() == 0) {
    throw EWayMidiException("FreeLibrary failed");
  }
}

// --- TWayMidiOut --------------------------------------------------------------

TWayMidiOut::TWayMidiOut() {
  window_ = PlatformCreateMessageWindow(
      [this](uint32_t message, uintptr_t wParam, intptr_t lParam) { return WindowProc(message, wParam, lParam); });
}

TWayMidiOut::~TWayMidiOut() {
  if (IsOpen) {
    try {
      Close();
    } catch (...) {
      // Only a port whose WayMidi was taken away while open can fail here;
      // a destructor has nobody to report to.
    }
  }
  PlatformDestroyMessageWindow(window_);
}

bool TWayMidiOut::Open(uint16_t deviceId, uint32_t openParam) {
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (IsOpen) throw EWayMidiException("already open");

  // The library's result is not looked at; the buffer is cleared first and
  // cut at its end so that a short or unterminated answer reads safely.
  char description[kDescriptionSize] = {};
  WayMidi->GetMidiOutDescription(deviceId, description);
  description[kDescriptionSize - 1] = '\0';
  Description = description;

  const uint32_t syncHandle = Sync ? Sync->Handle : 0;

  OpenParam = openParam;
  DeviceId = deviceId;
  Handle = WayMidi->OpenMidiOut(window_, deviceId, syncHandle, openParam);
  LastError.clear();
  if (Handle > kMaxRefusedHandle) {
    IsOpen = true;
  } else {
    Handle = 0;  // refused, and not reported: Put drops events from now on
    // Kept at once: the library's text is replaced by its next failure.
    if (WayMidi->GetMidiwayLastError) {
      char text[512] = {};
      WayMidi->GetMidiwayLastError(text, sizeof text);
      text[sizeof text - 1] = '\0';
      LastError = text;
    }
  }
  return IsOpen;
}

void TWayMidiOut::Close() {
  if (!IsOpen) throw EWayMidiException("midiOut not open");
  Description.clear();
  Reset();
  WayMidi->CloseMidiOut(Handle);
  IsOpen = false;  // Handle keeps its value until the next Open
}

void TWayMidiOut::Reset() {
  if (!IsOpen) throw EWayMidiException("midiOut not open");
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  WayMidi->ResetMidiOut(Handle);
}

bool TWayMidiOut::Put(LPMIDIEVENT event) {
  if (!IsOpen) return true;  // a closed port drops the event
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  return (WayMidi->PutMidiOut(Handle, event) & 0xFFFFu) == 0;
}

bool TWayMidiOut::WindowProc(uint32_t message, uintptr_t /*wParam*/, intptr_t /*lParam*/) {
  if (message != MIDIWAY_MSG_OUTPUT_READY) return false;
  if (MidiScore) MidiScore->Feed(this);
  if (OutBufferReady) OutBufferReady(this);
  return true;
}

// --- TWayMidiTrack ------------------------------------------------------------

namespace {

constexpr uint32_t kGrowth = 8192;       // records added when a recording track is full
constexpr uint32_t kReadChunk = 8192;    // records ReadSMF may store per call
constexpr uint8_t kExclusiveStart = 0xF0, kExclusiveEnd = 0xF7;
constexpr uint8_t kActiveSensing = 0xFE;
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
  uint32_t time = 0;
  for (uint32_t i = 0; i <= start; ++i) time += Events[i].time;
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

// --- TWayMidiSync -------------------------------------------------------------

TWayMidiSync::TWayMidiSync() {
  window_ = PlatformCreateMessageWindow(
      [this](uint32_t message, uintptr_t wParam, intptr_t lParam) { return WindowProc(message, wParam, lParam); });
}

TWayMidiSync::~TWayMidiSync() {
  try {
    Stop();
    if (IsOpen) Close();
  } catch (...) {
    // Only a sync whose WayMidi was taken away while open can fail here.
  }
  PlatformDestroyMessageWindow(window_);
}

void TWayMidiSync::Open(uint32_t tempo, uint32_t resolution) {
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (IsOpen) throw EWayMidiException("already open");
  const uint32_t handle = WayMidi->OpenSync(window_, 0, tempo, resolution);
  if (handle <= kMaxRefusedHandle) throw EWayMidiException("sync not found");
  Handle = handle;
  IsOpen = true;
  Running = false;
}

void TWayMidiSync::Start() {
  if (!IsOpen) throw EWayMidiException("sync not open");
  WayMidi->StartSync(Handle);
  Running = true;
}

void TWayMidiSync::Stop() {
  if (!IsOpen) return;
  WayMidi->StopSync(Handle);
  Running = false;
}

void TWayMidiSync::Pause(bool pause) {
  if (!IsOpen) throw EWayMidiException("sync not open");
  WayMidi->PauseSync(Handle, pause ? 1 : 0);
  Running = !pause;
}

void TWayMidiSync::Close() {
  if (!IsOpen) throw EWayMidiException("sync not open");
  Running = false;
  IsOpen = false;
  // Left open in the library, the clock would go on posting beats to a
  // component that calls itself closed.
  if (WayMidi) WayMidi->CloseSync(Handle);
}

bool TWayMidiSync::WindowProc(uint32_t message, uintptr_t, intptr_t) {
  if (message == MIDIWAY_MSG_SYNC_BEAT) {
    if (OnMidiBeat) OnMidiBeat(this);
    return true;
  }
  if (message == MIDIWAY_MSG_SYNC_DONE) {
    if (OnSyncDone) OnSyncDone(this);
    return true;
  }
  return false;
}

// --- TWayMidiIn ---------------------------------------------------------------

TWayMidiIn::TWayMidiIn() {
  window_ = PlatformCreateMessageWindow(
      [this](uint32_t message, uintptr_t wParam, intptr_t lParam) { return WindowProc(message, wParam, lParam); });
}

TWayMidiIn::~TWayMidiIn() {
  if (IsOpen) {
    try {
      Close();
    } catch (...) {
      // As for the output port: only a vanished WayMidi fails here.
    }
  }
  PlatformDestroyMessageWindow(window_);
}

bool TWayMidiIn::Open(uint16_t deviceId) {
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (IsOpen) throw EWayMidiException("already open");
  char description[kDescriptionSize] = {};
  WayMidi->GetMidiInDescription(deviceId, description);
  description[kDescriptionSize - 1] = '\0';
  Description = description;
  Handle = WayMidi->OpenMidiIn(window_, deviceId, Sync ? Sync->Handle : 0, 0);
  if (Handle > kMaxRefusedHandle) {
    IsOpen = true;
    Started = false;
    CarryTime = 0;
  } else {
    Handle = 0;
  }
  return IsOpen;
}

void TWayMidiIn::Start() {
  if (!IsOpen) throw EWayMidiException("midiIn not open");
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  if (WayMidi->StartMidiIn(Handle) != 0) throw EWayMidiException("cant start midiIn");
  CarryTime = 0;
  Started = true;
}

void TWayMidiIn::Stop() {
  if (!IsOpen) throw EWayMidiException("midiIn not open");
  if (!WayMidi) throw EWayMidiException("No WayMidi");
  Started = false;
  WayMidi->StopMidiIn(Handle);
}

void TWayMidiIn::Close() {
  if (!IsOpen) throw EWayMidiException("midiIn not open");
  Stop();
  WayMidi->CloseMidiIn(Handle);
  Description.clear();
  IsOpen = false;
}

bool TWayMidiIn::WindowProc(uint32_t message, uintptr_t, intptr_t) {
  if (message != MIDIWAY_MSG_INPUT_DATA) return false;
  // A port closed (or a library gone) since the message was posted reads nothing.
  while (IsOpen && WayMidi) {
    LPMIDIEVENT e = WayMidi->GetMidiIn(Handle);
    if (!e) break;
    e->time += CarryTime;
    bool accept = e->status != kActiveSensing;
    if (accept && OnMidiData) OnMidiData(e, &accept);
    CarryTime = accept ? 0 : e->time;
    if (accept && Track) Track->Add(e);
  }
  return true;
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
