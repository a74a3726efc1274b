// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction board of the fraction lesson and its practice screen, and the worked method that
// combines two fractions on it stage by stage.
#pragma once

#include <initializer_list>

#include "model/screen.h"
#include "numeria/messages.h"
#include "values/exact.h"

namespace numeria {

using namespace model;

enum class Operation { Add, Subtract, Multiply, Divide };

// a/b and c/d, exactly as typed or drawn.
struct Fractions {
    values::Exact a, b, c, d;
};

// The sign of an operation as the board writes it between two fractions.
const char* sign_of(Operation op);

struct FractionBoard : Screen {
    struct Differences {
        int top;              // of Frame1
        const char* caption;  // of Frame1
        const char* name;     // Frame1's spoken name where it has no caption
        // The practice screen's board: the pupil types the two fractions, the sign box between the
        // middle fractions is larger and locked, and the parts that only the method shows start hidden.
        bool practice;
    };
    FractionBoard(Services& s, ScreenDesign design, Differences differences);

    static constexpr Colour pale = 0x00FFFFC0, board = 0x00FFFF80, red = 0x000000FF;

    const Differences diff_;
    // clang-format off
    //                                                          left   top  width height
    Frame   frame1   = frame("Frame1")                     .at( 120, diff_.top, 5295, 1815).caption(diff_.caption).named(diff_.name)
                                                           .back(board).fore(red).font(sans(9.75, Weight::Bold)).rtl();
    TextBox text1    = entry("Text1", 9)                   .at(4560,  480,  495,  495).named("بسط الكسر الأول");
    TextBox text2    = entry("Text2", 10)                  .at(4560, 1200,  495,  495).named("مقام الكسر الأول");
    Line    line1_0  = bar(line("Line1", 0))               .from(5040, 1080).to(4560, 1080);
    TextBox text3    = entry("Text3", 11)                  .at(3480,  480,  495,  495).named("بسط الكسر الثاني");
    TextBox text4    = entry("Text4", 8)                   .at(3480, 1200,  495,  495).named("مقام الكسر الثاني");
    Line    line1_1  = bar(line("Line1", 1))               .from(3960, 1080).to(3480, 1080);
    Label   label1_1 = equals(label("Label1", 1))          .at(2880,  840,  615,  375);
    TextBox text8    = cell("Text8")                       .at(2280,  480,  495,  495).named("بسط الكسر الأوسط الأول");
    TextBox text9    = cell("Text9")                       .at(2280, 1200,  495,  495).named("مقام الكسر الأوسط الأول");
    Line    line1_4  = worked(bar(line("Line1", 4)))       .from(2760, 1080).to(2280, 1080);
    TextBox text12   = sign_box()                          .at(1920,  840,  255,  495).named("العملية بين الكسرين الأوسطين");
    TextBox text10   = cell("Text10")                      .at(1320,  480,  495,  495).named("بسط الكسر الأوسط الثاني");
    TextBox text11   = cell("Text11")                      .at(1320, 1200,  495,  495).named("مقام الكسر الأوسط الثاني");
    Line    line1_3  = worked(bar(line("Line1", 3)))       .from(1800, 1080).to(1320, 1080);
    Label   label1_0 = worked(equals(label("Label1", 0)))  .at( 720,  840,  615,  375);
    TextBox text5    = cell("Text5")                       .at( 120,  480,  495,  495).named("بسط الناتج");
    TextBox text6    = cell("Text6")                       .at( 120, 1200,  495,  495).named("مقام الناتج");
    Line    line1_2  = worked(bar(line("Line1", 2)))       .from( 600, 1080).to( 120, 1080);
    // clang-format on

protected:
    // Empties and hides the middle and result fractions; addition and subtraction put their sign
    // into the hidden box between the middle fractions.
    void reset(Operation op);
    // Works a/b op c/d on the board, explaining each stage in a message box before the next.
    // A number the board would write that lies beyond what the program works with is refused
    // with a message before anything is shown.
    void work(Operation op, const Fractions& f);

private:
    TextBox entry(const char* name, int practice_tab);
    TextBox cell(const char* name) { return display(name).back(board).centred().rtl().in(frame1); }
    TextBox sign_box();
    Line bar(Line l) { return l.thickness(3).in(frame1); }
    Label equals(Label l)
    {
        return l.caption("=").font(sans(18, Weight::Bold)).back(board).centred().rtl().in(frame1).named("يساوي");
    }
    // A part that only the method shows.
    template <class T>
    T worked(T control)
    {
        if (diff_.practice)
            control.hide();
        return control;
    }

    void common_denominator(Operation op, const Fractions& f);
    void multiply(const Fractions& f);
    void divide(const Fractions& f);
    // Whether every number the method is about to write can be shown; tells the pupil why not.
    bool can_show(std::initializer_list<values::Checked> numbers);
};

}  // namespace numeria
