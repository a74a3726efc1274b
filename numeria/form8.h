// SPDX-License-Identifier: GPL-3.0-or-later
// Fraction practice: the pupil's own two fractions worked with the fraction method.
#pragma once

#include "numeria/fraction_board.h"

namespace numeria {

struct Form8 final : FractionBoard {
    explicit Form8(Services& s);

    // clang-format off
    //                                                   left   top  width height
    Frame   frame2   = frame("Frame2")           .at( 120,  120, 5295, 1455).back(board).rtl().named("التعليمات");
    Label   label2   = label("Label2")           .at( 480,  360, 4215,  855).caption("أدخل الكسور...... في المربعات.. مع ملاحظة عدم إدخال صفر في المقامين.... وايضا في بسط الكسر الثاني.... في حالة إختيار عملية القسمة")
                                                  .back(board).centred().rtl().in(frame2);
    Button  command2 = operation("Command2",  240, Operation::Add, "جمع").on_click([this] { command2_click(); });
    Button  command3 = operation("Command3",  600, Operation::Subtract, "طرح").on_click([this] { command3_click(); });
    Button  command4 = operation("Command4",  960, Operation::Multiply, "ضرب").on_click([this] { command4_click(); });
    Button  command5 = operation("Command5", 1320, Operation::Divide, "قسمة").on_click([this] { command5_click(); });
    Button  command1 = button("Command1")        .at(2400, 3600,  735,  615).caption("الرجوع").rtl().on_click([this] { command1_click(); });
    // clang-format on
    Reading working
        = reading({over(text1, text2), pressed(command2, command3, command4, command5), over(text3, text4), label1_1,
                   over(text8, text9), text12, over(text10, text11), label1_0, over(text5, text6)});

    void command2_click();
    void command3_click();
    void command4_click();
    void command5_click();
    void command1_click();

private:
    Button operation(const char* name, int top, Operation op, const char* spoken)
    {
        return button(name)
            .at(4080, top, 375, 375)
            .caption(sign_of(op))
            .font(sans(12, Weight::Bold))
            .rtl()
            .in(frame1)
            .named(spoken);
    }
    void practise(Operation op);
};

}  // namespace numeria
