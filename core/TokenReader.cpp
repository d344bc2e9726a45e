#include "TokenReader.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "NumberText.h"

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
  // Read the same whatever the locale's decimal point.
  std::string_view number = text_.substr(pos_, p - pos_);
  if (number.front() == '+') number.remove_prefix(1);
  const std::optional<double> v = DecimalNumber(number);
  if (!v) {
    failed_ = true;
    return false;
  }
  pos_ = p;
  value = *v;
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
