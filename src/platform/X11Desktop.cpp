#include "platform/X11Desktop.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/extensions/dpms.h>
#include <X11/extensions/scrnsaver.h>
#include <memory>

namespace vm {
namespace {

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;

DisplayPtr OpenDisplay() { return DisplayPtr(XOpenDisplay(nullptr), XCloseDisplay); }

} // namespace

ScreenSaverInhibitor::ScreenSaverInhibitor()
{
    DisplayPtr display = OpenDisplay();
    if (!display)
        return;
    int event = 0, error = 0;
    if (XScreenSaverQueryExtension(display.get(), &event, &error)) {
        XScreenSaverSuspend(display.get(), True);
        suspended_ = true;
    }
    if (DPMSQueryExtension(display.get(), &event, &error) && DPMSCapable(display.get())) {
        CARD16 level = 0;
        BOOL on = False;
        DPMSInfo(display.get(), &level, &on);
        dpmsWasOn_ = on;
        if (on)
            DPMSDisable(display.get());
    }
    XResetScreenSaver(display.get());
    XFlush(display.get());
}

ScreenSaverInhibitor::~ScreenSaverInhibitor()
{
    DisplayPtr display = OpenDisplay();
    if (!display)
        return;
    if (suspended_)
        XScreenSaverSuspend(display.get(), False);
    if (dpmsWasOn_)
        DPMSEnable(display.get());
    XFlush(display.get());
}

bool MonitorLowPower()
{
    DisplayPtr display = OpenDisplay();
    int event = 0, error = 0;
    if (!display || !DPMSQueryExtension(display.get(), &event, &error) || !DPMSCapable(display.get()))
        return false;
    DPMSEnable(display.get());
    const bool ok = DPMSForceLevel(display.get(), DPMSModeStandby);
    XFlush(display.get());
    return ok;
}

void SkipTaskbar(uint64_t windowId)
{
    DisplayPtr display = OpenDisplay();
    if (!display)
        return;
    const Atom state = XInternAtom(display.get(), "_NET_WM_STATE", False);
    const Atom skip[2] = {XInternAtom(display.get(), "_NET_WM_STATE_SKIP_TASKBAR", False),
                          XInternAtom(display.get(), "_NET_WM_STATE_SKIP_PAGER", False)};
    // Before mapping the property is read by the window manager; after it, ask it.
    XChangeProperty(display.get(), Window(windowId), state, XA_ATOM, 32, PropModeAppend,
                    reinterpret_cast<const unsigned char*>(skip), 2);
    XEvent message{};
    message.xclient.type = ClientMessage;
    message.xclient.window = Window(windowId);
    message.xclient.message_type = state;
    message.xclient.format = 32;
    message.xclient.data.l[0] = 1; // add
    message.xclient.data.l[1] = long(skip[0]);
    message.xclient.data.l[2] = long(skip[1]);
    XSendEvent(display.get(), DefaultRootWindow(display.get()), False,
               SubstructureRedirectMask | SubstructureNotifyMask, &message);
    XFlush(display.get());
}

} // namespace vm
