#include "DrillWindowPlayer.h"

#include "DrillWindow.h"
#include "OutPortPlayback.h"
#include "Platform.h"
#include "RadioGroup.h"
#include "SetClassPlayer.h"

namespace {

RandomSource& PlayerRandom() {
  static RandomSource rng = [] {
    RandomSource r;
    r.Seed(PlatformTimeSeconds() ^ 0x5a5a5a5au);
    return r;
  }();
  return rng;
}

SetClassPlay DrillWindowPlay(TForm1* form) {
  SetClassPlay how;
  how.range = VoicingRangeFromIndex(form->Session().filters.Range());
  how.limits = NoteLimits{form->lowestNote, form->highestNote, form->gapUnit};
  how.manner = PlayMannerFromItemIndex(form->RadioGroup ? form->RadioGroup->ItemIndex() : 0);
  return how;
}

}  // namespace

void PlayThroughDrillWindow(TForm1* form, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                            uint32_t pauseBetween) {
  PlaybackPlan plan;
  PlanSetClasses(entries, DrillWindowPlay(form), pauseBefore, pauseBetween, PlayerRandom(), plan);
  OutPortPlayback(form->WayMidiOut.get()).Play(plan);
}

RevealPlan PlanRevealThroughDrillWindow(TForm1* form, const QuestionState* question, const SetClassEntry* named,
                                        uint32_t leadInMs) {
  return PlanReveal(question, named, DrillWindowPlay(form), leadInMs, PlayerRandom());
}
