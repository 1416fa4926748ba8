#include "platform/SystemLanguage.h"

#include <array>
#include <cstdlib>
#include <utility>

namespace vm {

int LanguageIdOfLocale(std::string_view locale)
{
    constexpr std::array<std::pair<std::string_view, int>, 5> kChinese{{
        {"zh_CN", 2052}, {"zh_TW", 1028}, {"zh_HK", 3076}, {"zh_SG", 4100}, {"zh_MO", 5124},
    }};
    for (auto [prefix, id] : kChinese)
        if (locale.substr(0, prefix.size()) == prefix)
            return id;
    return 1033;
}

int SystemLanguageId()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"})
        if (const char* value = std::getenv(variable); value && *value)
            return LanguageIdOfLocale(value);
    return LanguageIdOfLocale("");
}

} // namespace vm
