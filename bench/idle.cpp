// SPDX-License-Identifier: GPL-3.0-or-later
// What an untouched tutor does while a screen waits for the pupil: how often it wakes up. With
// an animation on show it should wake for the animation's frames only; on any other screen not
// at all.
//   idle [SECONDS]
// Every screen of both programs is opened in a process of its own, offscreen, all at once, and
// left alone; after they have settled, each counts its threads' wake-ups (the times they went back
// to sleep, from /proc) and its animation frames for SECONDS, 60 by default. The exit status is 3
// when a screen wakes more often than its animation draws a frame.
#include <QApplication>
#include <QDir>
#include <QMovie>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "child.h"
#include "fractio/screens.h"
#include "model/program.h"
#include "numeria/screens.h"
#include "qt/app.h"
#include "values/random.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Figures {
    long wake_ups = 0, frames = 0;
};

// For every thread of this process, the times it went to sleep of its own accord.
std::map<std::string, long> sleeps()
{
    std::map<std::string, long> by_thread;
    for (const QString& task : QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        std::ifstream status("/proc/self/task/" + task.toStdString() + "/status");
        std::string line;
        while (std::getline(status, line))
            if (line.rfind("voluntary_ctxt_switches:", 0) == 0)
                by_thread[task.toStdString()] = std::atol(line.c_str() + 24);
    }
    return by_thread;
}

// A thread that ended meanwhile is not counted; one that began is counted whole.
long wake_ups_between(const std::map<std::string, long>& before, const std::map<std::string, long>& after)
{
    long total = 0;
    for (const auto& [thread, count] : after) {
        const auto it = before.find(thread);
        total += count - (it != before.end() ? it->second : 0);
    }
    return total;
}

Figures watch(const model::ProgramDescription& program, const model::ScreenEntry& entry, Clock::time_point from,
              std::chrono::seconds length)
{
    int argc = 1;
    char name[] = "idle";
    char* argv[] = {name, nullptr};
    // A screen of its own for every process, so that each window is the active one with the
    // keyboard focus, as the one window a pupil has open is, and no other window's traffic counts.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qtview::set_up_application(app);
    values::RuntimeRandom random;
    qtview::Shell shell;
    model::Program tutor(std::string(program.title), shell, random);
    shell.attach(tutor);
    entry.show(tutor);
    Figures f;
    bool counting = false;
    for (QMovie* movie : shell.view_of(*tutor.current())->findChildren<QMovie*>())
        QObject::connect(movie, &QMovie::frameChanged, [&] { f.frames += counting; });
    std::map<std::string, long> at_start;
    const auto until = [](Clock::time_point t) {
        return static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(t - Clock::now()).count());
    };
    QTimer::singleShot(until(from), [&] {
        at_start = sleeps();
        counting = true;
    });
    QTimer::singleShot(until(from + length), [&] {
        // The one sleep between the two timers is not a wake-up.
        f.wake_ups = wake_ups_between(at_start, sleeps()) - 1;
        QApplication::quit();
    });
    QApplication::exec();
    return f;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::chrono::seconds length(argc > 1 ? std::atol(argv[1]) : 60);
    // Long enough for every window to be up, painted and given the focus before anyone counts.
    const Clock::time_point from = Clock::now() + std::chrono::seconds(10);
    struct Watched {
        std::string name;
        bench::Child<Figures> child;
    };
    std::vector<Watched> children;
    for (const auto* program : {&numeria::program(), &fractio::program()})
        for (const model::ScreenEntry& entry : program->screens)
            children.push_back({std::string(program->id) + " " + std::string(entry.name),
                                bench::start_child<Figures>([&] { return watch(*program, entry, from, length); })});
    std::printf("| Screen | Wake-ups in %lld s | Animation frames | Wake-ups for nothing else |\n",
                static_cast<long long>(length.count()));
    std::printf("|---|---:|---:|---|\n");
    bool all_quiet = true;
    for (const Watched& child : children) {
        const std::optional<Figures> f = bench::finish(child.child);
        if (!f) {
            std::fprintf(stderr, "idle: %s stopped before the end\n", child.name.c_str());
            return 1;
        }
        const bool quiet = f->wake_ups <= f->frames;
        all_quiet = all_quiet && quiet;
        std::printf("| %s | %ld | %ld | %s |\n", child.name.c_str(), f->wake_ups, f->frames, quiet ? "yes" : "**no**");
    }
    std::printf("\nEvery screen in a process of its own, offscreen, all at once, untouched; wake-ups are the times a "
                "thread of the program went back to sleep (/proc), counted after the windows had settled.\n");
    return all_quiet ? 0 : 3;
}
