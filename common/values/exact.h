// SPDX-License-Identifier: GPL-3.0-or-later
// Exact numbers for the practice screens: what the pupil typed, taken as the number written, and
// every result worked out from it without rounding until it is written.
#pragma once

#include <gmpxx.h>

#include <optional>
#include <string>
#include <string_view>

namespace values {

using Exact = mpq_class;

// Where a number stands against what the program works with: the doubles' range, from the
// smallest normal double to the largest, and 0.
enum class Range { Fits, TooLarge, TooSmall };

Range range_of(const Exact& x);

// A number within that range, or why there is none.
class Checked {
public:
    Checked(Exact value);
    Checked(Range fault) : range_(fault) {}
    explicit operator bool() const { return range_ == Range::Fits; }
    Range range() const { return range_; }
    const Exact& operator*() const { return value_; }
    const Exact* operator->() const { return &value_; }

private:
    Exact value_;
    Range range_ = Range::Fits;
};

// The number written at the start of the text, 0 when none, as val reads it but exactly.
Checked val_exact(std::string_view text);
// The whole text as one number, exactly; empty when it is no number.
std::optional<Checked> strict_exact(std::string_view text);

// Whether the number written in the text is the very number that its nearest double stands for
// (0.1, 2^53), not one whose digits a double cannot keep (2^53 + 1, 10^15 + 0.01). Any text that
// is no number passes.
bool held_by_double(std::string_view text);

// A number as CStr writes it, from its exact value: 15 significant digits, halves away from zero.
std::string cstr(const Exact& x);
// With exactly two decimals, halves away from zero: "3.61", "-3.00", "0.00".
std::string format00(const Exact& x);

Exact fix(const Exact& x);         // fraction dropped toward zero
Exact round_even(const Exact& x);  // halves to even
// a Mod b on whole-number-rounded operands, remainder signed like a; empty when b rounds to 0.
std::optional<Exact> mod(const Exact& a, const Exact& b);
// The least common multiple of two whole numbers other than 0, never negative.
Exact lcm(const Exact& a, const Exact& b);
bool is_whole(const Exact& x);

// The square root, exact when the number is the square of a rational, otherwise to 1100 bits.
// Empty for a negative number.
std::optional<Exact> square_root(const Exact& x);

}  // namespace values
