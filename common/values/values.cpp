// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, writing and rounding numbers the way the old runtime did.
#include "values/values.h"

#include "values/notation.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <system_error>

namespace values {
namespace {

// Callers must never pass inf or nan; if one slips through, the pupil sees the runtime's error word.
constexpr std::string_view non_finite_text = "Overflow";

constexpr double largest_exact_whole = 9007199254740992.0;  // 2^53
constexpr std::uint64_t largest_exact_integer = std::uint64_t{1} << 53;

double without_negative_zero(double x) { return x == 0 ? 0.0 : x; }

// Hands the significant digits to from_chars, which rounds correctly however many there are.
// Empty beyond the double range; a number too small for a double is 0.
std::optional<double> double_of(const notation::Reading& r)
{
    if (r.too_large)
        return std::nullopt;
    if (r.digits.empty())
        return 0.0;
    const std::string text = r.digits + 'e' + std::to_string(r.scale);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range)
        return r.leading_power() > 0 ? std::nullopt : std::optional<double>(0.0);
    return without_negative_zero(r.negative ? -value : value);
}

using Decimal15 = notation::Digits15;

Decimal15 to_decimal15(double x)
{
    char buffer[40];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::scientific, 14).ptr;
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    Decimal15 out;
    out.negative = text.front() == '-';
    if (out.negative)
        text.remove_prefix(1);
    const std::size_t marker = text.find('e');
    out.digits.push_back(text[0]);
    out.digits.append(text.substr(2, marker - 2));
    std::size_t exponent_start = marker + 1;
    if (text[exponent_start] == '+')
        ++exponent_start;
    std::from_chars(text.data() + exponent_start, text.data() + text.size(), out.exponent);
    return out;
}

// Near the largest double, rounding to 15 digits can step past it; such a text would read
// back as an overflow, so the digits are rounded toward zero instead.
void keep_readable(Decimal15& d)
{
    if (d.exponent < 308)
        return;
    const std::string text = d.digits + 'e' + std::to_string(d.exponent - 14);
    double value = 0;
    if (std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc())
        return;
    notation::decrement(d.digits);
}

// The magnitude counted in hundredths, halves rounded up.
std::string hundredths_of(const Decimal15& d)
{
    const int shift = d.exponent - 12;  // power of ten of the last digit, in hundredths
    if (shift >= 0)
        return d.digits + std::string(static_cast<std::size_t>(shift), '0');
    const int keep = 15 + shift;
    if (keep < 0)
        return "0";
    std::string kept = keep == 0 ? "0" : d.digits.substr(0, static_cast<std::size_t>(keep));
    if (d.digits[static_cast<std::size_t>(keep)] >= '5')
        notation::increment(kept);
    return kept;
}

// The operand as an exact 64-bit integer, when it is a whole number that a double holds exactly.
std::optional<std::uint64_t> whole_magnitude(double x)
{
    if (!std::isfinite(x) || std::fabs(x) > largest_exact_whole || x != std::trunc(x))
        return std::nullopt;
    return static_cast<std::uint64_t>(std::fabs(x));
}

std::uint64_t euclid(std::uint64_t a, std::uint64_t b)
{
    while (b != 0) {
        const std::uint64_t r = a % b;
        a = b;
        b = r;
    }
    return a;
}

}  // namespace

std::optional<double> val_checked(std::string_view text) { return double_of(notation::read_lenient(text)); }

double val(std::string_view text) { return val_checked(text).value_or(0.0); }

std::optional<double> strict(std::string_view text)
{
    const auto number = notation::read_whole(text);
    return number ? double_of(*number) : std::nullopt;
}

std::string cstr(double x)
{
    if (!std::isfinite(x))
        return std::string(non_finite_text);
    if (x == 0)
        return "0";
    Decimal15 d = to_decimal15(x);
    keep_readable(d);
    return notation::cstr_form(d);
}

std::string format00(double x)
{
    if (!std::isfinite(x))
        return std::string(non_finite_text);
    const Decimal15 d = to_decimal15(x);
    return notation::hundredths_form(d.negative, hundredths_of(d));
}

double int_(double x) { return without_negative_zero(std::floor(x)); }

double fix(double x) { return without_negative_zero(std::trunc(x)); }

// Written out rather than left to nearbyint, whose result depends on the floating-point rounding mode.
double round_even(double x)
{
    const double below = std::floor(x);
    const double fraction = x - below;
    const bool up = fraction > 0.5 || (fraction == 0.5 && std::fmod(below, 2.0) != 0);
    return without_negative_zero(up ? below + 1 : below);
}

std::optional<double> mod(double a, double b)
{
    if (!std::isfinite(a) || !std::isfinite(b))
        return std::nullopt;
    const double dividend = round_even(a);
    const double divisor = round_even(b);
    const bool too_large = std::fabs(dividend) > largest_exact_whole || std::fabs(divisor) > largest_exact_whole;
    if (divisor == 0 || too_large)
        return std::nullopt;
    return without_negative_zero(std::fmod(dividend, divisor));
}

std::optional<double> gcd(double a, double b)
{
    const auto x = whole_magnitude(a);
    const auto y = whole_magnitude(b);
    if (!x || !y)
        return std::nullopt;
    return static_cast<double>(euclid(*x, *y));
}

std::optional<double> lcm(double a, double b)
{
    const auto x = whole_magnitude(a);
    const auto y = whole_magnitude(b);
    if (!x || !y)
        return std::nullopt;
    if (*x == 0 || *y == 0)
        return 0.0;
    const std::uint64_t cofactor = *x / euclid(*x, *y);
    if (cofactor > largest_exact_integer / *y)
        return std::nullopt;
    return static_cast<double>(cofactor * *y);
}

std::optional<double> sqr(double x)
{
    if (!std::isfinite(x) || x < 0)
        return std::nullopt;
    return without_negative_zero(std::sqrt(x));
}

std::optional<double> finite(double x)
{
    if (!std::isfinite(x))
        return std::nullopt;
    return without_negative_zero(x);
}

}  // namespace values
