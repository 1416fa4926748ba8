#pragma once
// An INI text file read and written the way the Windows profile functions do:
// section and key names compare without regard to case, blanks around keys and
// values are dropped, a value in a pair of quotes loses them, values are at most
// 2047 characters, and the first of duplicate sections or keys wins.
// Writing keeps every other line of the file as it was.
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace vm {

class IniFile {
public:
    static constexpr size_t kMaxValueChars = 2047;

    IniFile() = default;
    explicit IniFile(std::string_view text);
    // A missing or unreadable file reads as empty.
    static IniFile Load(const std::string& path);

    std::optional<std::string> Find(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key, std::string_view fallback = {}) const;
    // Every key=value line of the first matching section, in file order.
    std::vector<std::pair<std::string, std::string>> SectionValues(std::string_view section) const;

    void WriteString(std::string_view section, std::string_view key, std::string_view value);
    std::string Text() const; // lines joined with CR LF
    // Writes beside the file, then replaces it; throws vm::Error on failure.
    void Save(const std::string& path) const;

private:
    struct Line {
        std::string text;
        std::string section; // trimmed name for "[section]" lines
        bool isSection = false;
    };
    std::optional<size_t> FindSection(std::string_view section) const;
    std::optional<size_t> FindKeyLine(size_t sectionLine, std::string_view key) const;
    std::vector<Line> lines_;
};

// Splits "key=value" as the profile functions do; nullopt for lines without "=".
std::optional<std::pair<std::string, std::string>> SplitIniLine(std::string_view line);

} // namespace vm
