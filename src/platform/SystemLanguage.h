#pragma once
// The system's default language as a Windows language identifier, from the locale.
#include <string_view>

namespace vm {

// zh_CN 2052, zh_TW 1028, zh_HK 3076, zh_SG 4100, zh_MO 5124, anything else 1033.
int LanguageIdOfLocale(std::string_view locale);
// From LC_ALL, LC_MESSAGES or LANG, the first one set.
int SystemLanguageId();

} // namespace vm
