#include "PlayedChord.h"

#include <algorithm>

namespace {

constexpr uint8_t kNoteOff = 0x80;
constexpr uint8_t kNoteOn = 0x90;
constexpr uint8_t kControlChange = 0xB0;
constexpr uint8_t kAllNotesOff = 123;

PitchClassSet PrimeOf(const SetClassEntry& entry) {
  PitchClassSet prime;
  prime.count = entry.cardinality;
  for (int32_t i = 0; i < entry.cardinality; ++i) prime.elements[i] = entry.pitchClasses[i];
  return prime;
}

}  // namespace

std::optional<PlayedGroup> NoteGatherer::Feed(uint8_t status, uint8_t data1, uint8_t data2, uint32_t now) {
  const uint8_t kind = status & 0xF0;
  const size_t key = data1 & 0x7F;
  if (kind == kNoteOn && data2 != 0) {
    if (!open_) {
      open_ = true;
      inGroup_.reset();
    }
    held_.set(key);
    inGroup_.set(key);
    lastNoteOn_ = now;
    return std::nullopt;
  }
  if (kind == kNoteOff || kind == kNoteOn) {
    held_.reset(key);
  } else if (kind == kControlChange && data1 == kAllNotesOff) {
    // Some keyboards send this instead of the note-offs of a panic or a
    // change of sound: every key counts as up.
    held_.reset();
  } else {
    return std::nullopt;
  }
  if (open_ && (held_ & inGroup_).none()) return End(now);
  return std::nullopt;
}

std::optional<PlayedGroup> NoteGatherer::Poll(uint32_t now) {
  // A wrapping difference, as the tick count wraps.
  if (open_ && now - lastNoteOn_ >= pauseMs_) return End(now);
  return std::nullopt;
}

void NoteGatherer::Discard() {
  open_ = false;
  inGroup_.reset();
}

std::optional<PlayedGroup> NoteGatherer::End(uint32_t now) {
  PlayedGroup group;
  group.endTick = now;
  for (size_t k = 0; k < inGroup_.size(); ++k)
    if (inGroup_.test(k)) group.notes.push_back(static_cast<int>(k));
  Discard();
  return group;
}

PitchClassSet PitchClassesOfNotes(const std::vector<int>& notes) {
  bool present[12] = {};
  for (int note : notes) present[((note % 12) + 12) % 12] = true;
  PitchClassSet set;
  for (int pc = 0; pc < 12; ++pc)
    if (present[pc]) set.elements[set.count++] = pc;
  return set;
}

PlayedAnswer IdentifyPlayedSetClass(const PitchClassSet& played, const CardinalityList& list, int cardinality) {
  PlayedAnswer answer;
  answer.pitchClassCount = played.count;
  if (played.count != cardinality || played.count <= 0) return answer;
  // Normal forms at zero do not change under transposition, so the played
  // set matches a class exactly when it matches its prime form or inversion.
  const PitchClassSet heard = NormalFormAtZero(played);
  const int length = std::clamp(list.length, 0, kMaxListLength);
  for (int i = 0; i < length; ++i) {
    const SetClassEntry* entry = list.items[static_cast<size_t>(i)];
    if (!entry || entry->cardinality != cardinality) continue;
    const PitchClassSet prime = PrimeOf(*entry);
    PitchClassSet inversion;
    HasDistinctInversion(prime, inversion);
    if (SamePitchClassSet(heard, NormalFormAtZero(prime)) || SamePitchClassSet(heard, inversion)) {
      answer.listIndex = i;
      break;
    }
  }
  return answer;
}
