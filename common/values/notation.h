// SPDX-License-Identifier: GPL-3.0-or-later
// How numbers look as text: the digits a pupil typed, taken apart, and a number's 15 significant
// digits put together the way the runtime wrote them. Shared by the double and the exact services.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace values::notation {

// A number read from the start of a text, as written: nothing is rounded yet.
struct Reading {
    std::size_t used = 0;  // characters forming the number, 0 when none does
    bool negative = false;
    std::string digits;      // significant digits, no leading or trailing zeros; empty for 0
    std::int64_t scale = 0;  // the number is digits × 10^scale
    bool too_large = false;  // a radix constant beyond 32 bits, which the runtime refused
    bool constant = false;   // an &H or &O constant, whose digits are already its decimal value

    // The power of ten of the leading digit; meaningless for 0.
    std::int64_t leading_power() const { return scale + static_cast<std::int64_t>(digits.size()) - 1; }
};

// The number at the start of the text, read leniently as the runtime's Val did: blanks anywhere are
// ignored, Arabic-Indic digits and separator count as ASCII ones.
Reading read_lenient(std::string_view text);
// The whole text (surrounding blanks aside) as one number; empty for anything else.
std::optional<Reading> read_whole(std::string_view text);

// Fifteen significant digits and the power of ten of the first.
struct Digits15 {
    bool negative = false;
    std::string digits;
    int exponent = 0;
};
// Written as CStr writes it: trailing zeros dropped, positional between 1E-05 and 1E+15, otherwise
// with an exponent ("1.5E+20", "-2E-07").
std::string cstr_form(Digits15 d);
// A whole count of hundredths written with two decimals: 361 as "3.61", 5 as "0.05".
std::string hundredths_form(bool negative, std::string hundredths);

// Adds one to a string of decimal digits, carrying into a new leading digit.
void increment(std::string& digits);
void decrement(std::string& digits);

}  // namespace values::notation
