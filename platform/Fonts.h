// Fonts the windows choose for themselves.
#pragma once

#include <QFont>
#include <QString>

// True when every character of `chars` has the same advance in `font`.
bool EvenAdvances(const QFont& font, const QString& chars);

// A font of `pixels` in which the characters of number columns (digits,
// space, "%" and ".") are all equally wide, so columns of them line up:
// `preferred` when it is so, else the system's fixed font, else DejaVu Sans
// Mono (a dependency). A font's own fixed-pitch flag is not trusted: some
// monospaced fonts do not report it, and a "monospace" alias may resolve to
// a proportional font.
QFont EvenColumnsFont(const QFont& preferred, int pixels);

// A larger system font would cut off the texts of windows laid out at fixed
// positions: beyond the design's 9 points, every window grows proportionally
// instead, its text at the size chosen. Run once, before the first window.
void ScaleForSystemFont();
// How much larger than the design's this font is (the design's is 9 points
// at 96 dots per inch); never below 1.
double FontScaleFor(const QFont& font);
