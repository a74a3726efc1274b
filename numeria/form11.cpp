// SPDX-License-Identifier: GPL-3.0-or-later
// Quadratic practice. The pupil's three boxes are read at every first step; a coefficient of
// س² that reads as 0 is refused and leaves everything as it was.
#include "numeria/form11.h"

#include "numeria/form10.h"

namespace numeria {

namespace {

constexpr const char* zero_a = "معامل السين تربيع يجب ان لا يساوي صفر";

}  // namespace

Form11::Form11(Services& s)
    : QuadraticBoard(s,
                     {.name = "Form11",
                      .caption = spaces(18) + "جرب حل معادلة من الدرجة الثانية في متغير واحد",
                      .back = board,
                      .width = 6585,
                      .height = 8400,
                      .start = StartUp::Manual,
                      .left = 2280,
                      .top = 255},
                     {.equation = 720,
                      .first_step = 1320,
                      .coefficients = 1800,
                      .formula = 2760,
                      .substitution = 4440,
                      .solutions_left = 2040,
                      .solutions_top = 4920,
                      .solutions_width = 2055,
                      .solutions = 5400,
                      .coefficient_boxes = BoxRole::Input})
{
}

void Form11::command1_click()
{
    const values::Checked a = values::val_exact(text1.text());
    if (a && *a == 0) {
        ui.message(zero_a);
        return;
    }
    const auto n = read_exactly<3>({text1.text(), text2.text(), text3.text()});
    if (!n) {
        ui.message(out_of_range(n.fault));
        return;
    }
    start_over();
    first_step({n[0], n[1], n[2]});
}

void Form11::command5_click()
{
    ui.unload(*this);
    ui.show<Form11>();
}

void Form11::command6_click()
{
    ui.unload(*this);
    ui.show<Form10>();
}

}  // namespace numeria
