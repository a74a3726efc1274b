// Painted shapes and lines, the wrapping push button, and the label and text box that draw
// their own text.
#include "qt/widgets.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStylePainter>

namespace qtview {

namespace {

int force(Qt::LayoutDirection d) { return d == Qt::LeftToRight ? Qt::TextForceLeftToRight : Qt::TextForceRightToLeft; }

// The direction comes from the whole text: a number cut short with an ellipsis still reads from
// its minus sign on the left.
int draw_flags(const TextLook& look, const QString& text, Qt::Alignment vertical)
{
    return int(look.align | vertical) | force(direction_of(text, look.direction));
}

// An unbreakable text is elided when it is wider than its box; text with spaces wraps instead.
QString fitted(const QString& text, const QFontMetrics& metrics, int width, bool wraps)
{
    if (wraps && text.contains(QLatin1Char(' ')))
        return text;
    return elide(text, metrics, width);
}

}  // namespace

bool is_number(const QString& text)
{
    // %1: the digits of either set.
    static const QRegularExpression number(
        QStringLiteral("^\\s*[-+]?[%1.,\\x{066B}]*[%1]([.,\\x{066B}][%1]*)?([EeDd][-+]?[%1]+)?\\s*$")
            .arg(QStringLiteral("0-9\\x{0660}-\\x{0669}\\x{06F0}-\\x{06F9}")));
    return number.match(text).hasMatch();
}

Qt::LayoutDirection direction_of(const QString& text, Qt::LayoutDirection control_direction)
{
    return is_number(text) ? Qt::LeftToRight : control_direction;
}

QString elide(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    const bool minus = text.startsWith(QLatin1Char('-'));
    const QString head = minus ? QStringLiteral("-") : QString();
    QString rest = minus ? text.mid(1) : text;
    // The exponent of a number says how large it is, so it stays too: 1.2…E+17, never 1.2…
    QString exponent;
    if (const qsizetype e = rest.indexOf(QRegularExpression(QStringLiteral("[EeDd]"))); e > 0 && is_number(text)) {
        exponent = rest.mid(e);
        rest.truncate(e);
    }
    for (qsizetype n = rest.size() - 1; n > 0; --n) {
        const QString candidate = head + rest.left(n) + ellipsis + exponent;
        if (metrics.horizontalAdvance(candidate) <= width)
            return candidate;
    }
    return head + ellipsis + exponent;
}

ShapeWidget::ShapeWidget(model::ShapeKind kind, std::optional<QColor> fill, QWidget* parent)
    : QWidget(parent), kind_(kind), fill_(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill_ ? QBrush(*fill_) : QBrush(Qt::NoBrush));
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    switch (kind_) {
    case model::ShapeKind::Oval: p.drawEllipse(r); break;
    case model::ShapeKind::RoundedRect: {
        const qreal radius = std::min(r.width(), r.height()) / 10.0;
        p.drawRoundedRect(r, radius, radius);
        break;
    }
    case model::ShapeKind::Rectangle: p.drawRect(r); break;
    }
}

LineWidget::LineWidget(QPoint from, QPoint to, int pen_width, QColor colour, QWidget* parent)
    : QWidget(parent), pen_width_(pen_width), colour_(colour)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = pen_width;
    const QRect box = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
}

void LineWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setPen(QPen(colour_, pen_width_, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(from_, to_);
}

void WrapButton::paintEvent(QPaintEvent*)
{
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    const QRect area = rect().adjusted(2, 1, -2, -1);
    const QString shown = fitted(text(), fontMetrics(), area.width(), true);
    p.drawText(area, draw_flags(look, text(), Qt::AlignVCenter) | Qt::TextWordWrap, shown);
}

QString TextLabel::shown_text() const { return fitted(text(), fontMetrics(), contentsRect().width() - 2, true); }

void TextLabel::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    drawFrame(&p);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QString shown = shown_text();
    p.drawText(contentsRect().adjusted(1, 0, -1, 0), draw_flags(look, text(), Qt::AlignTop) | Qt::TextWordWrap, shown);
}

QString BoxWidget::shown_text() const { return fitted(text(), fontMetrics(), width() - 4, false); }

void BoxWidget::paintEvent(QPaintEvent* event)
{
    if (!isReadOnly() && hasFocus()) {
        QLineEdit::paintEvent(event);
        return;
    }
    QPainter p(this);
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &p, this);
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    const QString shown = shown_text();
    p.drawText(rect().adjusted(2, 0, -2, 0), draw_flags(look, text(), Qt::AlignVCenter), shown);
}

}  // namespace qtview
