// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's number and text services that every handler calls.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace values {

// Lenient reading: the number written at the start of the text, 0 when none; never fails.
double val(std::string_view text);
// As val, but empty when the number lies beyond the double range, which val reads as 0.
std::optional<double> val_checked(std::string_view text);

// Whole-text reading: the text (surrounding spaces aside) must be exactly one number.
std::optional<double> strict(std::string_view text);

// A number as the runtime writes it: "12", "-10", "0.5", "2.33333333333333", "1E+15".
std::string cstr(double x);

// A number with exactly two decimals, halves rounded away from zero: "3.61", "-3.00".
std::string format00(double x);

double int_(double x);        // largest whole number <= x
double fix(double x);         // fraction dropped toward zero
double round_even(double x);  // CInt / CLng rounding: halves to even

// a Mod b on whole-number-rounded operands, remainder signed like a. Empty when the divisor
// rounds to 0, when either operand is not finite, or beyond 2^53 in magnitude.
std::optional<double> mod(double a, double b);

// Greatest common divisor and least common multiple of whole numbers, by Euclid's algorithm; both never
// negative, gcd(0, 0) = 0 and lcm(x, 0) = 0. Empty when an operand is not finite, not whole, or beyond 2^53
// in magnitude, and (lcm) when the result would lie beyond 2^53, where a double no longer holds it exactly.
std::optional<double> gcd(double a, double b);
std::optional<double> lcm(double a, double b);

// Square root; empty for a negative or non-finite argument.
std::optional<double> sqr(double x);

// A result of arithmetic that is still a finite number (not inf, not nan).
std::optional<double> finite(double x);

}  // namespace values
