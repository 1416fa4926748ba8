#pragma once
// TsMultiLang: the texts of one language file (Language/*.lng): [STRING] texts
// by key, [COMPONENT] texts for windows, and the language's [FONT].
#include "util/IniFile.h"
#include "util/xFonts.h"

#include <string>
#include <vector>

namespace vm {

struct ComponentText {
    std::string form;      // window name, compared exactly
    std::string component; // component name
    std::string property;  // everything after the second dot
    std::string value;     // "~~" already turned into CR LF
};

class TsMultiLang {
public:
    // Empty, or naming a missing file: every lookup finds nothing.
    void SetLangFile(const std::string& path);
    const std::string& LangFile() const { return langFile_; }

    // Sets `text` to the [STRING] value of `key` when that is not empty;
    // otherwise leaves it as it was.
    void LanguageString(std::string_view key, std::string& text) const;
    // The [STRING] text of `key`, or `fallback`.
    std::string Text(std::string_view key, std::string_view fallback = {}) const;
    // The [FONT] of the file; the colour only when asked for.
    FontSpec LanguageFont(bool withColor) const;
    // The [COMPONENT] lines in file order; lines without two dots are skipped.
    std::vector<ComponentText> ComponentTexts() const;
    // The [LANGUAGE] name.
    std::string DisplayName() const;

private:
    std::string langFile_;
    IniFile ini_;
};

// The system language class: 0 Simplified Chinese, 1 Traditional Chinese, 2 other.
int LanguageClassOf(int languageId);
extern int SystemLanguage;
void DetectLang();

} // namespace vm
