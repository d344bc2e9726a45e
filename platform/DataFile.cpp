#include "DataFile.h"

#include "FileLock.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

std::optional<std::string> ReadTextFile(const std::string& name) {
  std::FILE* f = std::fopen(name.c_str(), "rb");
  if (!f) return std::nullopt;
  std::string text;
  char buf[65536];
  size_t n;
  while ((n = std::fread(buf, 1, sizeof buf, f)) > 0) text.append(buf, n);
  // A read error (a directory by that name, an I/O fault) is no empty file.
  const bool failed = std::ferror(f) != 0;
  std::fclose(f);
  if (failed) return std::nullopt;
  // Text mode ends the file at Ctrl-Z.
  auto eof = text.find('\x1a');
  if (eof != std::string::npos) text.resize(eof);
  return text;
}

bool AppendToFile(const std::string& name, std::string_view bytes) { return AppendLocked(name, bytes); }

namespace {
bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }
}  // namespace

void TokenReader::SkipSpace() {
  while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
}

bool TokenReader::ReadToken(std::string& token) {
  if (failed_) return false;
  SkipSpace();
  size_t start = pos_;
  while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
  if (pos_ == start) {
    failed_ = true;
    return false;
  }
  token.assign(text_.substr(start, pos_ - start));
  return true;
}

bool TokenReader::ReadInt(int32_t& value) {
  if (failed_) return false;
  SkipSpace();
  size_t p = pos_;
  bool negative = false;
  if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) {
    negative = text_[p] == '-';
    ++p;
  }
  size_t digits = p;
  int64_t v = 0;
  while (p < text_.size() && text_[p] >= '0' && text_[p] <= '9') {
    v = v * 10 + (text_[p] - '0');
    if (v > 2147483648LL) {
      failed_ = true;
      return false;
    }
    ++p;
  }
  if (p == digits) {
    failed_ = true;
    return false;
  }
  if (negative) v = -v;
  if (v > INT32_MAX || v < INT32_MIN) {
    failed_ = true;
    return false;
  }
  // Like a stream, an integer ends at the first byte that cannot continue it.
  pos_ = p;
  value = static_cast<int32_t>(v);
  return true;
}

bool TokenReader::ReadDouble(double& value) {
  if (failed_) return false;
  SkipSpace();
  size_t p = pos_;
  auto digit = [&](size_t i) { return i < text_.size() && text_[i] >= '0' && text_[i] <= '9'; };
  if (p < text_.size() && (text_[p] == '+' || text_[p] == '-')) ++p;
  size_t mantissa = p;
  while (digit(p)) ++p;
  if (p < text_.size() && text_[p] == '.') {
    ++p;
    while (digit(p)) ++p;
  }
  if (p == mantissa || (p == mantissa + 1 && text_[mantissa] == '.')) {
    failed_ = true;
    return false;
  }
  if (p < text_.size() && (text_[p] == 'e' || text_[p] == 'E')) {
    size_t e = p + 1;
    if (e < text_.size() && (text_[e] == '+' || text_[e] == '-')) ++e;
    if (digit(e)) {
      p = e;
      while (digit(p)) ++p;
    }
  }
  std::string number(text_.substr(pos_, p - pos_));
  double v = std::strtod(number.c_str(), nullptr);
  if (!std::isfinite(v)) {
    failed_ = true;
    return false;
  }
  pos_ = p;
  value = v;
  return true;
}

bool TokenReader::ReadLine(std::string& line, size_t maxChars) {
  if (failed_ || pos_ >= text_.size()) {
    failed_ = true;
    return false;
  }
  size_t end = text_.find('\n', pos_);
  size_t next = end == std::string_view::npos ? text_.size() : end + 1;
  if (end == std::string_view::npos) end = text_.size();
  size_t stop = end;
  if (stop > pos_ && text_[stop - 1] == '\r') --stop;
  line.assign(text_.substr(pos_, std::min(stop - pos_, maxChars)));
  pos_ = next;
  return true;
}

void TokenReader::SkipLine() {
  size_t end = text_.find('\n', pos_);
  pos_ = end == std::string_view::npos ? text_.size() : end + 1;
}
