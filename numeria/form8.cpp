// SPDX-License-Identifier: GPL-3.0-or-later
// Fraction practice. The four boxes are read afresh at every click and never rewritten; text
// that does not start with a number counts as 0.
#include "numeria/form8.h"

#include "numeria/form3.h"
#include "values/exact.h"

namespace numeria {

namespace {

constexpr const char* zero_denominator = "إعد إدخال المقام بحيث لا يساوي الصفر";
constexpr const char* zero_second_numerator = "يجب ان لا يساوي بسط الكسر الثاني صفر";

}  // namespace

Form8::Form8(Services& s)
    : FractionBoard(s,
                    {.name = "Form8",
                     .caption = spaces(20) + "جرب العمليات الاساسية على الكسور",
                     .back = board,
                     .width = 5445,
                     .height = 4500,
                     .start = StartUp::Manual,
                     .left = 2625,
                     .top = 1440},
                    {.top = 1560, .caption = "", .name = "لوحة الكسور", .practice = true})
{
}

void Form8::practise(Operation op)
{
    reset(op);
    const auto n = read_exactly<4>({text1.text(), text2.text(), text3.text(), text4.text()});
    if (!n) {
        ui.message(out_of_range(n.fault));
        return;
    }
    const Fractions f{n[0], n[1], n[2], n[3]};
    if (f.b == 0 || f.d == 0) {
        ui.message(zero_denominator);
        return;
    }
    if (op == Operation::Divide && f.c == 0) {
        ui.message(zero_second_numerator);
        return;
    }
    work(op, f);
}

void Form8::command2_click() { practise(Operation::Add); }
void Form8::command3_click() { practise(Operation::Subtract); }
void Form8::command4_click() { practise(Operation::Multiply); }
void Form8::command5_click() { practise(Operation::Divide); }

void Form8::command1_click()
{
    ui.unload(*this);
    ui.show<Form3>();
}

}  // namespace numeria
