// SPDX-License-Identifier: GPL-3.0-or-later
// The linear-equation board that the lesson and its practice screen share: the equation row, the
// frames of the later steps, the step button, and the four steps that solve a س + b = c.
#pragma once

#include <string>

#include "model/screen.h"
#include "numeria/messages.h"
#include "values/exact.h"

namespace numeria {

using namespace model;

// The equation a س + b = c, exactly as typed or drawn.
struct Equation {
    values::Exact a = 0, b = 0, c = 0;
};

struct LinearBoard : Screen {
    // What the lesson's board does differently from the practice screen's.
    struct Differences {
        int top, height;           // Frame2
        BoxRole equation;          // Text1 to Text3: the lesson writes them, the pupil types into them
        BoxRole moved;             // Text10
        bool move_words_hidden;    // Label5 and Label9 wait for the first step
        const char* step_caption;  // Command3 before any step
        int step_height;
    };
    static constexpr Colour board = 0x00FFFF80;

    LinearBoard(Services& s, ScreenDesign design, Differences diff);
    const Differences diff_;

    // Tab order: the three boxes of the equation, then the step button; each screen numbers its
    // own buttons around them.
    // clang-format off
    //                                                            left   top  width height
    Frame   frame2   = frame("Frame2")                        .at( 120, diff_.top, 6135, diff_.height).caption("  أولا   ")
                                                               .back(board).rtl();
    TextBox text1    = number(box("Text1", diff_.equation))   .at(5520,  240,  495,  495).in(frame2).tab(0).named("معامل س");
    Label   label4_0 = sign(label("Label4", 0))               .at(4920,  240,  615,  435).caption("س +").in(frame2);
    TextBox text2    = number(box("Text2", diff_.equation))   .at(4440,  240,  495,  495).in(frame2).tab(1).named("العدد المضاف");
    Label   label4_1 = sign(label("Label4", 1))               .at(3840,  240,  615,  435).caption("=").in(frame2)
                                                               .named("يساوي");
    TextBox text3    = number(box("Text3", diff_.equation))   .at(3480,  240,  495,  495).in(frame2).tab(2).named("الطرف الثاني");
    Label   label5   = move_words(label("Label5"))            .at(2880,  240,  375,  375).caption("نقل").centred().in(frame2);
    TextBox text10   = cell(box("Text10", diff_.moved))       .at(2400,  240,  495,  405).in(frame2).named("العدد المنقول");
    Label   label9   = move_words(label("Label9"))            .at( 120,  240, 2295,  375).caption("إلى الجهة الثانية وتغيير إشارته").right().in(frame2);
    Frame   frame3   = frame("Frame3")                        .at( 120,  960, 5895,  855).caption("  ثانيا  ").back(board).rtl()
                                                               .hidden().in(frame2);
    TextBox text4    = number(display("Text4"))               .at(5280,  240,  495,  495).in(frame3).named("معامل س");
    Label   label4_2 = sign(label("Label4", 2))               .at(4440,  240,  735,  435).caption("س  =").in(frame3);
    TextBox text5    = number(display("Text5"))               .at(3840,  240,  495,  495).in(frame3).named("الطرف الثاني");
    Label   label4_4 = sign(label("Label4", 4))               .at(3360,  240,  615,  435).caption("+").in(frame3);
    TextBox text6    = number(display("Text6"))               .at(3000,  240,  495,  495).in(frame3)
                                                               .named("العدد المنقول بإشارة معاكسة");
    Label   label6   = words(label("Label6"))                 .at( 120,  240, 2655,  375).caption("إيجاد ناتج الجمع بين العددين").centred().in(frame3);
    Frame   frame4   = frame("Frame4")                        .at( 120, 1800, 5895,  975).caption("  ثالثا   ").back(board).rtl()
                                                               .hidden().in(frame2);
    TextBox text7    = number(display("Text7"))               .at(5280,  240,  495,  495).in(frame4).named("معامل س");
    Label   label4_3 = sign(label("Label4", 3))               .at(4440,  240,  735,  435).caption("س  =").in(frame4);
    TextBox text8    = number(display("Text8"))               .at(3960,  240,  495,  495).in(frame4).named("ناتج الجمع");
    Label   label7_0 = words(label("Label7", 0))              .at(1440,  240, 2415,  375).caption("أخيرا قسمة معامل س الذي يساوي").centred().in(frame4);
    TextBox text11   = cell(editable_display("Text11"))       .at( 960,  240,  495,  375).in(frame4).named("معامل س");
    Label   label7_1 = words(label("Label7", 1))              .at( 480,  240,  615,  375).caption("على").centred().in(frame4);
    TextBox text12   = cell(editable_display("Text12"))       .at( 120,  240,  495,  375).in(frame4).named("ناتج الجمع");
    Frame   frame5   = frame("Frame5")                        .at( 120, 2760, 5895,  975).caption(" رابعا  ").back(board).rtl()
                                                               .hidden().in(frame2);
    Label   label4_5 = sign(label("Label4", 5))               .at(5040,  240,  735,  435).caption("س  =").in(frame5);
    TextBox text9    = number(display("Text9"))               .at(3240,  240, 1695,  495).in(frame5).named("قيمة س");
    Button  command3 = button("Command3")                     .at(2160, 3840, 1815, diff_.step_height).caption(diff_.step_caption)
                                                               .rtl().in(frame2).tab(4).on_click([this] { command3_click(); });
    // clang-format on
    Reading equation = reading({text1, label4_0, text2, label4_1, text3, label5, text10, label9});
    Reading second = reading({frame3, text4, label4_2, text5, label4_4, text6, label6});
    Reading third = reading({frame4, text7, label4_3, text8, label7_0, text11, label7_1, text12});
    Reading fourth = reading({frame5, label4_5, text9});

    virtual void command3_click() = 0;

protected:
    enum class Step { First, Second, Third, Fourth };
    // Which step the step button shows next.
    Step step = Step::First;
    // Shows `step` for the equation and names the next one on the step button, or hides the button
    // after the last. A difference or quotient beyond what the program works with gets a message
    // and changes nothing.
    void take_step(const Equation& e);

private:
    TextBox box(std::string name, BoxRole role);
    TextBox cell(TextBox t) { return t.centred().back(board).rtl(); }
    TextBox number(TextBox t) { return cell(t).font(sans(12, Weight::Bold)); }
    Label words(Label l) { return l.back(board).rtl(); }
    Label sign(Label l) { return words(l).font(sans(13.5, Weight::Bold)).centred(); }
    Label move_words(Label l) { return diff_.move_words_hidden ? words(l).hidden() : words(l); }
};

}  // namespace numeria
