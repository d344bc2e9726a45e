// Answers played on a MIDI keyboard: gathering the notes of one played group,
// and naming the set class of their pitch classes.
#pragma once

#include <bitset>
#include <cstdint>
#include <optional>
#include <vector>

#include "Atonalfunctions.h"
#include "Catalogue.h"

// The notes of one played group: every key pressed from the first note-on
// until the group ended, each MIDI note once, ascending.
struct PlayedGroup {
  std::vector<int> notes;
  uint32_t endTick = 0;  // when the group was found complete
};

// Gathers note-on and note-off messages into played groups. A group begins at
// a note-on and ends when every key pressed in it is up again, or, while keys
// are still held, once no new note-on came for PauseMs. A note-on of velocity
// 0 is a note-off; the sustain pedal and everything else but notes is ignored,
// so a held pedal never keeps a group open.
class NoteGatherer {
 public:
  static constexpr uint32_t kDefaultPauseMs = 1500;

  explicit NoteGatherer(uint32_t pauseMs = kDefaultPauseMs) : pauseMs_(pauseMs) {}

  // One MIDI message received at tick `now`. Returns the group it ended.
  std::optional<PlayedGroup> Feed(uint8_t status, uint8_t data1, uint8_t data2, uint32_t now);
  // Ends a group whose keys are still held once the pause has passed.
  std::optional<PlayedGroup> Poll(uint32_t now);

  // A group has begun and not ended yet.
  bool Open() const { return open_; }
  // Forgets the group in progress; keys still down stay known as held.
  void Discard();
  uint32_t PauseMs() const { return pauseMs_; }

 private:
  std::optional<PlayedGroup> End(uint32_t now);

  uint32_t pauseMs_;
  std::bitset<128> held_;     // keys down now, in this group or before it
  std::bitset<128> inGroup_;  // keys pressed since the group began
  bool open_ = false;
  uint32_t lastNoteOn_ = 0;
};

// The distinct pitch classes of MIDI notes, ascending.
PitchClassSet PitchClassesOfNotes(const std::vector<int>& notes);

// What a played group names in the current cardinality list.
struct PlayedAnswer {
  int pitchClassCount = 0;  // distinct pitch classes played
  int listIndex = -1;       // the set class of that list, -1 when none
};

// The set class of the list whose prime form or inversion, transposed, gives
// exactly these pitch classes. Only sets of `cardinality` pitch classes are
// looked up; any other count names nothing.
PlayedAnswer IdentifyPlayedSetClass(const PitchClassSet& played, const CardinalityList& list, int cardinality);
