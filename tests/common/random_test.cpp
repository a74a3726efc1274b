// SPDX-License-Identifier: GPL-3.0-or-later
// Tests for the runtime's random generator and the draws built on it.
#include <gtest/gtest.h>

#include <cstdint>
#include <set>

#include "values/random.h"

namespace {

using values::RuntimeRandom;

class FixedRandom final : public values::Random {
public:
    explicit FixedRandom(float value) : value_(value) {}
    float rnd() override { return value_; }
    void randomize() override {}

private:
    float value_;
};

TEST(RuntimeRandom, StartsWithTheRuntimeSequence)
{
    RuntimeRandom random;
    for (const float expected : {0.7055475f, 0.5334240f, 0.5795186f, 0.2895625f}) {
        EXPECT_NEAR(random.rnd(), expected, 1e-7);
    }
}

TEST(RuntimeRandom, DrawsFromTheInitialState)
{
    RuntimeRandom from_one;
    for (const int expected : {8, 6, 6, 3})
        EXPECT_EQ(from_one.draw(10), expected);
    RuntimeRandom from_zero;
    for (const int expected : {9, 6, 7, 3})
        EXPECT_EQ(from_zero.draw_from_zero(13), expected);
}

TEST(RuntimeRandom, KeepsTheStateWithin24Bits)
{
    RuntimeRandom random(0xFFFFFFFF);
    random.rnd();
    EXPECT_LT(random.state(), 1u << 24);
    random.randomize();
    EXPECT_LT(random.state(), 1u << 24);
}

TEST(Draw, ComputesInSinglePrecision)
{
    struct Row {
        float r;
        int n, from_one, from_zero;
    };
    const Row cases[] = {
        {0.0f, 10, 1, 0},
        {0.5f, 10, 6, 5},
        {0.99999994f, 10, 10, 9},
        {0.99999994f, 100000000, 99999992, 99999992},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << " * " << c.n);
        FixedRandom random(c.r);
        EXPECT_EQ(random.draw(c.n), c.from_one);
        EXPECT_EQ(random.draw_from_zero(c.n), c.from_zero);
    }
}

TEST(Draw, StaysWithinRangeAtTheTopValue)
{
    constexpr std::uint32_t before_top = 0xC4C4EC;  // the state whose successor is 2^24 - 1
    RuntimeRandom runtime(before_top);
    const float top = runtime.rnd();
    ASSERT_EQ(top, 0.99999994f);
    FixedRandom random(top);
    for (const int n : {1, 2, 4, 8, 10, 13, 16, 1024}) {
        SCOPED_TRACE(n);
        EXPECT_EQ(random.draw(n), n);
        EXPECT_EQ(random.draw_from_zero(n), n - 1);
    }
}

TEST(RuntimeRandom, RandomizeVariesDrawsWithinOneClockTick)
{
    RuntimeRandom random;
    std::set<int> draws;
    std::set<float> values;
    for (int i = 0; i < 10; ++i) {
        random.randomize();
        draws.insert(random.draw_from_zero(13));
        random.randomize();
        values.insert(random.rnd());
    }
    EXPECT_GT(draws.size(), 1u);
    EXPECT_EQ(values.size(), 10u);
}

TEST(RuntimeRandom, MixingTheSameClockReadingStillVariesTheValues)
{
    RuntimeRandom random;
    std::set<float> values;
    for (int i = 0; i < 10; ++i) {
        random.mix_in(123456789);
        values.insert(random.rnd());
    }
    EXPECT_EQ(values.size(), 10u);
}

TEST(RuntimeRandom, ReadingsANanosecondApartGiveDifferentStates)
{
    RuntimeRandom first;
    RuntimeRandom second;
    first.mix_in(1'700'000'000'000'000'000);
    second.mix_in(1'700'000'000'000'000'001);
    EXPECT_NE(first.state(), second.state());
}

}  // namespace
