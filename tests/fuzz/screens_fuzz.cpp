// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: any texts typed into any box and any clicks on any screen of either program never
// crash or hang, never write a number in any but the written forms (no inf, nan or -0), never
// nest a message box and never leave two screens loaded.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "fractio/screens.h"
#include "model/program.h"
#include "numeria/screens.h"
#include "values/random.h"
#include "written.h"

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

// The draws come from the fuzzed data too, so every run can be replayed from its input.
class FuzzedRandom final : public values::Random {
public:
    explicit FuzzedRandom(FuzzedDataProvider& data) : data_(data) {}
    float rnd() override { return std::min(data_.ConsumeProbability<float>(), 0.99999994f); }
    void randomize() override {}

private:
    FuzzedDataProvider& data_;
};

bool looks_like_a_number(std::string_view t)
{
    if (!t.empty() && t[0] == '-')
        t.remove_prefix(1);
    return !t.empty() && t[0] >= '0' && t[0] <= '9';
}

// What each loaded screen held when it was shown, and the checks on what it holds later.
class Watch final : public model::ProgramObserver, public model::MessageBox {
public:
    model::Program* program = nullptr;

    void shown(model::Screen& s) override
    {
        if (made_.count(&s) == 0)
            for (const model::Control& c : s.controls())
                made_[&s][&c] = c.text;
    }
    void unloaded(model::Screen& s) override
    {
        for (const model::Control& c : s.controls())
            typed_.erase(&c);
        made_.erase(&s);
    }
    void type(model::Control& c, std::string text)
    {
        typed_[&c] = text;
        c.text = std::move(text);
    }

    void show(const std::string& prompt, const std::string& title) override
    {
        require(!open_);
        require(!prompt.empty() && !title.empty());
        require(!looks_like_a_number(title) || testing_support::is_written(title));
        open_ = true;
        check();
        open_ = false;
    }

    // Every text is what the screen was made with, what was typed into it last, or a number in
    // the written forms, alone or after "=".
    void check() const
    {
        require(program->loaded().size() <= 1);
        for (const auto& screen : program->loaded())
            for (const model::Control& c : screen->controls()) {
                const auto& made = made_.at(screen.get());
                if (auto it = made.find(&c); it != made.end() && it->second == c.text)
                    continue;
                if (auto it = typed_.find(&c); it != typed_.end() && it->second == c.text)
                    continue;
                std::string_view t = c.text;
                if (!t.empty() && t[0] == '=')
                    t.remove_prefix(1);
                require(t.find("Overflow") == std::string_view::npos);
                if (looks_like_a_number(t))
                    require(testing_support::is_written(t) || testing_support::is_two_decimals(t));
            }
    }

private:
    std::map<const model::Screen*, std::map<const model::Control*, std::string>> made_;
    std::map<const model::Control*, std::string> typed_;
    bool open_ = false;
};

// Texts worth trying beside the fuzzed bytes.
constexpr std::array<const char*, 24> entries = {
    "",
    "0",
    "-0",
    "1",
    "-3",
    "0.5",
    "1e400",
    "1e308",
    "-1e308",
    "1e200",
    "1e-200",
    "1e-320",
    "&HFFFF",
    "&H100000000",
    "٣٫٥",
    "۱۲abc",
    "12abc",
    "+-1",
    "0.3",
    "2.5",
    "1e15",
    "999999999999999",
    "9007199254740993",
    "-0.5",
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const model::ProgramDescription& description = data.ConsumeBool() ? numeria::program() : fractio::program();
    FuzzedRandom random(data);
    Watch watch;
    model::Program program(std::string(description.title), watch, random);
    watch.program = &program;
    program.set_observer(&watch);
    const auto& start
        = description.screens[data.ConsumeIntegralInRange<std::size_t>(0, description.screens.size() - 1)];
    start.show(program);
    for (int step = 0; step < 64 && data.remaining_bytes() > 0 && !program.ended(); ++step) {
        model::Screen& screen = *program.current();
        std::vector<model::Control*> boxes, buttons;
        for (model::Control& c : screen.controls()) {
            if (c.kind == model::Kind::TextBox && !c.locked())
                boxes.push_back(&c);
            if (c.kind == model::Kind::Button || c.kind == model::Kind::Option)
                buttons.push_back(&c);
        }
        const auto pick = [&](const std::vector<model::Control*>& from) {
            return from[data.ConsumeIntegralInRange<std::size_t>(0, from.size() - 1)];
        };
        const int action = data.ConsumeIntegralInRange(0, 15);
        if (action < 7 && !boxes.empty())
            watch.type(*pick(boxes),
                       data.ConsumeBool() ? entries[data.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1)]
                                          : data.ConsumeRandomLengthString(64));
        else if (action == 7 && data.ConsumeIntegral<std::uint8_t>() < 16)
            program.close(screen);  // ends the program, as closing the one window does
        else if (!buttons.empty())
            program.click(*pick(buttons));
        if (!program.ended())
            watch.check();
        require(program.loaded().size() <= 1);
    }
    return 0;
}
