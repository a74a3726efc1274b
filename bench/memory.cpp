// SPDX-License-Identifier: GPL-3.0-or-later
// Resident memory of each tutor through a long day of use, in its real windows: after a warm-up
// that shows every screen of the program, and after EVENTS further events of random use (clicks,
// typing, every way of answering a box, screen changes; a program the pupil ends starts again).
//   memory [EVENTS]
// With MEMORY_CURVE set, each program also prints its resident memory and live heap every 10,000
// events to the standard error, to tell a cache filling up from a leak.
// Each program runs in a process of its own. The exit status is 3 when one grows by more than
// the budget.
#include <QApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <optional>
#include <string>
#include <vector>

#include "child.h"
#include "fractio/screens.h"
#include "numeria/screens.h"
#include "qt/app.h"
#include "random_use.h"

namespace {

constexpr double budget_mb = 2.0;

struct Figures {
    long warm_up_events = 0;
    double warm_mb = 0, end_mb = 0;
    int faults = 0;
};

double resident_mb()
{
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

Figures use(const model::ProgramDescription& program, long events)
{
    int argc = 1;
    char name[] = "memory";
    char* argv[] = {name, nullptr};
    QApplication app(argc, argv);
    qtview::set_up_application(app);
    testing_support::RandomUse use(testing_support::property_seed());
    Figures f;
    std::optional<long> warm_at;
    const auto go_on = [&] {
        if (!warm_at && use.visited_every_screen_of(program)) {
            warm_at = use.events();
            f.warm_mb = resident_mb();
        }
        if (warm_at && std::getenv("MEMORY_CURVE") && (use.events() - *warm_at) % 10000 == 0) {
            const struct mallinfo2 heap = mallinfo2();
            std::fprintf(stderr, "%s %ld: resident %.1f MB, heap in use %.1f MB of %.1f MB\n", program.id.data(),
                         use.events() - *warm_at, resident_mb(), heap.uordblks / 1048576.0,
                         (heap.arena + heap.hblkhd) / 1048576.0);
        }
        if (!warm_at || use.events() < *warm_at + events)
            return true;
        f.end_mb = resident_mb();
        return false;
    };
    while (use.session(program, go_on)) {}
    f.warm_up_events = *warm_at;
    f.faults = static_cast<int>(use.faults().size());
    for (const std::string& fault : use.faults())
        std::fprintf(stderr, "memory: %s\n", fault.c_str());
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    const long events = argc > 1 ? std::atol(argv[1]) : 100000;
    std::printf(
        "| Program | Warm-up events | After warm-up (MB) | After %ld more (MB) | Growth (MB) | Within %.0f MB |\n",
        events, budget_mb);
    std::printf("|---|---:|---:|---:|---:|---|\n");
    // The two programs run side by side: each waits on the X server most of the time.
    const std::vector<const model::ProgramDescription*> programs = {&numeria::program(), &fractio::program()};
    std::vector<bench::Child<Figures>> children;
    for (const auto* program : programs)
        children.push_back(bench::start_child<Figures>([&] { return use(*program, events); }));
    bool all_within = true;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const std::string id(programs[i]->id);
        const std::optional<Figures> f = bench::finish(children[i]);
        if (!f) {
            std::fprintf(stderr, "memory: %s stopped before the end\n", id.c_str());
            return 1;
        }
        const double growth = f->end_mb - f->warm_mb;
        const bool within = growth <= budget_mb && f->faults == 0;
        all_within = all_within && within;
        std::printf("| %s | %ld | %.1f | %.1f | %+.1f | %s |\n", id.c_str(), f->warm_up_events, f->warm_mb, f->end_mb,
                    growth,
                    within              ? "yes"
                        : f->faults > 0 ? "**no** (faults)"
                                        : "**no**");
    }
    std::printf("\nResident memory (VmRSS) of each program in a process of its own, after a warm-up of random use "
                "until every screen had been shown, and after the events of random use that followed.\n");
    return all_within ? 0 : 3;
}
