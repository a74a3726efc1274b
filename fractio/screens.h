// SPDX-License-Identifier: GPL-3.0-or-later
// fractio: its title, its screens and the screen it starts on, and what its screens share.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "model/screen.h"
#include "model/screen_list.h"
#include "values/exact.h"

namespace fractio {

// Every screen's caption and every message box's title.
inline constexpr const char* app_title = "مجموعة برامج الدرفاني";
inline constexpr model::Colour back_colour = 0x00C0FFFF;
const model::ProgramDescription& program();
// What a screen reader calls a window: every screen has the collection's title, so the name adds
// which screen it is.
inline std::string window_name(const char* screen) { return std::string(app_title) + "، " + screen; }

// The refusal of a fraction whose numbers the screens cannot work with exactly.
inline constexpr const char* too_large = "الأعداد كبيرة جداً .. فضلاً أدخل أعداداً أصغر";
// The refusal of a typed number that is not 0 but smaller than the computer can hold.
inline constexpr const char* too_small = "الأعداد صغيرة جداً .. فضلاً أدخل أعداداً أكبر";
// A typed number that the fraction screens take: a number other than 0 within the computer's
// range, or one so small that it gets the message of its own. Anything else is no fraction.
inline bool usable(const std::optional<values::Checked>& x)
{
    return x && (x->range() == values::Range::TooSmall || (*x && **x != 0));
}

// Spoken after "the numerator of the ... fraction" and "the ... question".
inline constexpr std::array<const char*, 10> ordinals
    = {"الأول", "الثاني", "الثالث", "الرابع", "الخامس", "السادس", "السابع", "الثامن", "التاسع", "العاشر"};
inline std::string nth(const char* what, int index) { return std::string(what) + " " + ordinals.at(index); }

inline model::Font arabic_bold(double size) { return {"Arabic Transparent", size, model::Weight::Bold}; }

}  // namespace fractio
