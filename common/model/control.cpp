// Controls of a screen.
#include "model/control.h"

#include "model/screen.h"

namespace model {

std::string Control::designer_name() const
{
    return index < 0 ? name : name + "(" + std::to_string(index) + ")";
}

bool Control::shown() const
{
    return visible && (container == nullptr || container->shown());
}

bool Control::focusable() const
{
    switch (kind) {
    case Kind::Button:
    case Kind::Option:
        return true;
    case Kind::TextBox:
        return role == BoxRole::Input;
    default:
        return false;
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
