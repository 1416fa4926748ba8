#pragma once
// Every stored setting as one row: where it lives, its field, its read default,
// and who reads and writes it. The rows stand in the order the settings are
// written when the dialog is confirmed.
#include "settings/ShowSettings.h"

#include <span>
#include <string_view>
#include <variant>

namespace vm {

using SettingField = std::variant<int32_t TShowSettings::*, bool TShowSettings::*, std::string TShowSettings::*>;

enum ConfigUse : unsigned {
    kReadByConfig = 1,  // ReadConfig fills it
    kWrittenByConfig = 2, // WriteConfig stores it
    kConfig = kReadByConfig | kWrittenByConfig,
    kElsewhere = 0,     // first run, the dialog's close, the language setup, the installer
};

struct ConfigRow {
    std::string_view section;
    std::string_view name;
    SettingField field;
    std::string_view defaultText; // decimal for integers, "0"/"1" for booleans
    unsigned use;
    // WriteConfig skips the row when this says so (unchanged font, no skin chosen).
    bool (*skipWrite)(const TShowSettings&) = nullptr;
};

std::span<const ConfigRow> ConfigRows();

// The settings an empty store reads as.
TShowSettings DefaultShowSettings();

} // namespace vm
