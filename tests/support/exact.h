// Exact arithmetic for the tests' own answers: rationals on 128-bit integers, and the numbers
// the screens write read back exactly, so an answer is never worked out by the code it checks.
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testing_support {

using Int = __int128;

// Thrown when an exact answer would not fit in 128 bits: the case is beyond what the test checks
// exactly, never a fault of the screen.
struct TooLarge : std::overflow_error {
    TooLarge() : std::overflow_error("beyond 128 bits") {}
};

inline Int add(Int a, Int b)
{
    Int r;
    if (__builtin_add_overflow(a, b, &r))
        throw TooLarge();
    return r;
}
inline Int mul(Int a, Int b)
{
    Int r;
    if (__builtin_mul_overflow(a, b, &r))
        throw TooLarge();
    return r;
}
inline Int abs_of(Int a) { return a < 0 ? -a : a; }
inline Int gcd_of(Int a, Int b)
{
    a = abs_of(a);
    b = abs_of(b);
    while (b != 0) {
        const Int r = a % b;
        a = b;
        b = r;
    }
    return a;
}
inline Int power_of_ten(int k)
{
    Int p = 1;
    for (int i = 0; i < k; ++i)
        p = mul(p, 10);
    return p;
}
inline std::string to_string(Int v)
{
    if (v == 0)
        return "0";
    std::string digits;
    const bool negative = v < 0;
    for (Int m = abs_of(v); m != 0; m /= 10)
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(m % 10)));
    return negative ? "-" + digits : digits;
}

// A rational number n/d in lowest terms with d > 0.
class Q {
public:
    Q(Int n = 0, Int d = 1) : n_(n), d_(d)
    {
        if (d_ == 0)
            throw std::domain_error("zero denominator");
        if (d_ < 0) {
            n_ = -n_;
            d_ = -d_;
        }
        const Int g = gcd_of(n_, d_);
        if (g > 1) {
            n_ /= g;
            d_ /= g;
        }
    }
    Int num() const { return n_; }
    Int den() const { return d_; }
    bool whole() const { return d_ == 1; }
    int sign() const { return n_ > 0 ? 1 : n_ < 0 ? -1 : 0; }

    friend Q operator+(Q a, Q b) { return {add(mul(a.n_, b.d_), mul(b.n_, a.d_)), mul(a.d_, b.d_)}; }
    friend Q operator-(Q a, Q b) { return a + Q(-b.n_, b.d_); }
    friend Q operator*(Q a, Q b) { return {mul(a.n_, b.n_), mul(a.d_, b.d_)}; }
    friend Q operator/(Q a, Q b) { return {mul(a.n_, b.d_), mul(a.d_, b.n_)}; }
    Q operator-() const { return {-n_, d_}; }
    friend bool operator==(Q a, Q b) { return a.n_ == b.n_ && a.d_ == b.d_; }
    friend bool operator<(Q a, Q b) { return mul(a.n_, b.d_) < mul(b.n_, a.d_); }
    friend bool operator<=(Q a, Q b) { return !(b < a); }
    Q abs() const { return {abs_of(n_), d_}; }

    // A double holds it exactly: a numerator of at most 53 bits over a power of two.
    bool exact_in_double() const { return (d_ & (d_ - 1)) == 0 && abs_of(n_) <= (Int{1} << 53); }
    // Whole division toward zero, as the remainder of whole numbers takes it.
    Int truncated() const { return n_ / d_; }

    std::string str() const { return d_ == 1 ? to_string(n_) : to_string(n_) + "/" + to_string(d_); }

private:
    Int n_, d_;
};

// A number as a screen wrote it: m × 10^e.
struct Decimal {
    Int m = 0;
    int e = 0;
    Q value() const { return e >= 0 ? Q(mul(m, power_of_ten(e))) : Q(m, power_of_ten(-e)); }
};

// Reads a number in the form the screens write ("-12", "0.25", "1.23456789012346E+17", "3.00");
// empty for any other text.
inline std::optional<Decimal> read_written(std::string_view text)
{
    Decimal d;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    i += negative;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        if (++digits > 30)
            return std::nullopt;
        d.m = d.m * 10 + (c - '0');
        d.e -= point;
    }
    if (digits == 0)
        return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'E' || i + 2 >= text.size() || (text[i + 1] != '+' && text[i + 1] != '-'))
            return std::nullopt;
        int power = 0;
        for (std::size_t k = i + 2; k < text.size(); ++k) {
            if (text[k] < '0' || text[k] > '9' || power > 1000)
                return std::nullopt;
            power = power * 10 + (text[k] - '0');
        }
        d.e += text[i + 1] == '-' ? -power : power;
    }
    if (negative)
        d.m = -d.m;
    return d;
}

inline Q ten_to(int k) { return k >= 0 ? Q(power_of_ten(k)) : Q(1, power_of_ten(-k)); }

// The power of ten of the leading digit of a nonzero value.
inline int leading_power(Q q)
{
    const Q a = q.abs();
    int e = 0;
    while (a < ten_to(e))
        --e;
    while (ten_to(e + 1) <= a)
        ++e;
    return e;
}

// How far a written number may lie from the exact answer, in units of its 15th significant digit:
// half a unit when the arithmetic was exact and only the writing rounded, under one unit when the
// arithmetic rounded once too.
enum class Slack { Half, UnderOne };

// Whether `text` is a number written with at most 15 significant digits that stands for `exact`.
inline bool shows(std::string_view text, Q exact, Slack slack = Slack::Half)
{
    if (exact.sign() == 0)
        return text == "0";
    const auto d = read_written(text);
    if (!d)
        return false;
    const int k = 14 - leading_power(exact);  // 10^-k is one unit in the 15th digit
    if (d->e + k < 0)
        return false;  // more digits than a written number carries
    // |shown - exact| against half a unit, all scaled by 2 * 10^(k + s) * den to whole numbers.
    const int s = k < 0 ? -k : 0;
    const Int shown = mul(mul(2, d->m), mul(power_of_ten(d->e + k + s), exact.den()));
    const Int target = mul(mul(2, exact.num()), power_of_ten(k + s));
    const Int half_unit = mul(exact.den(), power_of_ten(s));
    const Int distance = abs_of(add(shown, -target));
    return slack == Slack::Half ? distance <= half_unit : distance < 2 * half_unit;
}

// An exact value written with two decimals, halves away from zero: "3.61", "-3.00", "0.00".
inline std::string two_decimals(Q exact)
{
    const Int t = mul(exact.num(), 100);
    Int hundredths = t / exact.den();
    const Int rest = abs_of(t % exact.den());
    if (2 * rest >= exact.den())
        hundredths += exact.sign();
    const Int magnitude = abs_of(hundredths);
    const std::string cents = to_string(magnitude % 100 + 100).substr(1);
    return (hundredths < 0 ? "-" : "") + to_string(magnitude / 100) + "." + cents;
}

}  // namespace testing_support
