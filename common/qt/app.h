// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop shell of a program: application-wide look, one window per loaded screen, and
// the real modal message box.
#pragma once

#include <QApplication>
#include <QColor>
#include <map>
#include <memory>

#include "model/program.h"
#include "model/screen_list.h"
#include "qt/screen_view.h"
#include "qt/speech.h"

namespace qtview {

// The focus ring every focusable control wears.
inline const QColor focus_ring_colour{0x00, 0x4F, 0xC4};
constexpr int focus_ring_width = 2;

// Right to left, the Fusion look with our tweaks, the Arabic catalogue and the font
// substitutes. Call once, right after the QApplication is made.
void set_up_application(QApplication& app);

// The whole life of a program: the application, its start-up screen, and the event loop until
// the program ends. Returns the exit status.
int run_program(int argc, char** argv, const model::ProgramDescription& program);

class Shell final : public model::ProgramObserver, public model::MessageBox {
public:
    // Every screen and message box shows its numbers in `digits`.
    explicit Shell(Digits digits = Digits::Western);
    ~Shell() override;

    void attach(model::Program& program);
    // Runs the event loop until the program ends; returns at once if it has ended already.
    int run();

    void show(const std::string& prompt, const std::string& title) override;
    void shown(model::Screen& screen) override;
    void unloaded(model::Screen& screen) override;
    void ended() override;

    ScreenView* view_of(const model::Screen& screen) const;
    void sync_all();

    // What is read aloud: message boxes as they open, and what the screens tell screen readers.
    // F2 turns it on and off on every window, and F3 in a message box says it again.
    ReadAloud& read_aloud() { return read_aloud_; }

private:
    bool reading_key(int key);
    void tell_no_voice();

    ReadAloud read_aloud_;
    std::unique_ptr<QObject> keys_;
    QString box_said_;  // what the open message box says
    bool no_voice_waits_ = false;
    model::Program* program_ = nullptr;
    std::map<const model::Screen*, ScreenView*> views_;
    Digits digits_;
    bool ended_ = false;
};

// The message box as the pupil sees it, its numbers in `digits`; exposed so that tools can render
// one.
std::unique_ptr<QWidget> make_message_box(const QString& prompt, const QString& title, Digits digits, QWidget* parent);

}  // namespace qtview
