// The fraction lesson.
#pragma once

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form3 final : Screen {
    explicit Form3(Services& s);
    Button command1
        = button("Command1").at(1560, 5880, 855, 375).caption("الرجوع").tab(0).on_click([this] { command1_click(); });

    void command1_click();
};

}  // namespace numeria
