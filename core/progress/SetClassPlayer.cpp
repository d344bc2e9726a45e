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

int PlanSetClasses(const std::vector<const SetClassEntry*>& entries, const SetClassPlay& how, uint32_t pauseBefore,
                   uint32_t pauseBetween, RandomSource& rng, PlaybackPlan& plan) {
  int played = 0;
  for (const SetClassEntry* entry : entries) {
    QuestionState voicing;
    if (entry == nullptr || !VoicePrimeForm(*entry, how.range, how.limits, rng, voicing)) continue;
    AppendPlan(plan, PlanQuestionNotes(voicing, how.manner), played == 0 ? pauseBefore : pauseBetween);
    ++played;
  }
  return played;
}

RevealPlan PlanReveal(const QuestionState* question, const SetClassEntry* named, const SetClassPlay& how,
                      uint32_t leadInMs, RandomSource& rng) {
  RevealPlan reveal;
  reveal.plan.endMs = leadInMs;
  if (question) {
    reveal.hasQuestion = true;
    reveal.questionAtMs = leadInMs;
    AppendPlan(reveal.plan, PlanQuestionNotes(*question, how.manner), 0);
  }
  if (named) {
    const uint32_t pause = question ? kBetweenClassesMs : 0;
    reveal.hasNamed = true;
    reveal.namedAtMs = reveal.plan.endMs + pause;
    PlanSetClasses({named}, how, pause, 0, rng, reveal.plan);
  }
  return reveal;
}
