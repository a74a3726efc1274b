// SPDX-License-Identifier: GPL-3.0-or-later
// A running program: loaded screens and the dispatch of events to their handlers.
#include "model/program.h"

#include <algorithm>

namespace model {

Program::Program(std::string app_title, MessageBox& box, values::Random& random)
    : app_title_(std::move(app_title)), box_(box), random_(random)
{
}

Program::~Program() = default;

void Program::show_screen(Matcher is_it, Factory create)
{
    if (ended_)
        return;
    auto found = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& s) { return is_it(*s); });
    Screen* screen = found != loaded_.end() ? found->get() : nullptr;
    if (screen == nullptr) {
        std::unique_ptr<Screen> fresh = create(*this);
        fresh->finish_declarations();
        screen = loaded_.emplace_back(std::move(fresh)).get();
        screen->load();
    }
    if (observer_ != nullptr)
        observer_->shown(*screen);
}

void Program::unload(Screen& screen)
{
    auto found = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& s) { return s.get() == &screen; });
    if (found == loaded_.end())
        return;
    unloaded_.push_back(std::move(*found));
    loaded_.erase(found);
    if (observer_ != nullptr)
        observer_->unloaded(screen);
}

void Program::end()
{
    if (ended_)
        return;
    while (!loaded_.empty())
        unload(*loaded_.back());
    ended_ = true;
    if (observer_ != nullptr)
        observer_->ended();
}

void Program::message(std::string_view prompt, std::string_view title)
{
    if (ended_)
        return;
    ++messages_;
    box_.show(std::string(prompt), std::string(title));
}

void Program::click(Control& control)
{
    if (ended_ || busy() || !control.shown() || !control.enabled)
        return;
    if (control.screen != nullptr)
        control.screen->note_press(control);
    if (control.kind == Kind::Option && control.screen != nullptr)
        control.screen->select(control);
    if (control.on_click) {
        ++depth_;
        control.on_click();
        --depth_;
    }
    finish_event();
}

void Program::close(Screen& screen)
{
    if (busy())
        return;
    unload(screen);
    finish_event();
}

void Program::finish_event()
{
    unloaded_.clear();
    if (loaded_.empty() && !ended_)
        end();
}

}  // namespace model
