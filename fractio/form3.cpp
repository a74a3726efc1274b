// SPDX-License-Identifier: GPL-3.0-or-later
// The menu.
#include "fractio/form3.h"

#include "fractio/form1.h"
#include "fractio/form2.h"
#include "fractio/form4.h"
#include "fractio/form5.h"

namespace fractio {

Form3::Form3(Services& s)
    : Screen(s,
             {.name = "Form3",
              .caption = app_title,
              .back = back_colour,
              .width = 6390,
              .height = 3870,
              .start = StartUp::System,
              .spoken = window_name("القائمة")})
{
}

void Form3::command1_click()
{
    ui.show<Form1>();
    ui.unload(*this);
}

void Form3::command2_click()
{
    ui.show<Form4>();
    ui.unload(*this);
}

void Form3::command3_click()
{
    ui.show<Form5>();
    ui.unload(*this);
}

void Form3::command4_click()
{
    ui.show<Form2>();
    ui.unload(*this);
}

}  // namespace fractio
