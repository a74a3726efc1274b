// SPDX-License-Identifier: GPL-3.0-or-later
// Linear-equation practice. The pupil's boxes are read afresh at every click, so a number changed
// between two steps is used from the next step on; text that does not start with a number is 0.
#include "numeria/form9.h"

#include "numeria/form4.h"
#include "values/exact.h"

namespace numeria {

namespace {

constexpr const char* zero_coefficient = "معامل س يجب أن لا يساوي صفر... إعد الإدخال";

}  // namespace

Form9::Form9(Services& s)
    : LinearBoard(s,
                  {.name = "Form9",
                   .caption = spaces(27) + "جرب حل المعادلة من الدرجة الأولى في متغير واحد",
                   .back = board,
                   .width = 6480,
                   .height = 6105,
                   .start = StartUp::Manual,
                   .left = 2625,
                   .top = 1440},
                  {.top = 1080,
                   .height = 4455,
                   .equation = BoxRole::Input,
                   .moved = BoxRole::Display,
                   .move_words_hidden = true,
                   .step_caption = "الخطوة الأولى",
                   .step_height = 375})
{
}

void Form9::load()
{
    step = Step::First;
    frame2.show();
    frame3.hide();
    frame4.hide();
    frame5.hide();
}

void Form9::command3_click()
{
    const auto n = read_exactly<3>({text1.text(), text2.text(), text3.text()});
    if (!n) {
        ui.message(out_of_range(n.fault));
        return;
    }
    const Equation e{n[0], n[1], n[2]};
    if (e.a == 0) {
        ui.message(zero_coefficient);
        return;
    }
    take_step(e);
}

void Form9::command1_click()
{
    ui.unload(*this);
    ui.show<Form4>();
}

}  // namespace numeria
