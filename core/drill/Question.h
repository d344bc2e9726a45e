// The state of the current question.
#pragma once

#include <cstdint>

struct QuestionState {
  int32_t listIndex = 0;      // list index of the set class in the current cardinality list
  int32_t noteCount = 3;
  int32_t sortedNotes[4] = {};
  int32_t playedNotes[4] = {};
  int32_t noteGaps[4] = {};   // ms to wait after played note i: 250 or 500
  int32_t joinedIndex = 0;    // mixed figure: no wait after this played note
  int32_t isFormB = 0;
  int32_t lastWrongRow = -1;  // answer-list row of the last wrong answer to this question
};
