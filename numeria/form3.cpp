// The fraction lesson.
#include "numeria/form3.h"

#include "numeria/form1.h"

namespace numeria {

Form3::Form3(Services& s)
    : Screen(s,
             {.name = "Form3",
              .caption = spaces(42) + "العمليات على الكسور",
              .back = 0x00FFFFC0,
              .width = 5475,
              .height = 6345})
{
}

void Form3::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
