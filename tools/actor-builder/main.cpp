// actor-builder OUTPUT: writes the default actor library, Rudiva the frog.
#include "ActorAssembly.h"

#include <exception>
#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: actor-builder OUTPUT.elf\n";
        return 2;
    }
    try {
        const auto library = vm::builder::BuildFrogLibrary();
        std::ofstream out(argv[1], std::ios::binary);
        out.write(reinterpret_cast<const char*>(library.bytes.data()), std::streamsize(library.bytes.size()));
        if (!out.flush()) {
            std::cerr << "actor-builder: cannot write " << argv[1] << "\n";
            return 1;
        }
    } catch (const std::exception& e) {
        std::cerr << "actor-builder: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
