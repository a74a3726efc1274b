// SPDX-License-Identifier: GPL-3.0-or-later
// Exact reading, writing and whole-number operations, on GMP's rationals.
#include "values/exact.h"

#include <cfloat>
#include <charconv>
#include <cstdint>

#include "values/notation.h"
#include "values/values.h"

namespace values {
namespace {

// Far enough beyond either end of the doubles' range that a number read is surely outside it,
// so that a typed exponent of a million digits is never raised to its power.
constexpr std::int64_t leading_power_beyond = 400;
// A root is written with two decimals, and so are the solutions made from it, up to the largest
// double, about 2^1024: every digit down to the hundredths is right only with some 1030 bits.
constexpr unsigned long root_bits = 1100;

const Exact& largest()
{
    static const Exact x(DBL_MAX);
    return x;
}
const Exact& smallest()
{
    static const Exact x(DBL_MIN);
    return x;
}

mpz_class power_of_ten(std::int64_t k)
{
    mpz_class p;
    mpz_ui_pow_ui(p.get_mpz_t(), 10, static_cast<unsigned long>(k));
    return p;
}

}  // namespace

Range range_of(const Exact& x)
{
    if (x == 0)
        return Range::Fits;
    const Exact magnitude = abs(x);
    if (magnitude > largest())
        return Range::TooLarge;
    if (magnitude < smallest())
        return Range::TooSmall;
    return Range::Fits;
}

namespace {

Checked exact_of(const notation::Reading& r)
{
    if (r.too_large)
        return Range::TooLarge;
    if (r.digits.empty())
        return Exact(0);
    const std::int64_t leading = r.leading_power();
    if (leading > leading_power_beyond)
        return Range::TooLarge;
    if (leading < -leading_power_beyond)
        return Range::TooSmall;
    Exact x(mpz_class(r.digits, 10));
    if (r.scale >= 0)
        x *= power_of_ten(r.scale);
    else
        x /= power_of_ten(-r.scale);
    x.canonicalize();
    return r.negative ? Checked(-x) : Checked(x);
}

// The power of ten of the leading digit of a number other than 0.
std::int64_t leading_power(const Exact& magnitude)
{
    const mpz_class& n = magnitude.get_num();
    const mpz_class& d = magnitude.get_den();
    auto e = static_cast<std::int64_t>(mpz_sizeinbase(n.get_mpz_t(), 10))
        - static_cast<std::int64_t>(mpz_sizeinbase(d.get_mpz_t(), 10));
    const auto ten_to = [](std::int64_t k) { return k >= 0 ? Exact(power_of_ten(k)) : Exact(1, power_of_ten(-k)); };
    while (ten_to(e) > magnitude)
        --e;
    while (ten_to(e + 1) <= magnitude)
        ++e;
    return e;
}

// The magnitude × 10^shift rounded to a whole number, halves away from zero.
mpz_class rounded_scaled(const Exact& magnitude, std::int64_t shift)
{
    Exact scaled = magnitude;
    if (shift >= 0)
        scaled *= power_of_ten(shift);
    else
        scaled /= power_of_ten(-shift);
    scaled += Exact(1, 2);
    mpz_class whole;
    mpz_fdiv_q(whole.get_mpz_t(), scaled.get_num_mpz_t(), scaled.get_den_mpz_t());
    return whole;
}

}  // namespace

Checked::Checked(Exact value) : value_(std::move(value)), range_(range_of(value_))
{
    if (range_ != Range::Fits)
        value_ = 0;
}

Checked val_exact(std::string_view text) { return exact_of(notation::read_lenient(text)); }

std::optional<Checked> strict_exact(std::string_view text)
{
    const auto number = notation::read_whole(text);
    if (!number)
        return std::nullopt;
    return exact_of(*number);
}

bool held_by_double(std::string_view text)
{
    const auto number = notation::read_whole(text);
    const auto nearest = values::strict(text);
    if (!number || !nearest)
        return true;
    char shortest[32];
    const auto end = std::to_chars(shortest, shortest + sizeof shortest, *nearest).ptr;
    const auto back = notation::read_whole(std::string_view(shortest, static_cast<std::size_t>(end - shortest)));
    return back && back->digits == number->digits && (number->digits.empty() || back->scale == number->scale);
}

std::string cstr(const Exact& x)
{
    if (x == 0)
        return "0";
    const Exact magnitude = abs(x);
    notation::Digits15 d;
    d.negative = x < 0;
    auto exponent = leading_power(magnitude);
    mpz_class digits = rounded_scaled(magnitude, 14 - exponent);
    if (digits == power_of_ten(15)) {
        digits = power_of_ten(14);
        ++exponent;
    }
    d.digits = digits.get_str();
    d.exponent = static_cast<int>(exponent);
    // Near the largest double, rounding up would write a number beyond what can be read back.
    if (exponent >= 308 && Exact(digits * power_of_ten(exponent - 14)) > largest())
        notation::decrement(d.digits);
    return notation::cstr_form(d);
}

std::string format00(const Exact& x) { return notation::hundredths_form(x < 0, rounded_scaled(abs(x), 2).get_str()); }

Exact fix(const Exact& x)
{
    mpz_class q;
    mpz_tdiv_q(q.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
    return Exact(q);
}

Exact round_even(const Exact& x)
{
    mpz_class below;
    mpz_fdiv_q(below.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
    const Exact fraction = x - below;
    const bool up = fraction > Exact(1, 2) || (fraction == Exact(1, 2) && mpz_odd_p(below.get_mpz_t()));
    return Exact(up ? below + 1 : below);
}

std::optional<Exact> mod(const Exact& a, const Exact& b)
{
    const Exact divisor = round_even(b);
    if (divisor == 0)
        return std::nullopt;
    mpz_class r;
    mpz_tdiv_r(r.get_mpz_t(), round_even(a).get_num_mpz_t(), divisor.get_num_mpz_t());
    return Exact(r);
}

Exact lcm(const Exact& a, const Exact& b)
{
    mpz_class l;
    mpz_lcm(l.get_mpz_t(), a.get_num_mpz_t(), b.get_num_mpz_t());
    return Exact(l);
}

bool is_whole(const Exact& x) { return x.get_den() == 1; }

std::optional<Exact> square_root(const Exact& x)
{
    if (x < 0)
        return std::nullopt;
    const mpz_class& n = x.get_num();
    const mpz_class& d = x.get_den();
    if (mpz_perfect_square_p(n.get_mpz_t()) && mpz_perfect_square_p(d.get_mpz_t())) {
        mpz_class rn, rd;
        mpz_sqrt(rn.get_mpz_t(), n.get_mpz_t());
        mpz_sqrt(rd.get_mpz_t(), d.get_mpz_t());
        return Exact(rn, rd);
    }
    mpf_class root(x, root_bits);
    mpf_sqrt(root.get_mpf_t(), root.get_mpf_t());
    Exact approximation;
    mpq_set_f(approximation.get_mpq_t(), root.get_mpf_t());
    return approximation;
}

}  // namespace values
