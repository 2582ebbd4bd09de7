#pragma once
// Text as the user types it and the files hold it: blanks, whole numbers, decimal numbers.

#include <optional>
#include <string>
#include <string_view>

namespace brisvale {

// A decimal number with blanks around it, an optional sign, a fraction and an exponent
// ("1000", " -12.5 ", "1e3"); nullopt for anything else ("12a", "", "inf").
std::optional<double> parseNumber(std::string_view text);
// A whole number in [lo, hi]: optional blanks, an optional sign, decimal digits, optional
// blanks; nullopt for anything else.
std::optional<long long> parseWhole(std::string_view text, long long lo, long long hi);
// Plain decimal text: whole values without a fraction ("1000"), others as short as exact.
std::string formatNumber(double value);
// Without the blanks and tabs at both ends.
std::string_view trimBlanks(std::string_view text);

}  // namespace brisvale
