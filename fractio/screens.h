// fractio: its title, its screens and the screen it starts on, and what its screens share.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>

#include "model/screen.h"
#include "model/screen_list.h"

namespace fractio {

// Every screen's caption and every message box's title.
inline constexpr const char* app_title = "مجموعة برامج الدرفاني";
inline constexpr model::Colour back_colour = 0x00C0FFFF;
const model::ProgramDescription& program();

// The refusal of a fraction whose numbers the screens cannot work with exactly.
inline constexpr const char* too_large = "الأعداد كبيرة جداً .. فضلاً أدخل أعداداً أصغر";

// Spoken after "the numerator of the ... fraction" and "the ... question".
inline constexpr std::array<const char*, 10> ordinals
    = {"الأول", "الثاني", "الثالث", "الرابع", "الخامس", "السادس", "السابع", "الثامن", "التاسع", "العاشر"};
inline std::string nth(const char* what, int index) { return std::string(what) + " " + ordinals.at(index); }

inline model::Font arabic_bold(double size) { return {"Arabic Transparent", size, model::Weight::Bold}; }

namespace detail {
template <class T, std::size_t N, class Make, std::size_t... I>
std::array<T, N> members(Make& make, std::index_sequence<I...>)
{
    return {make(static_cast<int>(I))...};  // a braced list is evaluated left to right
}
}  // namespace detail

// The members 0 to N-1 of a control array, made in index order by make(index).
template <class T, std::size_t N, class Make>
std::array<T, N> members(Make make)
{
    return detail::members<T, N>(make, std::make_index_sequence<N>());
}

}  // namespace fractio
