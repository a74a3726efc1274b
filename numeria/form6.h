// The exercise sheet.
#pragma once

#include "model/screen.h"

namespace numeria {

using namespace model;

struct Form6 final : Screen {
    explicit Form6(Services& s);
    Button command1
        = button("Command1").at(4560, 6120, 1095, 375).caption("الرجوع").tab(0).on_click([this] { command1_click(); });

    void command1_click();
};

}  // namespace numeria
