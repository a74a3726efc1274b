// SPDX-License-Identifier: GPL-3.0-or-later
// A running program: the loaded screens, the one-event-at-a-time dispatch, and the services
// that handlers call.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "model/screen.h"
#include "model/services.h"

namespace model {

// Told of every change to the set of loaded screens; the Qt view opens and closes windows here.
class ProgramObserver {
public:
    virtual ~ProgramObserver() = default;
    virtual void shown(Screen&) {}
    virtual void unloaded(Screen&) {}
    virtual void ended() {}
};

class Program final : public Services {
public:
    Program(std::string app_title, MessageBox& box, values::Random& random);
    ~Program() override;

    void set_observer(ProgramObserver* observer) { observer_ = observer; }

    // Creates, loads and shows the start-up screen.
    template <class T>
    T& start()
    {
        show<T>();
        return dynamic_cast<T&>(*loaded_.back());
    }

    // Events from the window or a test. A click is ignored while a handler waits on a message
    // box, after the end, and on a control that is hidden or disabled.
    void click(Control& control);
    // The pupil closed the window of a screen with its title-bar button.
    void close(Screen& screen);

    Screen* current() const { return loaded_.empty() ? nullptr : loaded_.back().get(); }
    const std::vector<std::unique_ptr<Screen>>& loaded() const { return loaded_; }
    bool ended() const { return ended_; }
    bool busy() const { return depth_ > 0; }
    // How many message boxes have been shown so far.
    std::size_t messages() const { return messages_; }

    using Services::message;
    void message(std::string_view prompt, std::string_view title) override;
    void unload(Screen& screen) override;
    void end() override;
    values::Random& random() override { return random_; }
    const std::string& app_title() const override { return app_title_; }

protected:
    void show_screen(Matcher is_it, Factory create) override;

private:
    void finish_event();

    std::string app_title_;
    MessageBox& box_;
    values::Random& random_;
    ProgramObserver* observer_ = nullptr;
    std::vector<std::unique_ptr<Screen>> loaded_;
    // Unloaded screens live on until the event that unloaded them has returned.
    std::vector<std::unique_ptr<Screen>> unloaded_;
    int depth_ = 0;
    std::size_t messages_ = 0;
    bool ended_ = false;
};

}  // namespace model
