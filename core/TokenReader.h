// Reading numbers and words out of a data file's text.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Formatted extraction of white-space separated tokens from text, the way a
// stream reads numbers: a failed read leaves the reader failed, as a stream
// would, and every later read fails too. Never reads out of bounds.
class TokenReader {
 public:
  explicit TokenReader(std::string_view text) : text_(text) {}

  // A decimal integer with optional sign; fails on anything else or on
  // values outside 32 bits.
  bool ReadInt(int32_t& value);
  // A floating value (decimal, optional exponent).
  bool ReadDouble(double& value);
  // The next token of non-white-space bytes.
  bool ReadToken(std::string& token);
  // The rest of the current line (without its CR LF or LF), keeping at most
  // maxChars characters; the rest of that line is dropped. Fails at the end.
  bool ReadLine(std::string& line, size_t maxChars);
  // Skips the rest of the current line, including its line break.
  void SkipLine();

  bool Failed() const { return failed_; }
  bool AtEnd() const { return pos_ >= text_.size(); }
  size_t Position() const { return pos_; }

 private:
  void SkipSpace();
  std::string_view text_;
  size_t pos_ = 0;
  bool failed_ = false;
};
