// exif FILE: the photo's EXIF tags as the captions see them, one name=value per line.
#include "Command.h"
#include "metadata/qvJpegInfo.h"

#include <iostream>

namespace vm::tool {

int ExifCommand(const Args& args)
{
    if (args.size() != 1) {
        std::cerr << "usage: vistamoor-tool exif FILE\n";
        return 2;
    }
    TagLines lines;
    bool complete = false;
    try {
        complete = ReadExifInfo(args[0], lines);
    } catch (...) {
        for (const std::string& line : lines)
            std::cout << line << "\n";
        throw; // the error message goes to stderr with status 2
    }
    for (const std::string& line : lines)
        std::cout << line << "\n";
    return complete ? 0 : 1;
}

} // namespace vm::tool
