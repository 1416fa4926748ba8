#include "util/IniFile.h"

#include "util/AtomicFile.h"
#include "util/DelphiText.h"


namespace vm {
namespace {

std::string_view TrimBlanks(std::string_view s)
{
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t'))
        s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::string LimitChars(std::string_view value)
{
    // Counts UTF-8 characters, so a cut never splits one.
    size_t chars = 0;
    for (size_t i = 0; i < value.size(); ++i) {
        if ((static_cast<unsigned char>(value[i]) & 0xC0) != 0x80 && chars++ == IniFile::kMaxValueChars)
            return std::string(value.substr(0, i));
    }
    return std::string(value);
}

std::string CleanValue(std::string_view raw)
{
    std::string_view v = TrimBlanks(raw);
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return LimitChars(v);
}

bool IsSectionLine(std::string_view line, std::string& name)
{
    const std::string_view t = TrimBlanks(line);
    if (t.empty() || t.front() != '[')
        return false;
    const size_t close = t.find(']');
    if (close == std::string_view::npos)
        return false; // a broken header is a garbage line, not a section
    name = std::string(TrimBlanks(t.substr(1, close - 1)));
    return true;
}

} // namespace

std::optional<std::pair<std::string, std::string>> SplitIniLine(std::string_view line)
{
    const std::string_view t = TrimBlanks(line);
    if (t.empty() || t.front() == ';')
        return std::nullopt;
    const size_t eq = t.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    return std::pair{std::string(TrimBlanks(t.substr(0, eq))), CleanValue(t.substr(eq + 1))};
}

IniFile::IniFile(std::string_view text)
{
    // Skip a UTF-8 byte order mark that some editors put in front.
    if (text.substr(0, 3) == "\xEF\xBB\xBF")
        text.remove_prefix(3);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view raw = text.substr(start, end - start);
        if (!raw.empty() && raw.back() == '\r')
            raw.remove_suffix(1);
        Line line{std::string(raw), {}, false};
        line.isSection = IsSectionLine(raw, line.section);
        lines_.push_back(std::move(line));
        start = end + 1;
    }
}

IniFile IniFile::Load(const std::string& path)
{
    std::string bytes;
    return ReadWholeFile(path, bytes) ? IniFile(bytes) : IniFile();
}

std::optional<size_t> IniFile::FindSection(std::string_view section) const
{
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i].isSection && SameText(lines_[i].section, section))
            return i;
    return std::nullopt;
}

std::optional<size_t> IniFile::FindKeyLine(size_t sectionLine, std::string_view key) const
{
    for (size_t i = sectionLine + 1; i < lines_.size() && !lines_[i].isSection; ++i)
        if (auto kv = SplitIniLine(lines_[i].text); kv && SameText(kv->first, key))
            return i;
    return std::nullopt;
}

std::optional<std::string> IniFile::Find(std::string_view section, std::string_view key) const
{
    const auto s = FindSection(section);
    if (!s)
        return std::nullopt;
    const auto k = FindKeyLine(*s, key);
    if (!k)
        return std::nullopt;
    return SplitIniLine(lines_[*k].text)->second;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key, std::string_view fallback) const
{
    return Find(section, key).value_or(std::string(fallback));
}

std::vector<std::pair<std::string, std::string>> IniFile::SectionValues(std::string_view section) const
{
    std::vector<std::pair<std::string, std::string>> out;
    const auto s = FindSection(section);
    if (!s)
        return out;
    for (size_t i = *s + 1; i < lines_.size() && !lines_[i].isSection; ++i)
        if (auto kv = SplitIniLine(lines_[i].text))
            out.push_back(std::move(*kv));
    return out;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string line = std::string(key) + "=" + std::string(value);
    const auto s = FindSection(section);
    if (!s) {
        if (!lines_.empty() && !lines_.back().text.empty())
            lines_.push_back({});
        lines_.push_back({"[" + std::string(section) + "]", std::string(section), true});
        lines_.push_back({line, {}, false});
        return;
    }
    if (const auto k = FindKeyLine(*s, key)) {
        lines_[*k].text = line;
        return;
    }
    // After the section's last non-blank line.
    size_t at = *s + 1;
    for (size_t i = *s + 1; i < lines_.size() && !lines_[i].isSection; ++i)
        if (!TrimBlanks(lines_[i].text).empty())
            at = i + 1;
    lines_.insert(lines_.begin() + long(at), Line{line, {}, false});
}

std::string IniFile::Text() const
{
    std::string out;
    for (const auto& line : lines_)
        out += line.text + "\r\n";
    return out;
}

void IniFile::Save(const std::string& path) const { WriteFileAtomically(path, Text()); }

} // namespace vm
