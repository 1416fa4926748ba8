#pragma once
// Small measurements for the caption values.
#include <cstdint>
#include <string>

namespace vm {

// Available of total physical memory as "37.5%" (from /proc/meminfo).
std::string MemoryStatus();
// The percentage text of `available` of `total` bytes, one decimal.
std::string MemoryStatusText(uint64_t available, uint64_t total);

// The file's size in bytes (its low 32 bits), 0 when it isn't there.
uint32_t GetFileSize(const std::string& path);

} // namespace vm
