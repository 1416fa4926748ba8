#pragma once
// The run mode from the command line: only the first two characters of the
// first argument count, in any case ("/s", "/Show" and "/S1234" all show).
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vm {

enum class RunMode { Settings, Show, Preview, None };

struct CommandLine {
    RunMode mode = RunMode::None;
    std::string runModeText; // "", "RunMode", "SetupMode" or "PreviewMode"
    bool settingsMode = false;
    std::string previewHandle; // the second argument, for "/P"
};

CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The host window of the preview: a decimal window id. nullopt when the text is
// missing, not a number, or out of range.
std::optional<uint32_t> ParseWindowHandle(const std::string& text);

} // namespace vm
