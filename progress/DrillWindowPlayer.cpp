#include "DrillWindowPlayer.h"

#include "DrillSession.h"
#include "DrillView.h"
#include "OutPortPlayback.h"
#include "Platform.h"
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

// The "Play:" group sets the filter model's play mode as it is clicked.
SetClassPlay DrillWindowPlay(const DrillView* view) {
  const DrillSession& drill = view->Session();
  SetClassPlay how;
  how.range = VoicingRangeFromIndex(drill.filters.Range());
  how.limits = NoteLimits{drill.lowestNote, drill.highestNote, drill.gapUnit};
  how.manner = PlayMannerFromItemIndex(drill.filters.PlayMode());
  return how;
}

}  // namespace

void PlayThroughDrillWindow(DrillView* view, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                            uint32_t pauseBetween) {
  PlaybackPlan plan;
  PlanSetClasses(entries, DrillWindowPlay(view), pauseBefore, pauseBetween, PlayerRandom(), plan);
  OutPortPlayback(view->OutPort()).Play(plan);
}

RevealPlan PlanRevealThroughDrillWindow(const DrillView* view, const QuestionState* question, const SetClassEntry* named,
                                        uint32_t leadInMs) {
  return PlanReveal(question, named, DrillWindowPlay(view), leadInMs, PlayerRandom());
}
