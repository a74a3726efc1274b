// SPDX-License-Identifier: GPL-3.0-or-later
// Every handler of both tutors, without windows, on the most expensive input it accepts: numbers
// of fifteen digits whose greatest common divisor takes Euclid longest, forty-digit texts, the
// largest quiz and every question of the exercise sheet answered.
//   handlers [REPEATS] [--each]
// Prints one row a screen with its slowest handler, or with --each one row a case.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "fractio/screens.h"
#include "model/program.h"
#include "numeria/screens.h"
#include "stats.h"
#include "values/random.h"

namespace {

using bench::Clock;

struct NoBox final : model::MessageBox {
    void show(const std::string&, const std::string&) override {}
};

// A step is CONTROL=TEXT to type into a box or CONTROL to click, as the screenshot tool takes them.
struct Case {
    std::string program, screen;
    std::vector<std::string> before;
    std::string click;
};

std::vector<std::string> steps(std::initializer_list<std::string> list) { return list; }
std::vector<std::string> repeat(int times, const std::string& step) { return std::vector<std::string>(times, step); }

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// Consecutive Fibonacci numbers: Euclid takes the most steps on them of all numbers their size.
const std::string fib72 = "498454011879264", fib73 = "806515533049393";
const std::string forty = "9876543210987654321098765432109876543210";
const std::string forty_negative = "-1234567890123456789012345678901234567890";

std::vector<std::string> boxes(std::initializer_list<std::pair<const char*, std::string>> typed)
{
    std::vector<std::string> steps;
    for (const auto& [box, text] : typed)
        steps.push_back(std::string(box) + "=" + text);
    return steps;
}

std::vector<Case> cases()
{
    std::vector<Case> all;
    auto add = [&](const char* program, const char* screen, std::vector<std::string> before,
                   std::initializer_list<const char*> clicks) {
        for (const char* click : clicks)
            all.push_back({program, screen, before, click});
    };
    // numeria
    add("numeria", "Form1", {}, {"Command1", "Command2", "Command3", "Command7", "Command6", "Command5", "Command4"});
    add("numeria", "Form2", {}, {"Command2", "Command3", "Command4", "Command6", "Command7", "Command5", "Command1"});
    add("numeria", "Form3", {}, {"Command3", "Command2", "Command4", "Command5", "Command6", "Command1"});
    add("numeria", "Form4", {}, {"Command2", "Command4", "Command1"});
    for (int step = 0; step < 3; ++step)
        add("numeria", "Form4", steps({"Command2"}) + repeat(step, "Command3"), {"Command3"});
    add("numeria", "Form5", {}, {"Command1"});
    std::vector<std::string> every_option;
    for (int k = 0; k < 12; ++k)
        every_option.push_back("Option2(" + std::to_string(k) + ")");
    for (int k = 0; k < 4; ++k)
        every_option.push_back("Option1(" + std::to_string(k) + ")");
    for (const std::string& option : every_option)
        all.push_back({"numeria", "Form6", {}, option});
    add("numeria", "Form6", every_option, {"Command2", "Command1"});
    for (const auto& numbers :
         {boxes({{"Text1", forty}, {"Text2", forty_negative}}), boxes({{"Text1", fib73}, {"Text2", fib72}})})
        add("numeria", "Form7", numbers, {"Command1", "Command2", "Command3", "Command4", "Command5"});
    for (const auto& fractions :
         {boxes({{"Text1", fib73}, {"Text2", fib72}, {"Text3", fib72}, {"Text4", fib73}}),
          boxes({{"Text1", fib73}, {"Text2", fib72}, {"Text3", fib72}, {"Text4", fib72}}),
          boxes({{"Text1", forty}, {"Text2", fib72}, {"Text3", forty_negative}, {"Text4", fib72}})})
        add("numeria", "Form8", fractions, {"Command2", "Command3", "Command4", "Command5", "Command1"});
    for (const auto& equation : {boxes({{"Text1", fib72}, {"Text2", fib73}, {"Text3", forty}}),
                                 boxes({{"Text1", forty_negative}, {"Text2", forty}, {"Text3", fib73}})}) {
        for (int step = 0; step < 4; ++step)
            add("numeria", "Form9", equation + repeat(step, "Command3"), {"Command3"});
        add("numeria", "Form9", equation, {"Command1"});
    }
    add("numeria", "Form10", {}, {"Command1", "Command5", "Command6", "Command7"});
    for (int step = 0; step < 3; ++step)
        add("numeria", "Form10", steps({"Command1"}) + repeat(step, "Command2"), {"Command2"});
    add("numeria", "Form10", {"Command1", "Command2", "Command2", "Command2"}, {"Command4"});
    for (const auto& equation : {boxes({{"Text1", fib72}, {"Text2", fib73}, {"Text3", "-" + fib72}}),
                                 boxes({{"Text1", forty}, {"Text2", forty}, {"Text3", forty_negative}})}) {
        add("numeria", "Form11", equation, {"Command1", "Command5", "Command6"});
        for (int step = 0; step < 3; ++step)
            add("numeria", "Form11", equation + steps({"Command1"}) + repeat(step, "Command2"), {"Command2"});
        add("numeria", "Form11", equation + steps({"Command1", "Command2", "Command2", "Command2"}), {"Command4"});
    }
    // fractio
    add("fractio", "Form2", {}, {"Command1", "Command2"});
    add("fractio", "Form3", {}, {"Command1", "Command2", "Command3", "Command4"});
    for (const auto& fraction :
         {boxes({{"Text1", fib73}, {"Text2", fib72}}), boxes({{"Text1", forty}, {"Text2", forty_negative}})})
        add("fractio", "Form1", fraction, {"Command1", "Command2", "Command3"});
    for (const auto& fraction :
         {boxes({{"Text1", fib73}, {"Text2", fib72}}), boxes({{"Text1", "-" + fib72}, {"Text2", fib73}})})
        add("fractio", "Form4", fraction, {"Command1", "Command2", "Command3"});
    std::vector<std::string> quiz = {"Command6"};
    for (int row = 0; row < 5; ++row)
        quiz.push_back("Text1(" + std::to_string(row) + ")=" + forty);
    add("fractio", "Form5", {}, {"Command6"});
    add("fractio", "Form5", quiz,
        {"Command1", "Command2", "Command3", "Command4", "Command5", "Command8", "Command9", "Command7", "Command6"});
    return all;
}

const model::ProgramDescription& program_named(const std::string& id)
{
    for (const auto* d : {&numeria::program(), &fractio::program()})
        if (d->id == id)
            return *d;
    throw std::invalid_argument("no program " + id);
}

model::Control& control_named(model::Program& program, const std::string& name)
{
    model::Control* c = program.current() != nullptr ? program.current()->find(name) : nullptr;
    if (c == nullptr)
        throw std::logic_error("no control " + name + " on the current screen");
    return *c;
}

std::string describe(const Case& c)
{
    std::string text = c.program + " " + c.screen + " " + c.click;
    if (c.before.size() > 4)
        return text + " after " + std::to_string(c.before.size()) + " steps";
    if (!c.before.empty()) {
        text += " after";
        for (const std::string& step : c.before) {
            const auto eq = step.find('=');
            text += " "
                + (eq != std::string::npos && step.size() - eq > 9
                       ? step.substr(0, eq) + "=" + std::to_string(step.size() - eq - 1) + " chars"
                       : step);
        }
    }
    return text;
}

// Microseconds for the case's click, each time in a program of its own with a fresh draw. Where
// the draws decide whether the control takes the click (a lesson's equation without real roots
// has no solutions button), the runs it does not take are left out.
std::vector<double> run(const Case& c, int repeats)
{
    const model::ProgramDescription& description = program_named(c.program);
    std::vector<double> us;
    for (int i = 0; i < repeats; ++i) {
        NoBox box;
        values::RuntimeRandom random;
        random.randomize();
        model::Program program(std::string(description.title), box, random);
        description.screen(c.screen).show(program);
        for (const std::string& step : c.before) {
            const auto eq = step.find('=');
            if (eq != std::string::npos)
                control_named(program, step.substr(0, eq)).text = step.substr(eq + 1);
            else
                program.click(control_named(program, step));
        }
        model::Control& target = control_named(program, c.click);
        if (!target.shown() || !target.enabled)
            continue;
        const Clock::time_point start = Clock::now();
        program.click(target);
        us.push_back(bench::ms_between(start, Clock::now()) * 1000);
    }
    if (us.empty())
        throw std::logic_error(describe(c) + ": the control never takes the click");
    return us;
}

// Every control with a handler must be clicked by some case, so that no handler goes unmeasured.
void check_coverage(const std::vector<Case>& all)
{
    std::set<std::string> clicked;
    for (const Case& c : all)
        clicked.insert(c.program + " " + c.screen + " " + c.click);
    std::vector<std::string> missing;
    for (const auto* d : {&numeria::program(), &fractio::program()})
        for (const auto& entry : d->screens) {
            NoBox box;
            values::RuntimeRandom random;
            model::Program program(std::string(d->title), box, random);
            entry.show(program);
            for (const model::Control& c : program.current()->controls())
                if (c.on_click
                    && !clicked.count(std::string(d->id) + " " + std::string(entry.name) + " " + c.designer_name()))
                    missing.push_back(std::string(d->id) + " " + std::string(entry.name) + " " + c.designer_name());
        }
    if (!missing.empty()) {
        std::string list;
        for (const std::string& m : missing)
            list += "\n  " + m;
        throw std::logic_error("handlers without a case:" + list);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    int repeats = 1000;
    bool each = false;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--each") == 0)
            each = true;
        else
            repeats = std::max(1, std::atoi(argv[i]));
    }
    struct Worst {
        std::string what;
        double p50 = 0, p99 = 0;
        int cases = 0;
    };
    std::map<std::string, Worst> by_screen;
    std::vector<std::string> screen_order;
    bool all_within = true;
    try {
        const std::vector<Case> all = cases();
        check_coverage(all);
        if (each) {
            std::printf("| Handler | p50 (µs) | p99 (µs) |\n|---|---:|---:|\n");
        }
        for (const Case& c : all) {
            const std::vector<double> us = run(c, repeats);
            const double p50 = bench::median(us), p99 = bench::percentile(us, 99);
            all_within = all_within && p99 < 1000;
            if (each)
                std::printf("| %s | %.1f | %.1f |\n", describe(c).c_str(), p50, p99);
            const std::string screen = c.program + " " + c.screen;
            if (!by_screen.count(screen))
                screen_order.push_back(screen);
            Worst& w = by_screen[screen];
            ++w.cases;
            if (p99 > w.p99)
                w = {describe(c).substr(screen.size() + 1), p50, p99, w.cases};
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "handlers: %s\n", e.what());
        return 1;
    }
    if (!each) {
        std::printf("| Screen | Cases | Slowest handler | p50 (µs) | p99 (µs) | Under 1 ms |\n");
        std::printf("|---|---:|---|---:|---:|---|\n");
        for (const std::string& screen : screen_order) {
            const Worst& w = by_screen[screen];
            std::printf("| %s | %d | %s | %.1f | %.1f | %s |\n", screen.c_str(), w.cases, w.what.c_str(), w.p50, w.p99,
                        w.p99 < 1000 ? "yes" : "**no**");
        }
    }
    std::printf("\n%d runs of every case, each in a fresh program with its own draws.\n", repeats);
    return all_within ? 0 : 3;
}
