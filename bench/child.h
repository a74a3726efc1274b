// SPDX-License-Identifier: GPL-3.0-or-later
// A piece of work done in a child process of its own, which hands back its figures on a pipe: a
// program measured there starts with no application, caches or heap of another before it.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <optional>
#include <type_traits>

namespace bench {

template <class Figures>
struct Child {
    pid_t pid = -1;
    int from = -1;
};

template <class Figures, class Work>
Child<Figures> start_child(Work work)
{
    static_assert(std::is_trivially_copyable_v<Figures>);
    int ends[2];
    if (pipe(ends) != 0)
        return {};
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        close(ends[0]);
        const Figures f = work();
        _exit(write(ends[1], &f, sizeof f) == static_cast<ssize_t>(sizeof f) ? 0 : 1);
    }
    close(ends[1]);
    return {pid, ends[0]};
}

// The child's figures once it has ended, or nothing when it stopped before handing them back.
template <class Figures>
std::optional<Figures> finish(const Child<Figures>& child)
{
    Figures f;
    const bool read_whole = child.pid > 0 && read(child.from, &f, sizeof f) == static_cast<ssize_t>(sizeof f);
    close(child.from);
    int status = 0;
    if (child.pid > 0)
        waitpid(child.pid, &status, 0);
    if (!read_whole || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return f;
}

}  // namespace bench
