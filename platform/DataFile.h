// Reading and writing the program's plain-text data files.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "AtomicFile.h"

// Sonorix's own settings (an INI file beside the data files), shared by the
// parts that keep a choice from one run to the next.
inline constexpr const char* kSettingsFileName = "sonorix.ini";

// Reads a whole file by its bare name. Stops at the first Ctrl-Z byte (26).
// Returns nullopt when it cannot be opened.
std::optional<std::string> ReadTextFile(const std::string& name);

// WriteFileAtomic (AtomicFile.h) replaces a whole file; `bytes` already hold
// CR LF line breaks.

// Appends bytes in one write under the file's record lock (FileLock.h),
// creating the file when it does not exist. False on failure.
bool AppendToFile(const std::string& name, std::string_view bytes);

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
