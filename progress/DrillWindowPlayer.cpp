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

}  // namespace

int PlayThroughDrillWindow(TForm1* form, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                           uint32_t pauseBetween, PlaybackPort& port) {
  SetClassPlay how;
  how.range = VoicingRangeFromIndex(form->Session().filters.Range());
  how.limits = NoteLimits{form->lowestNote, form->highestNote, form->gapUnit};
  how.manner = PlayMannerFromItemIndex(form->RadioGroup ? form->RadioGroup->ItemIndex() : 0);
  return PlaySetClasses(entries, how, pauseBefore, pauseBetween, PlayerRandom(), port);
}

void PlayThroughDrillWindow(TForm1* form, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                            uint32_t pauseBetween) {
  OutPortPlayback port(form->WayMidiOut.get());
  PlayThroughDrillWindow(form, entries, pauseBefore, pauseBetween, port);
}
