// SPDX-License-Identifier: GPL-3.0-or-later
// The simplification screen. Any fraction of two exact numbers, decimals included, reduces to
// lowest terms of whole numbers, signs and all.
#include "fractio/form4.h"

#include "fractio/form3.h"

namespace fractio {

using values::Exact;

namespace {

constexpr const char* incomplete = "أكمل البيانات";
constexpr const char* impossible = "لا يمكن .. فضلاً تأكد من الكسر";
// The largest whole number written with all its digits; a longer one is cut to 15 significant
// digits, and a fraction shown so would no longer equal the pupil's.
const values::Exact written_limit(999999999999999);

}  // namespace

Form4::Form4(Services& s)
    : Screen(s,
             {.name = "Form4",
              .caption = app_title,
              .back = back_colour,
              .width = 8955,
              .height = 3735,
              .start = StartUp::System,
              .spoken = window_name("تبسيط الكسر")})
{
}

void Form4::command1_click()
{
    if (text1.text().empty() || text2.text().empty()) {
        ui.message(incomplete);
        return;
    }
    const auto n = values::strict_exact(text1.text());
    const auto d = values::strict_exact(text2.text());
    if (!usable(n) || !usable(d)) {
        ui.message(impossible);
        return;
    }
    if (!*n || !*d) {
        ui.message(too_small);
        return;
    }
    // More digits than a double keeps: a whole number the pupil types is to be whole exactly, not
    // the neighbour of it that a computer would hold.
    if (!values::held_by_double(text1.text()) || !values::held_by_double(text2.text())) {
        ui.message(too_large);
        return;
    }
    // Lowest terms of whole numbers, each sign left where the pupil typed it.
    const Exact reduced = **n / **d;
    const int sign = sgn(**d);
    show_result(reduced.get_num() * sign, reduced.get_den() * sign);
}

void Form4::show_result(const Exact& numerator, const Exact& denominator)
{
    if (abs(numerator) > written_limit || abs(denominator) > written_limit) {
        ui.message(too_large);
        return;
    }
    if (abs(denominator) == 1) {
        const Exact whole = numerator / denominator;
        label1.set_caption(values::cstr(whole));
        label2.set_caption(values::cstr(Exact(1)));
        label5.set_caption(std::string("=").append(values::cstr(whole)));
        return;
    }
    label1.set_caption(values::cstr(numerator));
    label2.set_caption(values::cstr(denominator));
    label5.set_caption("");
}

void Form4::command3_click()
{
    text1.set_text("");
    text2.set_text("");
    label1.set_caption("");
    label2.set_caption("");
    label5.set_caption("");
}

void Form4::command2_click()
{
    ui.show<Form3>();
    ui.unload(*this);
}

}  // namespace fractio
