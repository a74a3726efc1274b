// The few widgets Qt lacks: painted shapes and lines, and a push button whose caption wraps.
#pragma once

#include <QPushButton>
#include <QWidget>

#include "model/control.h"

namespace qtview {

class ShapeWidget final : public QWidget {
public:
    ShapeWidget(model::ShapeKind kind, QColor fill, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    model::ShapeKind kind_;
    QColor fill_;
};

// A line drawn inside a widget that covers its bounding box and lets clicks through.
class LineWidget final : public QWidget {
public:
    LineWidget(QPoint from, QPoint to, int pen_width, QColor colour, QWidget* parent);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QPoint from_, to_;
    int pen_width_;
    QColor colour_;
};

// Long captions break onto several lines within the button, as on the old platform.
class WrapButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent*) override;
};

}  // namespace qtview
