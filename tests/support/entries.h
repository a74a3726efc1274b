// Texts a pupil might type into a number box, of every kind, each with what the two ways of
// reading a number (from the start of the text, or the whole text) are known to make of it.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
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
        Number,      // a finite number; `value` holds it when the test knows it exactly
        Overflow,    // a number beyond the double range
        NotANumber,  // refused by the whole-text reading
        Unknown,     // something the test does not predict
    };
    Kind kind = Kind::Unknown;
    std::optional<Q> value;

    static Reading number(Q q) { return {Kind::Number, q}; }
    bool is(Q q) const { return value && *value == q; }
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
    Entry any(Int largest = Int{1} << 53)
    {
        const int kind = below(100);
        if (kind < 40)
            return spelled(whole(largest));
        if (kind < 50)
            return spelled(dyadic(largest));
        if (kind < 56)
            return spelled(Q(0));
        if (kind < 66)
            return with_tail(whole(largest));
        if (kind < 74)
            return not_a_number();
        if (kind < 80)
            return overflow();
        if (kind < 90)
            return unpredicted_number();
        return noise();
    }

    // A whole number up to `largest` in magnitude: mostly small, sometimes huge, now and then the limit.
    Q whole(Int largest)
    {
        static constexpr std::array<Int, 6> scales = {12, 1000, 1000000, 1000000000000, Int{1} << 53, Int{1} << 53};
        Int bound = scales[static_cast<std::size_t>(below(static_cast<int>(scales.size())))];
        if (bound > largest)
            bound = largest;
        Int magnitude = chance(8) ? bound : uniform(bound);
        return Q(chance(3) ? -magnitude : magnitude);
    }

    // A number with at most four binary places, which both a decimal text and a double hold exactly.
    Q dyadic(Int largest)
    {
        const int places = 1 + below(4);
        const Int bound = largest < 4096 ? largest : 4096;
        return whole(bound) + Q(1 + 2 * uniform((Int{1} << places) / 2 - 1), Int{1} << places) * Q(chance(3) ? -1 : 1);
    }

    // `value` in one of the many ways that both readings take as exactly that number.
    Entry spelled(Q value)
    {
        std::string text;
        const int way = below(10);
        if (way == 0 && value.whole() && hex(value.num()))
            text = *hex(value.num());
        else if (way == 1 && value.whole())
            text = with_exponent(value.num());
        else if (way == 2)
            text = (value.sign() < 0 ? "-" : "")
                + std::string(static_cast<std::size_t>(below(4) == 0 ? 5000 : 1 + below(3)), '0')
                + decimal(value.abs());
        else if (way == 3 && value.whole())
            text = decimal(value) + ".0";
        else
            text = decimal(value);
        if (way == 4 && value.sign() > 0)
            text = "+" + text;
        if (chance(5))
            text = arabic_digits(text, chance(2) ? 0x660 : 0x6F0);
        if (chance(6))
            text = blanks() + text + blanks();
        return {text, Reading::number(value), Reading::number(value)};
    }

    // A number followed by something else: the start of the text reads as the number, the whole
    // text as no number at all.
    Entry with_tail(Q value)
    {
        static const std::array<const char*, 9> tails = {"x", "xyz", "/4", "%", "ش", "؟", "-", "+3", " ,5"};
        Entry e = spelled(value);
        e.text += tails[static_cast<std::size_t>(below(static_cast<int>(tails.size())))];
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
        return {text, Reading::number(Q(0)), {Reading::Kind::NotANumber, {}}};
    }

    // A number beyond the double range, read as such by both.
    Entry overflow()
    {
        static const std::array<const char*, 7> texts
            = {"1e400", "-1e309", "1e99999999999999999999", "&H100000000", "&HFFFFFFFFF", "1.8e308", "-٩e٣٠٩"};
        std::string text = texts[static_cast<std::size_t>(below(static_cast<int>(texts.size())))];
        if (chance(4))
            text = std::string(static_cast<std::size_t>(310 + below(5000)), '9');
        return {text, {Reading::Kind::Overflow, {}}, {Reading::Kind::Overflow, {}}};
    }

    // A finite number that a double cannot hold exactly, or only just: its value is not predicted.
    Entry unpredicted_number()
    {
        static const std::array<const char*, 12> texts
            = {"1e308",   "-1.7976931348623157e308", "1e-320", "4.9e-324", "1e-400", "0.1", "3.14159",
               "-2.5e-7", "123456789.123456789",     "0.3",    "1e15",     "٠٫١"};
        std::string text = texts[static_cast<std::size_t>(below(static_cast<int>(texts.size())))];
        if (chance(2)) {
            text = chance(2) ? "-" : "";
            text += static_cast<char>('1' + below(9));
            for (int i = 0; i < 39; ++i)
                text += static_cast<char>('0' + below(10));
        }
        const Reading number{Reading::Kind::Number, {}};
        return {text, number, number};
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
    Int uniform(Int bound)
    {
        if (bound <= 0)
            return 0;
        const auto top = static_cast<std::uint64_t>(bound);
        return static_cast<Int>(std::uniform_int_distribution<std::uint64_t>(0, top)(rng_));
    }

    std::string blanks()
    {
        static const std::array<const char*, 4> b = {"", " ", "  ", "\t"};
        return b[static_cast<std::size_t>(below(4))];
    }

    // The exact decimal of a value with a power-of-two denominator.
    static std::string decimal(Q v)
    {
        int places = 0;
        for (Int d = v.den(); d > 1; d /= 2)
            ++places;
        Int scaled = v.num();
        for (int i = 0; i < places; ++i)
            scaled = mul(scaled, 5);
        std::string digits = to_string(abs_of(scaled));
        if (places > 0) {
            if (digits.size() <= static_cast<std::size_t>(places))
                digits.insert(0, static_cast<std::size_t>(places) + 1 - digits.size(), '0');
            digits.insert(digits.size() - static_cast<std::size_t>(places), ".");
            while (digits.back() == '0')
                digits.pop_back();
        }
        return (v.sign() < 0 ? "-" : "") + digits;
    }

    // The same whole number as digits and a power of ten: 1200 as "12E2", "1.2e3" or "120000d-2".
    std::string with_exponent(Int v)
    {
        std::string digits = to_string(abs_of(v));
        const std::string sign = v < 0 ? "-" : "";
        const char marker = "eEdD"[below(4)];
        if (chance(2)) {
            const int shift = 1 + below(3);
            return sign + digits + std::string(static_cast<std::size_t>(shift), '0') + marker + "-"
                + std::to_string(shift);
        }
        int power = 0;
        while (digits.size() > 1 && digits.back() == '0') {
            digits.pop_back();
            ++power;
        }
        const auto point = static_cast<std::size_t>(below(static_cast<int>(digits.size())) + 1);
        power += static_cast<int>(digits.size() - point);
        std::string mantissa = digits.substr(0, point);
        if (point < digits.size())
            mantissa += "." + digits.substr(point);
        return sign + mantissa + marker + (chance(2) ? "+" : "") + std::to_string(power);
    }

    // &H and &O constants: four digits stand for a 16-bit number, more for a 32-bit one.
    std::optional<std::string> hex(Int v)
    {
        const bool octal = chance(3);
        // 0x8000 to 0xFFFF would read back as negative 16-bit numbers.
        if (v < INT32_MIN || v > INT32_MAX || (v >= 0x8000 && v <= 0xFFFF))
            return std::nullopt;
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
