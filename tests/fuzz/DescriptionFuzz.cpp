// The description file rules on any bytes: the first line of the input is
// the photo's name, the second the memo's text, the rest the file. Checks
// that the lines of other photos survive an edit unchanged and in order.
#include "metadata/DescriptionEditor.h"
#include "metadata/DescriptionFile.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

std::string_view TakeLine(std::string_view& rest)
{
    const size_t end = rest.find('\n');
    const std::string_view line = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    return line;
}

void Check(bool ok)
{
    if (!ok)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::string_view rest(reinterpret_cast<const char*>(data), size);
    const std::string_view name = TakeLine(rest);
    const std::string_view memo = TakeLine(rest);

    const vm::DescriptionLines lines = vm::SplitDescriptionLines(rest);
    Check(vm::SplitDescriptionLines(vm::JoinDescriptionLines(lines)) == lines);
    const int index = vm::FindDescriptionLine(lines, name);
    Check(index >= -1 && index < int(lines.size()));
    if (index >= 0)
        vm::DescriptionOfLine(lines[size_t(index)], name);

    const auto change = vm::ApplyDescriptionText(lines, index, name, memo);
    if (!change)
        return 0;
    // Every other line is kept, in its order.
    size_t j = 0;
    for (size_t i = 0; i < lines.size(); ++i) {
        if (int(i) == index)
            continue;
        while (j < change->lines.size() && int(j) == change->lineIndex)
            ++j;
        Check(j < change->lines.size() && change->lines[j] == lines[i]);
        ++j;
    }
    if (change->lineIndex >= 0) {
        const std::string& line = change->lines[size_t(change->lineIndex)];
        Check(line.starts_with(name));
        Check(line.find_first_of("\r\n", name.size()) == std::string::npos);
    }
    return 0;
}
