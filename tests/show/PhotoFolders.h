#pragma once
// Photo folders made of empty files, for the tests of the folder scan and order.
#include "support/TempDir.h"

#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <string>

namespace vm::test {

inline std::string PhotoFolder(const TempDir& dir, const std::string& name, std::initializer_list<const char*> files)
{
    const std::string path = dir / name;
    std::filesystem::create_directories(path);
    for (const char* file : files)
        std::ofstream(path + "/" + file) << "x";
    return path;
}

inline std::string FileName(const std::string& path) { return std::filesystem::path(path).filename().string(); }

} // namespace vm::test
