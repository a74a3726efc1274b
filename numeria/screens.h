// SPDX-License-Identifier: GPL-3.0-or-later
// numeria: its title, its screens and the menu it starts on.
#pragma once

#include "model/screen_list.h"

namespace numeria {

inline constexpr const char* app_title = "numeria";
const model::ProgramDescription& program();

}  // namespace numeria
