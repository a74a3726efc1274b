// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise sheet. Load draws the four questions and writes each one's candidates with the right
// answer always at that question's own place; the option buttons only record what the pupil tried,
// and the result button marks from those records alone.
#include "numeria/form6.h"

#include "numeria/form1.h"
#include "values/values.h"

namespace numeria {

using values::cstr;

namespace {

// The place of the right answer among the four candidates of each question.
constexpr std::array<int, 4> right_place = {0, 1, 3, 2};

std::string spoken(double numerator, double denominator) { return cstr(numerator) + " على " + cstr(denominator); }

// A candidate label's name says which candidate it is; the number follows as its description.
void write(Label l, const std::string& text)
{
    l.set_caption(text);
    l.described(text);
}

}  // namespace

Form6::Form6(Services& s)
    : Screen(s,
             {.name = "Form6",
              .caption = spaces(63) + "تدريبـــــــــــــــــــــــات",
              .back = sheet,
              .width = 6975,
              .height = 6555})
{
}

void Form6::load()
{
    chosen_right_.fill(false);
    untried_.fill(true);
    reads_as_right_.fill(false);
    integer_questions();
    fraction_question();
}

// Question q's right answer is Option1(q); its wrong ones are Option2(3q) to Option2(3q + 2), in the
// order of their candidates.
Option Form6::option_of(int question, int position) const
{
    const int right = right_place[question];
    if (position == right)
        return option1[question];
    return option2[3 * question + (position < right ? position : position - 1)];
}

Label Form6::numerator_of(int question, int position) const
{
    const std::array<const ControlArray<Label>*, 4> columns = {&label1, &label2, &label3, &label4};
    return (*columns[position])[question];
}

// Each of the three questions on signed numbers adds, subtracts or multiplies two numbers of
// opposite signs, and offers their sum, their difference, a third wrong answer and their product.
void Form6::integer_questions()
{
    constexpr std::array<const char*, 3> operation = {"زائد", "ناقص", "ضرب"};
    for (int q = 0; q < 3; ++q) {
        const double sign = ui.random().draw(2) == 1 ? -1.0 : 1.0;
        const double a = ui.random().draw(10) * sign;
        const double b = ui.random().draw(10) * -sign;
        text2[q].set_text(cstr(a));
        text3[q].set_text(cstr(b));
        frame1[q].described(cstr(a) + " " + operation[q] + " " + cstr(b));
        // b is never 0, so the remainder always exists.
        const double third = q == 0 ? 2 * *values::mod(a, b) : 2 * (a + b);
        const std::array<double, 4> candidates = {a + b, a - b, third, a * b};
        std::array<std::string, 4> written;
        for (int c = 0; c < 4; ++c) {
            written[c] = cstr(candidates[c]);
            write(numerator_of(q, c), written[c]);
        }
        note_lookalikes(q, written);
    }
}

void Form6::fraction_question()
{
    const double n1 = ui.random().draw(10);
    const double d1 = ui.random().draw(10);
    const double n2 = ui.random().draw(10);
    const double d2 = ui.random().draw(10);
    text2[3].set_text(cstr(n1));
    text4_0.set_text(cstr(d1));
    text3[3].set_text(cstr(n2));
    text6_0.set_text(cstr(d2));
    frame1[3].described(spoken(n1, d1) + " زائد " + spoken(n2, d2));
    const double common = *values::lcm(d1, d2);  // small whole denominators always have one
    // The first candidate is the first fraction alone, which is never the sum. The right one is the
    // sum over the common denominator, left unreduced.
    const std::array<Fraction, 4> candidates = {{
        {n1, d1},
        {n1 + n2, d1 * d2},
        {n1 * (common / d1) + n2 * (common / d2), common},
        {n1 + n2, d1 + d2},
    }};
    std::array<std::string, 4> written;
    for (int c = 0; c < 4; ++c) {
        const Fraction& f = candidates[c];
        write(numerator_of(3, c), cstr(f.numerator));
        write(label7[c], cstr(f.denominator));
        written[c] = spoken(f.numerator, f.denominator);
    }
    note_lookalikes(3, written);
}

void Form6::note_lookalikes(int question, const std::array<std::string, 4>& written)
{
    const int right = right_place[question];
    for (int c = 0, k = 3 * question; c < 4; ++c)
        if (c != right)
            reads_as_right_[k++] = written[c] == written[right];
}

void Form6::option1_click(int index) { chosen_right_[index] = true; }

// A wrong-answer button whose candidate reads as the right answer is a right choice, and is never
// greyed out as a tried wrong one.
void Form6::option2_click(int index)
{
    if (reads_as_right_[index])
        chosen_right_[index / 3] = true;
    else
        untried_[index] = false;
}

void Form6::command2_click()
{
    for (int i = 0; i < 4; ++i) {
        const bool right = chosen_right_[i];
        frame3[i].set_visible(right);
        frame2[i].set_visible(!right);
    }
    for (int k = 0; k < 12; ++k)
        option2[k].set_enabled(untried_[k]);
}

void Form6::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
