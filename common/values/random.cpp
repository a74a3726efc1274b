// SPDX-License-Identifier: GPL-3.0-or-later
// The runtime's random generator and the draws built on it.
#include "values/random.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>

namespace values {
namespace {

constexpr std::uint64_t multiplier = 1140671485;
constexpr std::uint64_t increment = 12820163;
constexpr std::uint32_t state_mask = 0xFFFFFF;
constexpr float state_range = 16777216.0f;  // 2^24

// Clamped because a whole part outside int's range cannot be converted without undefined behaviour.
int whole_part(float v)
{
    const float below = std::floor(v);
    if (below >= 2147483648.0f)
        return 2147483647;
    if (below < -2147483648.0f)
        return -2147483647 - 1;
    return static_cast<int>(below);
}

// Spreads nanosecond differences across all 24 bits so that nearby readings give unrelated seeds.
std::uint32_t hash24(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<std::uint32_t>(z ^ (z >> 24) ^ (z >> 48)) & state_mask;
}

}  // namespace

// Each step is its own statement so that no compiler fuses them into a wider-precision multiply-add.
// The clamps: at the generator's top value, 1 - 2^-24, the single-precision sum rounds up to n + 1
// when n is a power of two, and a draw of "1 to n" must never give n + 1.
int Random::draw(int n)
{
    const float scaled = rnd() * static_cast<float>(n);
    const float shifted = scaled + 1.0f;
    const int drawn = whole_part(shifted);
    return n > 0 ? std::min(drawn, n) : drawn;
}

int Random::draw_from_zero(int n)
{
    const float scaled = rnd() * static_cast<float>(n);
    const int drawn = whole_part(scaled);
    return n > 0 ? std::min(drawn, n - 1) : drawn;
}

float RuntimeRandom::rnd()
{
    state_ = static_cast<std::uint32_t>((state_ * multiplier + increment) & state_mask);
    return static_cast<float>(state_) / state_range;
}

void RuntimeRandom::randomize()
{
    mix_in(static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count()));
}

// XORed in rather than replacing the state, so repeated calls within one clock tick still move it.
void RuntimeRandom::mix_in(std::uint64_t clock_reading) { state_ = (state_ ^ hash24(clock_reading)) & state_mask; }

}  // namespace values
