// SPDX-License-Identifier: GPL-3.0-or-later
// fractio's description.
#include "fractio/screens.h"

#include "fractio/form1.h"
#include "fractio/form2.h"
#include "fractio/form3.h"
#include "fractio/form4.h"
#include "fractio/form5.h"

namespace fractio {

const model::ProgramDescription& program()
{
    static const model::ProgramDescription description = {
        .id = "fractio",
        .title = app_title,
        .start = "Form2",
        .icon = "fractio-icon",
        .desktop_entry = "org.numeria.Fractio",
        .screens = {model::entry<Form1>("Form1"), model::entry<Form2>("Form2"), model::entry<Form3>("Form3"),
                    model::entry<Form4>("Form4"), model::entry<Form5>("Form5")},
    };
    return description;
}

}  // namespace fractio
