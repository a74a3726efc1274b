// The quadratic-equation lesson.
#pragma once

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form10 final : Screen {
    explicit Form10(Services& s);
    Button command6
        = button("Command6").at(2400, 7320, 1455, 375).caption("الرجوع").tab(0).on_click([this] { command6_click(); });

    void command6_click();
};

}  // namespace numeria
