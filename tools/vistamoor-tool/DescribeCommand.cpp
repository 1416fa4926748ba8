// describe PHOTO [--set TEXT | --clear]: the photo's line in its folder's
// "descript.ion", read or changed by the rules of the description editor's OK.
#include "Command.h"
#include "metadata/DescriptionEditor.h"
#include "util/Error.h"

#include <iostream>

namespace vm::tool {

int DescribeCommand(const Args& args)
{
    const bool set = args.size() == 3 && args[1] == "--set";
    const bool clear = args.size() == 2 && args[1] == "--clear";
    if (args.empty() || (args.size() > 1 && !set && !clear)) {
        std::cerr << "usage: vistamoor-tool describe PHOTO [--set TEXT | --clear]\n";
        return 2;
    }
    DescriptionEditor editor;
    editor.Open(args[0]);
    if (set || clear) {
        editor.Commit(set ? args[2] : std::string());
        return 0;
    }
    if (!editor.LoadError().empty())
        throw Error(editor.LoadError());
    if (editor.FLineIndex() < 0)
        return 1;
    std::cout << editor.InitialText() << "\n";
    return 0;
}

} // namespace vm::tool
