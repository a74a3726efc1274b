// Painted shapes and lines, and the wrapping push button.
#include "qt/widgets.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace qtview {

ShapeWidget::ShapeWidget(model::ShapeKind kind, QColor fill, QWidget* parent)
    : QWidget(parent), kind_(kind), fill_(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(fill_);
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
    p.drawText(rect().adjusted(2, 1, -2, -1), Qt::AlignCenter | Qt::TextWordWrap, text());
}

}  // namespace qtview
