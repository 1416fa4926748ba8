#pragma once
// Path and text helpers. Paths are split at the platform's path delimiter.
#include <string>
#include <string_view>

namespace vm {

#ifdef _WIN32
inline constexpr char PathDelim = '\\';
#else
inline constexpr char PathDelim = '/';
#endif

std::string WithTrailingBackslash(std::string_view path);
std::string FileNameOfPath(std::string_view path);
std::string FileTitleOfPath(std::string_view path);
std::string ParentFolderName(std::string_view path);
std::string RemoveLineBreaks(std::string_view text);
std::string TextBetween(std::string_view text, char startMarker, char endMarker);
std::string ReplaceFirst(std::string_view text, std::string_view pattern, std::string_view replacement);

} // namespace vm
