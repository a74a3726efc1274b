// SPDX-License-Identifier: GPL-3.0-or-later
// The random generator the lessons draw their examples from.
#pragma once

#include <cstdint>

namespace values {

class Random {
public:
    virtual ~Random() = default;
    virtual float rnd() = 0;       // 0 <= rnd < 1, single precision
    virtual void randomize() = 0;  // mixes the clock into the state

    // Int(Rnd * n + 1) computed in single precision: a whole number from 1 to n.
    int draw(int n);
    // Int(Rnd * n): a whole number from 0 to n - 1.
    int draw_from_zero(int n);
};

// The runtime's 24-bit linear congruential generator. It starts from the same state at every
// start of the program, so the examples come in the same order each time.
class RuntimeRandom final : public Random {
public:
    static constexpr std::uint32_t initial_state = 327680;
    explicit RuntimeRandom(std::uint32_t state = initial_state) : state_(state) {}
    float rnd() override;
    void randomize() override;
    // What randomize() does with its clock reading; lets the mixing be checked without a clock.
    void mix_in(std::uint64_t clock_reading);
    std::uint32_t state() const { return state_; }

private:
    std::uint32_t state_;
};

}  // namespace values
