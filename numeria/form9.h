// SPDX-License-Identifier: GPL-3.0-or-later
// Linear-equation practice: the pupil's own a, b and c, solved in the lesson's four steps.
#pragma once

#include <optional>

#include "numeria/linear.h"

namespace numeria {

struct Form9 final : LinearBoard {
    explicit Form9(Services& s);

    // clang-format off
    //                                             left   top  width height
    Frame  frame1   = frame("Frame1")          .at( 240,  120, 5895,  975).back(board).named("تعليمات الإدخال");
    Label  label1   = label("Label1")          .at( 240,  480, 5415,  375).caption("يرجى  إدخال القيم.... مع مراعاة... عدم استخدام العدد صفر... كمعامل للمتغير س").centred().back(board).rtl()
                                                .in(frame1);
    Button command1 = button("Command1")       .at(2400, 5640, 1695,  375).caption("الرجوع").tab(5)
                                                .on_click([this] { command1_click(); });
    // clang-format on

    void load() override;
    void command3_click() override;
    void command1_click();
};

}  // namespace numeria
