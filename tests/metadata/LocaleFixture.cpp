#include "LocaleFixture.h"

#include <cstdlib>
#include <filesystem>
#include <locale.h>
#include <sys/wait.h>
#include <unistd.h>

namespace vm::test {

namespace fs = std::filesystem;

namespace {

bool Build(const std::string& name, const std::string& target)
{
    // Tests run as parallel processes: build aside, then move into place.
    const std::string aside = target + ".tmp" + std::to_string(::getpid());
    const std::string source = name.substr(0, name.find('.'));
    const std::string command = "localedef -i " + source + " -f UTF-8 '" + aside + "' >/dev/null 2>&1";
    const int status = std::system(command.c_str());
    std::error_code ec;
    if (status != -1 && WIFEXITED(status) && WEXITSTATUS(status) <= 1) // 1: warnings only
        fs::rename(aside, target, ec);
    fs::remove_all(aside, ec);
    return fs::exists(target + "/LC_TIME");
}

} // namespace

bool EnsureLocale(const std::string& name)
{
    const std::string dir = std::string(VM_BINARY_DIR) + "/test-locales";
    setenv("LOCPATH", dir.c_str(), 1);
    fs::create_directories(dir);
    const std::string target = dir + "/" + name;
    // Ask the C library only once the locale is there: it remembers a failure.
    if (!fs::exists(target + "/LC_TIME") && !Build(name, target))
        return false;
    locale_t loc = newlocale(LC_ALL_MASK, name.c_str(), locale_t(0));
    if (!loc)
        return false;
    freelocale(loc);
    return true;
}

} // namespace vm::test

// The C library keeps the LOCPATH list it parses for newlocale() for good;
// LeakSanitizer would report it at exit.
extern "C" const char* __lsan_default_suppressions()
{
    return "leak:__argz_add_sep\n";
}
