// The shipped language files against the program: every key the program looks
// up exists, with a text, in every file.
#include "lang/LanguageFolder.h"
#include "lang/MultiLang.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <regex>
#include <set>
#include <sstream>

using namespace vm;
namespace fs = std::filesystem;

namespace {

const std::string kLanguageFolder = std::string(VM_SOURCE_DIR) + "/data/Language/";

// Every "strXxx" literal in the program's sources.
std::set<std::string> KeysInSources()
{
    std::set<std::string> keys;
    const std::regex literal("\"(str[A-Z][A-Za-z0-9]*)\"");
    for (const char* folder : {"/src", "/tools"}) {
        for (const auto& entry : fs::recursive_directory_iterator(std::string(VM_SOURCE_DIR) + folder)) {
            const auto ext = entry.path().extension();
            if (ext != ".cpp" && ext != ".h")
                continue;
            std::ifstream in(entry.path());
            std::stringstream text;
            text << in.rdbuf();
            const std::string code = text.str();
            for (std::sregex_iterator it(code.begin(), code.end(), literal), end; it != end; ++it)
                keys.insert((*it)[1]);
        }
    }
    return keys;
}

// Keys the program builds from a prefix and a number.
std::set<std::string> NumberedKeys()
{
    std::set<std::string> keys;
    auto add = [&](const std::string& prefix, int count) {
        for (int i = 1; i <= count; ++i)
            keys.insert(prefix + std::to_string(i));
    };
    add("strExif", 37);
    add("strOut", 8);
    add("strMemExifLine", 3);
    add("strMemNoExifLine", 3);
    add("strStep", 5);
    return keys;
}

// The keys every language must have, as listed for translators.
const std::set<std::string> kDocumentedKeys{
    "strAppTitle", "strFormCaption", "strConfig", "strDescript", "strSetWallpaper", "strWallpaperSet", "strSure",
    "strDelete", "strDeleteFailed", "strErr", "strPrompt", "strJpg", "strFileNotFound", "strSelectDirectory",
    "strClear", "strClearList", "strNoFound", "strOK", "strYes", "strNo", "strHideElf", "strShowElf", "strFirst",
    "strStart", "strReadHelp", "strWelcome"};

} // namespace

TEST(ShippedLanguageFiles, ThereIsOneForEachLanguageClass)
{
    std::set<std::string> names;
    for (const auto& entry : ListLanguages(kLanguageFolder))
        names.insert(entry.name);
    EXPECT_EQ(names, (std::set<std::string>{"cn", "en", "tw"}));
}

TEST(ShippedLanguageFiles, HaveEveryKeyTheProgramLooksUp)
{
    std::set<std::string> wanted;
    const std::set<std::string> numbered = NumberedKeys();
    for (const auto& key : KeysInSources()) {
        // A literal that is only the prefix of numbered keys is not a key itself.
        const bool prefix = std::any_of(numbered.begin(), numbered.end(),
                                        [&](const std::string& n) { return n.size() > key.size() && n.rfind(key, 0) == 0 && isdigit(n[key.size()]); });
        if (!prefix)
            wanted.insert(key);
    }
    wanted.insert(numbered.begin(), numbered.end());
    for (const auto& key : kDocumentedKeys)
        wanted.insert(key);
    for (const auto& entry : ListLanguages(kLanguageFolder)) {
        TsMultiLang lang;
        lang.SetLangFile(entry.path);
        EXPECT_FALSE(lang.DisplayName().empty()) << entry.name;
        for (const auto& key : wanted)
            EXPECT_FALSE(lang.Text(key).empty()) << entry.name << " lacks " << key;
    }
}

TEST(ShippedLanguageFiles, MenuEntriesCarryARealToken)
{
    for (const auto& entry : ListLanguages(kLanguageFolder)) {
        TsMultiLang lang;
        lang.SetLangFile(entry.path);
        for (const auto& key : NumberedKeys()) {
            if (key.rfind("strExif", 0) != 0 && key.rfind("strOut", 0) != 0)
                continue;
            const std::string text = lang.Text(key);
            const auto first = text.find('%');
            const auto second = text.find('%', first + 1);
            ASSERT_NE(second, std::string::npos) << entry.name << " " << key;
            EXPECT_GT(second, first + 1) << entry.name << " " << key;
        }
    }
}

TEST(ShippedLanguageFiles, FontExistsAsAFaceName)
{
    for (const auto& entry : ListLanguages(kLanguageFolder)) {
        TsMultiLang lang;
        lang.SetLangFile(entry.path);
        const FontSpec font = lang.LanguageFont(true);
        EXPECT_TRUE(font.Name == "DejaVu Sans" || font.Name.rfind("Noto Sans CJK", 0) == 0) << font.Name;
        EXPECT_GE(font.Size, 8);
    }
}
