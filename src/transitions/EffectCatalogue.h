#pragma once
// The catalogue: every style's number, name and procedure, and lookup by name.
#include "transitions/Effect.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace vm {

// Entry n - 1 is style n. Built into the program; never changes.
const std::array<TEffect, kMaxStyle>& Effects();

// "Custom" for style 0, else the name of the style's entry.
std::string StyleName(TShowStyle style);

// The style whose name equals name ignoring case: "Custom" first, then entries 1..150
// in order (so the duplicated names find 18 and 25). Nothing without a match.
std::optional<TShowStyle> StyleFromName(std::string_view name);

} // namespace vm
