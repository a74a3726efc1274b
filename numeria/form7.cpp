// SPDX-License-Identifier: GPL-3.0-or-later
// Signed-integer practice. The boxes are read afresh at every click; text that does not start
// with a number counts as 0.
#include "numeria/form7.h"

#include <functional>
#include <optional>

#include "numeria/form2.h"
#include "numeria/messages.h"
#include "values/exact.h"

namespace numeria {

using values::Checked;
using values::cstr;
using values::Exact;

namespace {

constexpr const char* zero_divisor = "لا يجوز القسمة على صفر... قم بإعادة الادخال للقيمة الثانية";
// A divisor such as 0.3 is not 0, but the remainder works on whole numbers, where it becomes 0.
constexpr const char* divisor_rounds_to_zero
    = "لإيجاد الباقي يقرب المقسوم عليه إلى أقرب عدد صحيح، وهنا يصبح صفرا... قم بإعادة الادخال للقيمة الثانية";

}  // namespace

Form7::Form7(Services& s)
    : Screen(s,
             {.name = "Form7",
              .caption = spaces(22) + "جرب العمليات الاساسية",
              .back = 0x00FFFF00,
              .width = 4680,
              .height = 4230,
              .start = StartUp::Manual,
              .left = 3735,
              .top = 1815})
{
}

void Form7::load()
{
    text3.hide();
    text4.hide();
    label3.hide();
}

void Form7::hide_remainder()
{
    text4.hide();
    label3.hide();
}

// A result from earlier numbers would read as the answer for the refused ones.
void Form7::refuse(const char* why)
{
    text3.hide();
    ui.message(why);
}

std::optional<Form7::Numbers> Form7::read_numbers()
{
    const auto n = read_exactly<2>({text1.text(), text2.text()});
    if (!n) {
        refuse(out_of_range(n.fault));
        return std::nullopt;
    }
    return Numbers{n[0], n[1]};
}

template <class Op>
void Form7::compute(Op op)
{
    hide_remainder();
    const auto n = read_numbers();
    if (!n)
        return;
    const Checked r = Exact(op(n->x, n->y));
    if (!r) {
        refuse(out_of_range(r.range()));
        return;
    }
    text3.show();
    text3.set_text(cstr(*r));
}

void Form7::command1_click() { compute(std::plus<Exact>()); }
void Form7::command2_click() { compute(std::minus<Exact>()); }
void Form7::command3_click() { compute(std::multiplies<Exact>()); }

void Form7::command4_click()
{
    hide_remainder();
    const auto n = read_numbers();
    if (!n)
        return;
    if (n->y == 0) {
        ui.message(zero_divisor);
        return;
    }
    const auto remainder = values::mod(n->x, n->y);
    if (!remainder) {
        refuse(divisor_rounds_to_zero);
        return;
    }
    const Checked quotient = values::fix(n->x / n->y);
    if (!quotient) {
        refuse(out_of_range(quotient.range()));
        return;
    }
    text3.set_text(cstr(*quotient));
    text4.show();
    text3.show();
    label3.show();
    text4.set_text(cstr(*remainder));
}

void Form7::command5_click()
{
    ui.unload(*this);
    ui.show<Form2>();
}

}  // namespace numeria
