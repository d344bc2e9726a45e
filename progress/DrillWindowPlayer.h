// Set classes played through the drill window's output port, in its range and
// "Play:" manner, for the windows that let the student hear them again.
#pragma once

#include <cstdint>
#include <vector>

class PlaybackPort;
class TForm1;
struct SetClassEntry;

// Plays the entries in their prime forms: a pause, then each entry with a
// pause between. Uses a random source of its own so the drill's questions
// stay as they would have been.
void PlayThroughDrillWindow(TForm1* form, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                            uint32_t pauseBetween);
// The same into another port (one that stamps the notes instead of waiting).
int PlayThroughDrillWindow(TForm1* form, const std::vector<const SetClassEntry*>& entries, uint32_t pauseBefore,
                           uint32_t pauseBetween, PlaybackPort& port);
