// Language files as users may edit them: every lookup stays within its limits.
#include "util/IniFile.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    vm::IniFile ini(text);
    for (const char* key : {"strOK", "Name", "Size", "strExif12"})
        for (const char* section : {"STRING", "FONT", "LANGUAGE"})
            if (ini.ReadString(section, key).size() > vm::IniFile::kMaxValueChars * 4)
                std::abort();
    for (const auto& [key, value] : ini.SectionValues("COMPONENT"))
        if (value.size() > vm::IniFile::kMaxValueChars * 4)
            std::abort();
    ini.WriteString("mci extensions", "mp3", "MPEGVideo");
    if (ini.ReadString("mci extensions", "mp3") != "MPEGVideo")
        std::abort();
    return 0;
}
