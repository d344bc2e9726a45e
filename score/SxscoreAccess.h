// The score window for screen readers: its controls named, its score, its
// place in the tables and each row read out.
#pragma once

#include <QString>

#include "HighScores.h"

class TForm2;

void MakeScoreWindowAccessible(TForm2* form);

// The list's description says what is true of the table shown: empty, the
// drill just ended selected, or no entry selected. Run when it is refilled.
void DescribeHighScoreList(TForm2* form);

// What the window says as it opens: the score, the time per interval and the
// drill's place ("Row 2 of 5, trichords, close position.").
QString ScoreAnnouncement(const TForm2* form);

// A row of the list as a reader reads it, with its column names: "2. 8
// December 2026, 5 right, 45 wrong, 10.0 %, 33.6 s per interval, score 34".
QString SpokenHighScoreRow(int row, const HighScoreEntry& entry);
