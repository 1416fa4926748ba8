#include "util/DelphiText.h"

#include <algorithm>
#include <cctype>

namespace vm {

size_t Pos(std::string_view pattern, std::string_view text)
{
    if (pattern.empty())
        return 0;
    const size_t at = text.find(pattern);
    return at == std::string_view::npos ? 0 : at + 1;
}

std::string Copy(std::string_view text, long index, long count)
{
    if (index < 1)
        index = 1;
    if (count <= 0 || size_t(index) > text.size())
        return {};
    return std::string(text.substr(size_t(index - 1), size_t(count)));
}

void Delete(std::string& text, long index, long count)
{
    if (index < 1 || count <= 0 || size_t(index) > text.size())
        return;
    text.erase(size_t(index - 1), size_t(count));
}

std::optional<int32_t> TryStrToInt(std::string_view text)
{
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-'))
        negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        int digit;
        if (c >= '0' && c <= '9')
            digit = c - '0';
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        else
            return std::nullopt;
        value = value * uint64_t(base) + uint64_t(digit);
        if (value > 0xFFFFFFFFull)
            return std::nullopt;
    }
    if (base == 10) {
        if (negative ? value > 0x80000000ull : value > 0x7FFFFFFFull)
            return std::nullopt;
        return negative ? int32_t(-int64_t(value)) : int32_t(value);
    }
    const auto bits = int32_t(uint32_t(value));
    return negative ? int32_t(0u - uint32_t(bits)) : bits;
}

int32_t StrToIntDef(std::string_view text, int32_t fallback)
{
    return TryStrToInt(text).value_or(fallback);
}

std::string UpperCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return out;
}

bool SameText(std::string_view a, std::string_view b)
{
    return a.size() == b.size()
        && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Trim(std::string_view text)
{
    auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    size_t first = 0, last = text.size();
    while (first < last && blank(text[first]))
        ++first;
    while (last > first && blank(text[last - 1]))
        --last;
    return std::string(text.substr(first, last - first));
}

} // namespace vm
