// SPDX-License-Identifier: GPL-3.0-or-later
// The linear-equation lesson. The example button draws a, b and c from 1 to 10 and shows the
// equation with its first step; the step button shows the other three.
#include "numeria/form4.h"

#include "numeria/form1.h"
#include "numeria/form9.h"
#include "values/values.h"

namespace numeria {

using values::cstr;

Form4::Form4(Services& s)
    : LinearBoard(s,
                  {.name = "Form4",
                   .caption = spaces(33) + "حل المعادلة من الدرجة الاولى في متغير واحد",
                   .back = pale,
                   .fore = 0x00C000C0,
                   .width = 6405,
                   .height = 6720,
                   .start = StartUp::Manual,
                   .left = 2265,
                   .top = 690},
                  {.top = 1920,
                   .height = 4215,
                   .equation = BoxRole::Display,
                   .moved = BoxRole::EditableDisplay,
                   .move_words_hidden = false,
                   .step_caption = "الخطوة الثانية",
                   .step_height = 255})
{
}

void Form4::load() { frame2.hide(); }

void Form4::command2_click()
{
    step = Step::First;
    command3.show();
    frame2.show();
    frame3.hide();
    frame4.hide();
    frame5.hide();
    const int a = ui.random().draw(10);
    const int b = ui.random().draw(10);
    const int c = ui.random().draw(10);
    equation = {a, b, c};
    text1.set_text(cstr(a));
    text2.set_text(cstr(b));
    text3.set_text(cstr(c));
    // The lesson shows the move of b with the equation itself.
    take_step(equation);
}

void Form4::command3_click() { take_step(equation); }

void Form4::command4_click()
{
    ui.unload(*this);
    ui.show<Form9>();
}

void Form4::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
