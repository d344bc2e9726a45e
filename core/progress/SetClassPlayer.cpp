#include "SetClassPlayer.h"

bool VoicePrimeForm(const SetClassEntry& entry, VoicingRange range, const NoteLimits& limits, RandomSource& rng,
                    QuestionState& voicing) {
  if (!CanVoice(entry) || !LimitsUsable(limits)) return false;
  QuestionState q;
  // The voicing draws its form with the rest; form B is drawn again. A set
  // class equal to its inversion sounds the same in either.
  do {
    VoiceQuestion(entry, range, limits, rng, q);
  } while (q.isFormB != 0 && entry.hasDistinctInversion);
  voicing = q;
  return true;
}

int PlaySetClasses(const std::vector<const SetClassEntry*>& entries, const SetClassPlay& how, uint32_t pauseBefore,
                   uint32_t pauseBetween, RandomSource& rng, PlaybackPort& port) {
  int played = 0;
  for (const SetClassEntry* entry : entries) {
    QuestionState voicing;
    if (entry == nullptr || !VoicePrimeForm(*entry, how.range, how.limits, rng, voicing)) continue;
    const uint32_t pause = played == 0 ? pauseBefore : pauseBetween;
    if (pause > 0) port.Sleep(pause);
    PlayQuestionNotes(voicing, how.manner, port);
    ++played;
  }
  return played;
}
