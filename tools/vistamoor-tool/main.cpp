// vistamoor-tool: the program's parts from the command line, for users,
// install steps and tests.
#include "Command.h"
#include "util/Error.h"

#include <array>
#include <cstring>
#include <iostream>

namespace {

using vm::tool::Command;

constexpr std::array kCommands{
    Command{"store", "store get SECTION NAME | set SECTION NAME TEXT | list SECTION | erase SECTION | dump",
            vm::tool::StoreCommand},
    Command{"fit", "fit WxH --screen SWxSH", vm::tool::FitCommand},
    Command{"styles", "styles", vm::tool::StylesCommand},
#ifdef VISTAMOOR_TOOL_IMAGES
    Command{"render", "render --style N --progress P [--step S] --old A --new B --out F.png|F.ppm",
            vm::tool::RenderCommand},
    Command{"contact-sheet", "contact-sheet --out F.png [--size WxH]", vm::tool::ContactSheetCommand},
#endif
    Command{"actor", "actor info LIB | frames LIB ANIMATION --out FILE.png [--scale N]", vm::tool::ActorCommand},
    Command{"actor", "actor play LIB (ANIMATION | --state S) [--speed P] [--for MS]", vm::tool::ActorCommand},
    Command{"lzrw-decompress", "lzrw-decompress IN OUT", vm::tool::LzrwCommand},
    Command{"exif", "exif FILE", vm::tool::ExifCommand},
    Command{"caption", "caption PHOTO [--exif-template FILE] [--noexif-template FILE]", vm::tool::CaptionCommand},
    Command{"describe", "describe PHOTO [--set TEXT | --clear]", vm::tool::DescribeCommand},
#ifdef VM_TOOL_PLAY
    Command{"play", "play FILE...", vm::tool::PlayCommand},
#endif
};

int Usage(std::ostream& out)
{
    out << "usage: vistamoor-tool COMMAND ...\n";
    for (const Command& c : kCommands)
        out << "  " << c.usage << "\n";
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2)
        return Usage(std::cerr);
    if (std::strcmp(argv[1], "help") == 0 || std::strcmp(argv[1], "--help") == 0) {
        Usage(std::cout);
        return 0;
    }
    for (const Command& c : kCommands) {
        if (std::strcmp(argv[1], c.name) != 0)
            continue;
        try {
            return c.run(vm::tool::Args(argv + 2, argv + argc));
        } catch (const std::exception& e) {
            std::cerr << "vistamoor-tool: " << e.what() << "\n";
            return 2;
        }
    }
    std::cerr << "vistamoor-tool: unknown command \"" << argv[1] << "\"\n";
    return Usage(std::cerr);
}
