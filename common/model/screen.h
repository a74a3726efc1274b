// SPDX-License-Identifier: GPL-3.0-or-later
// A screen: its designer values, its controls in declaration order, and the services its
// handlers call.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/control.h"
#include "model/services.h"

namespace model {

enum class StartUp { Manual = 0, Centred = 2, System = 3 };

struct ScreenDesign {
    std::string name;
    std::string caption;  // kept exactly, leading spaces and all
    Colour back = system_colour(15);
    std::optional<Colour> fore;
    int width = 0, height = 0;  // client area, twips
    StartUp start = StartUp::Centred;
    int left = 0, top = 0;  // client area on the desktop when the start-up is manual
    std::string icon;       // name of an icon in the program's art
    // What a screen reader calls the window where the caption alone does not say which screen
    // it is; the caption stays as it is.
    std::string spoken;
};

// `count` spaces, for window captions that were padded to sit further from the right edge.
inline std::string spaces(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

class Screen {
public:
    Screen(Services& services, ScreenDesign design);
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    virtual void load() {}

    const ScreenDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }
    const std::deque<Control>& controls() const { return controls_; }
    std::deque<Control>& controls() { return controls_; }

    // A control by its designer name, such as "Command4" or "Label2(0)".
    Control* find(std::string_view designer_name);
    // The member `index` of the control array `name`; throws std::out_of_range when there is none
    // of that kind.
    Control& member(std::string_view name, int index, Kind kind);

    // Settles what the rows said with in(): every container must be a Frame of this screen that
    // is declared before the control. Throws std::logic_error naming both controls otherwise.
    // The program calls it once the screen is made, before Load.
    void finish_declarations();

    // Focusable controls in Tab order; the first has the focus when the screen is shown.
    std::vector<Control*> tab_order();
    Control* default_button() { return first_button(&Control::is_default); }
    Control* cancel_button() { return first_button(&Control::is_cancel); }

    // Selects an option button and clears the others of its container.
    void select(Control& option);

    // The button or option clicked last, which a reading of an operation row speaks.
    const Control* last_pressed() const { return last_pressed_; }
    void note_press(const Control& control) { last_pressed_ = &control; }
    // What the screen's boards, questions and results are heard as, in declaration order.
    const std::deque<std::vector<Part>>& readings() const { return readings_; }

protected:
    // A board, a question or a result, heard as its parts in reading order whenever it changes
    // and on request.
    class Reading {
    public:
        explicit Reading(const std::vector<Part>& parts) : parts_(&parts) {}
        // The control is heard as the reading too, such as a question's frame by the question.
        template <class H>
        Reading names(H handle)
        {
            handle.reads(*parts_);
            return *this;
        }

    private:
        const std::vector<Part>* parts_;
    };
    Reading reading(std::vector<Part> parts) { return Reading(readings_.emplace_back(std::move(parts))); }

    Label label(std::string name, int index = -1) { return Label(add(Kind::Label, std::move(name), index)); }
    TextBox input(std::string name, int index = -1) { return text_box(std::move(name), index, BoxRole::Input); }
    TextBox display(std::string name, int index = -1) { return text_box(std::move(name), index, BoxRole::Display); }
    // A display box that the pupil may type into although no handler reads it.
    TextBox editable_display(std::string name, int index = -1)
    {
        return text_box(std::move(name), index, BoxRole::EditableDisplay);
    }
    Button button(std::string name, int index = -1) { return Button(add(Kind::Button, std::move(name), index)); }
    Option option(std::string name, int index = -1) { return Option(add(Kind::Option, std::move(name), index)); }
    Frame frame(std::string name, int index = -1) { return Frame(add(Kind::Frame, std::move(name), index)); }
    Shape shape(std::string name, int index = -1) { return Shape(add(Kind::Shape, std::move(name), index)); }
    Line line(std::string name, int index = -1) { return Line(add(Kind::Line, std::move(name), index)); }
    Image image(std::string name, int index = -1) { return Image(add(Kind::Image, std::move(name), index)); }

    Services& ui;

private:
    friend void place_in(Control& child, const Frame& frame);
    Control& add(Kind kind, std::string name, int index);
    TextBox text_box(std::string name, int index, BoxRole role);
    Control* first_button(bool Control::*flag);

    ScreenDesign design_;
    std::deque<Control> controls_;
    std::vector<std::pair<Control*, const Frame*>> placements_;
    std::deque<std::vector<Part>> readings_;
    const Control* last_pressed_ = nullptr;
};

// The members of a control array by index, wherever on the screen they are declared, so that
// `option2[k]` reads as Option2(k) although its members sit in different frames.
template <class T>
class ControlArray {
public:
    ControlArray(Screen& screen, std::string name) : screen_(&screen), name_(std::move(name)) {}
    T operator[](int index) const { return T(screen_->member(name_, index, T::kind)); }
    // The indexes in use, in increasing order.
    std::vector<int> indexes() const
    {
        std::vector<int> found;
        for (const Control& c : screen_->controls())
            if (c.name == name_ && c.index >= 0)
                found.push_back(c.index);
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    Screen* screen_;
    std::string name_;
};

namespace detail {
template <class T, std::size_t N, class Make, std::size_t... I>
std::array<T, N> members(Make& make, std::index_sequence<I...>)
{
    return {make(static_cast<int>(I))...};  // a braced list is evaluated left to right
}
}  // namespace detail

// The members 0 to N-1 of a control array declared together, made in index order by make(index),
// so a row repeated per member is written once.
template <class T, std::size_t N, class Make>
std::array<T, N> members(Make make)
{
    return detail::members<T, N>(make, std::make_index_sequence<N>());
}

}  // namespace model
