#pragma once
// The user's settings: named sections of named string values, kept in one file
// (Paths::SettingsFile()). Every handle on the same file shares one live copy,
// and every write goes to disk at once, replacing the file atomically; a write
// that fails throws vm::Error and leaves both the file and the live copy as they
// were. A file that could not be read cleanly is copied aside (".broken-<time>")
// before it is first overwritten, so nothing in it is lost.
#include "settings/SettingsFileFormat.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

class SettingsStore {
public:
    // Opens the user's settings file.
    SettingsStore();
    explicit SettingsStore(const std::string& path);

    std::string ReadString(std::string_view section, std::string_view name, std::string_view fallback = {}) const;
    // A missing value or one that is not an integer gives the fallback.
    int32_t ReadInteger(std::string_view section, std::string_view name, int32_t fallback) const;
    bool ReadBool(std::string_view section, std::string_view name, bool fallback) const;

    void WriteString(std::string_view section, std::string_view name, std::string_view text);
    void WriteInteger(std::string_view section, std::string_view name, int32_t value);
    void WriteBool(std::string_view section, std::string_view name, bool value);

    void EraseSection(std::string_view section);
    // Value names in the order they were first written.
    std::vector<std::string> ListSection(std::string_view section) const;

    bool ValueExists(std::string_view section, std::string_view name) const;
    const SettingsData& Data() const;
    const std::string& Path() const;

    struct Document; // the shared live copy of one file

private:
    std::shared_ptr<Document> doc_;
};

} // namespace vm
