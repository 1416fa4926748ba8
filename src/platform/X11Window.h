#pragma once
// Questions about a foreign X11 window, such as the preview's host.
#include <cstdint>
#include <optional>

namespace vm {

struct WindowGeometry {
    int left = 0, top = 0, width = 0, height = 0;
};

// The window's rectangle on the screen; nullopt when there is no display or no
// such window.
std::optional<WindowGeometry> X11WindowGeometry(uint64_t windowId);

} // namespace vm
