#pragma once
// The text form of the settings store: sections in brackets, in name order,
// each followed by its name=value lines in the order they were first written.
//
//   [Miscellaneous]
//   Stay=2000
//   ExifFormat=%D\r\n%C\r\n
//
// Bytes that would break a line apart are escaped so that any text round-trips:
// "\\" for a backslash, "\r" and "\n", "\xHH" for other control bytes, and in
// names also "=", and a leading "[" or ";". Other bytes (UTF-8 text) stay as they
// are. Section and value names compare without regard to case; the first
// spelling written is kept.
#include <string>
#include <string_view>
#include <vector>

namespace vm {

struct SettingsValue {
    std::string name;
    std::string text;
    bool operator==(const SettingsValue&) const = default;
};

struct SettingsSection {
    std::string name;
    std::vector<SettingsValue> values;
    bool operator==(const SettingsSection&) const = default;
};

struct SettingsData {
    std::vector<SettingsSection> sections;

    const SettingsSection* Find(std::string_view section) const;
    SettingsSection* Find(std::string_view section);
    const SettingsValue* Find(std::string_view section, std::string_view name) const;
    // Creates the section and the value when missing; an existing value keeps its place.
    void Set(std::string_view section, std::string_view name, std::string_view text);
    void Erase(std::string_view section);
    bool operator==(const SettingsData&) const = default;
};

struct ParsedSettings {
    SettingsData data;
    // False when anything was skipped or repaired: stray lines, lines without
    // "=", bad escapes, duplicate sections or values. Such a file is kept as a
    // copy before it is first overwritten.
    bool clean = true;
};

ParsedSettings ParseSettings(std::string_view text);
std::string SerializeSettings(const SettingsData& data);

} // namespace vm
