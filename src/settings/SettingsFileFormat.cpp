#include "settings/SettingsFileFormat.h"

#include "util/DelphiText.h"

#include <algorithm>
#include <optional>

namespace vm {
namespace {

constexpr char kHex[] = "0123456789ABCDEF";

enum class Field { Section, Name, Value };

std::string Escape(std::string_view text, Field field)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        const bool special = c < 0x20 || c == 0x7F
            || (field == Field::Name && (c == '=' || (i == 0 && (c == '[' || c == ';'))))
            || (field == Field::Section && c == ']');
        if (c == '\\')
            out += "\\\\";
        else if (c == '\r')
            out += "\\r";
        else if (c == '\n')
            out += "\\n";
        else if (special)
            out += {'\\', 'x', kHex[c >> 4], kHex[c & 15]};
        else
            out += char(c);
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Undoes Escape; a malformed escape is kept literally and marks the text unclean.
std::string Unescape(std::string_view text, bool& clean)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            if (text[i] == '\\')
                clean = false;
            out += text[i];
            continue;
        }
        const char kind = text[i + 1];
        if (kind == '\\' || kind == 'r' || kind == 'n') {
            out += kind == '\\' ? '\\' : kind == 'r' ? '\r' : '\n';
            ++i;
        } else if (kind == 'x' && i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 && HexDigit(text[i + 3]) >= 0) {
            out += char(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            clean = false;
            out += '\\';
        }
    }
    return out;
}

template <typename List, typename Name>
auto FindByName(List& list, Name name) -> decltype(&list.front())
{
    auto it = std::find_if(list.begin(), list.end(), [&](const auto& item) { return SameText(item.name, name); });
    return it == list.end() ? nullptr : &*it;
}

} // namespace

const SettingsSection* SettingsData::Find(std::string_view section) const { return FindByName(sections, section); }
SettingsSection* SettingsData::Find(std::string_view section) { return FindByName(sections, section); }

const SettingsValue* SettingsData::Find(std::string_view section, std::string_view name) const
{
    const SettingsSection* s = Find(section);
    return s ? FindByName(s->values, name) : nullptr;
}

void SettingsData::Set(std::string_view section, std::string_view name, std::string_view text)
{
    SettingsSection* s = Find(section);
    if (!s) {
        // Sections stand in name order, as registry keys enumerate, so that
        // erasing and rewriting a section leaves the file as it was.
        auto at = std::find_if(sections.begin(), sections.end(),
                               [&](const SettingsSection& other) { return UpperCase(other.name) > UpperCase(section); });
        s = &*sections.insert(at, SettingsSection{std::string(section), {}});
    }
    if (SettingsValue* v = FindByName(s->values, name))
        v->text = text;
    else
        s->values.push_back({std::string(name), std::string(text)});
}

void SettingsData::Erase(std::string_view section)
{
    std::erase_if(sections, [&](const SettingsSection& s) { return SameText(s.name, section); });
}

ParsedSettings ParseSettings(std::string_view text)
{
    ParsedSettings parsed;
    SettingsSection* current = nullptr;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == ';')
            continue;

        if (line.front() == '[') {
            const size_t close = line.rfind(']');
            if (close == std::string_view::npos || close + 1 != line.size()) {
                parsed.clean = false;
                current = nullptr;
                continue;
            }
            const std::string name = Unescape(line.substr(1, close - 1), parsed.clean);
            current = parsed.data.Find(name);
            if (current)
                parsed.clean = false; // duplicate section: merged into the first
            else
                current = &parsed.data.sections.emplace_back(SettingsSection{name, {}});
            continue;
        }

        const size_t eq = line.find('=');
        if (!current || eq == std::string_view::npos) {
            parsed.clean = false;
            continue;
        }
        const std::string name = Unescape(line.substr(0, eq), parsed.clean);
        if (FindByName(current->values, name)) {
            parsed.clean = false; // duplicate value: the first one counts
            continue;
        }
        current->values.push_back({name, Unescape(line.substr(eq + 1), parsed.clean)});
    }
    return parsed;
}

std::string SerializeSettings(const SettingsData& data)
{
    std::string out;
    for (const auto& section : data.sections) {
        if (!out.empty())
            out += '\n';
        out += "[" + Escape(section.name, Field::Section) + "]\n";
        for (const auto& value : section.values)
            out += Escape(value.name, Field::Name) + "=" + Escape(value.text, Field::Value) + "\n";
    }
    return out;
}

} // namespace vm
