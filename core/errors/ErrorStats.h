// Right and wrong answers per set class, form, voicing pattern and confusion.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "Catalogue.h"
#include "Question.h"

constexpr int kStatClasses = 41;  // 12 trichords, then 29 tetrachords
constexpr int kRipRows = 17;      // row 16 collects voicings that match no row

struct SetClassStats {
  int32_t Correct[2] = {};
  int32_t Wrong[2] = {};
  int32_t CorrectByRip[2][kRipRows] = {};
  int32_t WrongByRip[2][kRipRows] = {};
  int32_t ConfusedWith[29] = {};
};

using ErrorStats = std::array<SetClassStats, kStatClasses>;

constexpr int kStatCounts = 101;  // counts per set class in errors.dat
constexpr int kConfusions = 29;   // ConfusedWith slots: list indices of the longest list
constexpr const char* kErrorsFileName = "errors.dat";

// The index of the statistics of a set class: its list index, after the 12
// trichords when tetrachords are drilled (cardinality index 1). -1 when it
// falls outside 0..40.
int StatIndex(int listIndex, int cardinalityIndex);

// 1 for an inverted question on a set class with two distinct forms, else 0:
// a symmetric set class inverted is still form A.
int StatForm(int isFormB, bool hasDistinctInversion);

// The first of rows 0..15 of a form's RIP table whose first n-1 values equal
// the distances of the sorted notes above the lowest; 16 when none does.
// Note counts outside 1..4 are taken as the nearest of them.
int MatchRipRow(const int32_t (&ripRows)[kRipRows][3], const int32_t (&sortedNotes)[4], int noteCount);

// Where an answer to a question is counted: its set class's statistics, its
// form and its voicing's RIP row. The entry is the question's set class
// (nullptr: none, counted nowhere but row 16).
struct AnswerKey {
  int statIndex = -1;
  int form = 0;
  int rip = kRipRows - 1;
};
AnswerKey KeyOfQuestion(const QuestionState& question, const SetClassEntry* entry, int cardinalityIndex);

// One answer. Indices outside their ranges are ignored; counts stop at the
// largest 32-bit value instead of wrapping.
void AddCorrectAnswer(ErrorStats& stats, int statIndex, int form, int rip);
void AddWrongAnswer(ErrorStats& stats, int statIndex, int form, int rip, int givenListIndex);

void ClearStats(ErrorStats& stats);
// Adds every count of `from` to the same count of `into`, saturating.
void AddStats(ErrorStats& into, const ErrorStats& from);

// The bytes of errors.dat: 41 lines of 101 counts, each count followed by a
// blank, CR LF after each line.
std::string FormatErrorStats(const ErrorStats& stats);
// Reads the counts back as white-space separated tokens in the same order.
// A damaged file never fails the read: a missing count, or a token that is
// not a count (not a decimal integer, negative, or beyond 2147483647), reads
// as 0, and the tokens after it keep their places.
ErrorStats ParseErrorStats(std::string_view text);

