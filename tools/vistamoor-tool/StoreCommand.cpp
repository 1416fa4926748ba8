// store get|set|list|erase|dump: the user's settings store.
#include "Command.h"
#include "settings/SettingsStore.h"

#include <iostream>

namespace vm::tool {

int StoreCommand(const Args& args)
{
    auto bad = [] {
        std::cerr << "usage: vistamoor-tool store get SECTION NAME | set SECTION NAME TEXT | list SECTION"
                     " | erase SECTION | dump\n";
        return 2;
    };
    if (args.empty())
        return bad();
    const std::string& verb = args[0];
    SettingsStore store;
    if (verb == "get" && args.size() == 3) {
        if (!store.ValueExists(args[1], args[2])) {
            std::cerr << "vistamoor-tool: no value \"" << args[2] << "\" in section \"" << args[1] << "\"\n";
            return 1;
        }
        std::cout << store.ReadString(args[1], args[2]) << "\n";
        return 0;
    }
    if (verb == "set" && args.size() == 4) {
        store.WriteString(args[1], args[2], args[3]);
        return 0;
    }
    if (verb == "list" && args.size() == 2) {
        for (const auto& name : store.ListSection(args[1]))
            std::cout << name << "\n";
        return 0;
    }
    if (verb == "erase" && args.size() == 2) {
        store.EraseSection(args[1]);
        return 0;
    }
    if (verb == "dump" && args.size() == 1) {
        std::cout << SerializeSettings(store.Data());
        return 0;
    }
    return bad();
}

} // namespace vm::tool
