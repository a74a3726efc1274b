// SPDX-License-Identifier: GPL-3.0-or-later
// The equivalent-fractions screen. Any two non-zero numbers make a fraction here, negative and
// non-whole ones included; nothing is reduced.
#include "fractio/form1.h"

#include <optional>

#include "fractio/form3.h"
#include "values/exact.h"

namespace fractio {

namespace {

constexpr const char* incomplete = "أكمل البيانات ";
constexpr const char* impossible = "لايمكن .. فضلاً تأكد من الكسر ";

}  // namespace

Form1::Form1(Services& s)
    : Screen(s,
             {.name = "Form1",
              .caption = app_title,
              .back = back_colour,
              .width = 10410,
              .height = 3870,
              .start = StartUp::System,
              .spoken = window_name("الكسور المتكافئة")})
{
}

void Form1::command1_click()
{
    if (text1.text().empty() || text2.text().empty()) {
        ui.message(incomplete);
        return;
    }
    const auto d = values::strict_exact(text2.text());
    const auto n = values::strict_exact(text1.text());
    if (!usable(n) || !usable(d)) {
        ui.message(impossible);
        return;
    }
    if (!*n || !*d) {
        ui.message(too_small);
        return;
    }
    // Every product is made before any is written, so that a refusal leaves the row as it was.
    std::array<values::Exact, count> numerators, denominators;
    for (int i = 0; i < count; ++i) {
        const values::Checked top = values::Exact(**n * (i + 2));
        const values::Checked bottom = values::Exact(**d * (i + 2));
        if (!top || !bottom) {
            ui.message(too_large);
            return;
        }
        numerators[i] = *top;
        denominators[i] = *bottom;
    }
    for (int i = 0; i < count; ++i)
        label2[i].set_caption(values::cstr(numerators[i]));
    for (int i = 0; i < count; ++i)
        label3[i].set_caption(values::cstr(denominators[i]));
}

void Form1::command2_click()
{
    for (int i = 0; i < count; ++i) {
        label2[i].set_caption("");
        label3[i].set_caption("");
    }
    text1.set_text("");
    text2.set_text("");
}

void Form1::command3_click()
{
    ui.show<Form3>();
    ui.unload(*this);
}

}  // namespace fractio
