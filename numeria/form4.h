// The linear-equation lesson.
#pragma once

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form4 final : Screen {
    explicit Form4(Services& s);
    Button command1
        = button("Command1").at(1200, 6240, 975, 375).caption("الرجوع").tab(0).on_click([this] { command1_click(); });

    void command1_click();
};

}  // namespace numeria
