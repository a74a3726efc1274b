// SPDX-License-Identifier: GPL-3.0-or-later
// Designer units to Qt: twips to pixels, runtime colours, fonts and their substitutes.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QStringList>
#include <array>

#include "model/control.h"

namespace qtview {

// Twips to pixels at a logical DPI; edges are rounded rather than widths, so that
// neighbouring controls stay flush.
int to_px(int twips, qreal dpi);
QRect to_rect(int left, int top, int width, int height, qreal dpi);

QColor to_colour(model::Colour colour);
// What a disabled control is drawn in, whatever its own colours: grey text, and a grey fill
// inside the circle of an option button.
inline const QColor disabled_text{0x80, 0x80, 0x80};
inline const QColor disabled_fill{0xC0, 0xC0, 0xC0};

// An icon of the program's art in the sizes window managers draw it at, decoded once however
// many windows wear it.
QIcon load_icon(const std::string& name);
// A picture of the program's art.
QPixmap load_picture(const std::string& name);

// The designer's font names, each with installed families that stand in for it, best first.
inline constexpr std::array<const char*, 5> designer_fonts
    = {"MS Sans Serif", "Arabic Transparent", "Simplified Arabic", "Monotype Koufi", "Led Italic Font"};
QStringList families_for(const std::string& designer_name);
// Leaves font matching to the families that stand in for the designer's fonts. Fontconfig weighs
// every installed font each time Qt opens a font at a new size, and a desktop has hundreds; the
// tutors draw with a handful, each list ending with a family that covers every script they write.
// Call it before the first text is measured or drawn.
void match_standins_only();
QFont to_font(const model::Font& font);

enum class Fit { OneLine, Wrapped };
// The smallest point size a text is shrunk to; what does not fit then is cut short.
constexpr double legible_minimum = 7.0;
// The font shrunk in quarter-point steps until the text fits the box, down to legible_minimum.
// A text that shrinks goes straight to the size its width suggests, then steps from there;
// answers are remembered, so a screen opened again measures nothing.
QFont fit_font(QFont font, const QString& text, QSize box, Fit fit, int margin);

// Qt keeps a font engine for every font size it has drawn, with every glyph drawn in it at each
// subpixel position, and lets none go below 4 MB: the texts a pupil types, each drawn at the size
// that fits it, would grow that all day. Once a hundred or so new texts have been fitted, this
// empties Qt's font cache; what is still shown loads its fonts again when next drawn. Called
// between two screens; moving between screens without typing leaves the cache alone.
void release_fitted_fonts_when_many();

}  // namespace qtview
