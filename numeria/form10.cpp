// SPDX-License-Identifier: GPL-3.0-or-later
// The quadratic-equation lesson. Load makes up the equation from six draws; the first step
// shows it in the general formula, and the board's method does the rest.
#include "numeria/form10.h"

#include "numeria/form1.h"
#include "numeria/form11.h"
#include "values/values.h"

namespace numeria {

using values::cstr;

Form10::Form10(Services& s)
    : QuadraticBoard(s,
                     {.name = "Form10",
                      .caption = spaces(37) + "حل معادلة من الدرجة الثانية في متغير",
                      .back = board,
                      .width = 6390,
                      .height = 7725,
                      .start = StartUp::Manual,
                      .left = 2445,
                      .top = 315},
                     {.equation = 120,
                      .first_step = 720,
                      .coefficients = 1200,
                      .formula = 2160,
                      .substitution = 3840,
                      .solutions_left = 2160,
                      .solutions_top = 4560,
                      .solutions_width = 1935,
                      .solutions = 4920,
                      .coefficient_boxes = BoxRole::Display})
{
}

// Draws 1 or 2 and gives -1 for 1, +1 for 2.
double Form10::sign_draw() { return ui.random().draw(2) == 1 ? -1.0 : 1.0; }

void Form10::load()
{
    const double s1 = sign_draw();
    const double s2 = sign_draw();
    const double s3 = sign_draw();
    const double a = ui.random().draw(3) * s1;
    const double b = ui.random().draw(10) * s2;
    const double c = ui.random().draw(10) * s3;
    equation_ = {a, b, c};
    // س² carries no written coefficient 1.
    text1.set_text(a == 1 ? "" : a == -1 ? "-" : cstr(a));
    text2.set_text(cstr(b));
    text3.set_text(cstr(c));
}

void Form10::command1_click() { first_step(equation_); }

void Form10::command5_click()
{
    ui.unload(*this);
    ui.show<Form10>();
}

void Form10::command6_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

void Form10::command7_click()
{
    ui.unload(*this);
    ui.show<Form11>();
}

}  // namespace numeria
