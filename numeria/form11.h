// SPDX-License-Identifier: GPL-3.0-or-later
// Quadratic practice: the pupil's own coefficients worked through by the general formula.
#pragma once

#include "numeria/quadratic.h"

namespace numeria {

struct Form11 final : QuadraticBoard {
    explicit Form11(Services& s);

    // clang-format off
    //                                                  left   top  width height
    Frame  frame7   = frame("Frame7")             .at( 240,    0, 6015,  615).back(board).rtl().named("التعليمات");
    Label  label8   = label("Label8")             .at( 360,  120, 5415,  375).caption("أدخل قيم في المربعات.... مع مراعاة أن معامل سين تربيع لا يساوي صفر")
                                                   .right().back(board).rtl().in(frame7);
    Label  label6_6 = label("Label6", 6)          .at(4320,  720,  255,  255).caption("2").font(sans(8.25, Weight::Bold)).centred()
                                                   .back(board).named("تربيع").beneath(label6_0);
    Button command5 = button("Command5")          .at(1920, 7800, 1335,  435).caption("مسألة أخرى").back(board).rtl().on_click([this] { command5_click(); });
    Button command6 = button("Command6")          .at(3360, 7800, 1455,  435).caption("الرجوع").rtl().on_click([this] { command6_click(); });
    // clang-format on

    void command1_click() override;
    void command5_click();
    void command6_click();
};

}  // namespace numeria
