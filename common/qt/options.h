// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of the programs and of the screenshot tool, and the choices a program keeps
// from one run to the next.
#pragma once

#include <QCommandLineParser>
#include <QSettings>
#include <QStringList>
#include <memory>
#include <optional>

#include "model/screen_list.h"
#include "qt/digits.h"

namespace qtview {

// How every screen is shown: the digits of its numbers and the scale of the whole program.
struct ViewChoice {
    Digits digits = Digits::Western;
    double zoom = 1.0;
};

inline constexpr double smallest_zoom = 0.75;
inline constexpr double largest_zoom = 3.0;

// --digits western|eastern and --zoom FACTOR, on any command line that takes them.
void add_view_options(QCommandLineParser& parser);
// Each option is described in Arabic, then in English on a line of its own.
QList<QCommandLineOption> view_options();
// Every option of a program's command line, in the order its help lists them; its manual page
// is written from the same list.
QList<QCommandLineOption> program_options();
// What the help says of the options as a whole, in Arabic and then in English.
QString program_options_note();
// `choice` with what the parsed command line sets; empty when a value is bad, and then `error`
// says what was wrong, in Arabic and in English, after the program's name `id`.
std::optional<ViewChoice> take_view_options(const QCommandLineParser& parser, ViewChoice choice, const QString& id,
                                            QString& error);

// What a program does with its command line: start with a choice, or stop at once.
struct Start {
    ViewChoice choice;
    std::optional<int> exit_status;  // set when the program stops without starting
    QString output;                  // help or version for stdout, or what was wrong for stderr
    bool speak = false;              // read aloud, as chosen now or kept from before
    bool speak_asked = false;        // --speak on was given on this command line
};

// Reads the command line (argv as strings); what it leaves out comes from `kept`, and what it
// sets is kept there for the next runs. A command line that stops the program keeps nothing.
Start read_command_line(const QStringList& arguments, const model::ProgramDescription& program, QSettings& kept);

// Where a program keeps its choices: one place for both programs, so that the pupil's digits and
// the classroom's zoom carry over from one to the other.
std::unique_ptr<QSettings> kept_choices();

// Keeps whether the programs read aloud, as --speak does, for the next runs.
void keep_speak(QSettings& kept, bool on);

// Scales the whole program as a higher resolution would, so that text stays crisp. Call before
// the QApplication is made; a zoom of 1 leaves the environment as it is.
void apply_zoom(double zoom);

}  // namespace qtview
