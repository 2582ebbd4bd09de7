// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Numbers as the user types them and the files hold them. One reader per kind of number, so
// a box, a file line and a console argument of the same kind accept the same text.

#include <optional>
#include <string>
#include <string_view>

namespace brisvale {

// A whole number in [lo, hi]: optional blanks (spaces, tabs), an optional sign, decimal
// figures, optional blanks; nullopt for anything else ("12a", "", "1 2", "+-1").
std::optional<long long> parseWhole(std::string_view text, long long lo, long long hi);
// True for the text parseWhole reads whatever its range: tells "not a number" from "too big".
bool isWhole(std::string_view text);
// A 16-bit whole number, -32768..32767, as parseWhole reads it: a start threshold typed in a
// Low or High box, a value of the settings and wagering files.
std::optional<int> parseInt16(std::string_view text);
// Decimal figures only, at most `hi`: no sign, blank or point. A wager sequence element's
// number of chips, the number in a control's name ("Text12").
std::optional<long long> parseFigures(std::string_view text, long long hi);
// A decimal number with blanks around it, an optional sign, a fraction and an exponent
// ("1000", " -12.5 ", "1e3"); nullopt for anything else ("12a", "", "inf"). The balance box.
std::optional<double> parseNumber(std::string_view text);

// Plain decimal text: whole values without a fraction ("1000"), others as short as exact.
std::string formatNumber(double value);
// The same, written over `out`, whose room is reused.
void formatNumberInto(std::string& out, double value);

}  // namespace brisvale
