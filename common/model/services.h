// SPDX-License-Identifier: GPL-3.0-or-later
// What a handler may ask of the program: message boxes, moving between screens, ending,
// and the random generator.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "values/random.h"

namespace model {

class Screen;

// The modal box with one OK button through which every explanation reaches the pupil.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    // Returns when the pupil has pressed OK or closed the box.
    virtual void show(const std::string& prompt, const std::string& title) = 0;
};

class Services {
public:
    virtual ~Services() = default;

    // A message box with the application title, or with the given one.
    void message(std::string_view prompt);
    virtual void message(std::string_view prompt, std::string_view title) = 0;

    // Shows the screen of type T, creating it from its designer values first if it is not loaded.
    template <class T>
    void show()
    {
        show_screen([](Screen& s) { return dynamic_cast<T*>(&s) != nullptr; },
                    [](Services& services) -> std::unique_ptr<Screen> { return std::make_unique<T>(services); });
    }

    // Closes a screen and discards everything in it; a handler may unload its own screen.
    virtual void unload(Screen& screen) = 0;
    // Ends the program: every screen closes and no further event is delivered.
    virtual void end() = 0;

    virtual values::Random& random() = 0;
    virtual const std::string& app_title() const = 0;

protected:
    using Matcher = bool (*)(Screen&);
    using Factory = std::unique_ptr<Screen> (*)(Services&);
    virtual void show_screen(Matcher is_it, Factory create) = 0;
};

}  // namespace model
