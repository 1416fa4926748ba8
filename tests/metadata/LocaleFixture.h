#pragma once
// Compiles a few system locales into the build folder (the machine may have
// none generated) and points the C library at them.
#include <string>

namespace vm::test {

// True when `name` (for example "zh_CN.UTF-8") can be loaded afterwards.
bool EnsureLocale(const std::string& name);

} // namespace vm::test
