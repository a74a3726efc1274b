// SPDX-License-Identifier: GPL-3.0-or-later
// numeria's description.
#include "numeria/screens.h"

#include "numeria/form1.h"
#include "numeria/form10.h"
#include "numeria/form11.h"
#include "numeria/form2.h"
#include "numeria/form3.h"
#include "numeria/form4.h"
#include "numeria/form5.h"
#include "numeria/form6.h"
#include "numeria/form7.h"
#include "numeria/form8.h"
#include "numeria/form9.h"

namespace numeria {

const model::ProgramDescription& program()
{
    static const model::ProgramDescription description = {
        .id = "numeria",
        .title = app_title,
        .start = "Form1",
        .icon = "numeria-icon",
        .desktop_entry = "org.numeria.Numeria",
        .screens = {
            model::entry<Form1>("Form1"),
            model::entry<Form2>("Form2"),
            model::entry<Form3>("Form3"),
            model::entry<Form4>("Form4"),
            model::entry<Form5>("Form5"),
            model::entry<Form6>("Form6"),
            model::entry<Form7>("Form7"),
            model::entry<Form8>("Form8"),
            model::entry<Form9>("Form9"),
            model::entry<Form10>("Form10"),
            model::entry<Form11>("Form11"),
        },
    };
    return description;
}

}  // namespace numeria
