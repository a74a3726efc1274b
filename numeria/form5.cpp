// SPDX-License-Identifier: GPL-3.0-or-later
// The about screen.
#include "numeria/form5.h"

#include "numeria/form1.h"

namespace numeria {

Form5::Form5(Services& s)
    : Screen(
        s, {.name = "Form5", .caption = spaces(41) + "عن البرنامج", .back = 0x00FFFFC0, .width = 4680, .height = 5190})
{
}

void Form5::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
