// SPDX-License-Identifier: GPL-3.0-or-later
// What is said aloud for what a screen shows: numbers as Arabic number words, operators as
// words, single letters by their names, and nothing that a voice stumbles over (runs of dots,
// tatweel, direction marks). Screen readers and read-aloud both speak these forms.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace model {

struct Control;

// A number as written by the program or typed by the pupil, in either digit set ("-12",
// "٣٫٥", "1.5E-07"), as Arabic words: "سالب اثنا عشر", "ثلاثة فاصلة خمسة". Text that is not
// a number comes back unchanged.
std::string number_words(std::string_view number);

// Any text a screen shows, as it is said: "7 + -2 = 5" is "سبعة زائد سالب اثنان يساوي خمسة".
std::string spoken(std::string_view text);

// One piece of what is heard of a group of controls, in reading order: a control, a fraction of
// two controls, or whichever of a set of buttons was pressed last (the operation of a board
// whose operations are buttons).
struct Part {
    enum class Kind { Control, Fraction, Pressed };
    Kind kind = Kind::Control;
    std::vector<const Control*> controls;

    template <class H>
    requires requires(const H& h) { h.control(); }
    Part(const H& handle) : controls{&handle.control()}  // NOLINT: a handle reads as its control
    {
    }
    Part(Kind k, std::vector<const Control*> c) : kind(k), controls(std::move(c)) {}
};

template <class H>
Part over(const H& numerator, const H& denominator)
{
    return {Part::Kind::Fraction, {&numerator.control(), &denominator.control()}};
}
template <class... H>
Part pressed(const H&... buttons)
{
    return {Part::Kind::Pressed, {&buttons.control()...}};
}

// The spoken parts that are shown, in order, joined into one utterance. With displays_only,
// what the pupil types is left out, so that a change in it alone is no news.
std::string spoken(const std::vector<Part>& parts, bool displays_only = false);

// What a screen reader is given as the control's name: its own reading where it has one; the
// name its row gives it while the caption is the one the row gave; otherwise what it shows.
std::string spoken_name(const Control& control);

}  // namespace model
