#pragma once
// Process-wide values, set once at start-up (run mode) or by the show's keys.
#include <string>

namespace vm::global {

inline std::string RunModeText;   // "", "RunMode", "SetupMode" or "PreviewMode"
inline bool SettingsMode = false; // the settings dialog is the main window

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
};
inline Rect PreviewRect; // the host window's rectangle moved to the origin

inline bool Paused = false;
inline bool MouseHold = false;

} // namespace vm::global
