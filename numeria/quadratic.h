// SPDX-License-Identifier: GPL-3.0-or-later
// The quadratic board shared by the lesson and the practice screen: the equation row, the
// coefficients, the general formula that shrinks in place, the solutions, and the method.
#pragma once

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "model/screen.h"
#include "numeria/messages.h"
#include "values/exact.h"

namespace numeria {

using namespace model;

class QuadraticBoard : public Screen {
public:
    // Where the two screens place the shared rows, and whether the pupil types the coefficients.
    struct Differences {
        int equation;                                        // top of the equation row
        int first_step;                                      // top of Command1
        int coefficients;                                    // top of Frame1
        int formula;                                         // top of Frame2
        int substitution;                                    // top of Command2
        int solutions_left, solutions_top, solutions_width;  // Command4
        int solutions;                                       // top of Frame3
        BoxRole coefficient_boxes;
    };

    static constexpr Colour board = 0x00FFFF80, solutions_back = 0x00FFFF00;

    QuadraticBoard(Services& s, ScreenDesign design, Differences diff);

private:
    const Differences diff_;

    TextBox coefficient(const char* name)
    {
        return (diff_.coefficient_boxes == BoxRole::Input ? input(name) : display(name))
            .font(sans(12, Weight::Bold))
            .centred()
            .back(board);
    }
    Label symbol(Label l, double size = 13.5) { return l.font(sans(size, Weight::Bold)).back(board); }
    TextBox cell(TextBox t) { return t.font(sans(12, Weight::Bold)).centred().back(board); }
    TextBox answer(TextBox t) { return t.centred().back(board).rtl(); }

public:
    // clang-format off
    //                                                        left   top  width height
    TextBox text1     = coefficient("Text1")              .at(4800, diff_.equation,  495,  375).named("معامل س تربيع");
    Label   label6_0  = symbol(label("Label6", 0))        .at(3960, diff_.equation,  855,  375).caption(" +  س ").centred();
    Label   label7    = symbol(label("Label7"), 9.75)     .at(4320, diff_.equation,  135,  255).caption("2").right().rtl().named("تربيع");
    TextBox text2     = coefficient("Text2")              .at(3480, diff_.equation,  495,  375).named("معامل س");
    Label   label6_1  = symbol(label("Label6", 1))        .at(2640, diff_.equation,  855,  375).caption(" +  س ").centred();
    TextBox text3     = coefficient("Text3")              .at(2160, diff_.equation,  495,  375).named("الحد الثابت");
    Label   label6_2  = symbol(label("Label6", 2))        .at(1560, diff_.equation,  615,  375).caption("0 =").centred().named("يساوي صفر");
    Button  command1  = button("Command1")                .at(2280, diff_.first_step, 2055, 375).caption("الخطوة الأولى")
                                                          .described("يعرض قيم المعاملات والقانون العام").on_click([this] { command1_click(); });

    Frame   frame1    = frame("Frame1")                   .at( 240, diff_.coefficients, 5895, 855).back(board).hidden().named("قيم المعاملات");
    Label   label6_3  = symbol(label("Label6", 3))        .at(4320,  240,  615,  375).caption("= أ").centred().in(frame1).named("أ يساوي");
    TextBox text4     = cell(display("Text4"))            .at(3840,  240,  495,  375).in(frame1).named("قيمة أ");
    Label   label6_4  = symbol(label("Label6", 4))        .at(2880,  240,  855,  375).caption("=  ب  ،").centred().in(frame1).named("ب يساوي");
    TextBox text5     = cell(display("Text5"))            .at(2160,  240,  495,  375).in(frame1).named("قيمة ب");
    Label   label6_5  = symbol(label("Label6", 5))        .at(1080,  240,  855,  375).caption("= جـــ ،").centred().in(frame1).named("جـ يساوي");
    TextBox text6     = cell(display("Text6"))            .at( 480,  240,  495,  375).in(frame1).named("قيمة جـ");

    // The numerator on the upper row, the radical sign drawn with lines, the denominator below the bar.
    Frame   frame2    = frame("Frame2")                   .at( 240, diff_.formula, 5895, 1575).caption("القانون العام").back(board).rtl().hidden();
    Label   label1_0  = symbol(label("Label1", 0))        .at(5040,  720,  735,  495).caption(" = س ").in(frame2).named("س يساوي");
    Label   label2_0  = symbol(label("Label2", 0), 12)    .at(4560,  360,  255,  375).caption("-").centred().in(frame2).named("سالب");
    TextBox text7     = cell(display("Text7"))            .at(4080,  360,  495,  375).text("ب").in(frame2).named("سالب ب");
    Label   label3    = symbol(label("Label3"), 12)       .at(3720,  240,  255,  615).caption("+ -").centred().wraps().in(frame2).named("زائد أو ناقص");
    Line    line2     = line("Line2")                     .from(3480,  240).to(3480,  840).thickness(2).in(frame2);
    Line    line3     = line("Line3")                     .from(3600,  720).to(3480,  840).thickness(3).in(frame2).named("جذر");
    Line    line1     = line("Line1")                     .from(3480,  240).to(2760,  240).thickness(3).in(frame2);
    TextBox text8     = cell(display("Text8"))            .at(3000,  360,  375,  375).text("ب").in(frame2).named("ما تحت الجذر");
    Label   label4    = symbol(label("Label4"), 8.25)     .at(2880,  240,  135,  255).caption("2").in(frame2).named("تربيع");
    Line    line7     = line("Line7")                     .from(2040,  240).to(2760,  240).thickness(3).in(frame2);
    Label   label2_1  = symbol(label("Label2", 1), 12)    .at(2520,  360,  255,  375).caption("-").centred().in(frame2).named("ناقص");
    Label   label5_0  = symbol(label("Label5", 0), 12)    .at(2040,  360,  495,  375).caption("X 4 ").centred().in(frame2).named("أربعة في");
    Line    line4     = line("Line4")                     .from(2040,  240).to( 600,  240).thickness(3).in(frame2);
    TextBox text9     = cell(display("Text9"))            .at(1440,  360,  495,  375).text("أ").in(frame2).named("أ تحت الجذر");
    Label   label5_1  = symbol(label("Label5", 1), 12)    .at(1080,  360,  375,  375).caption("X").centred().in(frame2).named("ضرب");
    TextBox text10    = cell(display("Text10"))           .at( 600,  360,  495,  375).text("جــ").in(frame2).named("جـ تحت الجذر");
    Line    line5     = line("Line5")                     .from(4920,  960).to(2640,  960).thickness(2).in(frame2).named("على");
    Line    line8     = line("Line8")                     .from(1920,  960).to(2640,  960).thickness(2).in(frame2);
    Line    line6     = line("Line6")                     .from(1920,  960).to( 600,  960).thickness(2).in(frame2);
    Label   label5_2  = symbol(label("Label5", 2), 12)    .at(3480, 1080,  495,  375).caption("X 2   ").centred().in(frame2).named("اثنان ضرب");
    TextBox text11    = cell(display("Text11"))           .at(2880, 1080,  495,  375).text("أ").in(frame2).named("المقام");

    Button  command2  = button("Command2")                .at(2040, diff_.substitution, 2055, 375).caption("أولا: التعويض").rtl().hidden()
                                                          .described("يعوض المعاملات في القانون العام ثم يبسطه خطوة بعد خطوة").on_click([this] { command2_click(); });
    Button  command4  = button("Command4")                .at(diff_.solutions_left, diff_.solutions_top, diff_.solutions_width, 375).caption("أخيرا الحلول")
                                                          .rtl().hidden().on_click([this] { command4_click(); });

    Frame   frame3    = frame("Frame3")                   .at( 120, diff_.solutions, 6135, 2295).caption("الحلول ").back(solutions_back).rtl().hidden();
    Frame   frame4    = frame("Frame4")                   .at(3240,  360, 2775, 1695).caption("الحل الاول ").back(solutions_back).rtl().hidden().in(frame3);
    Label   label1_1  = symbol(label("Label1", 1))        .at(2040,  480,  615,  495).caption(" = س ").in(frame4).named("س يساوي");
    TextBox text12    = answer(editable_display("Text12")).at(1680,  360,  495,  495).in(frame4).named("سالب ب في الحل الأول");
    Line    line11_1  = line("Line11", 1)                 .from(1560,  600).to(1320,  600).thickness(2).in(frame4);
    Line    line11_2  = line("Line11", 2)                 .from(1440,  720).to(1440,  480).thickness(2).in(frame4);
    TextBox text13    = answer(editable_display("Text13")).at( 720,  360,  495,  495).in(frame4).named("الجذر في الحل الأول");
    Line    line9     = line("Line9")                     .from(2160,  960).to( 720,  960).thickness(2).in(frame4);
    TextBox text14    = answer(editable_display("Text14")).at( 960, 1080,  495,  495).in(frame4).named("المقام في الحل الأول");
    Label   label1_4  = symbol(label("Label1", 4))        .at( 360,  600,  375,  495).caption(" = ").in(frame4).named("يساوي");
    TextBox text18    = answer(editable_display("Text18")).at(   0,  480,  495,  495).in(frame4).named("الحل الأول");
    Frame   frame5    = frame("Frame5")                   .at( 120,  360, 2895, 1695).caption("الحل الثاني").back(board).rtl().hidden().in(frame3);
    Label   label1_2  = symbol(label("Label1", 2))        .at(2040,  480,  735,  495).caption(" = س ").in(frame5).named("س يساوي");
    TextBox text15    = answer(editable_display("Text15")).at(1560,  360,  495,  495).in(frame5).named("سالب ب في الحل الثاني");
    Line    line11_0  = line("Line11", 0)                 .from(1440,  600).to(1200,  600).thickness(2).in(frame5);
    TextBox text16    = answer(editable_display("Text16")).at( 600,  360,  495,  495).in(frame5).named("الجذر في الحل الثاني");
    Line    line10    = line("Line10")                    .from(2040,  960).to( 720,  960).thickness(2).in(frame5);
    TextBox text17    = answer(editable_display("Text17")).at(1080, 1080,  495,  495).in(frame5).named("المقام في الحل الثاني");
    Label   label1_3  = symbol(label("Label1", 3))        .at( 360,  720,  375,  495).caption(" = ").in(frame5).named("يساوي");
    TextBox text19    = answer(editable_display("Text19")).at(   0,  600,  495,  495).in(frame5).named("الحل الثاني");
    Frame   frame6    = frame("Frame6")                   .at(1200,  360, 3375, 1695).caption("يوجد حل وحيد ").back(board).rtl().hidden().in(frame3);
    Label   label1_5  = symbol(label("Label1", 5))        .at(2640,  600,  615,  495).caption(" = س ").in(frame6).named("س يساوي");
    TextBox text20    = answer(editable_display("Text20")).at(1920,  240,  495,  495).in(frame6).named("سالب ب في الحل الوحيد");
    Line    line12    = line("Line12")                    .from(2640,  840).to(1800,  840).thickness(2).in(frame6);
    TextBox text21    = answer(editable_display("Text21")).at(1920,  960,  495,  495).in(frame6).named("المقام في الحل الوحيد");
    Label   label1_6  = symbol(label("Label1", 6))        .at(1440,  600,  375,  495).caption(" = ").in(frame6).named("يساوي");
    TextBox text22    = answer(editable_display("Text22")).at( 480,  480,  615,  615).in(frame6).named("الحل الوحيد");
    // clang-format on
    Reading coefficients = reading({frame1, label6_3, text4, label6_4, text5, label6_5, text6});
    Reading formula = reading({frame2, label1_0, label2_0, text7, label3, line3, text8, label4, label2_1, label5_0,
                               text9, label5_1, text10, line5, label5_2, text11});
    Reading solutions = reading({frame4, label1_1, text18, frame5, label1_2, text19, frame6, label1_5, text22});

    virtual void command1_click() = 0;
    void command2_click();
    void command4_click();

protected:
    // The kept coefficients of the equation being solved, exactly as typed or drawn.
    struct Equation {
        values::Exact a, b, c;
    };
    // Writes the coefficients and shows them with the general formula in letters.
    void first_step(const Equation& e);
    // Everything below the equation row back as it was when the screen was made, so that nothing
    // of an earlier equation is left to mix with a new one.
    void start_over();

private:
    enum class Step { Substitution, Simplification, Discriminant };
    void substitute();
    void simplify();
    void test_discriminant();
    // Whether every number the step is about to write can be written; tells the pupil why not.
    bool can_write(std::initializer_list<values::Exact> numbers);

    Equation e_;
    std::optional<values::Exact> d_;  // the discriminant, once the third part has found it
    Step step_ = Step::Substitution;
    // What each control below Command1 held when the screen was made.
    struct Made {
        Control* control;
        std::string text;
        bool visible;
    };
    std::vector<Made> made_;
};

}  // namespace numeria
