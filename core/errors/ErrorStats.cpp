#include "ErrorStats.h"

#include <algorithm>
#include <limits>

#include "TokenReader.h"

namespace {

constexpr int32_t kMaxCount = std::numeric_limits<int32_t>::max();

void Increment(int32_t& count) {
  if (count < kMaxCount) ++count;
}

int32_t SaturatingAdd(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  return static_cast<int32_t>(std::clamp<int64_t>(sum, std::numeric_limits<int32_t>::min(), kMaxCount));
}

bool ValidStat(int statIndex, int form, int rip) {
  return statIndex >= 0 && statIndex < kStatClasses && (form == 0 || form == 1) && rip >= 0 && rip < kRipRows;
}

// The count at a position of the file's order: per form Correct, Wrong, then
// the 17 pairs CorrectByRip, WrongByRip; after both forms the 29 confusions.
int32_t* CountAt(SetClassStats& stats, int position) {
  constexpr int kPerForm = 2 + 2 * kRipRows;
  if (position < 0 || position >= kStatCounts) return nullptr;
  if (position < 2 * kPerForm) {
    const int form = position / kPerForm;
    const int k = position % kPerForm;
    if (k == 0) return &stats.Correct[form];
    if (k == 1) return &stats.Wrong[form];
    const int row = (k - 2) / 2;
    return (k - 2) % 2 == 0 ? &stats.CorrectByRip[form][row] : &stats.WrongByRip[form][row];
  }
  return &stats.ConfusedWith[position - 2 * kPerForm];
}

// A count is a plain decimal number of 0..2147483647, optionally signed.
int32_t CountOf(const std::string& token) {
  size_t p = 0;
  bool negative = false;
  if (p < token.size() && (token[p] == '+' || token[p] == '-')) negative = token[p++] == '-';
  if (p == token.size()) return 0;
  int64_t value = 0;
  for (; p < token.size(); ++p) {
    if (token[p] < '0' || token[p] > '9') return 0;
    value = value * 10 + (token[p] - '0');
    if (value > kMaxCount) return 0;
  }
  return negative ? 0 : static_cast<int32_t>(value);
}

}  // namespace

int StatIndex(int listIndex, int cardinalityIndex) {
  const int index = listIndex + (cardinalityIndex == 1 ? 12 : 0);
  return index >= 0 && index < kStatClasses ? index : -1;
}

int StatForm(int isFormB, bool hasDistinctInversion) { return isFormB != 0 && hasDistinctInversion ? 1 : 0; }

int MatchRipRow(const int32_t (&ripRows)[kRipRows][3], const int32_t (&sortedNotes)[4], int noteCount) {
  const int n = std::clamp(noteCount, 1, 4);
  for (int row = 0; row < kRipRows - 1; ++row) {
    bool same = true;
    for (int i = 0; i < n - 1 && same; ++i) same = ripRows[row][i] == sortedNotes[i + 1] - sortedNotes[0];
    if (same) return row;
  }
  return kRipRows - 1;
}

void AddCorrectAnswer(ErrorStats& stats, int statIndex, int form, int rip) {
  if (!ValidStat(statIndex, form, rip)) return;
  SetClassStats& s = stats[static_cast<size_t>(statIndex)];
  Increment(s.Correct[form]);
  Increment(s.CorrectByRip[form][rip]);
}

void AddWrongAnswer(ErrorStats& stats, int statIndex, int form, int rip, int givenListIndex) {
  // The three counts move together, so the sums between them stay equal.
  if (!ValidStat(statIndex, form, rip) || givenListIndex < 0 || givenListIndex >= kConfusions) return;
  SetClassStats& s = stats[static_cast<size_t>(statIndex)];
  Increment(s.Wrong[form]);
  Increment(s.WrongByRip[form][rip]);
  Increment(s.ConfusedWith[givenListIndex]);
}

void ClearStats(ErrorStats& stats) { stats.fill(SetClassStats{}); }

void AddStats(ErrorStats& into, const ErrorStats& from) {
  for (size_t c = 0; c < into.size(); ++c) {
    SetClassStats source = from[c];
    for (int p = 0; p < kStatCounts; ++p) {
      int32_t* count = CountAt(into[c], p);
      *count = SaturatingAdd(*count, *CountAt(source, p));
    }
  }
}

std::string FormatErrorStats(const ErrorStats& stats) {
  std::string text;
  text.reserve(kStatClasses * kStatCounts * 3);
  for (SetClassStats s : stats) {
    for (int p = 0; p < kStatCounts; ++p) {
      text += std::to_string(*CountAt(s, p));
      text += ' ';
    }
    text += "\r\n";
  }
  return text;
}

ErrorStats ParseErrorStats(std::string_view text) {
  ErrorStats stats{};
  TokenReader reader(text);
  std::string token;
  for (SetClassStats& s : stats) {
    for (int p = 0; p < kStatCounts; ++p) {
      if (!reader.ReadToken(token)) return stats;
      *CountAt(s, p) = CountOf(token);
    }
  }
  return stats;
}

AnswerKey KeyOfQuestion(const QuestionState& question, const SetClassEntry* entry, int cardinalityIndex) {
  AnswerKey key;
  key.statIndex = StatIndex(question.listIndex, cardinalityIndex);
  key.form = StatForm(question.isFormB, entry && entry->hasDistinctInversion);
  key.rip = entry ? MatchRipRow(entry->rip[key.form], question.sortedNotes, question.noteCount) : kRipRows - 1;
  return key;
}
