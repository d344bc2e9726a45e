// Any bytes as errors.dat: the reader never fails or reads out of bounds,
// every count it keeps is a count (0..2147483647), and what it read is
// written back in the file's own form and reads back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ErrorStats.h"
#include "FuzzSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view text = FileText(data, size);

  ErrorStats stats = ParseErrorStats(text);
  for (const SetClassStats& c : stats) {
    for (int f = 0; f < 2; ++f) {
      Require(c.Correct[f] >= 0 && c.Wrong[f] >= 0);
      for (int r = 0; r < kRipRows; ++r) Require(c.CorrectByRip[f][r] >= 0 && c.WrongByRip[f][r] >= 0);
    }
    for (int32_t v : c.ConfusedWith) Require(v >= 0);
  }

  const std::string written = FormatErrorStats(stats);
  Require(FormatErrorStats(ParseErrorStats(written)) == written);
  size_t lines = 0;
  for (size_t p = written.find("\r\n"); p != std::string::npos; p = written.find("\r\n", p + 2)) ++lines;
  Require(lines == kStatClasses);

  // Adding a drill to what was read never overflows.
  ErrorStats sum = stats;
  AddStats(sum, stats);
  AddCorrectAnswer(sum, 0, 0, 16);
  AddWrongAnswer(sum, 40, 1, 0, 28);
  return 0;
}
