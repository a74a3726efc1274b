// SPDX-License-Identifier: GPL-3.0-or-later
// The linear-equation lesson: the two rules, and an equation drawn at random and solved one step
// per click.
#pragma once

#include "numeria/linear.h"

namespace numeria {

struct Form4 final : LinearBoard {
    explicit Form4(Services& s);

    static constexpr Colour pale = 0x00FFFFC0;

    // clang-format off
    //                                             left   top  width height
    Frame  frame1   = frame("Frame1")          .at( 120,  120, 6015, 1215).back(pale).rtl().named("قواعد حل المعادلة");
    Label  label1   = rule(label("Label1"))    .at( 600,  120, 4215,  255).caption("عند حل معادلة جبريا يمكن :").fore(0x000000C0);
    Label  label2   = rule(label("Label2"))    .at(1320,  480, 4575,  375).caption("1. اضافة أو طرح العدد نفسه من طرفي المعادلة");
    Label  label3   = rule(label("Label3"))    .at( 120,  840, 5775,  255).caption("2. ضرب أو قسمة طرفي المعادلة على العدد نفسه الذي لا يساوي صفر");
    Button command2 = button("Command2")       .at(2280, 1440, 1695,  375).caption("مثـــــــــــــــال").rtl().tab(3)
                                                .on_click([this] { command2_click(); });
    Button command4 = button("Command4")       .at(3240, 6240, 1575,  375).caption("جرب بنفسك").rtl().tab(5)
                                                .on_click([this] { command4_click(); });
    Button command1 = button("Command1")       .at(1200, 6240,  975,  375).caption("الرجوع").tab(6)
                                                .on_click([this] { command1_click(); });
    // clang-format on

    void load() override;
    void command2_click();
    void command3_click() override;
    void command4_click();
    void command1_click();

private:
    Label rule(Label l) { return l.font(sans(9.75, Weight::Bold)).back(pale).right().rtl().in(frame1); }

    // The equation of the latest example; the steps work from it, never from the boxes.
    Equation equation;
};

}  // namespace numeria
