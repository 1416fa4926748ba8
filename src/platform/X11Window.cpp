#include "platform/X11Window.h"

#include <X11/Xlib.h>

namespace vm {
namespace {

bool badWindow = false;
int RememberError(Display*, XErrorEvent*)
{
    badWindow = true;
    return 0;
}

} // namespace

std::optional<WindowGeometry> X11WindowGeometry(uint64_t windowId)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return std::nullopt;
    badWindow = false;
    auto previous = XSetErrorHandler(RememberError);
    XWindowAttributes attributes{};
    const Status ok = XGetWindowAttributes(display, Window(windowId), &attributes);
    std::optional<WindowGeometry> result;
    if (ok && !badWindow) {
        int x = 0, y = 0;
        Window child;
        XTranslateCoordinates(display, Window(windowId), attributes.root, 0, 0, &x, &y, &child);
        if (!badWindow)
            result = WindowGeometry{x, y, attributes.width, attributes.height};
    }
    XSync(display, False);
    XSetErrorHandler(previous);
    XCloseDisplay(display);
    return result;
}

} // namespace vm
