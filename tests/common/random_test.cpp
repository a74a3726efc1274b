// Tests for the runtime's random generator and the draws built on it.
#include "values/random.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using values::RuntimeRandom;

class fixed_random final : public values::Random {
public:
    explicit fixed_random(float value)
        : value_(value)
    {
    }
    float rnd() override { return value_; }
    void randomize() override { }

private:
    float value_;
};

TEST(runtime_random, starts_with_the_runtime_sequence)
{
    RuntimeRandom random;
    for (float const expected : {0.7055475f, 0.5334240f, 0.5795186f, 0.2895625f}) {
        EXPECT_NEAR(random.rnd(), expected, 1e-7);
    }
}

TEST(runtime_random, draws_from_the_initial_state)
{
    RuntimeRandom from_one;
    for (int const expected : {8, 6, 6, 3})
        EXPECT_EQ(from_one.draw(10), expected);
    RuntimeRandom from_zero;
    for (int const expected : {9, 6, 7, 3})
        EXPECT_EQ(from_zero.draw_from_zero(13), expected);
}

TEST(runtime_random, keeps_the_state_within_24_bits)
{
    RuntimeRandom random(0xFFFFFFFF);
    random.rnd();
    EXPECT_LT(random.state(), 1u << 24);
    random.randomize();
    EXPECT_LT(random.state(), 1u << 24);
}

TEST(draw, computes_in_single_precision)
{
    struct {
        float r;
        int n, from_one, from_zero;
    } const cases[] = {
        {0.0f, 10, 1, 0},
        {0.5f, 10, 6, 5},
        {0.99999994f, 10, 10, 9},
        {0.99999994f, 100000000, 99999992, 99999992},
    };
    for (auto const& c : cases) {
        SCOPED_TRACE(testing::Message() << c.r << " * " << c.n);
        fixed_random random(c.r);
        EXPECT_EQ(random.draw(c.n), c.from_one);
        EXPECT_EQ(random.draw_from_zero(c.n), c.from_zero);
    }
}

TEST(runtime_random, randomize_varies_draws_within_one_clock_tick)
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

TEST(runtime_random, mixing_the_same_clock_reading_still_varies_the_values)
{
    RuntimeRandom random;
    std::set<float> values;
    for (int i = 0; i < 10; ++i) {
        random.mix_in(123456789);
        values.insert(random.rnd());
    }
    EXPECT_EQ(values.size(), 10u);
}

TEST(runtime_random, readings_a_nanosecond_apart_give_different_states)
{
    RuntimeRandom first;
    RuntimeRandom second;
    first.mix_in(1'700'000'000'000'000'000);
    second.mix_in(1'700'000'000'000'000'001);
    EXPECT_NE(first.state(), second.state());
}

} // namespace
