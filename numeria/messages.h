// SPDX-License-Identifier: GPL-3.0-or-later
// numeria's own messages for numbers that the lessons cannot work with, and the reading of the
// pupil's boxes that gives them.
#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "values/exact.h"

namespace numeria {

// A number typed, or a result, beyond what the computer can hold.
inline constexpr const char* numbers_too_large = "الأعداد كبيرة جدا... قم بإدخال أعداد أصغر";
// A number typed, or a result, that is not 0 but smaller than the computer can hold: written as 0
// it would turn a true result into a false one.
inline constexpr const char* numbers_too_small = "الأعداد صغيرة جدا... قم بإدخال أعداد أكبر";

// What the pupil is told about a number that is not within what the program works with.
inline const char* out_of_range(values::Range r)
{
    return r == values::Range::TooSmall ? numbers_too_small : numbers_too_large;
}

// The numbers in the pupil's boxes, read leniently and exactly, or why one of them cannot be used.
template <std::size_t N>
struct Entries {
    std::array<values::Exact, N> numbers;
    values::Range fault = values::Range::Fits;
    explicit operator bool() const { return fault == values::Range::Fits; }
    const values::Exact& operator[](std::size_t i) const { return numbers[i]; }
};

template <std::size_t N>
Entries<N> read_exactly(const std::array<std::string, N>& texts)
{
    Entries<N> entries;
    for (std::size_t i = 0; i < N && entries; ++i) {
        const values::Checked x = values::val_exact(texts[i]);
        entries.fault = x.range();
        entries.numbers[i] = *x;
    }
    return entries;
}

}  // namespace numeria
