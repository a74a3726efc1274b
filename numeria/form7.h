// SPDX-License-Identifier: GPL-3.0-or-later
// Signed-integer practice: the pupil's own two numbers with the four operations.
#pragma once

#include <optional>

#include "model/screen.h"
#include "values/exact.h"

namespace numeria {

using namespace model;

struct Form7 final : Screen {
    explicit Form7(Services& s);

    static constexpr Colour entry = 0x00FFFFC0, result = 0x00FFFF80;
    Button operation(const char* name, int top, const char* sign, const char* spoken)
    {
        return button(name).at(3120, top, 495, 375).caption(sign).font(sans(13.5, Weight::Bold)).named(spoken);
    }

    // clang-format off
    //                                                       left   top  width height
    Label   label2   = label("Label2")           .at( 120,  120, 4335,  975)
                       .caption("قم بإدخال قيمتين بإستخدام لوحة المفاتيح... داخل المربعين ... ومن ثم اضغط على العملية التي تريد إجرائها...... يمكنك تغيير الارقام....")
                       .font(sans(9.75, Weight::Bold)).centred().fore(0x00FF0000).back(result);
    Line    line1    = line("Line1")             .from( 120, 1200).to(4440, 1200);
    Line    line2    = line("Line2")             .from(4440, 1200).to(4440, 3360);
    Line    line3    = line("Line3")             .from( 120, 3360).to(4440, 3360);
    Line    line4    = line("Line4")             .from( 120, 1200).to( 120, 3360);
    TextBox text1    = input("Text1")            .at(3720, 1680,  495,  495).centred().back(entry).named("العدد الأول");
    Button  command1 = operation("Command1", 1320, "+", "جمع").tab(0).on_click([this] { command1_click(); });
    Button  command2 = operation("Command2", 1680, "-", "طرح").on_click([this] { command2_click(); });
    Button  command3 = operation("Command3", 2040, "X", "ضرب").on_click([this] { command3_click(); });
    Button  command4 = operation("Command4", 2400, "÷", "قسمة").on_click([this] { command4_click(); });
    TextBox text2    = input("Text2")            .at(2280, 1680,  495,  495).centred().back(entry).named("العدد الثاني");
    Label   label1   = label("Label1")           .at(1320, 1800,  735,  375).caption("=").font(sans(13.5, Weight::Bold))
                       .centred().back(result).named("يساوي");
    TextBox text3    = editable_display("Text3") .at( 480, 1680,  615,  615).font(sans(13.5, Weight::Bold)).centred().back(result)
                       .named("الناتج");
    Label   label3   = label("Label3")           .at(1680, 2760,  975,  375).caption("والباقي").centred().back(result);
    TextBox text4    = editable_display("Text4") .at( 960, 2760,  615,  495).font(sans(9.75, Weight::Bold)).centred().back(result)
                       .named("الباقي");
    Button  command5 = button("Command5")        .at(1560, 3600, 1215,  375).caption("الرجوع").on_click([this] { command5_click(); });
    // clang-format on
    Reading equation
        = reading({text1, pressed(command1, command2, command3, command4), text2, label1, text3, label3, text4});

    void load() override;
    void command1_click();
    void command2_click();
    void command3_click();
    void command4_click();
    void command5_click();

private:
    struct Numbers {
        values::Exact x, y;
    };
    // Both boxes read leniently and exactly; a number beyond what the program works with is
    // refused with its message, and nothing is returned.
    std::optional<Numbers> read_numbers();
    template <class Op>
    void compute(Op op);
    void hide_remainder();
    // Refuses the entry with a message and hides the result, which belongs to other numbers.
    void refuse(const char* why);
};

}  // namespace numeria
