// SPDX-License-Identifier: GPL-3.0-or-later
// The signed-integer lesson: each example button draws its numbers, writes them on the
// example board, explains the sign of the result, and writes the result only after OK.
#include "numeria/form2.h"

#include <cmath>

#include "numeria/form1.h"
#include "numeria/form7.h"
#include "values/values.h"

namespace numeria {

using values::cstr;
using values::val;

Form2::Form2(Services& s)
    : Screen(s,
             {.name = "Form2",
              .caption = spaces(40) + "العمليات الاساسية الأربع",
              .back = pale,
              .width = 5625,
              .height = 6090})
{
}

void Form2::prepare()
{
    label2.show();
    frame2.show();
    text5.hide();
    label5.hide();
    text4.set_text("");
}

// Draws 1 or 2 and gives -1 for 1, +1 for 2.
double Form2::sign_draw() { return ui.random().draw(2) == 1 ? -1.0 : 1.0; }

// Two magnitudes from 1 to 10, the first number's drawn first.
Form2::Operands Form2::operands(double sign_a, double sign_b)
{
    const double a = ui.random().draw(10) * sign_a;
    const double b = ui.random().draw(10) * sign_b;
    return {a, b};
}

Form2::Operands Form2::write_operands(Operands o, const char* sign)
{
    text1.set_text(cstr(o.a));
    text2.set_text(sign);
    text3.set_text(cstr(o.b));
    return o;
}

void Form2::write_sum() { text4.set_text(cstr(val(text1.text()) + val(text3.text()))); }

void Form2::command2_click()
{
    prepare();
    const double s = sign_draw();
    write_operands(operands(s, s), "+");
    ui.message(s > 0 ? "العددان موجبان...لذلك إشارة الناتج موجبة" : "العددان سالبان لذلك إشارة الناتج  سالبة");
    write_sum();
}

void Form2::command3_click()
{
    prepare();
    const double s = sign_draw();
    const auto [a, b] = write_operands(operands(s, -s), "+");
    if (std::abs(a) == std::abs(b))
        ui.message("العددان متساويان");
    else  // the title names the larger number, and the text goes on from it
        ui.message("هو العدد الاكبر... لذلك ستكون إشارته هي إشارة الناتج", cstr(std::abs(a) > std::abs(b) ? a : b));
    write_sum();
}

void Form2::command4_click()
{
    prepare();
    const double s = sign_draw();
    const double b = write_operands(operands(s, -s), "-").b;
    ui.message("نقوم بتغيير إشارة الطرح إلى جمع", "اولا");
    text2.set_text("+");
    ui.message("نقوم بتغيير إشارته", cstr(b));
    text3.set_text(cstr(b * -1));
    ui.message(
        "نقوم بنفس الخطوات السابقة في الجمع... اذا تشابهت الإشارة نجمع، وفي حالة الإختلاف.. نطرح ونأخذ إشارة الاكبر");
    write_sum();
}

void Form2::command6_click()
{
    prepare();
    const double s1 = sign_draw();
    const double s2 = sign_draw();
    const auto [a, b] = write_operands(operands(s1, s2), "X");
    ui.message(s1 == s2 ? "بما إن الاشارتين متشابهتين، ستكون إشارة حاصل الضرب موجبة"
                        : "بما إن الاشارتين مختلفتين، ستكون إشارة حاصل الضرب سالبة");
    text4.set_text(cstr(a * b));
}

void Form2::command7_click()
{
    prepare();
    const double s1 = sign_draw();
    const double s2 = sign_draw();
    const auto [a, b] = write_operands(operands(s1, s2), "÷");
    ui.message(s1 == s2 ? "بما إن الاشارتين متشابهتين، ستكون إشارة حاصل القسمة موجبة"
                        : "بما إن الاشارتين مختلفتين، ستكون إشارة حاصل القسمة سالبة");
    text4.set_text(cstr(values::fix(a / b)));
    text5.show();
    label5.show();
    // Both numbers are whole and 1 to 10 in size, so the remainder always exists.
    text5.set_text(cstr(values::mod(a, b).value_or(0)));
}

void Form2::command5_click()
{
    ui.unload(*this);
    ui.show<Form7>();
}

void Form2::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
