// SPDX-License-Identifier: GPL-3.0-or-later
// Numbers shown in the pupil's digit set.
#include "qt/digits.h"

#include "qt/widgets.h"

namespace qtview {

namespace {

constexpr char16_t eastern_zero = 0x0660;
constexpr char16_t arabic_decimal_separator = 0x066B;
constexpr char16_t left_to_right_mark = 0x200E;

bool is_digit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= '0' && u <= '9') || (u >= 0x0660 && u <= 0x0669) || (u >= 0x06F0 && u <= 0x06F9);
}

}  // namespace

QString in_digits(const QString& text, Digits digits)
{
    if (digits == Digits::Western)
        return text;
    // A number alone is drawn left to right as a whole; only inside other text does a sign need
    // holding to its digits.
    const bool alone = is_number(text);
    QString shown;
    shown.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool digit_before = i > 0 && is_digit(text[i - 1]);
        const bool digit_after = i + 1 < text.size() && is_digit(text[i + 1]);
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
            shown += QChar(eastern_zero + (c.unicode() - '0'));
        } else if (c == QLatin1Char('.') && digit_before && digit_after) {
            shown += QChar(arabic_decimal_separator);
        } else if ((c == QLatin1Char('-') || c == QLatin1Char('+')) && digit_after && !alone) {
            shown += QChar(left_to_right_mark);
            shown += c;
            shown += QChar(left_to_right_mark);
        } else {
            shown += c;
        }
    }
    return shown;
}

}  // namespace qtview
