// Components that wrap the MIDI driver library: the library itself (TWayMidi),
// an output port (TWayMidiOut), an input port (TWayMidiIn), a sync
// (TWayMidiSync), a Standard MIDI File (TWayMidiSMF), the two plain objects
// they share, a track of events (TWayMidiTrack) and a score of tracks
// (TWayMidiScore), and the exception the family raises.
//
// Playing a file through the built-in synthesizer:
//   TWayMidiScore score;  TWayMidiSMF smf;  smf.WayMidi = &midi;
//   smf.Open("song.mid", 'r', &score);            // one track per file track
//   for (auto& slot : score.Slots) smf.ReadTrack(slot.Track);
//   TWayMidiSync sync;  sync.WayMidi = &midi;  sync.Open(0, smf.Resolution());
//   out.Sync = &sync;  out.Open(0, 78624);  out.MidiScore = &score;
//   score.Feed(&out);  sync.Start();              // 0x5453 feeds the rest
// Recording: a TWayMidiIn whose Track (score.NewTrack(), Recording set) takes
// what OnMidiData accepts; then smf.Open("take.mid", 'w', &score) and
// WriteTrack for each track, and Close, which writes the file.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "midiway.h"

class EWayMidiException : public std::runtime_error {
 public:
  explicit EWayMidiException(const std::string& message) : std::runtime_error(message) {}
};

class TWayMidiSync;
class TWayMidiScore;
class TWayMidiSMF;

// A device's description as GetMidiOutDescription or GetMidiInDescription
// fills its 32 bytes, cut at the 32nd when the library leaves it unended.
// exists: whether the id names a device (the library's answer).
std::string ReadMidiDescription(uint32_t (*describe)(uint32_t deviceId, char* description), uint32_t deviceId,
                                bool* exists = nullptr);

// Loads the driver library "Midiway" and holds its 35 entry points.
class TWayMidi {
 public:
  TWayMidi();   // raises EWayMidiException
  ~TWayMidi() noexcept(false);  // raises "FreeLibrary failed"
  TWayMidi(const TWayMidi&) = delete;
  TWayMidi& operator=(const TWayMidi&) = delete;

  uint16_t Version = 0;

  decltype(&::GetMidiwayVersion) GetMidiwayVersion = nullptr;
  decltype(&::GetNumOutDevices) GetNumOutDevices = nullptr;
  decltype(&::GetMidiOutDescription) GetMidiOutDescription = nullptr;
  decltype(&::OpenMidiOut) OpenMidiOut = nullptr;
  decltype(&::ResetMidiOut) ResetMidiOut = nullptr;
  decltype(&::FlushMidiOut) FlushMidiOut = nullptr;
  decltype(&::CloseMidiOut) CloseMidiOut = nullptr;
  decltype(&::PutMidiOut) PutMidiOut = nullptr;
  decltype(&::GetNumInDevices) GetNumInDevices = nullptr;
  decltype(&::GetMidiInDescription) GetMidiInDescription = nullptr;
  decltype(&::OpenMidiIn) OpenMidiIn = nullptr;
  decltype(&::StartMidiIn) StartMidiIn = nullptr;
  decltype(&::StopMidiIn) StopMidiIn = nullptr;
  decltype(&::CloseMidiIn) CloseMidiIn = nullptr;
  decltype(&::GetMidiIn) GetMidiIn = nullptr;
  decltype(&::OpenSync) OpenSync = nullptr;
  decltype(&::CloseSync) CloseSync = nullptr;
  decltype(&::StopSync) StopSync = nullptr;
  decltype(&::StartSync) StartSync = nullptr;
  decltype(&::PauseSync) PauseSync = nullptr;
  decltype(&::ReStartSync) ReStartSync = nullptr;
  decltype(&::SetTempo) SetTempo = nullptr;
  decltype(&::SetResolution) SetResolution = nullptr;
  decltype(&::GetTempo) GetTempo = nullptr;
  decltype(&::GetResolution) GetResolution = nullptr;
  decltype(&::GetPosition) GetPosition = nullptr;
  decltype(&::OpenSMF) OpenSMF = nullptr;
  decltype(&::CloseSMF) CloseSMF = nullptr;
  decltype(&::RewindSMF) RewindSMF = nullptr;
  decltype(&::ReadSMF) ReadSMF = nullptr;
  decltype(&::WriteSMF) WriteSMF = nullptr;
  decltype(&::GetSMFResolution) GetSMFResolution = nullptr;
  decltype(&::SetSMFResolution) SetSMFResolution = nullptr;
  decltype(&::ReadMetaEvent) ReadMetaEvent = nullptr;
  decltype(&::WriteMetaEvent) WriteMetaEvent = nullptr;
  // Beyond the family's entry points: the text of the last refusal. A
  // library without it leaves this null.
  decltype(&::GetMidiwayLastError) GetMidiwayLastError = nullptr;
  // Where a file's track was cut short; null in a library without it.
  decltype(&::GetSMFTrackStatus) GetSMFTrackStatus = nullptr;

 private:
  void* library_ = nullptr;
};

// One MIDI output port.
class TWayMidiOut {
 public:
  TWayMidiOut();
  ~TWayMidiOut();
  TWayMidiOut(const TWayMidiOut&) = delete;
  TWayMidiOut& operator=(const TWayMidiOut&) = delete;

  bool Open(uint16_t deviceId, uint32_t openParam);  // returns IsOpen
  void Close();
  void Reset();
  bool Put(LPMIDIEVENT event);

  TWayMidi* WayMidi = nullptr;
  TWayMidiSync* Sync = nullptr;
  uint32_t Handle = 0;
  uint32_t OpenParam = 0;
  uint16_t DeviceId = 0;
  bool IsOpen = false;
  std::string Description;
  std::string LastError;  // why the last Open was refused; empty when it opened
  TWayMidiScore* MidiScore = nullptr;
  std::function<void(TWayMidiOut* sender)> OutBufferReady;

  uint32_t MessageWindow() const { return window_; }

 private:
  bool WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
  uint32_t window_ = 0;
};

// A block of events with delta times. Not a component: scores and input
// ports hold tracks, files fill and write them.
class TWayMidiTrack {
 public:
  TWayMidiTrack() = default;
  TWayMidiTrack(const TWayMidiTrack&) = delete;
  TWayMidiTrack& operator=(const TWayMidiTrack&) = delete;

  // Appends a copy of the event, only while Recording.
  void Add(const MIDIEVENT* event);
  // Records start .. start+count-1 in a new block with absolute times; count
  // becomes how many; none (count 0) past the end or while Mute or Recording.
  std::unique_ptr<MIDIEVENT[]> TakeEvents(uint32_t start, uint32_t& count);
  // Name, or the file's track name (meta event 3) when the track has none
  // and belongs to a file open for reading.
  std::string GetName();
  // Makes room for `records` more records, zero-filled.
  void Grow(uint32_t records);

  TWayMidiSMF* Owner = nullptr;
  std::unique_ptr<MIDIEVENT[]> Events;
  uint32_t Capacity = 0;
  uint32_t Count = 0;
  bool Recording = false;
  bool Mute = false;
  std::string Name;

 private:
  friend class TWayMidiSMF;
  // Running total of the times of records 0 .. totalUpTo_-1, for TakeEvents.
  uint32_t totalUpTo_ = 0;
  uint32_t total_ = 0;
};

struct TWayMidiSlot {
  TWayMidiTrack* Track = nullptr;
  uint32_t Start = 0;      // next event of the track not yet merged
  bool Exclusive = false;  // the track is inside a system-exclusive message
  std::unique_ptr<MIDIEVENT[]> Taken;  // during one merge: events with absolute times
  uint32_t TakenCount = 0;
  uint32_t TakenPos = 0;
};

// Tracks merged in time order and fed to an output port; also a file's track
// list, slot i being track i of the file.
class TWayMidiScore {
 public:
  static constexpr uint32_t kBatchSize = 512;

  TWayMidiScore() = default;
  ~TWayMidiScore();
  TWayMidiScore(const TWayMidiScore&) = delete;
  TWayMidiScore& operator=(const TWayMidiScore&) = delete;

  // Up to 512 events of all tracks in time order, with delta times, in Batch.
  MIDIEVENT* Merge();
  // Puts the batch on the port until it refuses one (the port's next 0x5453
  // resumes) or the tracks are used up. Call it once to start a feed.
  void Feed(TWayMidiOut* port);

  // A new empty track in a new last slot; the score owns it.
  TWayMidiTrack* NewTrack();
  // A track someone else owns, in a new last slot.
  void AddTrack(TWayMidiTrack* track);
  // Takes the track's slot away (and the track, when the score owns it);
  // raises "track not found".
  void RemoveTrack(TWayMidiTrack* track);
  // Slot index of the track, or -1.
  int IndexOf(const TWayMidiTrack* track) const;
  // Every track merges again from its start.
  void Rewind();
  // No slots, no tracks of its own.
  void Clear();
  // True when every track has given all it has (what Feed has put has been
  // taken by the port).
  bool Done() const;

  std::vector<TWayMidiSlot> Slots;
  std::unique_ptr<MIDIEVENT[]> Batch;
  uint32_t BatchCount = 0;
  uint32_t BatchPos = 0;
  uint32_t LastTime = 0;

 private:
  std::vector<std::unique_ptr<TWayMidiTrack>> owned_;
};

// A sync: the library's clock that output ports time their events by.
class TWayMidiSync {
 public:
  TWayMidiSync();
  ~TWayMidiSync();
  TWayMidiSync(const TWayMidiSync&) = delete;
  TWayMidiSync& operator=(const TWayMidiSync&) = delete;

  // tempo in microseconds per quarter, resolution in ticks per quarter (0:
  // 500000 and 480). Raises "No WayMidi", "already open", "sync not found"
  // (the library refused).
  void Open(uint32_t tempo = 0, uint32_t resolution = 0);
  // From position 0; raises "sync not open".
  void Start();
  void Stop();
  // Holds the clock, or runs it on; raises "sync not open".
  void Pause(bool pause);
  void Close();

  std::function<void(TWayMidiSync* sender)> OnMidiBeat;
  std::function<void(TWayMidiSync* sender)> OnSyncDone;
  uint32_t MessageWindow() const { return window_; }
  TWayMidi* WayMidi = nullptr;
  uint32_t Handle = 0;
  bool IsOpen = false;
  bool Running = false;

 private:
  bool WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
  uint32_t window_ = 0;
};

// One MIDI input port.
class TWayMidiIn {
 public:
  TWayMidiIn();
  ~TWayMidiIn();
  TWayMidiIn(const TWayMidiIn&) = delete;
  TWayMidiIn& operator=(const TWayMidiIn&) = delete;

  // Input device deviceId, timed by Sync when set. Returns IsOpen: a device
  // the library refuses is not reported (Description keeps its name).
  // Raises "No WayMidi", "already open".
  bool Open(uint16_t deviceId);
  // Starts taking input (CarryTime 0); raises "midiIn not open", "cant start midiIn".
  void Start();
  void Stop();
  void Close();

  TWayMidi* WayMidi = nullptr;
  TWayMidiSync* Sync = nullptr;
  uint32_t Handle = 0;
  bool IsOpen = false;
  std::string Description;
  bool Started = false;
  uint32_t CarryTime = 0;
  TWayMidiTrack* Track = nullptr;
  uint32_t MessageWindow() const { return window_; }
  // The handler may clear *pbAccept to drop the event; a dropped event's
  // delta is carried to the next one.
  std::function<void(LPMIDIEVENT Event, bool* pbAccept)> OnMidiData;

 private:
  bool WindowProc(uint32_t message, uintptr_t wParam, intptr_t lParam);
  uint32_t window_ = 0;
};

// A Standard MIDI File, open for reading ('r') or writing ('w').
class TWayMidiSMF {
 public:
  TWayMidiSMF() = default;
  virtual ~TWayMidiSMF();
  TWayMidiSMF(const TWayMidiSMF&) = delete;
  TWayMidiSMF& operator=(const TWayMidiSMF&) = delete;

  // 'r': the score is emptied and gets one new track per file track (Owner:
  // this file); raises "SMF cant read" when the library refuses the file.
  // 'w': a file of one track per slot of the score, at resolution ticks per
  // quarter (0: 480); raises "track not found" for a score without slots and
  // "SMF write failed" when the file cannot be created. Both raise "No
  // WayMidi", "already open", and "score not found" without a score; any
  // other mode raises "SMF not open".
  void Open(const std::string& fileName, char mode, TWayMidiScore* score, uint32_t resolution = 0);
  // A file being written is written now: raises "SMF write failed" (after
  // closing) when it could not be.
  void Close();
  virtual bool ReadTrack(TWayMidiTrack* track);
  virtual bool WriteTrack(TWayMidiTrack* track);
  // The data of the track's first meta event of that type, or none.
  std::optional<std::vector<uint8_t>> ReadMetaEvent(TWayMidiTrack* track, uint32_t type);
  // length 0: the text up to its terminator. True when written.
  bool WriteMetaEvent(TWayMidiTrack* track, uint32_t type, const char* text, uint32_t length);
  // Ticks per quarter (per second for SMPTE-timed files).
  uint32_t Resolution() const;
  // True when the track of a file being read was cut short by damage or by
  // the file's end: offset is then the file's byte where reading stopped and
  // tick the track's time there. False for a whole track (or a library that
  // cannot tell).
  bool CutShort(TWayMidiTrack* track, uint32_t& offset, uint32_t& tick);

  TWayMidi* WayMidi = nullptr;
  uint32_t Handle = 0;
  bool IsOpen = false;
  char Mode = 0;
  TWayMidiScore* MidiScore = nullptr;
};
