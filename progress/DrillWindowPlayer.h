// Set classes played through the drill window's output port, in its range and
// "Play:" manner, for the windows that let the student hear them again.
#pragma once

#include <cstdint>
#include <vector>

#include "SetClassPlayer.h"

class DrillView;
struct SetClassEntry;

// Plays the entries in their prime forms: a pause, then each entry with a
// pause between. Uses a random source of its own so the drill's questions
// stay as they would have been.
void PlayThroughDrillWindow(DrillView* view, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                            uint32_t pauseBetween);
// Practice's reveal in the drill window's range and manner, with the same
// random source, for a player that stamps the notes instead of waiting.
RevealPlan PlanRevealThroughDrillWindow(const DrillView* view, const QuestionState* question, const SetClassEntry* named,
                                        uint32_t leadInMs);
