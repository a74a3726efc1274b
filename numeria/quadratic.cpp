// The general-formula method on the quadratic board: substitution, simplification, the
// discriminant test and the solutions, one step per click.
#include "numeria/quadratic.h"

#include <cmath>

#include "values/values.h"

namespace numeria {

using values::cstr;
using values::finite;
using values::format00;

QuadraticBoard::QuadraticBoard(Services& s, ScreenDesign design, Differences diff)
    : Screen(s, std::move(design)), diff_(diff)
{
    for (Control& c : controls())
        if (c.order > command1.control().order)
            made_.push_back({&c, c.text, c.visible});
}

void QuadraticBoard::first_step(Equation e)
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
    const auto [a, b, c] = e_;
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
    const auto [a, b, c] = e_;
    const auto square = finite(b * b), four_ac = finite(4 * a * c), two_a = finite(2 * a);
    if (!square || !four_ac || !two_a) {
        ui.message(numbers_too_large);
        return;
    }
    label2_0.hide();
    line4.hide();
    text7.set_text(cstr(b * -1));
    text8.set_text(cstr(*square));
    label4.hide();
    label5_0.set_caption(cstr(*four_ac));
    label5_1.hide();
    text9.hide();
    text10.hide();
    line6.hide();
    label5_2.hide();
    text11.set_text(cstr(*two_a));
    step_ = Step::Discriminant;
    command2.set_caption("التأكد من الجذر التربيعي");
}

// Every further press comes back here and says the same again.
void QuadraticBoard::test_discriminant()
{
    const auto [a, b, c] = e_;
    const auto d = finite(b * b - 4 * a * c);
    if (!d) {
        ui.message(numbers_too_large);
        return;
    }
    line7.hide();
    label5_0.hide();
    label2_1.hide();
    line8.hide();
    d_ = *d;
    text8.set_text(cstr(*d));
    if (*d == 0) {
        ui.message("يوجد حل وحيد للمعادلة لان.. ما تحت الجذر يساوي صفر");
        command4.show();
    } else if (*d > 0) {
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
    const auto [a, b, c] = e_;
    if (*d_ == 0) {
        const auto x = finite(-b / (2 * a));
        if (!x) {
            ui.message(numbers_too_large);
            return;
        }
        frame3.show();
        frame6.show();
        text20.set_text(cstr(-b));
        text21.set_text(cstr(2 * a));
        text22.set_text(format00(*x));
        return;
    }
    const double root = std::sqrt(*d_);
    const auto x1 = finite((-b + root) / (2 * a)), x2 = finite((-b - root) / (2 * a));
    if (!x1 || !x2) {
        ui.message(numbers_too_large);
        return;
    }
    frame3.show();
    frame4.show();
    frame5.show();
    text12.set_text(cstr(-b));
    text15.set_text(cstr(-b));
    text17.set_text(cstr(2 * a));
    text14.set_text(cstr(2 * a));
    text13.set_text(format00(root));
    text18.set_text(format00(*x1));
    text16.set_text(format00(root));
    text19.set_text(format00(*x2));
}

}  // namespace numeria
