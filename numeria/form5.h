// SPDX-License-Identifier: GPL-3.0-or-later
// The about screen: who made the program, for which school, and what it offers.
#pragma once

#include <array>

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form5 final : Screen {
    explicit Form5(Services& s);

    static constexpr Colour credits = 0x00FFFF80, blurb = 0x00C0FFC0;
    static Font koufi(double size, Slant slant = Slant::Upright)
    {
        return {"Monotype Koufi", size, Weight::Bold, slant};
    }
    Label credit(int index) { return label("Label1", index).centred().rtl(); }

    // clang-format off
    //                                                  left   top  width height
    Label  label1_4 = credit(4)        .at(1560,  120, 1455,  255).caption("الجمهورية")
                                        .font(sans(9.75)).fore(0x000000C0).back(0x00FFFFC0);
    Label  label1_5 = credit(5)        .at(1560,  360, 1455,  255).caption("وزارة التربية والتعليم")
                                        .font(sans(9.75)).fore(0x000000C0).back(0x00FFFFC0);
    Label  label1_6 = credit(6)        .at( 480,  600, 3735,  255).caption("المديرية العامة للتربية والتعليم")
                                        .font(sans(9.75)).fore(0x000000C0).back(0x00FFFFC0);
    Label  label1_3 = credit(3)        .at(1200,  840, 2055,  255).caption("المدرسة الثانوية")
                                        .font(sans(9.75)).fore(0x000000C0).back(0x00FFFFC0);
    Shape  shape1   = shape("Shape1")  .at( 720, 1320, 3015, 1455).rounded().fill(credits);
    Label  label1_0 = credit(0)        .at(1560, 1440, 1455,  615).caption("من برمجة الاستاذ")
                                        .font(koufi(12, Slant::Italic)).fore(0x00008000).back(credits);
    Label  label1_1 = credit(1)        .at(1080, 1800, 2295,  495).caption("فريق نوميريا")
                                        .font(koufi(14.25)).fore(0x000000FF).back(credits);
    Label  label1_2 = credit(2)        .at(1440, 2280, 1455,  255).caption("أستاذ مادة الرياضيات").back(credits);
    Shape  shape2   = shape("Shape2")  .at(   0, 2880, 4695, 1455).oval().fill(blurb);
    Label  label1_7 = credit(7)        .at(1560, 3000, 1455,  615).caption("البرنامج")
                                        .font({"Simplified Arabic", 12, Weight::Bold}).fore(0x000000FF).back(blurb);
    Label  label1_8 = credit(8)        .at( 360, 3360, 3975,  615)
                                        .caption("يغطي بعض الاساسيات في مادة الرياضيات.. بطريقة مميزة.. حيث يقدم البرنامج الشرح.. بالامثلة.. وتدريبات مع تغذية راجعة.. واخيرا اسئلة تقويمية")
                                        .fore(0x00C00000).back(blurb);
    Button command1 = button("Command1").at(1800, 4680,  975,  375).caption("الرجوع").tab(0)
                                        .on_click([this] { command1_click(); });
    // clang-format on

    void command1_click();
};

}  // namespace numeria
