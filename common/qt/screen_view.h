// SPDX-License-Identifier: GPL-3.0-or-later
// The window of one screen: builds a widget for every control of the model and writes the
// model's properties back to them after each event.
#pragma once

#include <QFont>
#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/program.h"
#include "qt/access.h"
#include "qt/digits.h"

namespace qtview {

// A widget that only decorates its screen carries this property, set to true; screen readers
// pass over it.
inline constexpr char decoration_property[] = "decoration";

class ScreenView final : public QWidget {
public:
    // after_event runs once an event on this window has been handled, to bring every window up
    // to date with the model. Numbers are shown in `digits`. What the screen reader is told is
    // also given to `aloud`, to be read aloud.
    ScreenView(model::Screen& screen, model::Program& program, Digits digits, std::function<void()> after_event,
               std::function<void(const QString&)> aloud = {});

    void sync();
    void place();  // size and position on the desktop from the designer values
    void focus_first();
    void detach();  // the screen has been unloaded; its model is about to go

    // Says again, through the screen reader, the boards and questions around the focus, or the
    // whole screen's where the focus is on none.
    void read_again();
    const Announcer& announcer() const { return *announcer_; }
    // How many accessible names and descriptions of controls this window has written.
    int accessibility_writes() const { return accessibility_writes_; }

    QWidget* widget_of(const model::Control& control) const;
    const model::Control* control_of(const QWidget* widget) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Entry {
        model::Control* control;
        QWidget* widget;
        QFont base_font;
        double largest_size;  // shared by the buttons of one column
        QRect designed;       // where the designer put it; a number wider than that grows beyond it
        QString fitted_text;
        QSize fitted_size;
    };

    QWidget* build(model::Control& control, QWidget* parent);
    void share_column_sizes();
    void sync_entry(Entry& e);
    void lay_out();
    int overflow(const Entry& e) const;
    QRect grown(std::size_t i, int extra, const std::vector<QRect>& rects) const;
    std::optional<std::pair<int, int>> taken(const Entry& s, QRect r) const;
    bool looks_like_container(const model::Control& c) const;
    void stretch_bars(const std::vector<QRect>& rects);
    void fit(Entry& e, const QString& text);
    void press(model::Control* button);
    QString shown(const model::Control& control) const;
    // Tells the screen reader what the last event changed on the boards, or the board of the
    // button it pressed, and the new caption of that button.
    void announce_changes(const model::Control* pressed, bool answered_by_box, const QString& renamed);
    // To the screen reader, and aloud while reading aloud is on.
    void tell(const QString& text);

    model::Screen* screen_;
    model::Program& program_;
    Digits digits_;
    std::function<void()> after_event_;
    std::function<void(const QString&)> aloud_;
    qreal dpi_;
    std::vector<Entry> entries_;
    Announcer* announcer_;
    // The displays of each reading, part by part, as last announced.
    std::vector<std::vector<std::string>> heard_;
    int accessibility_writes_ = 0;
};

}  // namespace qtview
