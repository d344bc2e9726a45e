// Numbers in the data files, written and read the same in every locale and
// on every compiler, without the floating-point to_chars/from_chars that
// older standard libraries lack.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// As printf's "%.<precision>g" writes it, with a full stop for the decimal point.
std::string GeneralNumberText(double value, int precision = 6);
// As printf's "%.<decimals>f" writes it, with a full stop.
std::string FixedNumberText(double value, int decimals);
// A whole token in plain decimal notation ([-]digits[.digits][e[+-]digits],
// a leading dot allowed) as a finite double; nullopt for anything else, a
// value beyond double's range included.
std::optional<double> DecimalNumber(std::string_view token);
