#pragma once
// Text primitives with the conventions our stored texts were written by:
// positions count from 1, out-of-range copies give empty texts, and integers
// are decimal or hexadecimal after "$".
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vm {

// 1-based position of the first occurrence of `pattern`, 0 when absent.
size_t Pos(std::string_view pattern, std::string_view text);
// `count` characters from 1-based `index`; clamped, never throws.
std::string Copy(std::string_view text, long index, long count);
// Removes `count` characters from 1-based `index`; nothing when out of range.
void Delete(std::string& text, long index, long count);

// Optional blanks, optional sign, then decimal digits or "$"/"0x" and hex digits.
// Hex may use all 32 bits (so $FF000000 is a negative number).
std::optional<int32_t> TryStrToInt(std::string_view text);
int32_t StrToIntDef(std::string_view text, int32_t fallback);

std::string UpperCase(std::string_view text); // ASCII letters only
bool SameText(std::string_view a, std::string_view b); // ASCII case-insensitive
std::string Trim(std::string_view text);            // blanks, tabs and controls at both ends

} // namespace vm
