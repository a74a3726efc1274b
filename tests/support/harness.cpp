// SPDX-License-Identifier: GPL-3.0-or-later
// The headless test harness.
#include "harness.h"

#include <stdexcept>

namespace testing_support {

std::string BoxRecord::text(const std::string& control) const
{
    auto it = screen.find(control);
    return it == screen.end() ? "<hidden>" : it->second;
}

float ScriptedRandom::rnd()
{
    if (script_.empty())
        return real_.rnd();
    const float v = script_.front();
    script_.pop_front();
    return v;
}

model::Screen& Harness::screen() const
{
    if (program.current() == nullptr)
        throw std::logic_error("no screen is loaded");
    return *program.current();
}

std::string Harness::name() const { return program.current() == nullptr ? "" : program.current()->name(); }

model::Control& Harness::control(const std::string& name) const
{
    model::Control* c = screen().find(name);
    if (c == nullptr)
        throw std::logic_error("no control " + name + " on " + screen().name());
    return *c;
}

void Harness::click(const std::string& name) { program.click(control(name)); }
void Harness::type(const std::string& name, std::string text) { control(name).text = std::move(text); }
std::string Harness::text(const std::string& name) const { return control(name).text; }
bool Harness::shows(const std::string& name) const { return control(name).shown(); }

void Harness::show(const std::string& prompt, const std::string& title)
{
    BoxRecord record{title, prompt, {}};
    if (model::Screen* s = program.current())
        for (const model::Control& c : s->controls())
            if (c.shown())
                record.screen[c.designer_name()] = c.text;
    if (while_open)
        while_open(record);
    boxes.push_back(std::move(record));
}

}  // namespace testing_support
