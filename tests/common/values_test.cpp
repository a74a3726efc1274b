// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for reading, writing and rounding numbers.
#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <limits>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>

#include "entries.h"
#include "values/values.h"
#include "written.h"

namespace {

using values::cstr;
using values::format00;
using values::strict;
using values::val;
using values::val_checked;

constexpr double inf = std::numeric_limits<double>::infinity();
constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double max = std::numeric_limits<double>::max();
constexpr double tiniest = std::numeric_limits<double>::denorm_min();
constexpr double two_53 = 9007199254740992.0;
constexpr double two_52_plus_1 = 4503599627370497.0;

struct ReadCase {
    std::string_view text;
    std::optional<double> expected;
};

struct WriteCase {
    double x;
    std::string_view expected;
};

// Also tells +0 from -0, which EXPECT_EQ does not.
void expect_identical(std::optional<double> actual, std::optional<double> expected)
{
    ASSERT_EQ(actual.has_value(), expected.has_value());
    if (!expected)
        return;
    EXPECT_EQ(*actual, *expected);
    EXPECT_EQ(std::signbit(*actual), std::signbit(*expected));
}

TEST(Val, ReadsTheNumberAtTheStartOfTheText)
{
    const ReadCase cases[] = {
        {"12abc", 12},
        {"  -3.5e2x", -350},
        {"1 2", 12},
        {"- 3", -3},
        {"\t\n+ 4", 4},
        {"1 2 . 5", 12.5},
        {"", 0},
        {"abc", 0},
        {"--3", 0},
        {"-0", 0},
        {"-0.0e5", 0},
        {".5", 0.5},
        {"5.", 5},
        {".", 0},
        {"1.5.5", 1.5},
        {"1,5", 1},
        {"\r5", 0},
        {"1e", 1},
        {"1e+", 1},
        {"1E+3", 1000},
        {"1e-3", 0.001},
        {"2D2", 200},
        {"2d-1", 0.2},
        {"1e 3", 1000},
        {"1e5.5", 100000},
        {"\xD9\xA3\xD9\xAB\xD9\xA5", 3.5},
        {"\xDB\xB1\xDB\xB2", 12},
        {"1\xD9\xA2", 12},
        {"5\xD9", 5},
        {"5\xC3\xA9", 5},
        {"1e-999", 0},
        {"-1e-999", 0},
        {"0e99999999999999999999", 0},
        {"4.9406564584124654e-324", tiniest},
        {"1.7976931348623157e308", max},
        {"123456789012345678901234567890e-20", 1234567890.1234567890},
        {"1234567890123456789012345678901234567890", 1234567890123456789012345678901234567890.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        expect_identical(val(c.text), c.expected);
        expect_identical(val_checked(c.text), c.expected);
    }
}

TEST(Val, ReadsHexadecimalAndOctalAsSigned16Or32BitWords)
{
    const ReadCase cases[] = {
        {"&H1F", 31},
        {"&h1f", 31},
        {"&o17", 15},
        {"&HFFFF", -1},
        {"&H7FFF", 32767},
        {"&H8000", -32768},
        {"&H0000FFFF", -1},
        {"&H10000", 65536},
        {"&H7FFFFFFF", 2147483647},
        {"&H80000000", -2147483648.0},
        {"&HFFFFFFFF", -1},
        {"&O177777", -1},
        {"&O200000", 65536},
        {"&O37777777777", -1},
        {"&H1G", 1},
        {"&O78", 7},
        {"&H", 0},
        {"&12", 0},
        {"-&H10", 0},
        {"&H 1F", 31},
        {"&H\xD9\xA1\xD9\xA0", 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        expect_identical(val(c.text), c.expected);
    }
}

TEST(Val, ReadsANumberBeyondTheDoubleRangeAsZero)
{
    const std::string huge = "1" + std::string(9999, '0');
    const std::string_view texts[] = {
        "1e999", "-1e999", "1.8e308", "1e99999999999999999999", "&H100000000", "&O40000000000", "&H10000000000000000",
        huge,
    };
    for (const std::string_view text : texts) {
        SCOPED_TRACE(text);
        expect_identical(val(text), 0);
        EXPECT_FALSE(val_checked(text));
    }
}

TEST(Val, RoundsLongDigitStringsCorrectly)
{
    const std::string midpoint = "9007199254740993";
    EXPECT_EQ(val(midpoint), two_53);
    EXPECT_EQ(val(midpoint + "." + std::string(9990, '0') + "1"), two_53 + 2);
    EXPECT_EQ(val("0." + std::string(10000, '3')), 1.0 / 3);
    EXPECT_EQ(val(std::string(10000, '0') + "5"), 5);
    EXPECT_EQ(val("0." + std::string(399, '0') + "1e400"), 1);
}

TEST(Strict, AcceptsOnlyATextThatIsOneNumber)
{
    const ReadCase cases[] = {
        {"12abc", {}},
        {" 4 ", 4},
        {"\t-2.5\n", -2.5},
        {"", {}},
        {"   ", {}},
        {"-", {}},
        {"+", {}},
        {".", {}},
        {"1 2", {}},
        {"- 3", {}},
        {"--3", {}},
        {"1e", {}},
        {"1e+", {}},
        {"1e+2", 100},
        {"5.", 5},
        {".5", 0.5},
        {"-0", 0},
        {"1,5", {}},
        {"1.5.5", {}},
        {"\xD9\xA3", 3},
        {"\xD9\xA3\xD9\xAB\xD9\xA5", 3.5},
        {"5\xD9", {}},
        {"1e999", {}},
        {"1e-999", 0},
        {"&H10", 16},
        {"&HFFFF", -1},
        {"&H", {}},
        {"&H100000000", {}},
        {"0x10", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        expect_identical(strict(c.text), c.expected);
    }
}

TEST(CStr, WritesNumbersAsTheRuntimeDid)
{
    const WriteCase cases[] = {
        {7.0 / 3, "2.33333333333333"},
        {2 / 3.0, "0.666666666666667"},
        {0.1 + 0.2, "0.3"},
        {-10, "-10"},
        {-0.0, "0"},
        {0, "0"},
        {0.5, "0.5"},
        {0.75, "0.75"},
        {-3.5, "-3.5"},
        {-0.001, "-0.001"},
        {1e15, "1E+15"},
        {999999999999999.9, "1E+15"},
        {123456789012345, "123456789012345"},
        {1e14, "100000000000000"},
        {1234567890123456, "1.23456789012346E+15"},
        {-2.5e20, "-2.5E+20"},
        {1e100, "1E+100"},
        {0.0001, "0.0001"},
        {0.00012345, "0.00012345"},
        {1e-5, "1E-05"},
        {1.5e-7, "1.5E-07"},
        {0.000099999, "9.9999E-05"},
        {9.999999999999999e-5, "0.0001"},
        {1e-100, "1E-100"},
        {max, "1.79769313486231E+308"},
        {-max, "-1.79769313486231E+308"},
        {tiniest, "4.94065645841247E-324"},
        {inf, "Overflow"},
        {-inf, "Overflow"},
        {nan, "Overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(cstr(c.x), c.expected);
    }
}

TEST(CStr, ReadsBackToTheSameText)
{
    const double numbers[] = {std::numbers::pi,
                              -1.0 / 3,
                              0.1 + 0.2,
                              123456.789,
                              1e15,
                              -2.5e20,
                              1e-5,
                              6.02214076e23,
                              max,
                              -max,
                              tiniest,
                              2.2250738585072014e-308,
                              two_52_plus_1};
    for (const double x : numbers) {
        const std::string text = cstr(x);
        SCOPED_TRACE(text);
        EXPECT_EQ(cstr(val(text)), text);
        expect_identical(strict(text), val(text));
    }
}

TEST(Format00, WritesTwoDecimalsRoundingHalvesAwayFromZero)
{
    const WriteCase cases[] = {
        {std::sqrt(13.0), "3.61"},
        {-3, "-3.00"},
        {0, "0.00"},
        {-0.0, "0.00"},
        {0.5, "0.50"},
        {2.675, "2.68"},
        {-2.675, "-2.68"},
        {0.125, "0.13"},
        {1.005, "1.01"},
        {0.015, "0.02"},
        {0.995, "1.00"},
        {99.995, "100.00"},
        {-0.001, "0.00"},
        {-0.005, "-0.01"},
        {0.004999, "0.00"},
        {1e-300, "0.00"},
        {1.0 / 3, "0.33"},
        {1234567.891, "1234567.89"},
        {12345678901234.567, "12345678901234.60"},
        {1e20, "100000000000000000000.00"},
        {inf, "Overflow"},
        {nan, "Overflow"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(format00(c.x), c.expected);
    }
}

TEST(Rounding, IntFixAndRoundEven)
{
    struct Row {
        double x, floor, truncated, even;
    };
    const Row cases[] = {
        {-2.5, -3, -2, -2},
        {2.5, 2, 2, 2},
        {3.5, 3, 3, 4},
        {-3.5, -4, -3, -4},
        {2.7, 2, 2, 3},
        {-0.5, -1, 0, 0},
        {-0.3, -1, 0, 0},
        {0.5, 0, 0, 0},
        {1.5, 1, 1, 2},
        {-0.0, 0, 0, 0},
        {0.49999999999999994, 0, 0, 0},
        {2.5000000000000004, 2, 2, 3},
        {two_52_plus_1, two_52_plus_1, two_52_plus_1, two_52_plus_1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        expect_identical(values::int_(c.x), c.floor);
        expect_identical(values::fix(c.x), c.truncated);
        expect_identical(values::round_even(c.x), c.even);
    }
}

TEST(Mod, RoundsOperandsThenKeepsTheSignOfTheDividend)
{
    struct Row {
        double a, b;
        std::optional<double> expected;
    };
    const Row cases[] = {
        {-7, 2, -1},    {7, -2, 1},     {2.5, 2, 0},      {3.5, 2, 0},    {6.5, 4, 2},         {5, 0.4, {}},
        {5, 0.5, {}},   {5, -0.5, {}},  {5, 0.6, 0},      {10, 5, 0},     {-4, 2, 0},          {-0.4, 3, 0},
        {4e9, 7, 3},    {two_53, 3, 2}, {-two_53, 3, -2}, {5, two_53, 5}, {two_53 + 2, 3, {}}, {3, two_53 + 2, {}},
        {1e300, 3, {}}, {inf, 3, {}},   {3, inf, {}},     {nan, 3, {}},   {3, nan, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.a << " Mod " << c.b);
        expect_identical(values::mod(c.a, c.b), c.expected);
    }
}

TEST(WholeNumbers, GcdAndLcmAreExactUpTo2To53)
{
    constexpr double two_52 = two_53 / 2;
    constexpr double fibonacci_77 = 5527939700884757;  // the longest run of Euclid's steps below 2^53
    constexpr double fibonacci_78 = 8944394323791464;
    struct Row {
        double a, b;
        std::optional<double> gcd, lcm;
    };
    const Row cases[] = {
        {12, 18, 6, 36},
        {18, 12, 6, 36},
        {7, 13, 1, 91},
        {-4, 6, 2, 12},
        {4, -6, 2, 12},
        {-4, -6, 2, 12},
        {5, 5, 5, 5},
        {0, 0, 0, 0},
        {0, -5, 5, 0},
        {-0.0, 3, 3, 0},
        {1e15, 10, 10, 1e15},
        {two_53, two_52, two_52, two_53},
        {-two_53, two_53, two_53, two_53},
        {two_53 - 1, two_53, 1, {}},
        {two_52 / 2, 3, 1, 3 * two_52 / 2},
        {two_52, 3, 1, {}},
        {1e9, 1e9 + 7, 1, {}},
        {fibonacci_78, fibonacci_77, 1, {}},
        {2.5, 5, {}, {}},
        {5, -0.5, {}, {}},
        {two_53 + 2, 2, {}, {}},
        {2, -two_53 - 2, {}, {}},
        {1e300, 3, {}, {}},
        {inf, 3, {}, {}},
        {3, -inf, {}, {}},
        {nan, 3, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::setprecision(17) << c.a << ", " << c.b);
        expect_identical(values::gcd(c.a, c.b), c.gcd);
        expect_identical(values::lcm(c.a, c.b), c.lcm);
    }
}

TEST(CheckedArithmetic, SqrAndFiniteRejectWhatIsNotARealNumber)
{
    struct Row {
        double x;
        std::optional<double> root, kept;
    };
    const Row cases[] = {
        {4, 2, 4}, {0, 0, 0}, {-0.0, 0, 0}, {-1, {}, -1}, {inf, {}, {}}, {-inf, {}, {}}, {nan, {}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.x);
        expect_identical(values::sqr(c.x), c.root);
        expect_identical(values::finite(c.x), c.kept);
    }
}

// Every kind of entry a pupil might type reads as what is known of it, and every number read is
// written back in the written forms.
TEST(AnyEntry, ReadsAsKnownAndWritesBackInTheWrittenForms)
{
    using testing_support::Reading;
    using Kind = Reading::Kind;
    testing_support::Entries gen(testing_support::property_seed());
    // The double reading rounds to the nearest double; beyond the largest it has none, and a number
    // too small for any double is 0.
    const auto as_double = [](const Reading& r) -> std::optional<std::optional<double>> {
        if (r.value)
            return testing_support::nearest_double(*r.value);
        if (r.kind == Kind::TooLarge || r.kind == Kind::NotANumber)
            return std::optional<double>();
        if (r.kind == Kind::TooSmall)
            return std::optional<double>(0.0);
        return std::nullopt;
    };
    for (long i = 0; i < testing_support::property_cases() && !HasFailure(); ++i) {
        const testing_support::Entry e = gen.any();
        SCOPED_TRACE(testing::PrintToString(e.text.substr(0, 60)));
        const auto lenient = values::val_checked(e.text), whole = values::strict(e.text);
        if (const auto expected = as_double(e.lenient)) {
            EXPECT_EQ(lenient, *expected);
        }
        if (const auto expected = as_double(e.strict)) {
            EXPECT_EQ(whole, *expected);
        }
        for (const auto x : {lenient, whole})
            if (x) {
                EXPECT_TRUE(testing_support::is_written(values::cstr(*x))) << values::cstr(*x);
                EXPECT_TRUE(testing_support::is_two_decimals(values::format00(*x))) << values::format00(*x);
            }
    }
}

}  // namespace
