#include "app/RunMode.h"

#include "util/DelphiText.h"

namespace vm {

CommandLine ParseCommandLine(const std::vector<std::string>& args)
{
    CommandLine line;
    if (args.empty()) {
        line.mode = RunMode::Settings;
        line.settingsMode = true;
        return line;
    }
    const std::string switchText = UpperCase(args[0]).substr(0, 2);
    if (switchText == "/S") {
        line.mode = RunMode::Show;
        line.runModeText = "RunMode";
    } else if (switchText == "/C") {
        line.mode = RunMode::Settings;
        line.runModeText = "SetupMode";
        line.settingsMode = true;
    } else if (switchText == "/P") {
        line.mode = RunMode::Preview;
        line.runModeText = "PreviewMode";
        line.previewHandle = args.size() > 1 ? args[1] : std::string();
    }
    return line;
}

std::optional<uint32_t> ParseWindowHandle(const std::string& text)
{
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + uint64_t(c - '0');
    }
    if (value == 0 || value > 0xFFFFFFFFull)
        return std::nullopt;
    return uint32_t(value);
}

} // namespace vm
