// numeria's own messages for numbers that the lessons cannot work with.
#pragma once

namespace numeria {

// A number typed, or a result, beyond what the computer can hold.
inline constexpr const char* numbers_too_large = "الأعداد كبيرة جدا... قم بإدخال أعداد أصغر";
// Nonzero numbers whose product is too small for a double come out as 0, and a denominator of 0
// would turn a true result into a false one.
inline constexpr const char* numbers_too_small = "الأعداد صغيرة جدا... قم بإدخال أعداد أكبر";

}  // namespace numeria
