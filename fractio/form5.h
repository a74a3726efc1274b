// SPDX-License-Identifier: GPL-3.0-or-later
// The multiplication-table quiz: five products to answer, marked one row at a time or all at once.
#pragma once

#include <array>
#include <optional>

#include "fractio/screens.h"
#include "model/screen.h"

namespace fractio {

using namespace model;

struct Form5 final : Screen {
    explicit Form5(Services& s);

    static constexpr int rows = 5;
    static constexpr std::array<int, rows> row_top = {360, 1320, 2280, 3240, 4200};
    static constexpr Colour factor_back = 0x00FFFF80, red = 0x000000FF;
    Label factor(Label l, int row, int left, int width, const char* role)
    {
        return l.at(left, row_top[row], width, 495)
            .font(arabic_bold(14.25))
            .back(factor_back)
            .bordered()
            .centred()
            .described(nth(role, row));
    }
    Button mark(const char* name, int row, int top)
    {
        return button(name).at(1680, top, 735, 495).caption("تصحيح").described(nth("تصحيح السؤال", row));
    }
    Label verdict(const char* name, int row, int top, int height)
    {
        return label(name)
            .at(480, top, 735, height)
            .font(arabic_bold(11.25))
            .fore(red)
            .bordered()
            .centred()
            .described(nth("حكم السؤال", row));
    }

    // clang-format off
    //                                                          left   top  width height
    std::array<Label, rows>   label1 = members<Label, rows>([this](int r) {
        return factor(label("Label1", r), r, 5880, 855, "العدد الأول في السؤال"); });
    std::array<Label, rows>   label3 = members<Label, rows>([this](int r) {
        return label("Label3", r).at(5400, row_top[r], 375, 495).caption("×").font(arabic_bold(20.25)).centred()
            .named("ضرب"); });
    std::array<Label, rows>   label2 = members<Label, rows>([this](int r) {
        return factor(label("Label2", r), r, 4320, 975, "العدد الثاني في السؤال"); });
    std::array<Label, rows>   label4 = members<Label, rows>([this](int r) {
        return label("Label4", r).at(3840, row_top[r], 375, 615).caption("=").font(arabic_bold(21.75)).centred()
            .named("يساوي"); });
    std::array<TextBox, rows> text1  = members<TextBox, rows>([this](int r) {
        return input("Text1", r).at(2880, row_top[r], 735, 615).font(arabic_bold(14.25)).centred()
            .named(nth("ناتج السؤال", r)); });
    Button  command1 = mark("Command1", 0,  480).on_click([this] { command1_click(); });
    Button  command2 = mark("Command2", 1, 1320).on_click([this] { command2_click(); });
    Button  command3 = mark("Command3", 2, 2280).on_click([this] { command3_click(); });
    Button  command4 = mark("Command4", 3, 3240).on_click([this] { command4_click(); });
    Button  command5 = mark("Command5", 4, 4200).on_click([this] { command5_click(); });
    Label   label5   = verdict("Label5", 0,  480, 495);
    Label   label6   = verdict("Label6", 1, 1200, 735);
    Label   label7   = verdict("Label7", 2, 2160, 735);
    Label   label8   = verdict("Label8", 3, 3120, 735);
    Label   label9   = verdict("Label9", 4, 4080, 615);
    Label   label10  = label("Label10")         .at(2400,  120, 1335,  375).caption("اكتب الناتج هنا").right();
    Button  command6 = button("Command6")       .at(6840,  360,  615,  495).caption("ابدأ").font(sans(12, Weight::Bold))
                                                 .on_click([this] { command6_click(); });
    Button  command8 = button("Command8")       .at(2640, 5040, 1695,  615).caption("تصحيح الكل")
                                                 .on_click([this] { command8_click(); });
    Button  command9 = button("Command9")       .at(1200, 5040,  975,  615).caption("مسح")
                                                 .on_click([this] { command9_click(); });
    Button  command7 = button("Command7")       .at(4680, 5040, 1335,  615).caption("رجوع")
                                                 .on_click([this] { command7_click(); });
    Line    line1    = line("Line1")            .from(120, 1080).to(7320, 1080).thickness(3);
    Line    line2    = line("Line2")            .from(120, 2040).to(7320, 2040).thickness(3);
    Line    line3    = line("Line3")            .from(120, 3000).to(7320, 3000).thickness(3);
    Line    line4    = line("Line4")            .from(120, 3960).to(7320, 3960).thickness(3);
    Shape   shape1   = shape("Shape1")          .at(1560,  360,  975, 4455);
    Shape   shape2   = shape("Shape2")          .at( 360,  360,  975, 4455);
    // clang-format on
    // Each row is heard with its verdict; its answer box is named by its question.
    Reading row0 = question(0, label5), row1 = question(1, label6), row2 = question(2, label7),
            row3 = question(3, label8), row4 = question(4, label9);

    void command6_click();
    void command1_click() { mark_row(0); }
    void command2_click() { mark_row(1); }
    void command3_click() { mark_row(2); }
    void command4_click() { mark_row(3); }
    void command5_click() { mark_row(4); }
    void command8_click();
    void command9_click();
    void command7_click();

private:
    struct Question {
        double first, second;
    };
    // The factors of the last draw; none until the start button has drawn.
    std::optional<std::array<Question, rows>> questions_;

    Reading question(int r, Label verdict)
    {
        text1[r].reads({label1[r], label3[r], label2[r], label4[r]});
        return reading({label1[r], label3[r], label2[r], label4[r], text1[r], verdict});
    }
    std::array<Label, rows> verdicts() const { return {label5, label6, label7, label8, label9}; }
    void mark_row(int row);
    void write_verdict(int row);
};

}  // namespace fractio
