// SPDX-License-Identifier: GPL-3.0-or-later
// The quadratic-equation lesson: a random equation worked through by the general formula.
#pragma once

#include "numeria/quadratic.h"

namespace numeria {

struct Form10 final : QuadraticBoard {
    explicit Form10(Services& s);

    // clang-format off
    //                                                  left   top  width height
    Button command5 = button("Command5")          .at(1080, 7320, 1095,  315).caption("مسألة أخرى").rtl().on_click([this] { command5_click(); });
    Button command6 = button("Command6")          .at(2400, 7320, 1455,  375).caption("الرجوع").rtl().on_click([this] { command6_click(); });
    Button command7 = button("Command7")          .at(4200, 7320, 1335,  375).caption("جرب بنفسك").rtl().on_click([this] { command7_click(); });
    // clang-format on

    void load() override;
    void command1_click() override;
    void command5_click();
    void command6_click();
    void command7_click();

private:
    double sign_draw();
    Equation equation_{};
};

}  // namespace numeria
