// SPDX-License-Identifier: GPL-3.0-or-later
// Exact arithmetic for the tests' own answers: rationals of any size, the doubles' range, and the
// ways the screens write a number, each worked out here from the exact value, so that an answer is
// never worked out by the code it checks.
#pragma once

#include <gmpxx.h>

#include <cmath>
#include <compare>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace testing_support {

using Int = mpz_class;

inline Int power_of_ten(long k)
{
    Int p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(k));
    return p;
}
inline Int two_to(long k) { return Int(1) << static_cast<mp_bitcnt_t>(k); }

// A rational number n/d in lowest terms with d > 0.
class Q {
public:
    Q(long n = 0) : v_(n) {}
    Q(const Int& n) : v_(n) {}
    Q(const Int& n, const Int& d) : v_(n, d)
    {
        if (d == 0)
            throw std::domain_error("zero denominator");
        v_.canonicalize();
    }
    template <class Expression>
    Q(const __gmp_expr<mpz_t, Expression>& n) : v_(Int(n))
    {
    }
    explicit Q(const mpq_class& v) : v_(v) { v_.canonicalize(); }

    const Int& num() const { return v_.get_num(); }
    const Int& den() const { return v_.get_den(); }
    bool whole() const { return den() == 1; }
    int sign() const { return sgn(v_); }
    Q abs() const { return Q(mpq_class(::abs(v_))); }
    const mpq_class& mpq() const { return v_; }

    friend Q operator+(const Q& a, const Q& b) { return Q(mpq_class(a.v_ + b.v_)); }
    friend Q operator-(const Q& a, const Q& b) { return Q(mpq_class(a.v_ - b.v_)); }
    friend Q operator*(const Q& a, const Q& b) { return Q(mpq_class(a.v_ * b.v_)); }
    friend Q operator/(const Q& a, const Q& b)
    {
        if (b.sign() == 0)
            throw std::domain_error("division by zero");
        return Q(mpq_class(a.v_ / b.v_));
    }
    Q operator-() const { return Q(mpq_class(-v_)); }
    friend bool operator==(const Q& a, const Q& b) { return a.v_ == b.v_; }
    friend std::strong_ordering operator<=>(const Q& a, const Q& b) { return cmp(a.v_, b.v_) <=> 0; }

    std::string str() const { return whole() ? num().get_str() : num().get_str() + "/" + den().get_str(); }

private:
    mpq_class v_;
};

inline Q ten_to(long k) { return k >= 0 ? Q(power_of_ten(k)) : Q(1, power_of_ten(-k)); }

// Whole division toward zero, and rounding to whole numbers: halves away from zero, halves to even.
inline Int truncated(const Q& q) { return q.num() / q.den(); }
inline Int floor_of(const Q& q)
{
    Int f;
    mpz_fdiv_q(f.get_mpz_t(), q.num().get_mpz_t(), q.den().get_mpz_t());
    return f;
}
inline Int half_away(const Q& q)
{
    const Int up = floor_of(q.abs() + Q(1, 2));
    return q.sign() < 0 ? Int(-up) : up;
}
inline Int half_even(const Q& q)
{
    const Int f = floor_of(q);
    const Q rest = q - Q(f);
    return rest > Q(1, 2) || (rest == Q(1, 2) && mpz_odd_p(f.get_mpz_t())) ? Int(f + 1) : f;
}

// The doubles' range: the largest double, (2^53 - 1) × 2^971, and the smallest normal one, 2^-1022.
inline const Q& largest_double()
{
    static const Q x = Q(two_to(53) - 1) * Q(two_to(971));
    return x;
}
inline const Q& smallest_double()
{
    static const Q x(1, two_to(1022));
    return x;
}

enum class Range { Fits, TooLarge, TooSmall };
inline Range range_of(const Q& q)
{
    if (q.sign() == 0)
        return Range::Fits;
    const Q a = q.abs();
    return largest_double() < a ? Range::TooLarge : a < smallest_double() ? Range::TooSmall : Range::Fits;
}

// The double nearest to q, ties to even, subnormal where it must; empty when it rounds beyond the largest.
inline std::optional<double> nearest_double(const Q& q)
{
    if (q.sign() == 0)
        return 0.0;
    const Q a = q.abs();
    long e = static_cast<long>(mpz_sizeinbase(a.num().get_mpz_t(), 2) - mpz_sizeinbase(a.den().get_mpz_t(), 2));
    const auto two_power = [](long k) { return k >= 0 ? Q(two_to(k)) : Q(1, two_to(-k)); };
    while (a < two_power(e))
        --e;
    while (two_power(e + 1) <= a)
        ++e;
    if (e > 1100)
        return std::nullopt;
    const long unit = (e < -1022 ? -1022 : e) - 52;  // the power of two of the last bit kept
    const Int m = half_even(a / two_power(unit));
    const double d = std::ldexp(m.get_d(), static_cast<int>(unit));
    if (std::isinf(d))
        return std::nullopt;
    return q.sign() < 0 ? -d : d;
}
inline Q exact_of(double d)
{
    mpq_class v;
    mpq_set_d(v.get_mpq_t(), d);
    return Q(v);
}

// The power of ten of the leading digit of a nonzero value.
inline long leading_power(const Q& q)
{
    const Q a = q.abs();
    long e = static_cast<long>(a.num().get_str().size()) - static_cast<long>(a.den().get_str().size());
    while (a < ten_to(e))
        --e;
    while (ten_to(e + 1) <= a)
        ++e;
    return e;
}

// The value as the screens write a number: 15 significant digits, halves away from zero, trailing
// zeros dropped; digits alone from 0.0001 up to 15 whole digits, otherwise a mantissa and a power of
// ten of at least two digits. Just below the largest double, a rounding up would pass it and is
// made toward zero instead.
inline std::string written(const Q& q)
{
    if (q.sign() == 0)
        return "0";
    const Q a = q.abs();
    long e = leading_power(a);
    Int digits = half_away(a * ten_to(14 - e));
    if (digits == power_of_ten(15)) {
        digits = power_of_ten(14);
        ++e;
    }
    if (largest_double() < Q(digits) * ten_to(e - 14))
        digits = floor_of(a * ten_to(14 - e));
    std::string s = digits.get_str();
    s.erase(s.find_last_not_of('0') + 1);
    std::string body;
    if (e >= -4 && e <= 14) {
        if (e < 0)
            body = "0." + std::string(static_cast<std::size_t>(-e - 1), '0') + s;
        else if (s.size() <= static_cast<std::size_t>(e) + 1)
            body = s + std::string(static_cast<std::size_t>(e) + 1 - s.size(), '0');
        else
            body = s.substr(0, static_cast<std::size_t>(e) + 1) + "." + s.substr(static_cast<std::size_t>(e) + 1);
    } else {
        const std::string power = std::to_string(e < 0 ? -e : e);
        body = s.substr(0, 1) + (s.size() > 1 ? "." + s.substr(1) : "") + (e < 0 ? "E-" : "E+")
            + (power.size() < 2 ? "0" : "") + power;
    }
    return (q.sign() < 0 ? "-" : "") + body;
}

// An exact value written with two decimals, halves away from zero: "3.61", "-3.00", "0.00".
inline std::string two_decimals(const Q& q)
{
    const Int hundredths = half_away(q * Q(100));
    const Int magnitude = ::abs(hundredths);
    std::string cents = Int(magnitude % 100 + 100).get_str().substr(1);
    return (hundredths < 0 ? "-" : "") + Int(magnitude / 100).get_str() + "." + cents;
}

// A number as a screen wrote it: m × 10^e.
struct Decimal {
    Int m = 0;
    long e = 0;
    Q value() const { return Q(m) * ten_to(e); }
};

// Reads a number in the form the screens write ("-12", "0.25", "1.23456789012346E+17", "3.00");
// empty for any other text.
inline std::optional<Decimal> read_written(std::string_view text)
{
    Decimal d;
    std::size_t i = 0;
    const bool negative = !text.empty() && text[0] == '-';
    i += negative;
    std::string digits;
    bool point = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '.' && !point) {
            point = true;
            continue;
        }
        if (c < '0' || c > '9')
            break;
        digits += c;
        d.e -= point;
    }
    if (digits.empty())
        return std::nullopt;
    if (i < text.size()) {
        if (text[i] != 'E' || i + 2 >= text.size() || (text[i + 1] != '+' && text[i + 1] != '-'))
            return std::nullopt;
        long power = 0;
        for (std::size_t k = i + 2; k < text.size(); ++k) {
            if (text[k] < '0' || text[k] > '9' || power > 100000)
                return std::nullopt;
            power = power * 10 + (text[k] - '0');
        }
        d.e += text[i + 1] == '-' ? -power : power;
    }
    d.m = Int(digits, 10);
    if (negative)
        d.m = -d.m;
    return d;
}

}  // namespace testing_support
