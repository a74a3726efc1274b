// SPDX-License-Identifier: GPL-3.0-or-later
// The equivalent-fractions screen: ten fractions equal to the pupil's, in one row.
#pragma once

#include <array>

#include "fractio/screens.h"
#include "model/screen.h"

namespace fractio {

using namespace model;

struct Form1 final : Screen {
    explicit Form1(Services& s);

    static constexpr int count = 10;
    static constexpr Colour entry = 0x00FFFFC0;
    // The row runs leftwards from the pupil's fraction, one equivalent fraction every 960 twips.
    static constexpr int left_of(int i) { return 8760 - 960 * i; }
    Label result(Label l, int index, int top, int width, const char* role)
    {
        return l.at(left_of(index), top, width, 495)
            .caption(" ")
            .font(arabic_bold(12))
            .bordered()
            .back(system_colour(5))
            .centred()
            .described(nth(role, index));
    }
    Label equals(int index, int left)
    {
        return label("Label4", index).at(left, 1680, 255, 375).caption("=").font(sans(18, Weight::Bold)).named("يساوي");
    }

    // clang-format off
    //                                                          left   top  width height
    Label   label1   = label("Label1")              .at(5640,  360, 4575,  615).caption("أدخل بسط ومقام الكسر :").rtl()
                                                     .font(sans(24, Weight::Bold)).right();
    TextBox text1    = input("Text1")               .at(9720, 1320,  615,  495).font(arabic_bold(15.75)).back(entry)
                                                     .centred().named("البسط");
    Line    line1    = line("Line1")                .from(9720, 1920).to(10320, 1920).thickness(2);
    TextBox text2    = input("Text2")               .at(9720, 2040,  615,  495).font(arabic_bold(15.75)).back(entry)
                                                     .centred().named("المقام");
    std::array<Label, count> label2 = members<Label, count>([this](int i) {
        return result(label("Label2", i), i, 1320, 465, "بسط الكسر المكافئ"); });
    std::array<Line, count>  line2  = members<Line, count>([this](int i) {
        return line("Line2", i).from(left_of(i) + 480, 1920).to(left_of(i), 1920).thickness(2); });
    std::array<Label, count> label3 = members<Label, count>([this](int i) {
        return result(label("Label3", i), i, 2040, 495, "مقام الكسر المكافئ"); });
    Label   label4_1 = equals(1, 9360);
    Label   label4_2 = equals(2, 8400);
    Label   label4_3 = equals(3, 7440);
    Label   label4_4 = equals(4, 6480);
    Label   label4_5 = equals(5, 5520);
    Label   label4_6 = equals(6, 4560);
    Label   label4_7 = equals(7, 3600);
    Label   label4_8 = equals(8, 2640);
    Label   label4_0 = equals(0, 1680);
    Label   label4_9 = equals(9,  720);
    Button  command1 = button("Command1")           .at(6240, 3120, 2535,  615).caption("أوجد كسور مكافئة")
                                                     .default_button().cancel_button().on_click([this] { command1_click(); });
    Button  command2 = button("Command2")           .at(4560, 3120, 1215,  615).caption("مسح")
                                                     .on_click([this] { command2_click(); });
    Button  command3 = button("Command3")           .at(3240, 3120,  975,  615).caption("رجوع")
                                                     .on_click([this] { command3_click(); });
    // clang-format on
    // The pupil's fraction and its equivalents, right to left as they stand.
    Reading fractions = reading({over(text1, text2),         label4_1, over(label2[0], label3[0]), label4_2,
                                 over(label2[1], label3[1]), label4_3, over(label2[2], label3[2]), label4_4,
                                 over(label2[3], label3[3]), label4_5, over(label2[4], label3[4]), label4_6,
                                 over(label2[5], label3[5]), label4_7, over(label2[6], label3[6]), label4_8,
                                 over(label2[7], label3[7]), label4_0, over(label2[8], label3[8]), label4_9,
                                 over(label2[9], label3[9])});

    void command1_click();
    void command2_click();
    void command3_click();
};

}  // namespace fractio
