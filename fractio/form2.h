// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen: the collection's title, its credits, and the ways in and out.
#pragma once

#include "model/screen.h"

namespace fractio {

using namespace model;

struct Form2 final : Screen {
    explicit Form2(Services& s);

    static constexpr Colour red = 0x000000FF, blue = 0x00FF0000;
    // clang-format off
    //                                                  left   top  width height
    Label  label1   = label("Label1")      .at( 120,  120, 6135, 1215).caption("مجموعة برامج الدرفاني")
                                            .font({"Led Italic Font", 24}).fore(0x00008000).centred();
    Label  label2_0 = label("Label2", 0)   .at( 480, 1560, 5535,  615).caption("برمجة: المبرمج الأول")
                                            .font(sans(18, Weight::Bold)).fore(red).centred();
    Label  label3_0 = label("Label3", 0)   .at(1200, 2160, 3975,  375).caption("مدرسة المبرمج الأول")
                                            .font(sans(13.5, Weight::Bold)).fore(blue).centred();
    Label  label2_1 = label("Label2", 1)   .at( 480, 2640, 5535,  615).caption("برمجة: المبرمج الثاني")
                                            .font(sans(18, Weight::Bold)).fore(red).centred();
    Label  label3_1 = label("Label3", 1)   .at(1320, 3240, 3975,  375).caption("مدرسة المبرمج الثاني")
                                            .font(sans(13.5, Weight::Bold)).fore(blue).centred();
    Button command1 = button("Command1")   .at( 120, 3480,  975,  375).caption("بداية")
                                            .on_click([this] { command1_click(); });
    Button command2 = button("Command2")   .at(5520, 3480,  855,  375).caption("خروج")
                                            .on_click([this] { command2_click(); });
    // clang-format on

    void command1_click();
    void command2_click();
};

}  // namespace fractio
