#include "platform/Paths.h"

#include <cstdlib>
#include <filesystem>

namespace vm::Paths {
namespace {

std::string Env(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string XdgDir(const char* variable, const char* homeFallback)
{
    std::string base = Env(variable);
    if (base.empty())
        base = Env("HOME") + "/" + homeFallback;
    return base + "/vistamoor";
}

} // namespace

std::string ConfigDir()
{
    const std::string overridden = Env("VISTAMOOR_CONFIG_DIR");
    return overridden.empty() ? XdgDir("XDG_CONFIG_HOME", ".config") : overridden;
}

std::string SettingsFile() { return ConfigDir() + "/settings.ini"; }

std::string DataDir() { return XdgDir("XDG_DATA_HOME", ".local/share"); }

std::string RuntimeDir()
{
    const std::string runtime = Env("XDG_RUNTIME_DIR");
    return runtime.empty() ? std::filesystem::temp_directory_path().string() : runtime;
}

} // namespace vm::Paths
