// SPDX-License-Identifier: GPL-3.0-or-later
// The menu: the three activities and the way back to the start screen.
#pragma once

#include "fractio/screens.h"
#include "model/screen.h"

namespace fractio {

using namespace model;

struct Form3 final : Screen {
    explicit Form3(Services& s);

    // clang-format off
    //                                                  left   top  width height
    Button command1 = button("Command1")   .at( 960,  600, 4335,  735).caption("إيجاد كسور مكافئة لكسر ما ")
                                            .font(sans(13.5, Weight::Bold)).on_click([this] { command1_click(); });
    Button command2 = button("Command2")   .at(1200, 1560, 3855,  615).caption(" تبسيط إلى أبسط صورة ممكنة ")
                                            .font(sans(13.5, Weight::Bold)).on_click([this] { command2_click(); });
    Button command3 = button("Command3")   .at( 840, 2400, 4575,  735).caption(" جرب نفسك مع جدول الضرب")
                                            .font(sans(13.5, Weight::Bold)).on_click([this] { command3_click(); });
    Button command4 = button("Command4")   .at(5640, 3240,  615,  495).caption("رجوع")
                                            .on_click([this] { command4_click(); });
    // clang-format on

    void command1_click();
    void command2_click();
    void command3_click();
    void command4_click();
};

}  // namespace fractio
