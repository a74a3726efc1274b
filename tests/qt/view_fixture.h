// SPDX-License-Identifier: GPL-3.0-or-later
// What the offscreen view tests share: a program with the real shell, any screen of either
// program, and a look at the pixels a widget draws.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QImage>
#include <QString>
#include <QWidget>
#include <string>
#include <utility>
#include <vector>

#include "fractio/screens.h"
#include "model/program.h"
#include "numeria/screens.h"
#include "qt/app.h"
#include "values/random.h"

// Failures print texts as the pupil would read them.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }

namespace view_testing {

struct ViewTest : ::testing::Test {
    values::RuntimeRandom random;
    qtview::Shell shell;
    model::Program program{numeria::app_title, shell, random};
    void SetUp() override { shell.attach(program); }

    void open(std::string_view name) { numeria::program().screen(name).show(program); }
    qtview::ScreenView& view() { return *shell.view_of(*program.current()); }
    template <class W = QWidget>
    W* widget(const char* name)
    {
        return view().findChild<W*>(QString::fromLatin1(name));
    }
    void click(const char* name) { widget<QAbstractButton>(name)->click(); }
};

// Every screen of every program in both digit sets, each in a program of its own.
template <class Check>
void for_every_screen(Check check)
{
    for (const auto digits : {qtview::Digits::Western, qtview::Digits::Eastern}) {
        for (const auto* description : {&numeria::program(), &fractio::program()}) {
            for (const auto& entry : description->screens) {
                SCOPED_TRACE(std::string(description->id) + " " + std::string(entry.name)
                             + (digits == qtview::Digits::Eastern ? " in Eastern digits" : ""));
                values::RuntimeRandom random;
                qtview::Shell shell(digits);
                model::Program program{std::string(description->title), shell, random};
                shell.attach(program);
                entry.show(program);
                check(*shell.view_of(*program.current()), digits);
            }
        }
    }
}

QImage picture(QWidget* w);
// Columns that hold ink (pixels far from the picture's top-left background), as runs
// [first, last] from left to right.
std::vector<std::pair<int, int>> ink_runs(const QImage& image);
// How many pixels are close to a colour.
int pixels_near(const QImage& image, QColor colour);

}  // namespace view_testing
