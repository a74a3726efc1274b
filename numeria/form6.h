// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise sheet: four multiple-choice questions drawn afresh on every visit, marked on request.
#pragma once

#include <array>
#include <string>

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form6 final : Screen {
    explicit Form6(Services& s);

    static constexpr Colour sheet = 0x00FFFF80;

    // clang-format off
    //                                                             left   top  width height
    Frame   frame1_0  = panel(0)                             .at(1080,    0, 5775, 1215).caption("السؤال الأول ");
    TextBox text2_0   = operand("Text2", 0, frame1_0)        .at(4920,  240,  495,  405).named("العدد الأول");
    Label   label5_0  = symbol("Label5", 0, frame1_0)        .at(4200,  240,  495,  375).caption("+").named("زائد");
    TextBox text3_0   = operand("Text3", 0, frame1_0)        .at(3720,  240,  495,  375).named("العدد الثاني");
    Label   label6_0  = symbol("Label6", 0, frame1_0)        .at(3120,  240,  495,  255).caption("=").named("يساوي");
    Label   label1_0  = candidate("Label1", 0, frame1_0)     .at(4680,  720,  975,  375).caption("5");
    Label   label2_0  = candidate("Label2", 0, frame1_0)     .at(3240,  720, 1095,  375).caption("-5");
    Label   label3_0  = candidate("Label3", 0, frame1_0)     .at(1800,  720, 1095,  375).caption("0");
    Label   label4_0  = candidate("Label4", 0, frame1_0)     .at( 360,  720,  975,  375).caption("6");
    Option  option1_0 = choice("Option1", 0, frame1_0)       .at(4440,  720,  255,  255).reads({label1_0}).on_click([this] { option1_click(0); });
    Option  option2_0 = choice("Option2", 0, frame1_0)       .at(3120,  720,  255,  255).reads({label2_0}).on_click([this] { option2_click(0); });
    Option  option2_1 = choice("Option2", 1, frame1_0)       .at(1560,  720,  255,  255).reads({label3_0}).on_click([this] { option2_click(1); });
    Option  option2_2 = choice("Option2", 2, frame1_0)       .at( 240,  720,  255,  255).reads({label4_0}).on_click([this] { option2_click(2); });

    Frame   frame1_1  = panel(1)                             .at(1080, 1200, 5775, 1215).caption("السؤال الثاني ");
    TextBox text2_1   = operand("Text2", 1, frame1_1)        .at(4920,  240,  495,  405).named("العدد الأول");
    Label   label5_1  = symbol("Label5", 1, frame1_1)        .at(4200,  240,  495,  375).caption("-").named("ناقص");
    TextBox text3_1   = operand("Text3", 1, frame1_1)        .at(3720,  240,  495,  375).named("العدد الثاني");
    Label   label6_1  = symbol("Label6", 1, frame1_1)        .at(3120,  240,  495,  255).caption("=").named("يساوي");
    Label   label1_1  = candidate("Label1", 1, frame1_1)     .at(4680,  720,  975,  375).caption("5");
    Label   label2_1  = candidate("Label2", 1, frame1_1)     .at(3240,  720, 1095,  375).caption("-5");
    Label   label3_1  = candidate("Label3", 1, frame1_1)     .at(1800,  720, 1095,  375).caption("0");
    Label   label4_1  = candidate("Label4", 1, frame1_1)     .at( 360,  720,  975,  375).caption("6");
    Option  option2_3 = choice("Option2", 3, frame1_1)       .at(4440,  720,  255,  255).reads({label1_1}).on_click([this] { option2_click(3); });
    Option  option1_1 = choice("Option1", 1, frame1_1)       .at(3240,  720,  255,  255).reads({label2_1}).on_click([this] { option1_click(1); });
    Option  option2_4 = choice("Option2", 4, frame1_1)       .at(1560,  720,  255,  255).reads({label3_1}).on_click([this] { option2_click(4); });
    Option  option2_5 = choice("Option2", 5, frame1_1)       .at( 240,  720,  255,  255).reads({label4_1}).on_click([this] { option2_click(5); });

    Frame   frame1_2  = panel(2)                             .at(1080, 2400, 5775, 1215).caption("السؤال الثالث ");
    TextBox text2_2   = operand("Text2", 2, frame1_2)        .at(4920,  240,  495,  405).named("العدد الأول");
    Label   label5_2  = symbol("Label5", 2, frame1_2)        .at(4200,  240,  495,  375).caption("X").named("ضرب");
    TextBox text3_2   = operand("Text3", 2, frame1_2)        .at(3720,  240,  495,  375).named("العدد الثاني");
    Label   label6_2  = symbol("Label6", 2, frame1_2)        .at(3120,  240,  495,  255).caption("=").named("يساوي");
    Label   label1_2  = candidate("Label1", 2, frame1_2)     .at(4680,  720,  975,  375).caption("5");
    Label   label2_2  = candidate("Label2", 2, frame1_2)     .at(3240,  720, 1095,  375).caption("-5");
    Label   label3_2  = candidate("Label3", 2, frame1_2)     .at(1800,  720, 1095,  375).caption("0");
    Label   label4_2  = candidate("Label4", 2, frame1_2)     .at( 360,  720,  975,  375).caption("6");
    Option  option2_6 = choice("Option2", 6, frame1_2)       .at(4440,  720,  255,  255).reads({label1_2}).on_click([this] { option2_click(6); });
    Option  option2_7 = choice("Option2", 7, frame1_2)       .at(3240,  720,  255,  255).reads({label2_2}).on_click([this] { option2_click(7); });
    Option  option2_8 = choice("Option2", 8, frame1_2)       .at(1560,  720,  255,  255).reads({label3_2}).on_click([this] { option2_click(8); });
    Option  option1_2 = choice("Option1", 2, frame1_2)       .at( 360,  720,  255,  255).reads({label4_2}).on_click([this] { option1_click(2); });

    // The two spare boxes come before the numerators they overlap, so they lie beneath them.
    Frame   frame1_3  = panel(3)                             .at(1080, 3600, 5775, 2415).caption("السؤال الرابع ");
    TextBox text1_0   = spare("Text1", frame1_3)             .at(5040,  240,  375,  375).named("مسودة تحت البسط الأول");
    TextBox text5_0   = spare("Text5", frame1_3)             .at(3840,  240,  375,  375).named("مسودة تحت البسط الثاني");
    TextBox text2_3   = operand("Text2", 3, frame1_3)        .at(5040,  240,  495,  285).text("5").named("بسط الكسر الأول");
    Line    line1_0   = bar("Line1", 0, frame1_3, 3)         .from(4920,  720).to(5520,  720);
    TextBox text4_0   = operand("Text4", 0, frame1_3)        .at(5040,  840,  495,  375).text("5").named("مقام الكسر الأول");
    Label   label5_3  = symbol("Label5", 3, frame1_3)        .at(4320,  360,  375,  375).caption("+").named("زائد");
    TextBox text3_3   = operand("Text3", 3, frame1_3)        .at(3720,  240,  495,  300).text("5").named("بسط الكسر الثاني");
    Line    line1_1   = bar("Line1", 1, frame1_3, 3)         .from(3720,  720).to(4320,  720);
    TextBox text6_0   = operand("Text6", 0, frame1_3)        .at(3720,  840,  495,  375).text("5").named("مقام الكسر الثاني");
    Label   label6_3  = symbol("Label6", 3, frame1_3)        .at(3000,  480,  495,  255).caption("=").named("يساوي");
    Label   label1_3  = candidate("Label1", 3, frame1_3)     .at(4800, 1440,  855,  375).caption("5");
    Label   label7_0  = candidate("Label7", 0, frame1_3)     .at(4800, 1800,  855,  375).caption("2");
    Label   label2_3  = candidate("Label2", 3, frame1_3)     .at(3360, 1440,  975,  375).caption("-5");
    Label   label7_1  = candidate("Label7", 1, frame1_3)     .at(3360, 1800,  975,  375).caption("3");
    Label   label3_3  = candidate("Label3", 3, frame1_3)     .at(1920, 1440,  975,  375).caption("0");
    Label   label7_2  = candidate("Label7", 2, frame1_3)     .at(1920, 1800,  975,  375).caption("4");
    Label   label4_3  = candidate("Label4", 3, frame1_3)     .at( 480, 1440,  975,  375).caption("6");
    Label   label7_3  = candidate("Label7", 3, frame1_3)     .at( 480, 1800,  975,  375).caption("5");
    std::array<Line, 4> line2 = {
        bar("Line2", 0, frame1_3, 2)                         .from(5640, 1800).to(4800, 1800),
        bar("Line2", 1, frame1_3, 2)                         .from(4320, 1800).to(3360, 1800),
        bar("Line2", 2, frame1_3, 2)                         .from(2880, 1800).to(1920, 1800),
        bar("Line2", 3, frame1_3, 2)                         .from(1440, 1800).to( 480, 1800),
    };
    std::array<Line, 4> line3 = {
        bar("Line3", 0, frame1_3, 2)                         .from( 600, 1680).to(1320, 1680),
        bar("Line3", 1, frame1_3, 2)                         .from(2040, 1680).to(2760, 1680),
        bar("Line3", 2, frame1_3, 2)                         .from(3480, 1680).to(4200, 1680),
        bar("Line3", 3, frame1_3, 2)                         .from(4800, 1680).to(5520, 1680),
    };
    Option  option2_9  = choice("Option2", 9, frame1_3)      .at(4440, 1560,  255,  255).reads({over(label1_3, label7_0)}).on_click([this] { option2_click(9); });
    Option  option2_10 = choice("Option2", 10, frame1_3)     .at(2880, 1560,  255,  255).reads({over(label2_3, label7_1)}).on_click([this] { option2_click(10); });
    Option  option1_3  = choice("Option1", 3, frame1_3)      .at(1680, 1560,  255,  255).reads({over(label3_3, label7_2)}).on_click([this] { option1_click(3); });
    Option  option2_11 = choice("Option2", 11, frame1_3)     .at( 240, 1560,  255,  255).reads({over(label4_3, label7_3)}).on_click([this] { option2_click(11); });

    Frame   frame3_0  = mark("Frame3", 0)                    .at( 240,  600,  615,  495).named("علامة صح للسؤال الأول");
    Line    line7_0   = bar("Line7", 0, frame3_0, 4)         .from( 600,  240).to(   0,  480);
    Line    line8_0   = bar("Line8", 0, frame3_0, 4)         .from( 120,  240).to(   0,  480);
    Frame   frame3_1  = mark("Frame3", 1)                    .at( 240, 1800,  615,  495).named("علامة صح للسؤال الثاني");
    Line    line7_1   = bar("Line7", 1, frame3_1, 4)         .from( 600,  240).to(   0,  480);
    Line    line8_1   = bar("Line8", 1, frame3_1, 4)         .from( 120,  240).to(   0,  480);
    Frame   frame3_2  = mark("Frame3", 2)                    .at( 240, 3000,  615,  495).named("علامة صح للسؤال الثالث");
    Line    line7_2   = bar("Line7", 2, frame3_2, 4)         .from( 600,  240).to(   0,  480);
    Line    line8_2   = bar("Line8", 2, frame3_2, 4)         .from( 120,  240).to(   0,  480);
    Frame   frame3_3  = mark("Frame3", 3)                    .at( 240, 4800,  615,  495).named("علامة صح للسؤال الرابع");
    Line    line7_3   = bar("Line7", 3, frame3_3, 4)         .from( 600,  240).to(   0,  480);
    Line    line8_3   = bar("Line8", 3, frame3_3, 4)         .from( 120,  240).to(   0,  480);
    Frame   frame2_0  = mark("Frame2", 0)                    .at( 240,  120,  615,  495).named("علامة خطأ للسؤال الأول");
    Line    line4_0   = bar("Line4", 0, frame2_0, 4)         .from( 600,  120).to(   0,  480);
    Line    line6_0   = bar("Line6", 0, frame2_0, 4)         .from(   0,  120).to( 600,  480);
    Frame   frame2_1  = mark("Frame2", 1)                    .at( 240, 1320,  615,  495).named("علامة خطأ للسؤال الثاني");
    Line    line4_1   = bar("Line4", 1, frame2_1, 4)         .from( 600,  120).to(   0,  480);
    Line    line6_1   = bar("Line6", 1, frame2_1, 4)         .from(   0,  120).to( 600,  480);
    Frame   frame2_2  = mark("Frame2", 2)                    .at( 240, 2520,  615,  495).named("علامة خطأ للسؤال الثالث");
    Line    line4_2   = bar("Line4", 2, frame2_2, 4)         .from( 600,  120).to(   0,  480);
    Line    line6_2   = bar("Line6", 2, frame2_2, 4)         .from(   0,  120).to( 600,  480);
    Frame   frame2_3  = mark("Frame2", 3)                    .at( 240, 3960,  615,  495).named("علامة خطأ للسؤال الرابع");
    Line    line4_3   = bar("Line4", 3, frame2_3, 4)         .from( 600,  120).to(   0,  480);
    Line    line6_3   = bar("Line6", 3, frame2_3, 4)         .from(   0,  120).to( 600,  480);

    Button  command2  = button("Command2")                   .at(2640, 6120,  975,  375).caption("النتيجة").on_click([this] { command2_click(); });
    Button  command1  = button("Command1")                   .at(4560, 6120, 1095,  375).caption("الرجوع").on_click([this] { command1_click(); });
    Line    line10    = line("Line10")                       .from( 960, 2400).to( 120, 2400);
    Line    line11    = line("Line11")                       .from( 960, 3600).to( 120, 3600);
    Line    line5     = line("Line5")                        .from(2880, 3000).to(4080, 3480);

    // Each question is heard with its mark, and names its frame, so that its first option brings it.
    Reading question0 = reading({frame1_0, text2_0, label5_0, text3_0, label6_0, frame3_0, frame2_0}).names(frame1_0);
    Reading question1 = reading({frame1_1, text2_1, label5_1, text3_1, label6_1, frame3_1, frame2_1}).names(frame1_1);
    Reading question2 = reading({frame1_2, text2_2, label5_2, text3_2, label6_2, frame3_2, frame2_2}).names(frame1_2);
    Reading question3 = reading({frame1_3, over(text2_3, text4_0), label5_3, over(text3_3, text6_0), label6_3, frame3_3, frame2_3})
                        .names(frame1_3);
    // clang-format on

    ControlArray<Frame> frame1{*this, "Frame1"};
    ControlArray<Frame> frame2{*this, "Frame2"};
    ControlArray<Frame> frame3{*this, "Frame3"};
    ControlArray<TextBox> text2{*this, "Text2"};
    ControlArray<TextBox> text3{*this, "Text3"};
    ControlArray<Label> label1{*this, "Label1"};
    ControlArray<Label> label2{*this, "Label2"};
    ControlArray<Label> label3{*this, "Label3"};
    ControlArray<Label> label4{*this, "Label4"};
    ControlArray<Label> label7{*this, "Label7"};
    ControlArray<Option> option1{*this, "Option1"};
    ControlArray<Option> option2{*this, "Option2"};

    void load() override;
    void option1_click(int index);
    void option2_click(int index);
    void command2_click();
    void command1_click();

private:
    Frame panel(int index) { return frame("Frame1", index).back(sheet); }
    Frame mark(const char* name, int index) { return frame(name, index).back(sheet).hidden(); }
    TextBox operand(const char* name, int index, const Frame& f)
    {
        return display(name, index).font(sans(12, Weight::Bold)).back(sheet).in(f);
    }
    TextBox spare(const char* name, const Frame& f) { return editable_display(name, 0).back(sheet).in(f); }
    Label symbol(const char* name, int index, const Frame& f)
    {
        return label(name, index).font(sans(13.5, Weight::Bold)).back(sheet).in(f);
    }
    Label candidate(const char* name, int index, const Frame& f)
    {
        return label(name, index).font(sans(9.75, Weight::Bold)).centred().back(sheet).in(f);
    }
    Option choice(const char* name, int index, const Frame& f) { return option(name, index).back(sheet).in(f); }
    Line bar(const char* name, int index, const Frame& f, int width)
    {
        return line(name, index).thickness(width).in(f);
    }

    struct Fraction {
        double numerator, denominator;
    };
    Option option_of(int question, int position) const;
    Label numerator_of(int question, int position) const;  // the candidate itself on the integer questions
    void integer_questions();
    void fraction_question();
    // Records, for each wrong-answer button of the question, whether its candidate reads exactly as
    // the right one: choosing it is then a right answer too.
    void note_lookalikes(int question, const std::array<std::string, 4>& written);

    std::array<bool, 4> chosen_right_{};
    std::array<bool, 12> untried_{};
    std::array<bool, 12> reads_as_right_{};
};

}  // namespace numeria
