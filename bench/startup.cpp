// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up of whole programs as the X server sees them: the time from exec to the first window
// mapped and to the first pixels drawn into it, and the resident memory once it is up.
//   startup ROUNDS NAME=PROGRAM...
// The first NAME is the reference. Every round starts each program once, in turn, after one
// round that warms the caches and is not counted; the table gives medians, and each program's
// ratio to the reference is the median of its ratios within a round, so that a slow moment of
// a shared machine weighs on both sides of a ratio alike.
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "stats.h"

extern char** environ;

namespace {

using bench::Clock;
using bench::ms_between;

struct Run {
    double mapped_ms, painted_ms, rss_mb;
};

struct Program {
    std::string name, path;
    std::vector<Run> runs;
};

// Long enough after the first paint for the program to settle into its idle state.
constexpr auto settle = std::chrono::milliseconds(250);
constexpr int give_up_ms = 15000;

double resident_mb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtod(line.c_str() + 6, nullptr) / 1024.0;
    return 0;
}

class Watcher {
public:
    Watcher()
    {
        conn_ = xcb_connect(nullptr, nullptr);
        if (xcb_connection_has_error(conn_))
            throw std::runtime_error("cannot connect to the X server in DISPLAY");
        root_ = xcb_setup_roots_iterator(xcb_get_setup(conn_)).data->root;
        const xcb_query_extension_reply_t* damage = xcb_get_extension_data(conn_, &xcb_damage_id);
        if (damage == nullptr || !damage->present)
            throw std::runtime_error("the X server has no DAMAGE extension");
        damage_event_ = damage->first_event + XCB_DAMAGE_NOTIFY;
        free(xcb_damage_query_version_reply(conn_, xcb_damage_query_version(conn_, 1, 1), nullptr));
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(conn_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(conn_);
    }
    ~Watcher() { xcb_disconnect(conn_); }

    Run measure(const std::string& path)
    {
        drain();
        std::map<xcb_window_t, xcb_damage_damage_t> watched;
        std::optional<double> mapped, painted;
        char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
        const Clock::time_point start = Clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, path.c_str(), nullptr, nullptr, argv, environ) != 0)
            throw std::runtime_error("cannot start " + path);
        xcb_window_t window = XCB_NONE;
        while (!painted) {
            pollfd fd{xcb_get_file_descriptor(conn_), POLLIN, 0};
            if (ms_between(start, Clock::now()) > give_up_ms)
                break;
            if (poll(&fd, 1, 100) <= 0)
                continue;
            while (xcb_generic_event_t* event = xcb_poll_for_event(conn_)) {
                const Clock::time_point at = Clock::now();
                const int type = event->response_type & 0x7F;
                if (type == XCB_CREATE_NOTIFY) {
                    // Watched from its creation, so that no drawing between the map and this
                    // watcher's next look can be missed.
                    const auto* created = reinterpret_cast<xcb_create_notify_event_t*>(event);
                    const xcb_damage_damage_t damage = xcb_generate_id(conn_);
                    xcb_damage_create(conn_, damage, created->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
                    watched[created->window] = damage;
                    xcb_flush(conn_);
                } else if (type == XCB_MAP_NOTIFY && !mapped) {
                    const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                    if (!map->override_redirect) {
                        window = map->window;
                        mapped = ms_between(start, at);
                    }
                } else if (type == damage_event_ && mapped) {
                    if (reinterpret_cast<xcb_damage_notify_event_t*>(event)->drawable == window)
                        painted = ms_between(start, at);
                }
                free(event);
            }
        }
        std::this_thread::sleep_for(settle);
        const double rss = resident_mb(pid);
        kill(pid, SIGTERM);
        waitpid(pid, nullptr, 0);
        for (const auto& [w, damage] : watched)
            xcb_damage_destroy(conn_, damage);
        xcb_flush(conn_);
        if (!mapped || !painted)
            throw std::runtime_error(path + " showed no window");
        return {*mapped, *painted, rss};
    }

private:
    void drain()
    {
        round_trip();
        while (xcb_generic_event_t* event = xcb_poll_for_event(conn_))
            free(event);
    }
    // Everything the server has sent before now is in the queue once its answer is back.
    void round_trip() { free(xcb_get_input_focus_reply(conn_, xcb_get_input_focus(conn_), nullptr)); }

    xcb_connection_t* conn_ = nullptr;
    xcb_window_t root_ = XCB_NONE;
    int damage_event_ = 0;
};

std::vector<double> ratios(const Program& p, const Program& reference, double Run::*field)
{
    std::vector<double> r;
    for (std::size_t i = 0; i < p.runs.size(); ++i)
        r.push_back(p.runs[i].*field / reference.runs[i].*field);
    return r;
}

std::vector<double> column(const Program& p, double Run::*field)
{
    std::vector<double> c;
    for (const Run& run : p.runs)
        c.push_back(run.*field);
    return c;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: startup ROUNDS REFERENCE=PROGRAM NAME=PROGRAM...\n");
        return 2;
    }
    const int rounds = std::atoi(argv[1]);
    std::vector<Program> programs;
    for (int i = 2; i < argc; ++i) {
        const char* eq = std::strchr(argv[i], '=');
        if (eq == nullptr) {
            std::fprintf(stderr, "expected NAME=PROGRAM, got %s\n", argv[i]);
            return 2;
        }
        programs.push_back({std::string(argv[i], static_cast<std::size_t>(eq - argv[i])), eq + 1, {}});
    }
    try {
        Watcher watcher;
        for (Program& p : programs)
            watcher.measure(p.path);
        for (int round = 0; round < rounds; ++round) {
            // Each round starts with a different program, so none is always the first after a pause.
            for (std::size_t k = 0; k < programs.size(); ++k) {
                Program& p = programs[(k + static_cast<std::size_t>(round)) % programs.size()];
                p.runs.push_back(watcher.measure(p.path));
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "startup: %s\n", e.what());
        return 1;
    }

    const Program& reference = programs.front();
    std::printf("| Program | Mapped (ms) | Painted (ms) | RSS (MB) | Mapped × | Painted × | RSS × | Within 1.15 × |\n");
    std::printf("|---|---:|---:|---:|---:|---:|---:|---|\n");
    bool all_within = true;
    for (const Program& p : programs) {
        const double mapped = bench::median(column(p, &Run::mapped_ms));
        const double painted = bench::median(column(p, &Run::painted_ms));
        const double rss = bench::median(column(p, &Run::rss_mb));
        if (&p == &reference) {
            std::printf("| %s (reference) | %.1f | %.1f | %.1f | 1 | 1 | 1 | |\n", p.name.c_str(), mapped, painted,
                        rss);
            continue;
        }
        const double rm = bench::median(ratios(p, reference, &Run::mapped_ms));
        const double rp = bench::median(ratios(p, reference, &Run::painted_ms));
        const double rr = bench::median(ratios(p, reference, &Run::rss_mb));
        const bool within = rm <= 1.15 && rp <= 1.15 && rr <= 1.15;
        all_within = all_within && within;
        std::printf("| %s | %.1f | %.1f | %.1f | %.2f | %.2f | %.2f | %s |\n", p.name.c_str(), mapped, painted, rss, rm,
                    rp, rr, within ? "yes" : "**no**");
    }
    std::printf("\n%d rounds after a warm-up, programs interleaved; medians.\n", rounds);
    return all_within ? 0 : 3;
}
