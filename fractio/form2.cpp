// SPDX-License-Identifier: GPL-3.0-or-later
// The start screen.
#include "fractio/form2.h"

#include "fractio/form3.h"
#include "fractio/screens.h"

namespace fractio {

Form2::Form2(Services& s)
    : Screen(s,
             {.name = "Form2",
              .caption = app_title,
              .back = back_colour,
              .width = 6585,
              .height = 4005,
              .start = StartUp::System,
              .spoken = window_name("البداية")})
{
}

void Form2::command1_click()
{
    ui.show<Form3>();
    ui.unload(*this);
}

void Form2::command2_click()
{
    ui.message("شكراً .. لاختيارك مجموعة برامج الدرفاني");
    ui.end();
}

}  // namespace fractio
