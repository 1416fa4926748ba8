// The settings file as anyone might have left it: parsing never fails, and what
// was read is written and read back unchanged.
#include "settings/SettingsFileFormat.h"

#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const vm::ParsedSettings parsed = vm::ParseSettings(text);
    const std::string written = vm::SerializeSettings(parsed.data);
    const vm::ParsedSettings again = vm::ParseSettings(written);
    if (!again.clean || !(again.data == parsed.data) || vm::SerializeSettings(again.data) != written)
        std::abort();
    return 0;
}
