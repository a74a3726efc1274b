// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzz target: reading and writing numbers never yields inf, nan or -0, and written numbers read back.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "values/values.h"

namespace {

void require(bool condition)
{
    if (!condition)
        __builtin_trap();
}

bool looks_non_finite(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return text.find("inf") != std::string::npos || text.find("nan") != std::string::npos;
}

void require_plain_number(std::optional<double> x)
{
    if (!x)
        return;
    require(std::isfinite(*x));
    require(*x != 0 || !std::signbit(*x));
}

void check_written(double x)
{
    if (!std::isfinite(x))
        return;
    const std::string text = values::cstr(x);
    require(!looks_non_finite(text) && text != "-0");
    require(values::cstr(values::val(text)) == text);
    const std::optional<double> whole = values::strict(text);
    require(whole && *whole == values::val(text));

    const std::string money = values::format00(x);
    require(!looks_non_finite(money) && money != "-0.00");
    require(money.size() >= 4 && money[money.size() - 3] == '.');
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const double lenient = values::val(text);
    const std::optional<double> checked = values::val_checked(text);
    const std::optional<double> whole = values::strict(text);
    require_plain_number(lenient);
    require_plain_number(checked);
    require_plain_number(whole);
    require(checked.value_or(0.0) == lenient);
    require(!whole || (checked && *whole == *checked));

    check_written(lenient);
    if (whole)
        check_written(*whole);
    if (size >= sizeof(double)) {
        double bits = 0;
        std::memcpy(&bits, data, sizeof bits);
        check_written(bits);
    }
    return 0;
}
