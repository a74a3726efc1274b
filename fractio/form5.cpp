// SPDX-License-Identifier: GPL-3.0-or-later
// The multiplication-table quiz. The screen keeps the factors it drew, so marking never reads
// them back from the labels; an answer that is not a number is simply wrong.
#include "fractio/form5.h"

#include "fractio/form3.h"
#include "values/values.h"

namespace fractio {

namespace {

constexpr const char* incomplete_row = " أكمل البيانات";
constexpr const char* incomplete_sheet = " أكمل البيانات ";
constexpr const char* not_started = "اضغط على ابدأ أولاً .. لتظهر الأسئلة";
constexpr const char* right = " صح";
constexpr const char* wrong = "خطأ";

}  // namespace

Form5::Form5(Services& s)
    : Screen(s,
             {.name = "Form5",
              .caption = app_title,
              .back = back_colour,
              .width = 7590,
              .height = 5730,
              .start = StartUp::System,
              .spoken = window_name("اختبار جدول الضرب")})
{
}

// The clock is read before every draw; ten readings within one instant still give varied draws,
// because the generator mixes each reading into its state instead of restarting from it.
void Form5::command6_click()
{
    std::array<double, 2 * rows> drawn{};
    for (double& x : drawn) {
        ui.random().randomize();
        x = ui.random().draw_from_zero(13);
    }
    std::array<Question, rows> questions{};
    for (int r = 0; r < rows; ++r) {
        questions[r] = {drawn[r], drawn[rows + r]};
        label1[r].set_caption(values::cstr(questions[r].first));
        label2[r].set_caption(values::cstr(questions[r].second));
    }
    questions_ = questions;
    // A verdict belongs to the question it marked, which is gone now.
    for (const Label& v : verdicts())
        v.set_caption("");
}

void Form5::mark_row(int row)
{
    if (text1[row].text().empty()) {
        ui.message(incomplete_row);
        return;
    }
    if (!questions_) {
        ui.message(not_started);
        return;
    }
    write_verdict(row);
}

void Form5::write_verdict(int row)
{
    const Question& q = (*questions_)[row];
    const auto answer = values::strict(text1[row].text());
    verdicts()[row].set_caption(answer && *answer == q.first * q.second ? right : wrong);
}

void Form5::command8_click()
{
    for (const TextBox& answer : text1)
        if (answer.text().empty()) {
            ui.message(incomplete_sheet);
            return;
        }
    if (!questions_) {
        ui.message(not_started);
        return;
    }
    for (int r = 0; r < rows; ++r)
        write_verdict(r);
}

void Form5::command9_click()
{
    for (const TextBox& answer : text1)
        answer.set_text("");
    for (const Label& v : verdicts())
        v.set_caption("");
}

void Form5::command7_click()
{
    ui.show<Form3>();
    ui.unload(*this);
}

}  // namespace fractio
