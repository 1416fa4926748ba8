#include "util/xStrings.h"

#include "util/DelphiText.h"

namespace vm {

std::string WithTrailingBackslash(std::string_view path)
{
    std::string out(path);
    if (out.empty() || out.back() != PathDelim)
        out += PathDelim;
    return out;
}

std::string FileNameOfPath(std::string_view path)
{
    const size_t slash = path.rfind(PathDelim);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FileTitleOfPath(std::string_view path)
{
    // Drops four characters whatever the extension's length, as captions always have.
    const std::string name = FileNameOfPath(path);
    return name.size() <= 4 ? std::string() : name.substr(0, name.size() - 4);
}

std::string ParentFolderName(std::string_view path)
{
    const size_t last = path.rfind(PathDelim);
    if (last == std::string_view::npos)
        return {};
    const std::string_view before = path.substr(0, last);
    const size_t previous = before.rfind(PathDelim);
    return std::string(previous == std::string_view::npos ? before : before.substr(previous + 1));
}

std::string RemoveLineBreaks(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != '\r' && c != '\n')
            out += c;
    return out;
}

std::string TextBetween(std::string_view text, char startMarker, char endMarker)
{
    const long s = long(Pos(std::string_view(&startMarker, 1), text));
    std::string rest(text);
    Delete(rest, s, 1);
    const long e = long(Pos(std::string_view(&endMarker, 1), rest));
    return Copy(text, s + 1, e - s);
}

std::string ReplaceFirst(std::string_view text, std::string_view pattern, std::string_view replacement)
{
    const size_t p = Pos(pattern, text);
    if (p == 0)
        return std::string(text);
    std::string out(text.substr(0, p - 1));
    out += replacement;
    out += text.substr(p - 1 + pattern.size());
    return out;
}

} // namespace vm
