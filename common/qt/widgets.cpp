// SPDX-License-Identifier: GPL-3.0-or-later
// Painted shapes and lines, the wrapping push button, and the label and text box that draw
// their own text.
#include "qt/widgets.h"

#include "qt/screen_view.h"

#include <QPainter>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStyleOptionFrame>
#include <QStylePainter>
#include <optional>

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

namespace {

// A number as its parts: what stands before it (an "=" or a direction mark), its sign, the
// digits before and after the separator, its exponent and what follows it.
struct Number {
    QString head, sign, whole, fraction, tail;
    QChar separator, zero;
    int exponent = 0;
    bool has_exponent = false;
    bool exponent_countable = true;
};

std::optional<Number> number_in(const QString& text)
{
    static const QRegularExpression parts(
        QStringLiteral("^([^-+%1]*)([-+]?)([%1]+)(?:([.,\\x{066B}])([%1]*))?(?:[EeDd]([-+]?[%1]+))?(\\s*)$")
            .arg(QStringLiteral("0-9\\x{0660}-\\x{0669}\\x{06F0}-\\x{06F9}")));
    const QRegularExpressionMatch m = parts.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    Number n{m.captured(1), m.captured(2), m.captured(3), m.captured(5), m.captured(7), {}, {}, 0, m.hasCaptured(6)};
    n.zero = QChar(n.whole.front().unicode() - n.whole.front().digitValue());
    n.separator = m.hasCaptured(4) ? m.captured(4).front() : n.zero == u'0' ? QChar(u'.') : QChar(0x066B);
    for (QChar c : m.captured(6))
        if (c.isDigit()) {
            if (n.exponent > 99'999'999) {
                n.exponent_countable = false;
                break;
            }
            n.exponent = 10 * n.exponent + c.digitValue();
        }
    if (m.captured(6).startsWith(u'-'))
        n.exponent = -n.exponent;
    return n;
}

// Shorter forms of a number, longest first: fewer fraction digits of the number as written,
// then its significant digits with an exponent, down to the leading digit alone.
QStringList shorter_forms(const Number& n)
{
    const QString ellipsis(QChar(0x2026));
    auto exponent_text = [&n](int e) {
        QString digits = QString::number(std::abs(e)).rightJustified(2, u'0');
        for (QChar& c : digits)
            c = QChar(n.zero.unicode() + c.digitValue());
        return QStringLiteral("E") + (e < 0 ? u'-' : u'+') + digits;
    };
    QStringList forms;
    // An exponent too long to count leaves no shorter form that says how large the number is.
    if (!n.exponent_countable)
        return forms;
    const QString written_exponent = n.has_exponent ? exponent_text(n.exponent) : QString();
    for (qsizetype keep = n.fraction.size() - 1; keep >= 1; --keep)
        forms << n.head + n.sign + n.whole + n.separator + n.fraction.left(keep) + ellipsis + written_exponent + n.tail;
    // Every digit before the separator still says how large it is: 22358.44 as 22358…
    if (!n.fraction.isEmpty() && !n.has_exponent)
        forms << n.head + n.sign + n.whole + ellipsis + n.tail;
    const QString digits = n.whole + n.fraction;
    qsizetype first = 0;
    while (first < digits.size() && digits[first].digitValue() == 0)
        ++first;
    if (first == digits.size())
        return forms;
    const QString significant = digits.mid(first);
    const QString power = exponent_text(n.exponent + static_cast<int>(n.whole.size() - 1 - first));
    for (qsizetype keep = significant.size() - 1; keep >= 0; --keep) {
        const QString rest = keep > 0 ? n.separator + significant.mid(1, keep) : QString();
        forms << n.head + n.sign + significant.front() + rest + ellipsis + power + n.tail;
    }
    return forms;
}

}  // namespace

QString elide(const QString& text, const QFontMetrics& metrics, int width)
{
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    const QString ellipsis(QChar(0x2026));
    QStringList forms;
    if (const auto number = number_in(text))
        forms = shorter_forms(*number);
    else
        for (qsizetype n = text.size() - 1; n > 0; --n)
            forms << text.left(n) + ellipsis;
    for (const QString& form : forms)
        if (form.size() < text.size() && metrics.horizontalAdvance(form) <= width)
            return form;
    return metrics.horizontalAdvance(ellipsis) <= width ? ellipsis : QString();
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
    set_ends(from, to);
}

void LineWidget::set_ends(QPoint from, QPoint to)
{
    const int pad = pen_width_;
    const QRect box = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    from_ = from - box.topLeft();
    to_ = to - box.topLeft();
    update();
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
    if (frameShape() == QFrame::Box) {
        p.setPen(QPen(border_colour, lineWidth()));
        p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    }
    p.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    const QString shown = shown_text();
    p.drawText(contentsRect().adjusted(1, 0, -1, 0), draw_flags(look, text(), Qt::AlignTop) | Qt::TextWordWrap, shown);
}

QString BoxWidget::shown_text() const { return fitted(text(), fontMetrics(), width() - 2 * text_margin(), false); }

int BoxWidget::text_margin() const
{
    QStyleOptionFrame panel;
    initStyleOption(&panel);
    const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &panel, this);
    const int frame = std::max(contents.left(), width() - 1 - contents.right());
    return frame + 2 + (isReadOnly() ? 0 : 1);
}

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
    const int margin = text_margin();
    p.drawText(rect().adjusted(margin, 0, -margin, 0), draw_flags(look, text(), Qt::AlignVCenter), shown);
}

class FrameBorder final : public QWidget {
public:
    explicit FrameBorder(FrameBox* frame) : QWidget(frame), frame_(frame)
    {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        frame_->draw_border(p);
    }

private:
    FrameBox* frame_;
};

FrameBox::FrameBox(QWidget* parent) : QGroupBox(parent), border_(new FrameBorder(this))
{
    // Screen readers pass over the border; the frame itself carries the caption.
    border_->setProperty(decoration_property, true);
}

void FrameBox::raise_border() { border_->raise(); }

void FrameBox::resizeEvent(QResizeEvent* event)
{
    QGroupBox::resizeEvent(event);
    border_->setGeometry(rect());
}

void FrameBox::draw_border(QPainter& p)
{
    QStyleOptionGroupBox option;
    initStyleOption(&option);
    if (!title().isEmpty())
        p.fillRect(style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, this),
                   palette().window());
    style()->drawComplexControl(QStyle::CC_GroupBox, &option, &p, this);
}

}  // namespace qtview
