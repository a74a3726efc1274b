// numeria's screens and its application title.
#pragma once

#include <vector>

#include "model/screen_list.h"

namespace numeria {

inline constexpr const char* app_title = "numeria";
const std::vector<model::ScreenEntry>& screens();

}  // namespace numeria
