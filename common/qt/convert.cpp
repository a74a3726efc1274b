// Designer units to Qt.
#include "qt/convert.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QImageReader>
#include <QtMath>
#include <fontconfig/fontconfig.h>
#include <map>

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

static bool fits(const QFont& font, const QString& text, QSize box, Fit fit, int margin)
{
    const QFontMetrics m(font);
    const int width = box.width() - 2 * margin;
    // Measured as the text is laid out when drawn: the plain advance can be a pixel short of it,
    // and a short caption such as "س +" would then break at its space into a second, clipped line;
    // a line's width is its advance rounded up, or the last pixel of a narrow "=" falls outside.
    const QRect needed = m.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text);
    if (fit == Fit::OneLine)
        return qCeil(QFontMetricsF(font).horizontalAdvance(text)) <= width && needed.width() <= width
            && needed.height() < 2 * m.lineSpacing() && m.height() <= box.height();
    return needed.width() <= width && needed.height() <= box.height() - margin;
}

QFont fit_font(QFont font, const QString& text, QSize box, Fit fit, int margin)
{
    if (text.isEmpty())
        return font;
    while (font.pointSizeF() - 0.25 >= legible_minimum && !fits(font, text, box, fit, margin))
        font.setPointSizeF(font.pointSizeF() - 0.25);
    return font;
}

}  // namespace qtview
