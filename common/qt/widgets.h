// SPDX-License-Identifier: GPL-3.0-or-later
// The few widgets Qt lacks: painted shapes and lines, a push button whose caption wraps, and a
// label and a text box that draw their text in the control's own reading direction and never
// lose a number.
#pragma once

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <optional>

#include "model/control.h"

namespace qtview {

class ShapeWidget final : public QWidget {
public:
    // Without a fill the shape is an outline over what lies beneath.
    ShapeWidget(model::ShapeKind kind, std::optional<QColor> fill, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    model::ShapeKind kind_;
    std::optional<QColor> fill_;
};

// A line drawn inside a widget that covers its bounding box and lets clicks through.
class LineWidget final : public QWidget {
public:
    LineWidget(QPoint from, QPoint to, int pen_width, QColor colour, QWidget* parent);
    // Ends in the container's coordinates.
    void set_ends(QPoint from, QPoint to);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint from_, to_;
    int pen_width_;
    QColor colour_;
};

// How a control's text is laid out when drawn: its base reading direction and alignment. Qt
// would take the direction from the first strong letter of the text; this forces it.
struct TextLook {
    Qt::LayoutDirection direction = Qt::RightToLeft;
    Qt::Alignment align = Qt::AlignHCenter;
};

// A number (sign, digits, separators, exponent) reads left to right whatever the control's own
// direction, so its minus sign stays on the left.
bool is_number(const QString& text);
Qt::LayoutDirection direction_of(const QString& text, Qt::LayoutDirection control_direction);

// Text that is still wider than `width` once its font is as small as it may get, written so that
// it fits. A number keeps its sign, its leading digit and its size: fraction digits give way to an
// ellipsis first, then it is written with an exponent (987654321 as 9.87…E+08, 1.2…E+17), so
// that what is left never reads as another number. Other text is cut short with an ellipsis.
// The answer is never wider than `width`, even when that leaves only the ellipsis or nothing.
QString elide(const QString& text, const QFontMetrics& metrics, int width);

// Long captions break onto several lines within the button, as on the old platform.
class WrapButton final : public QPushButton {
public:
    using QPushButton::QPushButton;
    TextLook look;

protected:
    void paintEvent(QPaintEvent*) override;
};

class TextLabel final : public QLabel {
public:
    using QLabel::QLabel;
    TextLook look;
    // A border is drawn in the window-text colour, whatever colour the text itself wears.
    QColor border_colour = Qt::black;
    // The text as drawn: the label's text, or what of it fits.
    QString shown_text() const;

protected:
    void paintEvent(QPaintEvent*) override;
};

// A text box. It stays a line edit for screen readers (a text whose value is the whole number,
// read-only where no one types) but draws its text itself, shrunk or cut short like a label's;
// while the pupil types into it, the line edit draws it.
class BoxWidget final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    TextLook look;
    QString shown_text() const;
    // Room beside the text on either side, as the line edit lays it out while the pupil types:
    // its frame, its own margin and, where one can type, the cursor after the last digit.
    int text_margin() const;

protected:
    void paintEvent(QPaintEvent*) override;
};

// A frame whose border and caption are drawn above its children, so that a child lying over the
// border in the frame's own colour does not break it.
class FrameBox final : public QGroupBox {
public:
    explicit FrameBox(QWidget* parent);
    // Puts the border back on top once the children are stacked.
    void raise_border();

protected:
    void paintEvent(QPaintEvent*) override {}
    void resizeEvent(QResizeEvent*) override;

private:
    friend class FrameBorder;
    void draw_border(QPainter& p);
    QWidget* border_;
};

}  // namespace qtview
