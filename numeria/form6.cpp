// The exercise sheet.
#include "numeria/form6.h"

#include "numeria/form1.h"

namespace numeria {

Form6::Form6(Services& s)
    : Screen(s,
             {.name = "Form6",
              .caption = spaces(63) + "تدريبـــــــــــــــــــــــات",
              .back = 0x00FFFF80,
              .width = 6975,
              .height = 6555})
{
}

void Form6::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
