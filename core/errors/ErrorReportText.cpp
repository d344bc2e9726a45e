#include "ErrorReportText.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr int kTrichords = 12;

// Counts are summed in 64 bits: four counts read from a file may each be as
// large as 32 bits allow.
int64_t Sum(int32_t a, int32_t b) { return static_cast<int64_t>(a) + b; }

std::string Joined(const int32_t* values, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    if (i > 0) text += ", ";
    text += std::to_string(values[i]);
  }
  return text;
}

void AddFormLines(std::vector<std::string>& lines, const SetClassEntry& entry, const SetClassStats& s, int form,
                  bool rips) {
  if (Sum(s.Correct[form], s.Wrong[form]) <= 0) return;
  lines.push_back(std::string(7, ' ') + SetClassName(entry) + (form == 0 ? "a " : "b ") +
                  FormatPercentage(s.Correct[form], s.Wrong[form]) + "%");
  if (!rips) return;
  for (int k = 0; k < kRipRows; ++k) {
    if (Sum(s.CorrectByRip[form][k], s.WrongByRip[form][k]) <= 0) continue;
    lines.push_back(std::string(16, ' ') + FormatRip(entry, form, k) + " " +
                    FormatPercentage(s.CorrectByRip[form][k], s.WrongByRip[form][k]) + "%");
  }
}

// The trichords and the tetrachords of the catalogue, listed once per report.
class StatClasses {
 public:
  explicit StatClasses(const Catalogue& catalogue)
      : trichords_(FillCardinalityList(catalogue, 3, lists_[0])),
        tetrachords_(FillCardinalityList(catalogue, 4, lists_[1])) {}

  const SetClassEntry* Nth(int cardinality, int p) const {
    if (cardinality != 3 && cardinality != 4) return nullptr;
    const int length = cardinality == 3 ? trichords_ : tetrachords_;
    return p >= 0 && p < length ? lists_[cardinality - 3].items[static_cast<size_t>(p)] : nullptr;
  }
  const SetClassEntry* OfStat(int s) const { return s < kTrichords ? Nth(3, s) : Nth(4, s - kTrichords); }

 private:
  CardinalityList lists_[2];
  int trichords_;
  int tetrachords_;
};

}  // namespace

std::string SetClassName(const SetClassEntry& entry) { return std::to_string(entry.cardinality) + "-" + entry.name; }

std::string FormatPrimeForm(const SetClassEntry& entry) {
  const int n = std::clamp<int>(entry.cardinality, 0, 12);
  std::string text = "[";
  text += Joined(entry.pitchClasses, n);
  text += ']';
  return text;
}

std::string FormatRip(const SetClassEntry& entry, int form, int row) {
  if (form < 0 || form > 1 || row < 0 || row >= kRipRows) return {};
  // A row holds the distances of the upper notes: at most three.
  const int upper = std::clamp<int>(entry.cardinality - 1, 0, 3);
  std::string text = "<0";
  if (upper > 0) text += ", " + Joined(entry.rip[form][row], upper);
  return text + ">";
}

std::string FormatShare(int64_t part, int64_t whole) {
  const double share = whole > 0 ? static_cast<double>(part) * 100.0 / static_cast<double>(whole) : 0.0;
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%3.0f", share);
  return buffer;
}

std::string FormatPercentage(int64_t r, int64_t w) { return FormatShare(r, r + w); }

std::vector<std::string> ErrorReportLines(const ErrorStats& stats, const Catalogue& catalogue,
                                          const ReportOptions& options) {
  const StatClasses classes(catalogue);
  std::vector<std::string> lines;
  for (int s = 0; s < kStatClasses; ++s) {
    const SetClassStats& k = stats[static_cast<size_t>(s)];
    const int64_t right = Sum(k.Correct[0], k.Correct[1]);
    const int64_t wrong = Sum(k.Wrong[0], k.Wrong[1]);
    if (right + wrong <= 0) continue;
    const SetClassEntry* entry = classes.OfStat(s);
    if (!entry) continue;

    lines.push_back(SetClassName(*entry) + " " + FormatPrimeForm(*entry) + " " + FormatPercentage(right, wrong) + "%");
    if (options.forms && entry->hasDistinctInversion) {
      AddFormLines(lines, *entry, k, 0, options.rips);
      AddFormLines(lines, *entry, k, 1, options.rips);
    }
    if (options.confusions && wrong > 0) {
      lines.push_back("       Confused with:");
      for (int p = 0; p < kConfusions; ++p) {
        if (k.ConfusedWith[p] <= 0) continue;
        // A damaged file may name a class beyond those of this cardinality.
        const SetClassEntry* given = classes.Nth(entry->cardinality, p);
        if (!given) continue;
        lines.push_back(std::string(15, ' ') + SetClassName(*given) + " " + FormatPrimeForm(*given) + " " +
                        FormatShare(k.ConfusedWith[p], right + wrong) + "%");
      }
    }
    lines.emplace_back();
  }
  return lines;
}

std::string ErrorReportText(const ErrorStats& stats, const Catalogue& catalogue, const ReportOptions& options) {
  std::string text;
  for (const std::string& line : ErrorReportLines(stats, catalogue, options)) text += line + "\n";
  return text;
}
