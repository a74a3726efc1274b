// SPDX-License-Identifier: GPL-3.0-or-later
// A program run without windows: clicks and typing by designer name, a generator whose draws
// a test can script, and a message box that records what it showed and what was on screen.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "model/program.h"
#include "values/random.h"

namespace testing_support {

// What one message box showed, and the visible controls with their texts at that moment.
struct BoxRecord {
    std::string title;
    std::string prompt;
    std::map<std::string, std::string> screen;

    bool shows(const std::string& control) const { return screen.count(control) > 0; }
    std::string text(const std::string& control) const;
};

// Plays back scripted values, then carries on with the runtime generator.
class ScriptedRandom final : public values::Random {
public:
    float rnd() override;
    void randomize() override { real_.randomize(); }

    void push(float value) { script_.push_back(value); }
    // The next draw of Int(Rnd * n + 1) comes out as k.
    void draw(int n, int k) { push((static_cast<float>(k) - 0.5f) / static_cast<float>(n)); }
    // The next sign draw comes out negative or positive.
    void sign(int s) { draw(2, s < 0 ? 1 : 2); }
    bool exhausted() const { return script_.empty(); }

private:
    std::deque<float> script_;
    values::RuntimeRandom real_;
};

class Harness final : public model::MessageBox {
public:
    explicit Harness(std::string app_title) : program(std::move(app_title), *this, random) {}

    template <class T>
    T& start()
    {
        return program.start<T>();
    }

    model::Screen& screen() const;
    template <class T>
    T* screen_as() const
    {
        return dynamic_cast<T*>(program.current());
    }
    std::string name() const;

    // Each fails the test if the control is not on the current screen.
    void click(const std::string& control);
    void type(const std::string& control, std::string text);
    std::string text(const std::string& control) const;
    bool shows(const std::string& control) const;

    void show(const std::string& prompt, const std::string& title) override;
    // Runs while a box is open, before it is answered.
    std::function<void(const BoxRecord&)> while_open;

    ScriptedRandom random;
    model::Program program;
    std::vector<BoxRecord> boxes;

private:
    model::Control& control(const std::string& name) const;
};

}  // namespace testing_support
