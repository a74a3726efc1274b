// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction lesson: the two rules and an example button for each operation, worked on the
// fraction board.
#pragma once

#include "numeria/fraction_board.h"

namespace numeria {

struct Form3 final : FractionBoard {
    explicit Form3(Services& s);

    // clang-format off
    //                                                     left   top  width height
    Label   label2_0 = heading(label("Label2", 0)) .at( 600,  480, 4095,  255).caption("1. جمع و طرح الكسور");
    Label   label3_0 = rule(label("Label3", 0))    .at(1080,  960, 3615,  855).caption("لكي نجمع أو نطرح اي كسرين ينبغي أولا أن نوجد المقامات، وذلك بأخذ المضاعف المشترك الاصغر، ومن ثم كتابة هذا المضاعف كمقام جديد، وقسمته على كل من المقامين السابقين، وضرب ناتج القسمة بالبسطين");
    Label   label2_1 = heading(label("Label2", 1)) .at( 600, 2040, 4095,  255).caption("2. ضرب وقسمة الكسور");
    Label   label3_1 = rule(label("Label3", 1))    .at(1080, 2520, 3615,  975).caption("عمليتي الضرب والقسمة أسهل بكثير، حيث اننا في الضرب، نقوم بضرب البسط في البسط، والمقام في المقام.... أما بالنسبة للقسمة، فأننا نقلب الكسر الثاني، ونغير إشارة القسمة إلى ضرب... ونقوم بنفس خطوات الضرب");
    Button  command3 = button("Command3")          .at( 360,  600,  615,  495).caption("مثال الجمع").rtl().on_click([this] { command3_click(); });
    Button  command2 = button("Command2")          .at( 360, 1320,  615,  495).caption("مثال الطرح").rtl().on_click([this] { command2_click(); });
    Button  command4 = button("Command4")          .at( 360, 2040,  615,  615).caption("مثال الضرب").rtl().on_click([this] { command4_click(); });
    Button  command5 = button("Command5")          .at( 360, 2880,  615,  615).caption("مثال القسمة").rtl().on_click([this] { command5_click(); });
    Line    line2_0  = line("Line2", 0)            .from(4800, 1920).to( 360, 1920);
    Line    line2_1  = line("Line2", 1)            .from(4800, 3600).to( 360, 3600);
    Line    line2_2  = line("Line2", 2)            .from(1080, 3600).to(1080,  360);
    Line    line2_3  = line("Line2", 3)            .from(4800,  360).to( 360,  360);
    TextBox text7    = editable_display("Text7")   .at(4080,  840,  375,  495).text("+").font(sans(13.5, Weight::Bold))
                                                    .back(board).centred().in(frame1).named("العملية بين الكسرين");
    Button  command6 = button("Command6")          .at(2760, 5880, 1335,  375).caption("جرب بنفسك").rtl().on_click([this] { command6_click(); });
    Button  command1 = button("Command1")          .at(1560, 5880,  855,  375).caption("الرجوع").tab(0).on_click([this] { command1_click(); });
    // clang-format on
    Reading board_reading = reading({over(text1, text2), text7, over(text3, text4), label1_1, over(text8, text9),
                                     text12, over(text10, text11), label1_0, over(text5, text6)});

    void load() override;
    void command3_click();
    void command2_click();
    void command4_click();
    void command5_click();
    void command6_click();
    void command1_click();

private:
    Label heading(Label l) { return l.fore(red).back(pale).right().rtl(); }
    Label rule(Label l) { return l.back(pale).right().rtl(); }

    void example(Operation op);
};

}  // namespace numeria
