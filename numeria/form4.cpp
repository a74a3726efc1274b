// The linear-equation lesson.
#include "numeria/form4.h"

#include "numeria/form1.h"

namespace numeria {

Form4::Form4(Services& s)
    : Screen(s,
             {.name = "Form4",
              .caption = spaces(33) + "حل المعادلة من الدرجة الاولى في متغير واحد",
              .back = 0x00FFFFC0,
              .fore = 0x00C000C0,
              .width = 6405,
              .height = 6720,
              .start = StartUp::Manual,
              .left = 2265,
              .top = 690})
{
}

void Form4::command1_click()
{
    ui.unload(*this);
    ui.show<Form1>();
}

}  // namespace numeria
