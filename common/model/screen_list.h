// SPDX-License-Identifier: GPL-3.0-or-later
// What a program is: its title, its screens by designer name, the screen it starts on and its
// icon, in one place that the program's main, the tools and the tests all read.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "model/services.h"

namespace model {

struct ScreenEntry {
    std::string_view name;
    void (*show)(Services&);
};

template <class T>
constexpr ScreenEntry entry(std::string_view name)
{
    return {name, [](Services& s) { s.show<T>(); }};
}

struct ProgramDescription {
    std::string_view id;     // the program's file name, as the tools take it
    std::string_view title;  // the application title, shown by message boxes without a title
    std::string_view start;  // the screen shown at start-up
    std::string_view icon;   // the window icon in the program's art, or empty
    // Its desktop entry's name, so that the taskbar shows the menu's name and icon for its windows.
    std::string_view desktop_entry;
    std::vector<ScreenEntry> screens;

    // The entry of a screen by its designer name; throws std::out_of_range for another name.
    const ScreenEntry& screen(std::string_view name) const
    {
        for (const ScreenEntry& e : screens)
            if (e.name == name)
                return e;
        throw std::out_of_range(std::string(id) + " has no screen " + std::string(name));
    }
};

}  // namespace model
