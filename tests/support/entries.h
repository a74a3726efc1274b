// SPDX-License-Identifier: GPL-3.0-or-later
// Texts a pupil might type into a number box, of every kind, each with what the two ways of
// reading a number (from the start of the text, or the whole text) are known to make of it.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "exact.h"

namespace testing_support {

// Cases per property: a few thousand in the ordinary run. For the long run set PROPERTY_CASES,
// for example PROPERTY_CASES=1000000; PROPERTY_SEED replays another sequence of entries.
inline long property_cases()
{
    const char* v = std::getenv("PROPERTY_CASES");
    return v != nullptr ? std::atol(v) : 3000;
}
inline std::uint64_t property_seed()
{
    const char* v = std::getenv("PROPERTY_SEED");
    return v != nullptr ? std::strtoull(v, nullptr, 10) : 20240601;
}

struct Reading {
    enum class Kind {
        Number,      // a number within the doubles' range, 0 included
        TooLarge,    // beyond the largest double
        TooSmall,    // not 0, but below the smallest normal double
        NotANumber,  // refused by the whole-text reading
        Unknown,     // something the test does not predict
    };
    Kind kind = Kind::Unknown;
    std::optional<Q> value;  // the exact number written, whenever it is small enough to hold

    static Reading number(const Q& q)
    {
        const Range r = range_of(q);
        return {r == Range::TooLarge ? Kind::TooLarge : r == Range::TooSmall ? Kind::TooSmall : Kind::Number, q};
    }
    bool is(const Q& q) const { return value && *value == q; }
    bool out_of_range() const { return kind == Kind::TooLarge || kind == Kind::TooSmall; }
};

struct Entry {
    std::string text;
    Reading lenient;  // the number at the start of the text, 0 when there is none
    Reading strict;   // the whole text as one number
};

// Draws entries; the same seed gives the same entries.
class Entries {
public:
    explicit Entries(std::uint64_t seed) : rng_(seed) {}

    // Any kind of entry. Whole numbers keep within `largest` in magnitude, now and then reaching it.
    Entry any(const Int& largest = power_of_ten(40))
    {
        const int kind = below(100);
        if (kind < 36)
            return spelled(whole(largest));
        if (kind < 50)
            return spelled(decimal(largest));
        if (kind < 56)
            return zero();
        if (kind < 66)
            return with_tail(chance(2) ? whole(largest) : decimal(largest));
        if (kind < 72)
            return not_a_number();
        if (kind < 76)
            return out_of_range();
        if (kind < 90)
            return spelled(edge());
        return noise();
    }

    // A whole number up to `largest` in magnitude: mostly small, sometimes huge, now and then the limit.
    Q whole(const Int& largest)
    {
        static const std::array<Int, 8> scales
            = {12, 1000, 1000000, 1000000000000, two_to(53), two_to(53), power_of_ten(20), power_of_ten(40)};
        Int bound = scales[static_cast<std::size_t>(below(static_cast<int>(scales.size())))];
        if (bound > largest)
            bound = largest;
        const Int magnitude = chance(8) ? bound : uniform(bound);
        return Q(chance(3) ? Int(-magnitude) : magnitude);
    }

    // A decimal of a few digits or of many, with a few places or many: below `largest` in its whole
    // part, or far from 1 on either side, up to past either end of the doubles' range.
    Q decimal(const Int& largest)
    {
        const int way = below(10);
        const int length = way < 5 ? 1 + below(6) : 1 + below(40);
        Int digits = uniform(power_of_ten(length));
        if (digits == 0)
            digits = 1;
        long power = -1 - below(way < 7 ? 6 : 45);
        if (way == 8)
            power = -340 + below(40) - length;  // around the smallest double
        else if (way == 9)
            power = 290 + below(25) - length;  // around the largest one
        Q v = Q(digits) * ten_to(power);
        if (way < 8)
            v = v + whole(largest < Int(1000000) ? largest : Int(1000000));
        return chance(3) ? -v : v;
    }

    // 0 written in ways that all read as 0, some looking like tiny or signed numbers.
    Entry zero()
    {
        static const std::array<const char*, 10> texts
            = {"0", "-0", "+0", "0.000", ".0", "0.", "-0e5", "0e-99999999999999999999", "00000", "٠٫٠"};
        if (chance(2))
            return spelled(Q(0));
        const std::string text = texts[static_cast<std::size_t>(below(static_cast<int>(texts.size())))];
        return {text, Reading::number(0), Reading::number(0)};
    }

    // Numbers at the edges of what a double holds or writes: the ends of its range on both sides,
    // whole numbers and decimals just past what its digits keep, and 15-digit roundings that carry.
    Q edge()
    {
        const int which = below(12);
        const Q tiny_step = ten_to(-16 - below(25));
        switch (which) {
        case 0: return largest_double();
        case 1: return largest_double() + Q(chance(2) ? 1 : -1) * ten_to(-below(3));
        case 2: return smallest_double();
        case 3: return smallest_double() + Q(chance(2) ? 1 : -1) * ten_to(-1030 - below(20));
        case 4: return Q(Int(two_to(53) + 1 - below(3)));
        case 5: return ten_to(15) + Q(1, 100);  // 1000000000000000.01
        case 6: return Q(1 + below(12)) + tiny_step * Q(chance(2) ? 1 : -1);
        case 7:
            return Q(Int(power_of_ten(15 + below(3)) - 1)) * ten_to(-below(20) - 5);  // 999...9: the rounding carries
        case 8: return Q(1, 2) * ten_to(below(3) - 2);                                // a half at the last decimal
        case 9: return Q(4999999999999995 + below(11), 1) * ten_to(-15 - below(4));
        case 10: return Q(Int(Int("17976931348623157", 10) + below(3))) * ten_to(292);   // either side of the largest
        default: return Q(Int(Int("22250738585072014", 10) - below(3))) * ten_to(-324);  // and of the smallest
        }
    }

    // `value` in one of the many ways that both readings take as exactly that number.
    Entry spelled(const Q& value)
    {
        std::string text;
        const int way = below(10);
        const auto [m, e] = parts(value);
        if (way == 0 && value.whole() && hex(value.num()))
            text = *hex(value.num());
        else if (way == 1 && m != 0)
            text = with_exponent(m, e);
        else if (way == 2)
            text = (value.sign() < 0 ? "-" : "")
                + std::string(static_cast<std::size_t>(below(4) == 0 ? 5000 : 1 + below(3)), '0')
                + positional(Int(::abs(m)), e);
        else if (way == 3)
            text = positional(m, e) + (value.whole() ? "." : "") + std::string(static_cast<std::size_t>(below(3)), '0');
        else if (way == 5 && value.abs() < Q(1) && m != 0)
            text = (value.sign() < 0 ? "-" : "") + positional(Int(::abs(m)), e).substr(1);  // ".25"
        else
            text = positional(m, e);
        if (way == 4 && value.sign() > 0)
            text = "+" + text;
        if (chance(5))
            text = arabic_digits(text, chance(2) ? 0x660 : 0x6F0);
        if (chance(6))
            text = blanks() + text + blanks();
        return {text, Reading::number(value), Reading::number(value)};
    }

    // A number followed by something else, or with a blank inside it: the start of the text reads
    // as the number (blanks are skipped there), the whole text as no number at all.
    Entry with_tail(const Q& value)
    {
        static const std::array<const char*, 9> tails = {"x", "xyz", "/4", "%", "ش", "؟", "-", "+3", " ,5"};
        Entry e = spelled(value);
        std::string& t = e.text;
        const std::size_t first = t.find_first_not_of(" \t"), last = t.find_last_not_of(" \t");
        std::size_t inside = first + 1;
        while (inside <= last && (static_cast<unsigned char>(t[inside]) & 0xC0) == 0x80)
            ++inside;
        if (chance(3) && inside <= last)
            t.insert(inside, chance(2) ? " " : "\t");
        else
            t += tails[static_cast<std::size_t>(below(static_cast<int>(tails.size())))];
        e.strict = {Reading::Kind::NotANumber, {}};
        return e;
    }

    // Text that holds no number at its start: the start reads as 0, the whole text as no number.
    Entry not_a_number()
    {
        static const std::array<const char*, 26> texts = {"",
                                                          " ",
                                                          "\t",
                                                          "abc",
                                                          "س",
                                                          "خمسة",
                                                          "+-1",
                                                          "-+1",
                                                          "--1",
                                                          "-",
                                                          "+",
                                                          ".",
                                                          "e5",
                                                          "E",
                                                          "&",
                                                          "&H",
                                                          "&HG",
                                                          "&O9",
                                                          "x12",
                                                          "\x01"
                                                          "12",
                                                          "\r5",
                                                          "،5",
                                                          "٫",
                                                          "٫e",
                                                          "&H-1",
                                                          "\xD9"};
        const std::string text = texts[static_cast<std::size_t>(below(static_cast<int>(texts.size())))];
        return {text, Reading::number(0), {Reading::Kind::NotANumber, {}}};
    }

    // Numbers too far from 1 for any reading to hold as digits: read as beyond the range either way.
    Entry out_of_range()
    {
        static const std::array<const char*, 9> texts
            = {"1e99999999999999999999",  "&H100000000", "&HFFFFFFFFF", "-1e400", "1.8e308", "-٩e٣٠٩",
               "1e-99999999999999999999", "-4.9E-400",   "٥e-٤٠٠"};
        const auto k = static_cast<std::size_t>(below(static_cast<int>(texts.size())));
        std::string text = texts[k];
        if (chance(4))
            text = std::string(static_cast<std::size_t>(310 + below(5000)), '9');
        const Reading r{k < 6 || text[0] == '9' ? Reading::Kind::TooLarge : Reading::Kind::TooSmall, {}};
        return {text, r, r};
    }

    // Anything at all: bytes, control characters, both Arabic digit alphabets mixed with signs,
    // points and exponents, sometimes very long.
    Entry noise()
    {
        static const std::array<const char*, 24> pieces
            = {"0", "1", "9", "٠", "٣", "٩", "۰", "۷",  ".", "٫", "-",  "+",
               "e", "E", "d", "&", "H", "O", " ", "\t", "a", "س", "\n", "\x7F"};
        std::string text;
        const int length = chance(10) ? 10000 : below(40);
        for (int i = 0; i < length; ++i) {
            if (chance(12))
                text += static_cast<char>(below(256));
            else
                text += pieces[static_cast<std::size_t>(below(static_cast<int>(pieces.size())))];
        }
        return {text, {}, {}};
    }

    int below(int n) { return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_)); }
    bool chance(int one_in) { return below(one_in) == 0; }
    std::mt19937_64& generator() { return rng_; }

private:
    // Uniform from 0 to `bound`, drawn 64 bits at a time.
    Int uniform(const Int& bound)
    {
        if (bound <= 0)
            return 0;
        Int r = 0;
        for (std::size_t bits = 0; bits < mpz_sizeinbase(bound.get_mpz_t(), 2) + 64; bits += 64)
            r = (r << 64) + Int(static_cast<unsigned long>(rng_()));
        return r % Int(bound + 1);
    }

    std::string blanks()
    {
        static const std::array<const char*, 4> b = {"", " ", "  ", "\t"};
        return b[static_cast<std::size_t>(below(4))];
    }

    // A value whose denominator divides a power of ten as m × 10^e, m without trailing zeros.
    static std::pair<Int, long> parts(const Q& v)
    {
        Int rest;
        const long twos = static_cast<long>(mpz_remove(rest.get_mpz_t(), v.den().get_mpz_t(), Int(2).get_mpz_t()));
        const long fives = static_cast<long>(mpz_remove(rest.get_mpz_t(), rest.get_mpz_t(), Int(5).get_mpz_t()));
        if (rest != 1)
            throw std::logic_error("not a decimal: " + v.str());
        const long places = twos > fives ? twos : fives;
        Int m = truncated(v * ten_to(places));
        long e = -places;
        while (m != 0 && m % 10 == 0) {
            m /= 10;
            ++e;
        }
        return {m, e};
    }

    // m × 10^e in digits alone: "-1200", "0.00025", "3.5".
    static std::string positional(const Int& m, long e)
    {
        std::string digits = Int(::abs(m)).get_str();
        if (e >= 0)
            digits += std::string(static_cast<std::size_t>(m == 0 ? 0 : e), '0');
        else {
            const auto places = static_cast<std::size_t>(-e);
            if (digits.size() <= places)
                digits.insert(0, places + 1 - digits.size(), '0');
            digits.insert(digits.size() - places, ".");
        }
        return (m < 0 ? "-" : "") + digits;
    }

    // The same number as digits and a power of ten: 1200 as "12E2", "1.2e+003" or "120000d-2".
    std::string with_exponent(const Int& m, long e)
    {
        std::string digits = Int(::abs(m)).get_str();
        const std::string sign = m < 0 ? "-" : "";
        const char marker = "eEdD"[below(4)];
        long power = e;
        if (chance(3)) {
            const int shift = 1 + below(3);
            digits += std::string(static_cast<std::size_t>(shift), '0');
            power -= shift;
        }
        const auto point = static_cast<std::size_t>(below(static_cast<int>(digits.size())) + 1);
        power += static_cast<long>(digits.size() - point);
        std::string mantissa = digits.substr(0, point);
        if (point < digits.size())
            mantissa += "." + digits.substr(point);
        const std::string zeros(static_cast<std::size_t>(chance(4) ? 1 + below(3) : 0), '0');
        const std::string magnitude = zeros + std::to_string(power < 0 ? -power : power);
        return sign + mantissa + marker + (power < 0 ? "-" : chance(2) ? "+" : "") + magnitude;
    }

    // &H and &O constants: four digits stand for a 16-bit number, more for a 32-bit one.
    std::optional<std::string> hex(const Int& whole)
    {
        const bool octal = chance(3);
        // 0x8000 to 0xFFFF would read back as negative 16-bit numbers.
        if (whole < INT32_MIN || whole > INT32_MAX || (whole >= 0x8000 && whole <= 0xFFFF))
            return std::nullopt;
        const long v = whole.get_si();
        std::uint32_t bits = static_cast<std::uint32_t>(static_cast<std::int32_t>(v));
        if (v >= -32768 && v < 0)
            bits &= 0xFFFFu;
        std::string digits;
        const unsigned base = octal ? 8 : 16;
        for (std::uint32_t b = bits; b != 0 || digits.empty(); b /= base)
            digits.insert(digits.begin(), "0123456789ABCDEF"[b % base]);
        if (!octal && chance(2))
            for (char& c : digits)
                c = static_cast<char>(c >= 'A' ? c - 'A' + 'a' : c);
        return std::string(octal ? "&O" : chance(2) ? "&H" : "&h") + digits;
    }

    // Western digits and the point written in an Arabic alphabet: U+0660 or U+06F0 onwards.
    static std::string arabic_digits(const std::string& text, int zero)
    {
        std::string out;
        if (text.rfind("&", 0) == 0)
            return text;
        for (const char c : text) {
            int code = 0;
            if (c >= '0' && c <= '9')
                code = zero + (c - '0');
            else if (c == '.' && zero == 0x660)
                code = 0x66B;
            if (code == 0) {
                out += c;
                continue;
            }
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
        return out;
    }

    std::mt19937_64 rng_;
};

}  // namespace testing_support
