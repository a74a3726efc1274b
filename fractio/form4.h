// SPDX-License-Identifier: GPL-3.0-or-later
// The simplification screen: the pupil's fraction in lowest terms, and the whole number it equals.
#pragma once

#include "fractio/screens.h"
#include "model/screen.h"
#include "values/exact.h"

namespace fractio {

using namespace model;

struct Form4 final : Screen {
    explicit Form4(Services& s);

    static constexpr Colour entry = 0x00FFFFFF, result = 0x00FFFFC0;

    // clang-format off
    //                                                   left   top  width height
    Label   label3   = label("Label3")       .at(1800,  240, 6975,  615).caption("أدخل الكسر الذي تريد تبسيطه إلى أبسط صورة ممكنة ")
                                              .font(sans(18, Weight::Bold));
    TextBox text1    = input("Text1")        .at(6600, 1200,  855,  615).font(arabic_bold(20.25)).back(entry).centred()
                                              .named("البسط");
    Line    line1    = line("Line1")         .from(6480, 1920).to(7680, 1920).thickness(3);
    TextBox text2    = input("Text2")        .at(6600, 2040,  855,  615).font(arabic_bold(20.25)).back(entry).centred()
                                              .named("المقام");
    Label   label4_0 = label("Label4", 0)    .at(6000, 1680,  375,  855).caption("=").font(sans(24, Weight::Bold))
                                              .named("يساوي");
    Label   label1   = label("Label1")       .at(5040, 1320,  615,  495).caption(" ").font(arabic_bold(14.25)).bordered()
                                              .back(result).centred().described("بسط الكسر في أبسط صورة");
    Line    line2    = line("Line2")         .from(4920, 1920).to(5760, 1920).thickness(3);
    Label   label2   = label("Label2")       .at(5040, 2040,  615,  495).caption(" ").font(arabic_bold(14.25)).bordered()
                                              .back(result).centred().described("مقام الكسر في أبسط صورة");
    Label   label5   = label("Label5")       .at(3720, 1560, 1095,  615).font(arabic_bold(24)).back(result).centred()
                                              .described("العدد الصحيح الذي يساويه الكسر");
    Button  command1 = button("Command1")    .at(2640, 3000, 1335,  495).caption(" بسط").default_button()
                                              .on_click([this] { command1_click(); });
    Button  command2 = button("Command2")    .at(4200, 3000, 1335,  495).caption(" رجوع")
                                              .on_click([this] { command2_click(); });
    Button  command3 = button("Command3")    .at(1320, 3000, 1095,  495).caption("مسح")
                                              .on_click([this] { command3_click(); });
    // clang-format on
    Reading simplified = reading({over(text1, text2), label4_0, over(label1, label2), label5});

    void command1_click();
    void command2_click();
    void command3_click();

private:
    // Writes a reduced fraction; one over 1 is a whole number and shows it as such too. A number
    // too long to be written with all its digits is refused instead.
    void show_result(const values::Exact& numerator, const values::Exact& denominator);
};

}  // namespace fractio
