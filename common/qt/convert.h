// Designer units to Qt: twips to pixels, runtime colours, fonts and their substitutes.
#pragma once

#include <QColor>
#include <QFont>
#include <QIcon>
#include <QPixmap>
#include <QRect>
#include <QStringList>

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

// Installed families that stand in for a designer font name, best first.
QStringList families_for(const std::string& designer_name);
QFont to_font(const model::Font& font);

enum class Fit { OneLine, Wrapped };
// The smallest point size a text is shrunk to; what does not fit then is cut short.
constexpr double legible_minimum = 7.0;
// The font shrunk in quarter-point steps until the text fits the box, down to legible_minimum.
QFont fit_font(QFont font, const QString& text, QSize box, Fit fit, int margin);

}  // namespace qtview
