// SPDX-License-Identifier: GPL-3.0-or-later
// The signed-integer lesson: five sign rules, each with a worked random example.
#pragma once

#include <array>

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form2 final : Screen {
    explicit Form2(Services& s);

    static constexpr Colour pale = 0x00FFFFC0, board = 0x00FFFF80, rule_ink = 0x00C000C0;

    // clang-format off
    //                                                       left   top  width height
    Frame  frame1   = frame("Frame1")          .at( 120,    0, 5415, 5535).font(sans(8.25, Weight::Bold))
                                                .back(pale).fore(0x000000FF).rtl()
                                                .named("قواعد العمليات على الأعداد الصحيحة");
    std::array<Label, 3> label1 = {
        rule(label("Label1", 0))               .at( 960,  240, 4335,  495).caption("1. حاصل جمع عددين لهما نفس الاشارة هو عدد صحيح إشارته هي الإشارة المشتركة"),
        rule(label("Label1", 1))               .at( 960,  840, 4335, 1095).caption("2.حاصل جمع عددين مختلفين في الاشارة: نحدد الاشارة، وتكون إشارة العدد الأكبر، ومن ثم نجد حاصل طرح العدد الأصغر من العدد الأكبر بعد تجريدهما من الإشارة"),
        rule(label("Label1", 2))               .at( 960, 1680, 4335,  495).caption("3. حاصل طرح عددين يساوي حاصل جمع المطروح منه ونظير المطروح الجمعي"),
    };
    Label  label3   = rule(label("Label3"))    .at( 840, 2400, 4455,  615).caption("4. حاصل ضرب أو قسمة عددين صحيحين لهما نفس الإشارة هو عدد صحيح موجب");
    Label  label4   = rule(label("Label4"))    .at( 960, 3120, 4335,  735).caption("5. حاصل ضرب أو قسمة عددين صحيحين مختلفين في الاشارة هو عدد صحيح سالب");
    Button command2 = button("Command2")       .at( 120,  240,  615,  255).caption("مثال").rtl().in(frame1).described(label1[0].caption()).on_click([this] { command2_click(); });
    Button command3 = button("Command3")       .at( 120,  960,  615,  255).caption("مثال").rtl().in(frame1).described(label1[1].caption()).on_click([this] { command3_click(); });
    Button command4 = button("Command4")       .at( 120, 1800,  615,  255).caption("مثال").rtl().in(frame1).described(label1[2].caption()).on_click([this] { command4_click(); });
    Button command6 = button("Command6")       .at( 120, 2400,  615,  495).caption("مثال الضرب").rtl().in(frame1).described(label3.caption()).on_click([this] { command6_click(); });
    Button command7 = button("Command7")       .at( 120, 3120,  615,  495).caption("مثال القسمة").rtl().in(frame1).described(label4.caption()).on_click([this] { command7_click(); });
    Line   line1    = line("Line1")            .from(120,  720).to(5280,  720).in(frame1);
    Line   line2_0  = line("Line2", 0)         .from(120, 1560).to(5280, 1560).in(frame1);
    Line   line2_2  = line("Line2", 2)         .from(120, 2280).to(5280, 2280).in(frame1);
    Line   line2_4  = line("Line2", 4)         .from(120, 3720).to(5160, 3720).in(frame1);
    Line   line3    = line("Line3")            .from(840,  240).to( 840, 3720).in(frame1);
    Line   line2_1  = line("Line2", 1)         .from(  0,    0).to(5040,    0);
    Frame  frame2   = frame("Frame2")          .at( 240, 3840, 4935, 1575).caption("المثال ").back(board)
                                                .fore(0x000000FF).rtl().in(frame1);
    TextBox text1   = cell(display("Text1"))   .at(3480,  480,  495,  375).font(sans(12)).named("العدد الأول");
    TextBox text2   = cell(display("Text2"))   .at(2880,  480,  495,  375).font(sans(12, Weight::Bold));
    TextBox text3   = cell(display("Text3"))   .at(2280,  480,  495,  375).font(sans(12)).named("العدد الثاني");
    Label  label2   = label("Label2")          .at(1440,  480,  495,  375).caption("=").font(sans(13.5, Weight::Bold))
                                                .hidden().centred().fore(0x00000000).back(board).rtl().in(frame2)
                                                .named("يساوي");
    TextBox text4   = cell(display("Text4"))   .at( 360,  480,  735,  375).font(sans(12)).named("الناتج");
    Label  label5   = label("Label5")          .at(1320, 1080,  855,  375).caption("والباقي").hidden().centred()
                                                .back(board).rtl().in(frame2);
    TextBox text5   = cell(display("Text5"))   .at( 480, 1080,  735,  375).hidden().named("الباقي");
    Button command5 = button("Command5")       .at(3240, 5640, 1215,  375).caption("جرب بنفسك").rtl().on_click([this] { command5_click(); });
    Button command1 = button("Command1")       .at(1320, 5640,  975,  375).caption("الرجوع").tab(0).on_click([this] { command1_click(); });
    // clang-format on
    Reading example = reading({text1, text2, text3, label2, text4, label5, text5});

    void command2_click();
    void command3_click();
    void command4_click();
    void command6_click();
    void command7_click();
    void command5_click();
    void command1_click();

private:
    Label rule(Label l) { return l.right().fore(rule_ink).back(pale).rtl().in(frame1); }
    TextBox cell(TextBox t) { return t.centred().back(board).rtl().in(frame2); }

    struct Operands {
        double a, b;
    };
    void prepare();
    double sign_draw();
    Operands operands(double sign_a, double sign_b);
    Operands write_operands(Operands o, const char* sign);  // gives them back for the steps that follow
    void write_sum();
};

}  // namespace numeria
