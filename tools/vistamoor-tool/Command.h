#pragma once
// A sub-command of vistamoor-tool. Each one lives in its own file and returns
// the process exit status: 0 done, 1 a negative answer, 2 bad use or an error.
#include <iosfwd>
#include <string>
#include <vector>

namespace vm::tool {

using Args = std::vector<std::string>; // the words after the sub-command's name

struct Command {
    const char* name;
    const char* usage; // shown by "vistamoor-tool help"
    int (*run)(const Args& args);
};

int StoreCommand(const Args& args);
int FitCommand(const Args& args);
int StylesCommand(const Args& args);
int RenderCommand(const Args& args);
int ContactSheetCommand(const Args& args);
int ActorCommand(const Args& args);
int ActorPlayCommand(const Args& args); // "actor play ...", reached through ActorCommand
int LzrwCommand(const Args& args);
int ExifCommand(const Args& args);
int CaptionCommand(const Args& args);
int DescribeCommand(const Args& args);
int PlayCommand(const Args& args); // GUI builds only

} // namespace vm::tool
