// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction lesson. Each example button clears the board, draws two fractions from whole
// numbers 1 to 10 and works them with the fraction method.
#include "numeria/form3.h"

#include "numeria/form1.h"
#include "numeria/form8.h"
#include "values/values.h"

namespace numeria {

Form3::Form3(Services& s)
    : FractionBoard(
        s,
        {.name = "Form3", .caption = spaces(42) + "العمليات على الكسور", .back = pale, .width = 5475, .height = 6345},
        {.top = 3960, .caption = "مثال ", .name = "", .practice = false})
{
}

void Form3::load() { frame1.hide(); }

void Form3::example(Operation op)
{
    frame1.show();
    for (const TextBox& t : {text1, text2, text3, text4})
        t.set_text("");
    text7.set_text(sign_of(op));
    reset(op);
    Fractions f{};
    for (values::Exact* x : {&f.a, &f.b, &f.c, &f.d})
        *x = ui.random().draw(10);
    text1.set_text(values::cstr(f.a));
    text2.set_text(values::cstr(f.b));
    text3.set_text(values::cstr(f.c));
    text4.set_text(values::cstr(f.d));
    work(op, f);
}

void Form3::command3_click() { example(Operation::Add); }
void Form3::command2_click() { example(Operation::Subtract); }
void Form3::command4_click() { example(Operation::Multiply); }
void Form3::command5_click() { example(Operation::Divide); }

void Form3::command6_click()
{
    ui.unload(*this);
    ui.show<Form8>();
}

void Form3::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
