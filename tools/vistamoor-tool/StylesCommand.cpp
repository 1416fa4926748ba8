// styles: every style number with its name, one a line.
#include "Command.h"
#include "transitions/EffectCatalogue.h"

#include <iostream>

namespace vm::tool {

int StylesCommand(const Args& args)
{
    if (!args.empty()) {
        std::cerr << "usage: vistamoor-tool styles\n";
        return 2;
    }
    for (int style = 0; style <= kMaxStyle; ++style)
        std::cout << style << '\t' << StyleName(TShowStyle(style)) << '\n';
    return 0;
}

} // namespace vm::tool
