// SPDX-License-Identifier: GPL-3.0-or-later
// Designer units to Qt.
#include "qt/convert.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImageReader>
#include <QScreen>
#include <QtGui/private/qfont_p.h>
#include <QtMath>
#include <algorithm>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <map>

#include "qt/bounded_cache.h"

namespace qtview {

int to_px(int twips, qreal dpi) { return qRound(twips * dpi / 1440.0); }

QRect to_rect(int left, int top, int width, int height, qreal dpi)
{
    const int x = to_px(left, dpi), y = to_px(top, dpi);
    return {x, y, to_px(left + width, dpi) - x, to_px(top + height, dpi) - y};
}

QColor to_colour(model::Colour colour)
{
    if (model::is_system_colour(colour)) {
        switch (colour & 0xFF) {
        case 5: return QColor(0xFF, 0xFF, 0xFF);   // window background
        case 8: return QColor(0x00, 0x00, 0x00);   // window text
        case 10: return QColor(0xB4, 0xB4, 0xB4);  // active border
        case 11: return QColor(0xF4, 0xF7, 0xFC);  // inactive border
        case 18: return QColor(0x00, 0x00, 0x00);  // button text
        default: return QColor(0xF0, 0xF0, 0xF0);  // button face and the rest
        }
    }
    return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}

// Read with its format named: left to guess, Qt would load every image plugin there is first.
static QImage read_art(const QString& name, const char* format)
{
    QImageReader reader(QStringLiteral(":/art/%1.%2").arg(name, QLatin1String(format)), format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QIcon load_icon(const std::string& name)
{
    // Never freed: pixmaps must not outlive the application, and a process-wide static would.
    static auto* decoded = new std::map<std::string, QIcon>;
    auto [it, fresh] = decoded->try_emplace(name);
    if (fresh) {
        const QString stem = QString::fromStdString(name);
        for (int size : {16, 24, 32, 48})
            it->second.addPixmap(QPixmap::fromImage(read_art(QStringLiteral("%1-%2").arg(stem).arg(size), "png")));
    }
    return it->second;
}

QPixmap load_picture(const std::string& name)
{
    return QPixmap::fromImage(read_art(QString::fromStdString(name), "png"));
}

QStringList families_for(const std::string& designer_name)
{
    if (designer_name == "Simplified Arabic")
        return {"Noto Naskh Arabic UI", "Noto Naskh Arabic", "Amiri", "DejaVu Sans"};
    if (designer_name == "Monotype Koufi")
        return {"Noto Kufi Arabic", "KacstTitle", "Noto Sans Arabic UI", "DejaVu Sans"};
    if (designer_name == "Led Italic Font")
        return {"KacstDigital", "Noto Kufi Arabic", "DejaVu Sans"};
    // MS Sans Serif, Arabic Transparent and anything unknown.
    return {"Noto Sans Arabic UI", "Noto Sans Arabic", "DejaVu Sans"};
}

void match_standins_only()
{
    QStringList families;
    for (const char* name : designer_fonts)
        for (const QString& family : families_for(name))
            if (!families.contains(family))
                families.append(family);
    QByteArray rules = "<fontconfig><selectfont><rejectfont><pattern/></rejectfont><acceptfont>";
    for (const QString& family : families)
        rules += "<pattern><patelt name=\"family\"><string>" + family.toHtmlEscaped().toUtf8()
            + "</string></patelt></pattern>";
    rules += "</acceptfont></selectfont></fontconfig>";
    // The system's own configuration first, so that fonts are rendered exactly as before.
    FcConfig* config = FcConfigCreate();
    if (config == nullptr)
        return;
    if (FcConfigParseAndLoad(config, nullptr, FcTrue)
        && FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8*>(rules.constData()), FcTrue)
        && FcConfigBuildFonts(config))
        FcConfigSetCurrent(config);
    FcConfigDestroy(config);
}

QFont to_font(const model::Font& font)
{
    QFont f;
    f.setFamilies(families_for(font.name));
    f.setPointSizeF(font.size);
    f.setBold(font.weight == model::Weight::Bold);
    f.setItalic(font.slant == model::Slant::Italic);
    return f;
}

namespace {

struct Measure {
    bool fits;
    // What the font size should be multiplied by for the text to fit, by a straight scaling of
    // its width or its area; only a first guess.
    double scale;
};

Measure measure(const QFont& font, const QString& text, QSize box, Fit fit, int margin)
{
    const QFontMetrics m(font);
    const int width = box.width() - 2 * margin;
    // Measured as the text is laid out when drawn: the plain advance can be a pixel short of it,
    // and a short caption such as "س +" would then break at its space into a second, clipped line;
    // a line's width is its advance rounded up, or the last pixel of a narrow "=" falls outside.
    const QRect needed = m.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text);
    auto ratio = [](double room, double used) { return used > 0 ? std::max(room, 1.0) / used : 1.0; };
    if (fit == Fit::OneLine) {
        const int advance = qCeil(QFontMetricsF(font).horizontalAdvance(text));
        const bool fits = advance <= width && needed.width() <= width && needed.height() < 2 * m.lineSpacing()
            && m.height() <= box.height();
        return {fits, std::min({ratio(width, advance), ratio(width, needed.width()), ratio(box.height(), m.height())})};
    }
    const int height = box.height() - margin;
    const bool fits = needed.width() <= width && needed.height() <= height;
    return {fits, std::min(ratio(width, needed.width()), std::sqrt(ratio(height, needed.height())))};
}

// Enough for the captions of every screen of a program, with room for what the pupil types.
constexpr qsizetype fitted_sizes_kept = 512;

// Fitted sizes by font, text, box and the primary screen's resolution, which font metrics use.
// The font is kept as a hash of its description, and the text shares the caller's, so that a key
// costs a few dozen bytes however long the font's description is.
struct FitKey {
    size_t font = 0;
    QString text;
    QSize box;
    int fit = 0, margin = 0;
    qreal dpi = 0;
    friend bool operator==(const FitKey&, const FitKey&) = default;
};

size_t qHash(const FitKey& k, size_t seed = 0)
{
    return qHashMulti(seed, k.font, k.text, k.box.width(), k.box.height(), k.fit, k.margin, k.dpi);
}

FitKey fit_key(const QFont& font, const QString& text, QSize box, Fit fit, int margin)
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return {qHashMulti(0, font.families(), font.key()),
            text,
            box,
            static_cast<int>(fit),
            margin,
            screen != nullptr ? screen->logicalDotsPerInch() : 0.0};
}

// Texts fitted for the first time since Qt's font cache was last emptied.
int new_fits = 0;

// A typed number is drawn once or twice before the next is typed; a hundred of them bring some
// hundred kilobytes of glyphs, at the sizes and subpixel positions they were drawn at.
constexpr int new_fits_kept = 128;

}  // namespace

void release_fitted_fonts_when_many()
{
    if (new_fits <= new_fits_kept)
        return;
    QFontCache::instance()->clear();
    new_fits = 0;
}

QFont fit_font(QFont font, const QString& text, QSize box, Fit fit, int margin)
{
    if (text.isEmpty())
        return font;
    // Typed and computed texts come and go; the designer's captions come back with every visit.
    static BoundedCache<FitKey, double> fitted(fitted_sizes_kept);
    const FitKey key = fit_key(font, text, box, fit, margin);
    if (const std::optional<double> known = fitted.find(key)) {
        font.setPointSizeF(*known);
        return font;
    }
    // The candidates are base, base - 0.25, ... down to the last one at or above the legible
    // minimum, which is taken when none of the others fits; a smaller size never fits worse, so
    // the first that fits can be found from any starting point.
    const double base = font.pointSizeF();
    const int last = std::max(0, static_cast<int>(std::floor((base - legible_minimum) / 0.25)));
    auto size = [base](int step) { return base - 0.25 * step; };
    auto fits = [&](int step) {
        if (step >= last)
            return true;
        font.setPointSizeF(size(step));
        return measure(font, text, box, fit, margin).fits;
    };
    int step = 0;
    if (const Measure at_base = last > 0 ? measure(font, text, box, fit, margin) : Measure{true, 1}; !at_base.fits) {
        step = std::clamp(static_cast<int>(std::ceil((base - base * at_base.scale) / 0.25)), 1, last);
        if (fits(step))
            while (step > 1 && fits(step - 1))
                --step;
        else
            for (++step; !fits(step); ++step) {}
    }
    fitted.insert(key, size(step));
    ++new_fits;
    font.setPointSizeF(size(step));
    return font;
}

}  // namespace qtview
