// A program's screens by designer name, so tools and tests can open any of them.
#pragma once

#include <string_view>
#include <vector>

#include "model/services.h"

namespace model {

struct ScreenEntry {
    std::string_view name;
    void (*show)(Services&);
};

template <class T>
constexpr ScreenEntry entry(std::string_view name)
{
    return {name, [](Services& s) { s.show<T>(); }};
}

}  // namespace model
