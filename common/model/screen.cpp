// SPDX-License-Identifier: GPL-3.0-or-later
// A screen and its controls.
#include "model/screen.h"

#include <algorithm>
#include <stdexcept>

namespace model {

void Services::message(std::string_view prompt) { message(prompt, app_title()); }

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

Control& Screen::member(std::string_view name, int index, Kind kind)
{
    for (Control& c : controls_)
        if (c.name == name && c.index == index && c.kind == kind)
            return c;
    throw std::out_of_range(design_.name + " has no " + kind_name(kind) + " " + std::string(name) + "("
                            + std::to_string(index) + ")");
}

void place_in(Control& child, const Frame& frame)
{
    if (child.screen != nullptr)
        child.screen->placements_.emplace_back(&child, &frame);
}

void Screen::finish_declarations()
{
    for (auto [child, frame] : placements_) {
        Control& container = frame->control();
        const bool ours
            = std::any_of(controls_.begin(), controls_.end(), [&](const Control& c) { return &c == &container; });
        if (!ours || container.kind != Kind::Frame || container.order >= child->order)
            throw std::logic_error(design_.name + ": " + child->designer_name() + " is placed in "
                                   + (ours ? container.designer_name() : "a control of another screen")
                                   + ", which is not a Frame declared before it");
        child->container = &container;
    }
    placements_.clear();
    for (Control& c : controls_)
        c.named_text = c.text;
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
