// A screen and its controls.
#include "model/screen.h"

#include <algorithm>

namespace model {

void Services::message(std::string_view prompt)
{
    message(prompt, app_title());
}

Screen::Screen(Services& services, ScreenDesign design) : ui(services), design_(std::move(design)) {}

Control& Screen::add(Kind kind, std::string name, int index)
{
    Control& c = controls_.emplace_back();
    c.kind = kind;
    c.name = std::move(name);
    c.index = index;
    c.order = static_cast<int>(controls_.size()) - 1;
    c.screen = this;
    return c;
}

TextBox Screen::text_box(std::string name, int index, BoxRole role)
{
    Control& c = add(Kind::TextBox, std::move(name), index);
    c.role = role;
    return TextBox(c);
}

Control* Screen::find(std::string_view designer_name)
{
    for (Control& c : controls_)
        if (c.designer_name() == designer_name)
            return &c;
    return nullptr;
}

std::vector<Control*> Screen::tab_order()
{
    std::vector<Control*> order;
    for (Control& c : controls_)
        if (c.focusable())
            order.push_back(&c);
    // Controls given a TabIndex come in that order; the others follow in declaration order.
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        const int ka = a->tab_index.value_or(1'000'000 + a->order);
        const int kb = b->tab_index.value_or(1'000'000 + b->order);
        return ka < kb;
    });
    return order;
}

Control* Screen::first_button(bool Control::*flag)
{
    for (Control& c : controls_)
        if (c.kind == Kind::Button && c.*flag)
            return &c;
    return nullptr;
}

void Screen::select(Control& option)
{
    for (Control& c : controls_)
        if (c.kind == Kind::Option && c.container == option.container)
            c.value = false;
    option.value = true;
}

}  // namespace model
