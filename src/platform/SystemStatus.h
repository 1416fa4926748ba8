#pragma once
// How much of the physical memory is free, for the caption value "Memory".
namespace vm {

// MemAvailable of MemTotal from /proc/meminfo, in percent; 0 when unknown.
double FreeMemoryPercent();

} // namespace vm
