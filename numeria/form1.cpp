// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu.
#include "numeria/form1.h"

#include "numeria/form10.h"
#include "numeria/form2.h"
#include "numeria/form3.h"
#include "numeria/form4.h"
#include "numeria/form5.h"
#include "numeria/form6.h"

namespace numeria {

Form1::Form1(Services& s)
    : Screen(s,
             {.name = "Form1",
              .caption = spaces(27) + "برنامج اساسيات الرياضيات",
              .back = 0x00FFFF00,
              .width = 4410,
              .height = 6120,
              .start = StartUp::Centred,
              .icon = "numeria-icon"})
{
}

void Form1::command1_click()
{
    ui.unload(*this);
    ui.show<Form2>();
}
void Form1::command2_click()
{
    ui.unload(*this);
    ui.show<Form3>();
}
void Form1::command3_click()
{
    ui.unload(*this);
    ui.show<Form4>();
}
void Form1::command7_click()
{
    ui.unload(*this);
    ui.show<Form10>();
}
void Form1::command5_click()
{
    ui.unload(*this);
    ui.show<Form6>();
}
void Form1::command6_click()
{
    ui.unload(*this);
    ui.show<Form5>();
}

void Form1::command4_click()
{
    ui.message("نتمنى أنك قد أستفدت من البرنامج... ونتمنى لك أيضا التوفيق والنجاح");
    ui.end();
}

}  // namespace numeria
