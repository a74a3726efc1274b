// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu: the four lessons, the exercises, the about screen and the way out.
#pragma once

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form1 final : Screen {
    explicit Form1(Services& s);
    // clang-format off
    //                                                                  left   top  width height
    Label  label1   = label("Label1")    .at( 120,    0, 4095,  615).caption("برنامج نوميريا في مـــــــادة الرياضيات")
                                          .font(sans(13.5, Weight::Bold)).centred().fore(0x000000FF).back(0x00FFFFC0);
    Image  image2   = image("Image2")    .at(1320,  600, 1710, 1065).picture("menu-picture");
    Shape  shape1   = shape("Shape1")    .at( 120, 1560, 4215, 3135).rounded().fill(0x00FFFFC0);
    Button command1 = button("Command1") .at( 480, 1800, 3615,  375).caption("العمليات الأساسية: الجمع والطرح والضرب والقسمة")
                                          .tab(0).on_click([this] { command1_click(); });
    Button command2 = button("Command2") .at( 480, 2400, 3615,  375).caption("العمليات الأساسية على الكسور")
                                          .tab(1).on_click([this] { command2_click(); });
    Button command3 = button("Command3") .at( 480, 3000, 3615,  375).caption("حل معادلة من الدرجة الأولى في متغير واحد")
                                          .tab(2).on_click([this] { command3_click(); });
    Button command7 = button("Command7") .at( 480, 3600, 3615,  375).caption("حل معادلة من الدرجة الثانية بإستخدام القانون العام")
                                          .rtl().tab(6).on_click([this] { command7_click(); });
    Button command6 = button("Command6") .at(1560, 4200, 1335,  375).caption("عن البرنامج")
                                          .tab(5).on_click([this] { command6_click(); });
    Image  image1   = image("Image1")    .at(1680, 4560,  855, 1500).picture("menu-animation");
    Button command5 = button("Command5") .at( 360, 5280, 1095,  375).caption("تدريبات")
                                          .tab(4).on_click([this] { command5_click(); });
    Button command4 = button("Command4") .at(2880, 5280, 1095,  375).caption("الخروج")
                                          .tab(3).on_click([this] { command4_click(); });
    // clang-format on

    void command1_click();
    void command2_click();
    void command3_click();
    void command7_click();
    void command6_click();
    void command5_click();
    void command4_click();
};

}  // namespace numeria
