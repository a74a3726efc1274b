// Reading, writing and rounding numbers the way the old runtime did.
#include "values/values.h"

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

// Saturating keeps the exponent arithmetic in range; any exponent this large over- or underflows anyway.
constexpr std::int64_t exponent_limit = 1'000'000'000'000'000;

double without_negative_zero(double x) { return x == 0 ? 0.0 : x; }

bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

bool is_digit(char c) { return c >= '0' && c <= '9'; }

struct Normalized {
    std::string chars;
    bool complete = true;  // false when a character outside ASCII and the Arabic digits ended it early
};

// The Arabic digits and separator as the ASCII character they stand for, 0 for any other bytes.
char arabic_equivalent(std::string_view text, std::size_t i)
{
    if (i + 1 >= text.size())
        return 0;
    const auto lead = static_cast<unsigned char>(text[i]);
    const auto trail = static_cast<unsigned char>(text[i + 1]);
    if (lead == 0xD9 && trail >= 0xA0 && trail <= 0xA9)
        return static_cast<char>('0' + (trail - 0xA0));
    if (lead == 0xD9 && trail == 0xAB)
        return '.';
    if (lead == 0xDB && trail >= 0xB0 && trail <= 0xB9)
        return static_cast<char>('0' + (trail - 0xB0));
    return 0;
}

// Reduces the text to ASCII so that one grammar serves both digit alphabets.
Normalized normalize(std::string_view text, bool drop_blanks)
{
    Normalized out;
    out.chars.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (static_cast<unsigned char>(c) < 0x80) {
            if (!drop_blanks || !is_blank(c))
                out.chars.push_back(c);
            continue;
        }
        const char ascii = arabic_equivalent(text, i);
        if (ascii == 0) {
            out.complete = false;
            break;
        }
        out.chars.push_back(ascii);
        ++i;
    }
    return out;
}

std::string_view trim_blanks(std::string_view text)
{
    while (!text.empty() && is_blank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_blank(text.back()))
        text.remove_suffix(1);
    return text;
}

struct Reading {
    std::size_t used = 0;               // characters forming the number, 0 when none does
    std::optional<double> value = 0.0;  // empty when the number is beyond the double range
};

struct Cursor {
    std::string_view text;
    std::size_t pos = 0;

    char peek() const { return pos < text.size() ? text[pos] : '\0'; }

    std::string_view take_digits()
    {
        const std::size_t start = pos;
        while (is_digit(peek()))
            ++pos;
        return text.substr(start, pos - start);
    }
};

// An exponent marker only belongs to the number when digits follow it; "1e" reads as 1.
std::int64_t take_exponent(Cursor& in)
{
    const char marker = in.peek();
    if (marker != 'e' && marker != 'E' && marker != 'd' && marker != 'D')
        return 0;
    const std::size_t start = in.pos++;
    const bool negative = in.peek() == '-';
    if (negative || in.peek() == '+')
        ++in.pos;
    const std::string_view digits = in.take_digits();
    if (digits.empty()) {
        in.pos = start;
        return 0;
    }
    std::int64_t exponent = 0;
    for (const char d : digits)
        exponent = std::min(exponent * 10 + (d - '0'), exponent_limit);
    return negative ? -exponent : exponent;
}

// Hands the significant digits to from_chars, which rounds correctly however many there are.
std::optional<double> decimal_value(std::string_view whole, std::string_view fraction, std::int64_t exponent)
{
    std::string digits;
    digits.reserve(whole.size() + fraction.size());
    digits.append(whole).append(fraction);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0.0;
    const std::size_t last = digits.find_last_not_of('0');
    auto scale
        = exponent - static_cast<std::int64_t>(fraction.size()) + static_cast<std::int64_t>(digits.size() - 1 - last);
    std::string text = digits.substr(first, last - first + 1);
    const auto leading_power = scale + static_cast<std::int64_t>(text.size()) - 1;
    text += 'e';
    text += std::to_string(scale);
    double value = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return leading_power > 0 ? std::nullopt : std::optional<double>(0.0);
    }
    return value;
}

Reading read_decimal(std::string_view text)
{
    Cursor in{text};
    const bool negative = in.peek() == '-';
    if (negative || in.peek() == '+')
        ++in.pos;
    const std::string_view whole = in.take_digits();
    std::string_view fraction;
    if (in.peek() == '.') {
        ++in.pos;
        fraction = in.take_digits();
    }
    if (whole.empty() && fraction.empty())
        return {};
    const std::int64_t exponent = take_exponent(in);
    const auto magnitude = decimal_value(whole, fraction, exponent);
    if (!magnitude)
        return {in.pos, std::nullopt};
    return {in.pos, without_negative_zero(negative ? -*magnitude : *magnitude)};
}

int radix_digit(char c, int base)
{
    int digit = base;
    if (is_digit(c))
        digit = c - '0';
    if (c >= 'a' && c <= 'f')
        digit = c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        digit = c - 'A' + 10;
    return digit < base ? digit : -1;
}

// The runtime stored such constants as 16-bit integers when they fit, else as 32-bit ones.
double as_signed_word(std::uint64_t bits)
{
    if (bits <= 0xFFFF)
        return static_cast<double>(static_cast<std::int16_t>(bits));
    return static_cast<double>(static_cast<std::int32_t>(bits));
}

Reading read_radix(std::string_view text)
{
    if (text.size() < 2 || text[0] != '&')
        return {};
    const char kind = text[1];
    const int base = (kind == 'H' || kind == 'h') ? 16 : (kind == 'O' || kind == 'o') ? 8 : 0;
    if (base == 0)
        return {};
    std::size_t pos = 2;
    std::uint64_t bits = 0;
    bool overflow = false;
    for (; pos < text.size(); ++pos) {
        const int digit = radix_digit(text[pos], base);
        if (digit < 0)
            break;
        if (overflow)
            continue;
        bits = bits * static_cast<unsigned>(base) + static_cast<unsigned>(digit);
        overflow = bits > 0xFFFFFFFF;
    }
    if (pos == 2)
        return {};
    if (overflow)
        return {pos, std::nullopt};
    return {pos, as_signed_word(bits)};
}

Reading read_number(std::string_view text)
{
    return !text.empty() && text[0] == '&' ? read_radix(text) : read_decimal(text);
}

struct Decimal15 {
    bool negative = false;
    std::string digits;  // 15 significant digits
    int exponent = 0;    // power of ten of the first digit
};

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

void decrement(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '0') {
            --*it;
            return;
        }
        *it = '9';
    }
}

void increment(std::string& digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
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
    decrement(d.digits);
}

std::string exponent_form(const std::string& digits, int exponent)
{
    std::string out(1, digits[0]);
    if (digits.size() > 1)
        out.append(".").append(digits, 1);
    out += exponent < 0 ? "E-" : "E+";
    const std::string power = std::to_string(exponent < 0 ? -exponent : exponent);
    if (power.size() < 2)
        out += '0';
    return out + power;
}

std::string positional_form(const std::string& digits, int exponent)
{
    if (exponent < 0)
        return "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    const auto whole_length = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole_length)
        return digits + std::string(whole_length - digits.size(), '0');
    return digits.substr(0, whole_length) + "." + digits.substr(whole_length);
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
        increment(kept);
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

std::optional<double> val_checked(std::string_view text) { return read_number(normalize(text, true).chars).value; }

double val(std::string_view text) { return val_checked(text).value_or(0.0); }

std::optional<double> strict(std::string_view text)
{
    const Normalized chars = normalize(trim_blanks(text), false);
    if (!chars.complete)
        return std::nullopt;
    const Reading number = read_number(chars.chars);
    if (number.used == 0 || number.used != chars.chars.size())
        return std::nullopt;
    return number.value;
}

std::string cstr(double x)
{
    if (!std::isfinite(x))
        return std::string(non_finite_text);
    if (x == 0)
        return "0";
    Decimal15 d = to_decimal15(x);
    keep_readable(d);
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    const bool exponential = d.exponent < -4 || d.exponent >= 15;
    const std::string body = exponential ? exponent_form(d.digits, d.exponent) : positional_form(d.digits, d.exponent);
    return d.negative ? "-" + body : body;
}

std::string format00(double x)
{
    if (!std::isfinite(x))
        return std::string(non_finite_text);
    const Decimal15 d = to_decimal15(x);
    std::string text = hundredths_of(d);
    const bool is_zero = text.find_first_not_of('0') == std::string::npos;
    if (text.size() < 3)
        text.insert(0, 3 - text.size(), '0');
    text.insert(text.size() - 2, 1, '.');
    return d.negative && !is_zero ? "-" + text : text;
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
