#include "raster/FastPaths.h"

#include <atomic>

namespace vm {
namespace {
std::atomic<bool> enabled{true};
}

bool FastPathsEnabled() { return enabled.load(std::memory_order_relaxed); }
void SetFastPathsEnabled(bool on) { enabled.store(on, std::memory_order_relaxed); }

} // namespace vm
