// SPDX-License-Identifier: GPL-3.0-or-later
// What the tests that drive a screen with entries of every kind share: how long they run, and
// the check that every control holds only what it may.
#pragma once

#include <cstdint>
#include <cstdlib>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <functional>

#include "entries.h"
#include "harness.h"
#include "model/screen.h"
#include "written.h"

namespace testing_support {

// The texts each control may hold: what it held when the screen was made, nothing, a written
// number, anything in a box the pupil types into, and the words the screen may put there.
class Tidy {
public:
    explicit Tidy(const model::Screen& s)
    {
        for (const model::Control& c : s.controls()) {
            allowed_[c.designer_name()].insert(c.text);
            if (c.kind == model::Kind::TextBox && c.role == model::BoxRole::Input)
                typed_.insert(c.designer_name());
        }
    }
    Tidy& allow(const std::string& control, std::initializer_list<std::string> texts)
    {
        allowed_[control].insert(texts);
        return *this;
    }
    Tidy& two_decimals(std::initializer_list<const char*> controls)
    {
        for (const char* c : controls)
            formatted_.insert(c);
        return *this;
    }
    // The number after this prefix is a written number too.
    Tidy& prefixed(const std::string& control, std::string prefix)
    {
        prefixes_[control] = std::move(prefix);
        return *this;
    }

    // The first control holding something it may not, as "name: text"; empty when none does.
    std::string check(const std::map<std::string, std::string>& texts) const
    {
        for (const auto& [name, text] : texts)
            if (!fits(name, text))
                return name + ": \"" + text + "\"";
        return {};
    }
    std::string check(const model::Screen& s) const
    {
        std::map<std::string, std::string> texts;
        for (const model::Control& c : s.controls())
            texts[c.designer_name()] = c.text;
        return check(texts);
    }

private:
    bool fits(const std::string& name, const std::string& text) const
    {
        if (text.empty() || is_written(text) || typed_.count(name) > 0)
            return true;
        if (auto it = allowed_.find(name); it != allowed_.end() && it->second.count(text) > 0)
            return true;
        if (formatted_.count(name) > 0 && is_two_decimals(text))
            return true;
        auto p = prefixes_.find(name);
        return p != prefixes_.end() && text.rfind(p->second, 0) == 0 && is_written(text.substr(p->second.size()));
    }

    std::map<std::string, std::set<std::string>> allowed_;
    std::set<std::string> typed_, formatted_;
    std::map<std::string, std::string> prefixes_;
};

// Every control's text and its own Visible flag, to tell what a click changed.
using Board = std::map<std::string, std::pair<std::string, bool>>;
inline Board board_of(const model::Screen& s)
{
    Board out;
    for (const model::Control& c : s.controls())
        out[c.designer_name()] = {c.text, c.visible};
    return out;
}

// The controls whose text or Visible flag differ between two boards of one screen.
inline std::set<std::string> changes(const Board& before, const Board& after)
{
    std::set<std::string> changed;
    for (const auto& [name, state] : after)
        if (before.at(name) != state)
            changed.insert(name);
    return changed;
}

// The prompts of the boxes in the order they opened.
inline std::vector<std::string> prompts(const Harness& h)
{
    std::vector<std::string> out;
    for (const BoxRecord& b : h.boxes)
        out.push_back(b.prompt);
    return out;
}

// A text fit to print in a failure message: control characters escaped, long texts cut.
inline std::string printable(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text.substr(0, 60)) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
            static const char* hex = "0123456789ABCDEF";
            out += std::string("\\x") + hex[(c >> 4) & 0xF] + hex[c & 0xF];
        } else {
            out += c;
        }
    }
    if (text.size() > 60)
        out += "...(" + std::to_string(text.size()) + " bytes)";
    return out + "\"";
}

// Starts fresh screens of type T and gives each a few clicks until the cases are done or a check
// has failed. `click` types, clicks and checks; after it, every box title must be the program's
// title or a number, and every control tidy.
template <class T>
void drive(const std::string& title, const std::function<void(Tidy&)>& allow,
           const std::function<void(Harness&, Entries&, int)>& click)
{
    Entries entries(property_seed());
    long done = 0;
    while (done < property_cases() && !::testing::Test::HasFailure()) {
        Harness h{title};
        h.start<T>();
        Tidy tidy(h.screen());
        allow(tidy);
        h.while_open = [&](const BoxRecord& box) {
            EXPECT_EQ(tidy.check(box.screen), "") << "while \"" << box.prompt << "\" is open";
        };
        for (int k = 0; k < 16 && done < property_cases() && !::testing::Test::HasFailure(); ++k, ++done) {
            h.boxes.clear();
            click(h, entries, k);
            for (const BoxRecord& b : h.boxes) {
                EXPECT_TRUE(b.title == title || is_written(b.title)) << b.title;
            }
            EXPECT_EQ(tidy.check(h.screen()), "");
        }
    }
}

}  // namespace testing_support
