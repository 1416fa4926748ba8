#pragma once
// What the show asks of the X11 desktop: no screensaver or blanking of its own
// while the show runs, the monitor's low-power mode, and windows without a
// taskbar entry. Each call does nothing when there is no X11 display.
#include <cstdint>

namespace vm {

// While it lives, the desktop's own screensaver and display blanking stay off;
// the previous state comes back when it ends.
class ScreenSaverInhibitor {
public:
    ScreenSaverInhibitor();
    ~ScreenSaverInhibitor();
    ScreenSaverInhibitor(const ScreenSaverInhibitor&) = delete;
    ScreenSaverInhibitor& operator=(const ScreenSaverInhibitor&) = delete;

private:
    bool suspended_ = false;
    bool dpmsWasOn_ = false;
};

// Puts the monitor into its low-power (standby) state through DPMS.
bool MonitorLowPower();

// Marks a top-level window as one that the taskbar and pager leave out.
void SkipTaskbar(uint64_t windowId);

} // namespace vm
