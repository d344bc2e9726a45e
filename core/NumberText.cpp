#include "NumberText.h"

#include <cerrno>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

// printf and strtod use the locale's decimal point (a comma in German).
std::string_view LocalePoint() {
  const std::lconv* conv = std::localeconv();
  if (!conv || !conv->decimal_point || !*conv->decimal_point) return ".";
  return conv->decimal_point;
}

std::string Printed(const char* format, int digits, double value) {
  char buf[400];
  const int n = std::snprintf(buf, sizeof buf, format, digits, value);
  std::string text;
  if (n < 0) return text;
  if (static_cast<size_t>(n) < sizeof buf) {
    text.assign(buf, static_cast<size_t>(n));
  } else {
    text.resize(static_cast<size_t>(n) + 1);
    std::snprintf(text.data(), text.size(), format, digits, value);
    text.resize(static_cast<size_t>(n));
  }
  const std::string_view point = LocalePoint();
  if (point != ".") {
    const size_t at = text.find(point);
    if (at != std::string::npos) text.replace(at, point.size(), ".");
  }
  return text;
}

bool Digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string GeneralNumberText(double value, int precision) { return Printed("%.*g", precision, value); }

std::string FixedNumberText(double value, int decimals) { return Printed("%.*f", decimals, value); }

std::optional<double> DecimalNumber(std::string_view token) {
  size_t p = 0;
  if (p < token.size() && token[p] == '-') ++p;
  size_t digits = 0;
  while (p < token.size() && Digit(token[p])) ++p, ++digits;
  if (p < token.size() && token[p] == '.') {
    ++p;
    while (p < token.size() && Digit(token[p])) ++p, ++digits;
  }
  if (digits == 0) return std::nullopt;
  if (p < token.size() && (token[p] == 'e' || token[p] == 'E')) {
    ++p;
    if (p < token.size() && (token[p] == '+' || token[p] == '-')) ++p;
    size_t exponent = 0;
    while (p < token.size() && Digit(token[p])) ++p, ++exponent;
    if (exponent == 0) return std::nullopt;
  }
  if (p != token.size()) return std::nullopt;

  std::string copy(token);
  const std::string_view point = LocalePoint();
  if (point != ".") {
    const size_t at = copy.find('.');
    if (at != std::string::npos) copy.replace(at, 1, point);
  }
  errno = 0;
  char* end = nullptr;
  const double value = std::strtod(copy.c_str(), &end);
  if (end != copy.c_str() + copy.size() || !std::isfinite(value)) return std::nullopt;
  // Beyond double's range: overflow is caught above; underflow reads as
  // zero or a subnormal, which a number this small may as well be.
  return value;
}
