#include "platform/SystemStatus.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace vm {

std::string MemoryStatusText(uint64_t available, uint64_t total)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f%%", total ? double(available) * 100.0 / double(total) : 0.0);
    return text;
}

std::string MemoryStatus()
{
    std::ifstream meminfo("/proc/meminfo");
    uint64_t total = 0, available = 0;
    std::string line;
    while (std::getline(meminfo, line)) {
        std::istringstream fields(line);
        std::string name;
        uint64_t kilobytes = 0;
        fields >> name >> kilobytes;
        if (name == "MemTotal:")
            total = kilobytes;
        else if (name == "MemAvailable:")
            available = kilobytes;
    }
    return MemoryStatusText(available, total);
}

uint32_t GetFileSize(const std::string& path)
{
    struct stat info{};
    if (::stat(path.c_str(), &info) != 0)
        return 0;
    return uint32_t(uint64_t(info.st_size) & 0xFFFFFFFFu);
}

} // namespace vm
