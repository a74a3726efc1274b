// SPDX-License-Identifier: GPL-3.0-or-later
// What a number on screen may look like: the forms in which the programs write numbers, each
// finite and never "-0".
#pragma once

#include <cstddef>
#include <string_view>

namespace testing_support {

namespace detail {

inline bool digit(char c) { return c >= '0' && c <= '9'; }

inline std::size_t digits_from(std::string_view t, std::size_t i)
{
    while (i < t.size() && digit(t[i]))
        ++i;
    return i;
}

}  // namespace detail

// A number as the programs write it by default: "0", "-12", "0.25", "1.5E-07", "1.23456789012346E+17";
// at most 15 significant digits, no trailing zeros after the point, no exponent where the digits
// would do, and a value no larger than the largest double.
inline bool is_written(std::string_view t)
{
    using detail::digit;
    if (t == "0")
        return true;
    std::size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
    const std::size_t whole_start = i;
    i = detail::digits_from(t, i);
    const std::size_t whole_digits = i - whole_start;
    if (whole_digits == 0 || (whole_digits > 1 && t[whole_start] == '0'))
        return false;
    std::size_t fraction_digits = 0, leading_zeros = 0;
    if (i < t.size() && t[i] == '.') {
        const std::size_t start = ++i;
        i = detail::digits_from(t, i);
        fraction_digits = i - start;
        if (fraction_digits == 0 || t[i - 1] == '0')
            return false;
        if (t[whole_start] == '0')
            while (t[start + leading_zeros] == '0')
                ++leading_zeros;
    }
    const bool below_one = t[whole_start] == '0';
    if (below_one && fraction_digits == 0)
        return false;  // "-0", "00"
    if (i == t.size()) {
        // Digits alone: from 0.0001 up to 15 whole digits.
        const std::size_t significant = below_one ? fraction_digits - leading_zeros : whole_digits + fraction_digits;
        return significant <= 15 && whole_digits <= 15 && (!below_one || leading_zeros <= 3);
    }
    // With an exponent: one leading digit, not 0, and a power outside what the digits alone show.
    if (whole_digits != 1 || below_one || fraction_digits > 14 || i + 3 > t.size() || t[i] != 'E')
        return false;
    const bool negative_power = t[i + 1] == '-';
    if (!negative_power && t[i + 1] != '+')
        return false;
    const std::size_t power_start = i + 2;
    if (detail::digits_from(t, power_start) != t.size())
        return false;
    const std::size_t power_digits = t.size() - power_start;
    // The quadratic's working writes products of small numbers exactly, far below the double range.
    if (power_digits < 2 || power_digits > 4 || (power_digits > 2 && t[power_start] == '0'))
        return false;
    int power = 0;
    for (std::size_t k = power_start; k < t.size(); ++k)
        power = power * 10 + (t[k] - '0');
    return negative_power ? power >= 5 : power >= 15 && power <= 308;
}

// A number with exactly two decimals: "3.61", "-3.00", "0.00"; never "-0.00".
inline bool is_two_decimals(std::string_view t)
{
    std::size_t i = !t.empty() && t[0] == '-' ? 1 : 0;
    const std::size_t start = i;
    i = detail::digits_from(t, i);
    if (i == start || (i - start > 1 && t[start] == '0') || i - start > 309)
        return false;
    if (t.size() != i + 3 || t[i] != '.' || !detail::digit(t[i + 1]) || !detail::digit(t[i + 2]))
        return false;
    return !(t[0] == '-' && t.substr(1) == "0.00");
}

}  // namespace testing_support
