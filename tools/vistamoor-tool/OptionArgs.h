#pragma once
// "--name value" pairs of the tool's frame commands.
#include "Command.h"
#include "util/Error.h"

#include <charconv>
#include <map>
#include <set>
#include <string>

namespace vm::tool {

class OptionArgs {
public:
    OptionArgs(const Args& args, const std::set<std::string>& known)
    {
        for (size_t i = 0; i < args.size(); i += 2) {
            if (!known.contains(args[i]))
                throw Error("unknown option \"" + args[i] + "\"");
            if (i + 1 >= args.size())
                throw Error("option " + args[i] + " needs a value");
            values_[args[i]] = args[i + 1];
        }
    }
    bool Has(const std::string& name) const { return values_.contains(name); }
    std::string Text(const std::string& name) const
    {
        const auto it = values_.find(name);
        if (it == values_.end())
            throw Error("missing option " + name);
        return it->second;
    }
    // A whole decimal number within [lo, hi].
    int Number(const std::string& name, int lo, int hi) const
    {
        const std::string text = Text(name);
        int value = 0;
        const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
        if (ec != std::errc() || end != text.data() + text.size() || value < lo || value > hi)
            throw Error(name + " must be a number from " + std::to_string(lo) + " to " + std::to_string(hi) +
                        ", not \"" + text + "\"");
        return value;
    }

private:
    std::map<std::string, std::string> values_;
};

} // namespace vm::tool
