// lzrw-decompress IN OUT: one compressed stream, as an animation resource
// stores it, to its decoded bytes.
#include "Command.h"
#include "character/oaLZRWKH.h"
#include "util/Error.h"

#include <fstream>
#include <iostream>
#include <iterator>

namespace vm::tool {

int LzrwCommand(const Args& args)
{
    if (args.size() != 2) {
        std::cerr << "usage: vistamoor-tool lzrw-decompress IN OUT\n";
        return 2;
    }
    std::ifstream in(args[0], std::ios::binary);
    if (!in)
        throw Error("cannot read " + args[0]);
    const std::vector<uint8_t> stream{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    std::vector<uint8_t> decoded;
    DecompressStream(stream, decoded);
    std::ofstream out(args[1], std::ios::binary);
    out.write(reinterpret_cast<const char*>(decoded.data()), std::streamsize(decoded.size()));
    if (!out.flush())
        throw Error("cannot write " + args[1]);
    std::cout << stream.size() << " bytes decoded to " << decoded.size() << "\n";
    return 0;
}

} // namespace vm::tool
