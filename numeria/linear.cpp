// SPDX-License-Identifier: GPL-3.0-or-later
// The linear-equation board: the four steps that both the lesson and the practice screen show,
// one per click of the step button.
#include "numeria/linear.h"

#include <utility>

namespace numeria {

using values::Checked;
using values::cstr;
using values::Exact;

namespace {

// What the step button says while each step is the next one.
constexpr const char* step_captions[] = {"الخطوة الأولى", "الخطوة الثانية", "الخطوة الثالثة", "الخطوة الرابعة"};

}  // namespace

LinearBoard::LinearBoard(Services& s, ScreenDesign design, Differences diff) : Screen(s, std::move(design)), diff_(diff)
{
}

TextBox LinearBoard::box(std::string name, BoxRole role)
{
    switch (role) {
    case BoxRole::Input: return input(std::move(name));
    case BoxRole::EditableDisplay: return editable_display(std::move(name));
    case BoxRole::Display: break;
    }
    return display(std::move(name));
}

void LinearBoard::take_step(const Equation& e)
{
    const Checked difference = Exact(e.c - e.b);
    switch (step) {
    case Step::First:
        text10.set_text(cstr(e.b));
        label5.show();
        label9.show();
        text10.show();
        break;
    case Step::Second:
        frame3.show();
        text4.set_text(cstr(e.a));
        text5.set_text(cstr(e.c));
        text6.set_text(cstr(Exact(-e.b)));
        break;
    case Step::Third:
        if (!difference) {
            ui.message(out_of_range(difference.range()));
            return;
        }
        frame4.show();
        text7.set_text(cstr(e.a));
        text8.set_text(cstr(*difference));
        text11.set_text(cstr(e.a));
        text12.set_text(cstr(*difference));
        break;
    case Step::Fourth: {
        const Checked x = difference ? Checked(Exact(*difference / e.a)) : difference;
        if (!x) {
            ui.message(out_of_range(x.range()));
            return;
        }
        frame5.show();
        text9.set_text(cstr(*x));
        command3.hide();
        return;  // the answer is the last step: the button stays on it
    }
    }
    step = static_cast<Step>(static_cast<int>(step) + 1);
    command3.set_caption(step_captions[static_cast<int>(step)]);
}

}  // namespace numeria
