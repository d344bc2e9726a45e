// Where a student can sing: the played notes are moved by octaves into the
// voice's range, so that singing them back needs no octave leap of its own.
#pragma once

#include <vector>

enum class Voice { Soprano, Alto, Tenor, Bass, Mine };

struct VoiceRange {
  int low = 48, high = 72;  // MIDI notes, both singable
};

// The comfortable range of each voice; Mine gives the tenor's until it is sung.
VoiceRange RangeOf(Voice voice);
// From the student's lowest and highest sung notes, in either order; a span
// under an octave is widened to one around its middle.
VoiceRange RangeFromNotes(int a, int b);
// The same pitch classes in the same order, each moved by octaves: the whole
// figure first, so that it sits in the middle of the range, then any note
// still outside into it. Intervals within the range are kept where they can be.
std::vector<int> PlaceInRange(const std::vector<int>& midi, VoiceRange range);
