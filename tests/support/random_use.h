// SPDX-License-Identifier: GPL-3.0-or-later
// A program used at random through its real windows and real modal message boxes: clicks on what
// is on show, texts typed with the keyboard, boxes answered in every way, stray clicks and keys
// while a box is open, and now and then the window closed. Checked throughout: at most one screen
// loaded and one window open, no window of an unloaded screen kept, no handler reached while a box
// is open, and nothing behind a box changed by stray input. The view test runs it for faults, the
// memory benchmark for what a long day of use leaves behind.
#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "entries.h"
#include "model/screen_list.h"

namespace testing_support {

class RandomUse final {
public:
    explicit RandomUse(std::uint64_t seed) : entries_(seed) {}

    // Starts `program` on its start-up screen and uses it, one event at a time, for as long as
    // `go_on` holds between events. Returns true when the pupil ended the program, false when
    // `go_on` stopped it. Needs a QApplication.
    bool session(const model::ProgramDescription& program, const std::function<bool()>& go_on);

    long events() const { return events_; }
    // "numeria Form2" for every screen shown so far.
    const std::set<std::string>& visited() const { return visited_; }
    bool visited_every_screen_of(const model::ProgramDescription& program) const;
    const std::vector<std::string>& faults() const { return faults_; }

private:
    Entries entries_;
    long events_ = 0;
    std::set<std::string> visited_;
    std::vector<std::string> faults_;
};

}  // namespace testing_support
