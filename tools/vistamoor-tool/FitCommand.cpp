// fit WxH --screen SWxSH: the size a photo gets on that screen.
#include "Command.h"
#include "show/FitPicture.h"
#include "util/DelphiText.h"

#include <iostream>
#include <optional>

namespace vm::tool {
namespace {

std::optional<PictureSize> ParseSize(const std::string& text)
{
    const size_t x = text.find('x');
    if (x == std::string::npos)
        return std::nullopt;
    const auto w = TryStrToInt(text.substr(0, x));
    const auto h = TryStrToInt(text.substr(x + 1));
    if (!w || !h || *w <= 0 || *h <= 0)
        return std::nullopt;
    return PictureSize{*w, *h};
}

} // namespace

int FitCommand(const Args& args)
{
    const auto picture = args.size() == 3 && args[1] == "--screen" ? ParseSize(args[0]) : std::nullopt;
    const auto screen = picture ? ParseSize(args[2]) : std::nullopt;
    if (!screen) {
        std::cerr << "usage: vistamoor-tool fit WxH --screen SWxSH (positive whole numbers)\n";
        return 2;
    }
    const PictureSize fitted = FittedSize(*picture, *screen);
    std::cout << fitted.width << "x" << fitted.height << "\n";
    return 0;
}

} // namespace vm::tool
