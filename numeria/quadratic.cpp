// SPDX-License-Identifier: GPL-3.0-or-later
// The general-formula method on the quadratic board: substitution, simplification, the
// discriminant test and the solutions, one step per click.
#include "numeria/quadratic.h"

namespace numeria {

using values::cstr;
using values::Exact;
using values::format00;

namespace {

struct Solutions {
    Exact plus, minus;  // (-b + √D) / 2a and (-b - √D) / 2a
};

// The two solutions of a positive discriminant from its root, by the form that loses nothing when
// b² is far larger than 4ac: q = -(b ± √D) / 2 with the sign of b, so that nothing cancels, then
// one solution is q / a and the other c / q.
Solutions solve(const Exact& a, const Exact& b, const Exact& c, const Exact& root)
{
    const Exact q = b >= 0 ? Exact(-(b + root) / 2) : Exact((root - b) / 2);
    const Exact by_a = q / a, by_c = c / q;
    return b >= 0 ? Solutions{by_c, by_a} : Solutions{by_a, by_c};
}

}  // namespace

QuadraticBoard::QuadraticBoard(Services& s, ScreenDesign design, Differences diff)
    : Screen(s, std::move(design)), diff_(diff)
{
    for (Control& c : controls())
        if (c.order > command1.control().order)
            made_.push_back({&c, c.text, c.visible});
}

void QuadraticBoard::first_step(const Equation& e)
{
    e_ = e;
    text4.set_text(cstr(e.a));
    text5.set_text(cstr(e.b));
    text6.set_text(cstr(e.c));
    frame1.show();
    frame2.show();
    command2.show();
}

void QuadraticBoard::start_over()
{
    for (const Made& m : made_) {
        m.control->text = m.text;
        m.control->visible = m.visible;
    }
    step_ = Step::Substitution;
    d_.reset();
}

// The working is written exactly at any size, however small, since the solutions it leads to are
// the answer; only what is too large to write is refused.
bool QuadraticBoard::can_write(std::initializer_list<Exact> numbers)
{
    for (const Exact& x : numbers)
        if (values::range_of(x) == values::Range::TooLarge) {
            ui.message(numbers_too_large);
            return false;
        }
    return true;
}

void QuadraticBoard::command2_click()
{
    switch (step_) {
    case Step::Substitution: substitute(); break;
    case Step::Simplification: simplify(); break;
    case Step::Discriminant: test_discriminant(); break;
    }
}

void QuadraticBoard::substitute()
{
    const auto& [a, b, c] = e_;
    text7.set_text(cstr(b));
    text8.set_text(cstr(b));
    text9.set_text(cstr(a));
    text10.set_text(cstr(c));
    text11.set_text(cstr(a));
    step_ = Step::Simplification;
    command2.set_caption("الخطوة الأولى");
}

void QuadraticBoard::simplify()
{
    const auto& [a, b, c] = e_;
    const Exact square = b * b, four_ac = 4 * a * c, two_a = 2 * a;
    if (!can_write({square, four_ac, two_a}))
        return;
    label2_0.hide();
    line4.hide();
    text7.set_text(cstr(Exact(-b)));
    text8.set_text(cstr(square));
    label4.hide();
    label5_0.set_caption(cstr(four_ac));
    label5_1.hide();
    text9.hide();
    text10.hide();
    line6.hide();
    label5_2.hide();
    text11.set_text(cstr(two_a));
    step_ = Step::Discriminant;
    command2.set_caption("التأكد من الجذر التربيعي");
}

// Every further press comes back here and says the same again.
void QuadraticBoard::test_discriminant()
{
    const auto& [a, b, c] = e_;
    const Exact d = b * b - 4 * a * c;
    if (!can_write({d}))
        return;
    line7.hide();
    label5_0.hide();
    label2_1.hide();
    line8.hide();
    d_ = d;
    text8.set_text(cstr(d));
    if (d == 0) {
        ui.message("يوجد حل وحيد للمعادلة لان.. ما تحت الجذر يساوي صفر");
        command4.show();
    } else if (d > 0) {
        ui.message("يوجد حلان مختلفان للمعادلة.. لان ما تحت الجذر موجب");
        command4.show();
    } else {
        ui.message("لا يوجد حل حقيقي... لان ما تحت الجذر سالب");
    }
}

void QuadraticBoard::command4_click()
{
    if (!d_ || *d_ < 0)
        return;
    const auto& [a, b, c] = e_;
    const Exact minus_b = -b, two_a = 2 * a;
    if (*d_ == 0) {
        const Exact x = minus_b / two_a;
        if (!can_write({x}))
            return;
        frame3.show();
        frame6.show();
        text20.set_text(cstr(minus_b));
        text21.set_text(cstr(two_a));
        text22.set_text(format00(x));
        return;
    }
    const Exact root = *values::square_root(*d_);
    const Solutions x = solve(a, b, c, root);
    if (!can_write({x.plus, x.minus}))
        return;
    frame3.show();
    frame4.show();
    frame5.show();
    text12.set_text(cstr(minus_b));
    text15.set_text(cstr(minus_b));
    text17.set_text(cstr(two_a));
    text14.set_text(cstr(two_a));
    text13.set_text(format00(root));
    text18.set_text(format00(x.plus));
    text16.set_text(format00(root));
    text19.set_text(format00(x.minus));
}

}  // namespace numeria
