// SPDX-License-Identifier: GPL-3.0-or-later
// The fraction method: common denominator, multiplication and division, each written onto the
// board a stage at a time with a message box between the stages.
#include "numeria/fraction_board.h"

namespace numeria {

using values::Checked;
using values::cstr;
using values::Exact;

namespace {

constexpr const char* same_denominators = "المقامات موحدة";
constexpr const char* different_denominators = "المقامات ليست موحدة";
constexpr const char* new_denominator = "هو المقام الجديد";
constexpr const char* rescale = "والان قسمة المقام الجديد.. بالمقامات القديمة.. وضرب الناتج بالبسطين";
constexpr const char* multiplication = "الطريقة.. ضرب البسط بالبسط... والمقام في المقام";
constexpr const char* division = "نقلب الكسر الثاني.. ونحول الإشارة من قسمة إلى ضرب";
// Any common multiple of the denominators gives a fraction equal to the true sum or difference.
// For whole positive denominators it is the least one, the one the pupil is taught to find; for
// other unequal denominators, their product.
Exact common_multiple(const Exact& b, const Exact& d)
{
    if (b > 0 && d > 0 && values::is_whole(b) && values::is_whole(d))
        return values::lcm(b, d);
    return b * d;
}

}  // namespace

const char* sign_of(Operation op)
{
    switch (op) {
    case Operation::Add: return "+";
    case Operation::Subtract: return "-";
    case Operation::Multiply: return "X";
    case Operation::Divide: return "÷";
    }
    return "";
}

FractionBoard::FractionBoard(Services& s, ScreenDesign design, Differences differences)
    : Screen(s, std::move(design)), diff_(differences)
{
}

TextBox FractionBoard::entry(const char* name, int practice_tab)
{
    if (diff_.practice)
        return input(name).font(sans(13.5, Weight::Bold)).back(pale).centred().tab(practice_tab).in(frame1);
    return display(name).back(board).centred().rtl().in(frame1);
}

TextBox FractionBoard::sign_box()
{
    if (diff_.practice)
        return display("Text12").text("+").font(sans(18, Weight::Bold)).back(board).right().rtl().hidden().in(frame1);
    return editable_display("Text12").text("+").font(sans(13.5, Weight::Bold)).back(board).right().in(frame1);
}

void FractionBoard::reset(Operation op)
{
    for (const TextBox& t : {text5, text6, text8, text9, text10, text11})
        t.set_text("");
    line1_4.hide();
    line1_3.hide();
    line1_2.hide();
    label1_0.hide();
    for (const TextBox& t : {text5, text6, text8, text9, text10, text11, text12})
        t.hide();
    if (op == Operation::Add || op == Operation::Subtract)
        text12.set_text(sign_of(op));
}

void FractionBoard::work(Operation op, const Fractions& f)
{
    switch (op) {
    case Operation::Add:
    case Operation::Subtract: common_denominator(op, f); break;
    case Operation::Multiply: multiply(f); break;
    case Operation::Divide: divide(f); break;
    }
}

bool FractionBoard::can_show(std::initializer_list<Checked> numbers)
{
    for (const Checked& n : numbers)
        if (!n) {
            ui.message(out_of_range(n.range()));
            return false;
        }
    return true;
}

void FractionBoard::common_denominator(Operation op, const Fractions& f)
{
    const bool same = f.b == f.d;
    const Checked l = same ? f.b : common_multiple(f.b, f.d);
    const Checked a2 = Exact(*l / f.b * f.a), c2 = Exact(*l / f.d * f.c);
    const Checked result = op == Operation::Add ? Exact(*a2 + *c2) : Exact(*a2 - *c2);
    // A refused number reads as 0 here, so every later one is checked only after it.
    if (!can_show({l}) || !can_show({a2, c2}) || !can_show({result}))
        return;

    ui.message(same ? same_denominators : different_denominators);
    for (const TextBox& t : {text9, text11, text6})
        t.set_text(cstr(*l));
    // The number stands in the title and the words in the box: together they read
    // "L is the new denominator".
    if (!same)
        ui.message(new_denominator, cstr(*l));
    for (const TextBox& t : {text8, text9, text10, text11, text12})
        t.show();
    line1_4.show();
    line1_3.show();
    line1_2.show();
    label1_0.show();
    ui.message(rescale);
    text8.set_text(cstr(*a2));
    text10.set_text(cstr(*c2));
    text5.show();
    text6.show();
    text5.set_text(cstr(*result));
}

void FractionBoard::multiply(const Fractions& f)
{
    const Checked numerator = Exact(f.a * f.c), denominator = Exact(f.b * f.d);
    if (!can_show({numerator, denominator}))
        return;

    ui.message(multiplication);
    text8.show();
    text9.show();
    text8.set_text(cstr(*numerator));
    text9.set_text(cstr(*denominator));
    line1_4.show();
}

void FractionBoard::divide(const Fractions& f)
{
    const Checked numerator = Exact(f.a * f.d), denominator = Exact(f.b * f.c);
    if (!can_show({numerator, denominator}))
        return;

    ui.message(division);
    for (const TextBox& t : {text8, text9, text10, text11, text12})
        t.show();
    line1_4.show();
    line1_3.show();
    label1_0.show();
    text12.set_text(sign_of(Operation::Multiply));
    // The second fraction turned over.
    text8.set_text(cstr(f.a));
    text9.set_text(cstr(f.b));
    text10.set_text(cstr(f.d));
    text11.set_text(cstr(f.c));
    line1_2.show();
    text5.show();
    text6.show();
    text5.set_text(cstr(*numerator));
    text6.set_text(cstr(*denominator));
}

}  // namespace numeria
