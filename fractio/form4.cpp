// The simplification screen. Whole numbers reduce by their greatest common divisor, signs and
// all; a fraction with a non-whole part is accepted only when it comes out as a whole number.
#include "fractio/form4.h"

#include <cmath>

#include "fractio/form3.h"
#include "values/values.h"

namespace fractio {

namespace {

constexpr const char* incomplete = "أكمل البيانات";
constexpr const char* impossible = "لا يمكن .. فضلاً تأكد من الكسر";

// Beyond this a double no longer holds every whole number, so no reduction could be trusted.
constexpr double exact_limit = 9007199254740992.0;  // 2^53
// The largest whole number written with all its digits; a longer one is cut to 15 significant
// digits, and a fraction shown so would no longer equal the pupil's.
constexpr double written_limit = 999999999999999.0;

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
    const auto n = values::strict(text1.text());
    const auto d = values::strict(text2.text());
    if (!n || !d || *n == 0 || *d == 0) {
        ui.message(impossible);
        return;
    }
    if (std::abs(*n) > exact_limit || std::abs(*d) > exact_limit) {
        ui.message(too_large);
        return;
    }
    if (const auto g = values::gcd(*n, *d)) {
        show_result(*n / *g, *d / *g);
        return;
    }
    // A quotient that comes out whole only by rounding leaves a remainder: the fraction is not a
    // whole number. The remainder of a rounded quotient is held exactly, so the test is exact.
    const double q = *n / *d;
    if (values::int_(q) == q && q != 0 && std::fma(q, *d, -*n) == 0) {
        show_result(q, 1);
        return;
    }
    ui.message(impossible);
}

void Form4::show_result(double numerator, double denominator)
{
    if (std::abs(numerator) > written_limit || std::abs(denominator) > written_limit) {
        ui.message(too_large);
        return;
    }
    if (std::abs(denominator) == 1) {
        const double whole = numerator / denominator;
        label1.set_caption(values::cstr(whole));
        label2.set_caption(values::cstr(1));
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
