// fractio: its title, its screens and the screen it starts on.
#pragma once

#include "model/screen.h"
#include "model/screen_list.h"

namespace fractio {

// Every screen's caption and every message box's title.
inline constexpr const char* app_title = "مجموعة برامج الدرفاني";
inline constexpr model::Colour back_colour = 0x00C0FFFF;
const model::ProgramDescription& program();

}  // namespace fractio
