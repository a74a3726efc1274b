// fractio's description.
#include "fractio/screens.h"

#include "fractio/form2.h"

namespace fractio {

const model::ProgramDescription& program()
{
    static const model::ProgramDescription description = {
        .id = "fractio",
        .title = app_title,
        .start = "Form2",
        .screens = {model::entry<Form2>("Form2")},
    };
    return description;
}

}  // namespace fractio
