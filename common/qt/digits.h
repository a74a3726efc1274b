// SPDX-License-Identifier: GPL-3.0-or-later
// The digit set the pupil reads numbers in. It is applied as texts are shown and read aloud;
// the screens, their handlers and their texts always use Western digits.
#pragma once

#include <QString>

namespace qtview {

enum class Digits { Western, Eastern };

// A text as the pupil sees it. In Eastern Arabic digits every digit 0 to 9 takes its Eastern
// form and a point between two digits becomes the Arabic decimal separator (3.5 -> ٣٫٥); a point
// elsewhere ("1. ", "...") stays. Eastern digits read right to left beside Arabic letters, so a
// sign inside other text is held to the digits after it by direction marks, and a negative
// number keeps its minus sign on its left. Western digits leave the text as it is.
QString in_digits(const QString& text, Digits digits);

}  // namespace qtview
