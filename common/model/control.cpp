// SPDX-License-Identifier: GPL-3.0-or-later
// Controls of a screen.
#include "model/control.h"

#include "model/screen.h"

namespace model {

const char* kind_name(Kind kind)
{
    switch (kind) {
    case Kind::Label: return "Label";
    case Kind::TextBox: return "TextBox";
    case Kind::Button: return "CommandButton";
    case Kind::Option: return "OptionButton";
    case Kind::Frame: return "Frame";
    case Kind::Shape: return "Shape";
    case Kind::Line: return "Line";
    case Kind::Image: return "Image";
    }
    return "control";
}

std::string Control::designer_name() const { return index < 0 ? name : name + "(" + std::to_string(index) + ")"; }

bool Control::shown() const { return visible && (container == nullptr || container->shown()); }

bool Control::focusable() const
{
    switch (kind) {
    case Kind::Button:
    case Kind::Option: return true;
    case Kind::TextBox: return role == BoxRole::Input;
    default: return false;
    }
}

Font Control::effective_font() const
{
    if (font)
        return *font;
    for (const Control* c = container; c != nullptr; c = c->container)
        if (c->font)
            return *c->font;
    return Font{};
}

void Option::set_value(bool v) const
{
    if (v && c_->screen != nullptr)
        c_->screen->select(*c_);
    else
        c_->value = v;
}

}  // namespace model
