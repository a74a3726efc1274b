// SPDX-License-Identifier: GPL-3.0-or-later
// Exact reading and writing: what the practice screens compute with.
#include <gtest/gtest.h>

#include <string>

#include "entries.h"
#include "values/exact.h"

namespace {

using values::Exact;
using values::Range;

Exact q(const char* text) { return *values::val_exact(text); }

TEST(Exact, ReadsTheNumberWrittenNotItsNearestDouble)
{
    struct Row {
        const char* text;
        Range range;
        const char* value;  // as a rational, for the numbers in range
    };
    const std::vector<Row> table = {
        {"0.1", Range::Fits, "1/10"},
        {"٣٫٥", Range::Fits, "7/2"},
        {"-0.3abc", Range::Fits, "-3/10"},
        {"12abc", Range::Fits, "12"},
        {"9007199254740993", Range::Fits, "9007199254740993"},
        {"1234567890123456789012345678901234567890", Range::Fits, "1234567890123456789012345678901234567890"},
        {"&HFFFF", Range::Fits, "-1"},
        {"", Range::Fits, "0"},
        {"-0", Range::Fits, "0"},
        {"1e-5000000000", Range::TooSmall, "0"},
        {"1e-308", Range::TooSmall, "0"},
        {"2.3e-308", Range::Fits, "23/10e309"},
        {"1.7976931348623157e308", Range::Fits, ""},
        {"1.8e308", Range::TooLarge, "0"},
        {"1e999999999999", Range::TooLarge, "0"},
        {"&H100000000", Range::TooLarge, "0"},
    };
    for (const Row& r : table) {
        SCOPED_TRACE(r.text);
        const values::Checked x = values::val_exact(r.text);
        EXPECT_EQ(x.range(), r.range);
        if (r.range == Range::Fits && std::string(r.value).find('e') == std::string::npos && *r.value != '\0') {
            EXPECT_EQ(*x, Exact(r.value));
        }
    }
    EXPECT_FALSE(values::strict_exact("12abc"));
    EXPECT_EQ(**values::strict_exact(" 0.25 "), Exact(1, 4));
}

TEST(Exact, WritesFifteenDigitsOfTheExactValue)
{
    const std::vector<std::pair<Exact, std::string>> table = {
        {q("0.1") + q("0.2"), "0.3"},
        {q("123456789") * q("987654321"), "1.21932631112635E+17"},
        {q("999999999999999"), "999999999999999"},
        {Exact(2, 3), "0.666666666666667"},
        {Exact(-1, 3), "-0.333333333333333"},
        {q("0.0001"), "0.0001"},
        {q("0.00001"), "1E-05"},
        {q("999999999999999.5"), "1E+15"},
        {q("1e-300") * q("1e-300"), "1E-600"},
        {q("1.7976931348623157e308"), "1.79769313486231E+308"},
        {Exact(0), "0"},
    };
    for (const auto& [x, text] : table)
        EXPECT_EQ(values::cstr(x), text) << x.get_str();
}

TEST(Exact, WholeNumberOperationsAndTwoDecimals)
{
    EXPECT_EQ(values::fix(Exact(-7, 2)), -3);
    EXPECT_EQ(values::round_even(Exact(5, 2)), 2);
    EXPECT_EQ(values::round_even(Exact(-5, 2)), -2);
    EXPECT_EQ(values::round_even(Exact(7, 2)), 4);
    EXPECT_EQ(*values::mod(-7, 2), -1);
    EXPECT_EQ(*values::mod(q("1e20"), 3), 1);
    EXPECT_FALSE(values::mod(7, Exact(1, 2)));
    EXPECT_EQ(values::lcm(q("1e200"), q("3e200")), q("3e200"));
    EXPECT_EQ(values::format00(Exact(1, 8)), "0.13");
    EXPECT_EQ(values::format00(Exact(-1, 8)), "-0.13");
    EXPECT_EQ(values::format00(Exact(-1, 1000)), "0.00");
    EXPECT_EQ(values::format00(Exact(-1, 10)), "-0.10");
    EXPECT_EQ(*values::square_root(Exact(9, 4)), Exact(3, 2));
    EXPECT_EQ(values::format00(*values::square_root(2)), "1.41");
    EXPECT_FALSE(values::square_root(-1));
}

TEST(Exact, ADoubleHoldsTheTypedNumberOnlyWhenItStandsForItsDigits)
{
    for (const char* held : {"0.1", "0.5", "9007199254740992", "1e300", "-2.5", "٣٫٥", "abc"})
        EXPECT_TRUE(values::held_by_double(held)) << held;
    for (const char* lost : {"9007199254740993", "1000000000000000.01", "0.10000000000000001"})
        EXPECT_FALSE(values::held_by_double(lost)) << lost;
}

// Every entry whose number is known reads as exactly that number, in range or refused as beyond it,
// and is written back digit for digit as the tests' own writing has it.
TEST(Exact, EveryKnownEntryReadsAsItsNumberAndIsWrittenFromIt)
{
    using testing_support::Reading;
    testing_support::Entries gen(testing_support::property_seed());
    const auto expect_read = [](const Reading& r, const values::Checked& x) {
        if (r.kind == Reading::Kind::Unknown || r.kind == Reading::Kind::NotANumber)
            return;
        const Range expected = r.kind == Reading::Kind::TooLarge ? Range::TooLarge
            : r.kind == Reading::Kind::TooSmall                  ? Range::TooSmall
                                                                 : Range::Fits;
        EXPECT_EQ(x.range(), expected);
        if (expected != Range::Fits)
            return;
        EXPECT_EQ(*x, r.value->mpq());
        EXPECT_EQ(values::cstr(*x), testing_support::written(*r.value));
        EXPECT_EQ(values::format00(*x), testing_support::two_decimals(*r.value));
    };
    for (long i = 0; i < testing_support::property_cases() && !HasFailure(); ++i) {
        const testing_support::Entry e = gen.any();
        SCOPED_TRACE(testing::PrintToString(e.text.substr(0, 60)));
        expect_read(e.lenient, values::val_exact(e.text));
        const auto whole = values::strict_exact(e.text);
        if (e.strict.kind != Reading::Kind::Unknown) {
            EXPECT_EQ(whole.has_value(), e.strict.kind != Reading::Kind::NotANumber);
        }
        if (whole)
            expect_read(e.strict, *whole);
    }
}

}  // namespace
