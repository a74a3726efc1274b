// The quadratic-equation lesson.
#include "numeria/form10.h"

#include "numeria/form1.h"

namespace numeria {

Form10::Form10(Services& s)
    : Screen(s,
             {.name = "Form10",
              .caption = spaces(37) + "حل معادلة من الدرجة الثانية في متغير",
              .back = 0x00FFFF80,
              .width = 6390,
              .height = 7725,
              .start = StartUp::Manual,
              .left = 2445,
              .top = 315})
{
}

void Form10::command6_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
