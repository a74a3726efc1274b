// SPDX-License-Identifier: GPL-3.0-or-later
// Taking apart the digits a pupil typed, and writing 15 significant digits as the runtime did.
#include "values/notation.h"

#include <algorithm>

namespace values::notation {
namespace {

// Saturating keeps the exponent arithmetic in range; any exponent this large over- or underflows anyway.
constexpr std::int64_t exponent_limit = 1'000'000'000'000'000;

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

// Keeps only the significant digits of whole.fraction × 10^exponent.
void set_digits(Reading& r, std::string_view whole, std::string_view fraction, std::int64_t exponent)
{
    std::string digits;
    digits.reserve(whole.size() + fraction.size());
    digits.append(whole).append(fraction);
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return;
    const std::size_t last = digits.find_last_not_of('0');
    r.scale = std::clamp(exponent - static_cast<std::int64_t>(fraction.size())
                             + static_cast<std::int64_t>(digits.size() - 1 - last),
                         -2 * exponent_limit, 2 * exponent_limit);
    r.digits = digits.substr(first, last - first + 1);
}

Reading read_decimal(std::string_view text)
{
    Cursor in{text};
    Reading r;
    r.negative = in.peek() == '-';
    if (r.negative || in.peek() == '+')
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
    set_digits(r, whole, fraction, exponent);
    r.used = in.pos;
    if (r.digits.empty())
        r.negative = false;
    return r;
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
std::int64_t as_signed_word(std::uint64_t bits)
{
    if (bits <= 0xFFFF)
        return static_cast<std::int16_t>(bits);
    return static_cast<std::int32_t>(bits);
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
    Reading r;
    r.used = pos;
    r.constant = true;
    r.too_large = overflow;
    if (overflow)
        return r;
    const std::int64_t value = as_signed_word(bits);
    const std::string decimal = std::to_string(value < 0 ? -value : value);
    set_digits(r, decimal, {}, 0);
    r.negative = value < 0;
    return r;
}

Reading read_number(std::string_view text)
{
    return !text.empty() && text[0] == '&' ? read_radix(text) : read_decimal(text);
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

}  // namespace

Reading read_lenient(std::string_view text) { return read_number(normalize(text, true).chars); }

std::optional<Reading> read_whole(std::string_view text)
{
    const Normalized chars = normalize(trim_blanks(text), false);
    if (!chars.complete)
        return std::nullopt;
    Reading number = read_number(chars.chars);
    if (number.used == 0 || number.used != chars.chars.size())
        return std::nullopt;
    return number;
}

std::string cstr_form(Digits15 d)
{
    d.digits.erase(d.digits.find_last_not_of('0') + 1);
    if (d.digits.empty())
        return "0";
    const bool exponential = d.exponent < -4 || d.exponent >= 15;
    const std::string body = exponential ? exponent_form(d.digits, d.exponent) : positional_form(d.digits, d.exponent);
    return d.negative ? "-" + body : body;
}

std::string hundredths_form(bool negative, std::string text)
{
    const bool is_zero = text.find_first_not_of('0') == std::string::npos;
    if (text.size() < 3)
        text.insert(0, 3 - text.size(), '0');
    text.insert(text.size() - 2, 1, '.');
    return negative && !is_zero ? "-" + text : text;
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

}  // namespace values::notation
