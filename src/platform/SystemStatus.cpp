#include "platform/SystemStatus.h"

#include <fstream>
#include <sstream>
#include <string>

namespace vm {

double FreeMemoryPercent()
{
    std::ifstream in("/proc/meminfo");
    std::string line;
    double total = 0, available = 0;
    while (std::getline(in, line)) {
        std::istringstream fields(line);
        std::string name;
        double kib = 0;
        fields >> name >> kib;
        if (name == "MemTotal:")
            total = kib;
        else if (name == "MemAvailable:")
            available = kib;
    }
    return total > 0 ? available * 100.0 / total : 0.0;
}

} // namespace vm
