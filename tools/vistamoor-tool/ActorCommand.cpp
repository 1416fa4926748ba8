// actor info|frames: what an actor library holds, and its frames as a picture.
#include "Command.h"
#include "PngFile.h"
#include "character/AnimationImage.h"
#include "character/oaActor.h"
#include "util/DelphiText.h"

#include <cstdio>
#include <iostream>

namespace vm::tool {
namespace {

constexpr const char* kUsage = "usage: vistamoor-tool actor info LIB | frames LIB ANIMATION --out FILE.png [--scale N]\n";

std::string States(const TAnimationInfo& a)
{
    std::string text;
    for (int s = 0; s < kStateSetBits; ++s)
        if (a.HasState(s))
            text += (text.empty() ? "" : ",") + std::to_string(s);
    return text.empty() ? "-" : text;
}

std::string ReturnText(const TAssistantActor& actor, const TAnimationInfo& a)
{
    switch (a.returnKind) {
    case ReturnKind::None: return "none";
    case ReturnKind::ReturnAnimation: {
        const TAnimationInfo* target = actor.Animations(a.returnAnimation);
        return "animation " + std::to_string(a.returnAnimation) + (target ? " (" + target->name + ")" : " (missing)");
    }
    case ReturnKind::ExitBranches: return "exit branches";
    }
    return "kind " + std::to_string(int(a.returnKind));
}

int Info(const std::string& path)
{
    TAssistantActor actor;
    actor.SetFileName(path);
    const TPaletteEntry& t = actor.Palette()->entries[actor.TransparentIndex()];
    char colour[8];
    std::snprintf(colour, sizeof colour, "#%02X%02X%02X", t.red, t.green, t.blue);
    std::cout << "library: " << path << "\n"
              << "frame size: " << actor.FrameWidth() << " x " << actor.FrameHeight() << "\n"
              << "transparent colour: index " << int(actor.TransparentIndex()) << ", " << colour << "\n"
              << "animations: " << actor.AnimationCount() << "\n";
    std::printf("%4s  %-24s %-10s %6s  %-34s %s\n", "no.", "name", "states", "frames", "return", "resource");
    std::cout << std::flush;
    for (uint16_t n = 1; n <= actor.AnimationCount(); ++n) {
        const TAnimationInfo& a = *actor.Animations(n);
        std::string frames;
        try {
            frames = std::to_string(ReadAnimationImage(actor, n).frameCount);
        } catch (const std::exception&) {
            frames = "damaged";
        }
        std::printf("%4u  %-24s %-10s %6s  %-34s %u\n", n, a.name.c_str(), States(a).c_str(), frames.c_str(),
                    ReturnText(actor, a).c_str(), a.resourceId);
    }
    return 0;
}

int Frames(const std::string& path, const std::string& which, const std::string& out, int scale)
{
    TAssistantActor actor;
    actor.SetFileName(path);
    const auto number = TryStrToInt(which);
    const uint16_t n = number ? uint16_t(*number) : actor.FindAnimation(which);
    if (n == 0 || !actor.Animations(n)) {
        std::cerr << "vistamoor-tool: no animation \"" << which << "\" in " << path << "\n";
        return 1;
    }
    const TAnimationImage image = ReadAnimationImage(actor, n);
    const TPalette& palette = *actor.Palette();
    const int w = image.frameWidth, h = image.frameHeight;
    const int width = w * image.frameCount * scale, height = h * scale;
    std::vector<uint8_t> rgb(size_t(width) * size_t(height) * 3);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int frame = x / scale / w, fx = x / scale % w, fy = y / scale;
            const uint8_t index = image.FrameRow(frame, fy)[size_t(fx)];
            uint8_t* p = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
            if (index == actor.TransparentIndex()) {
                // Checkerboard, restarted per frame so frame edges show.
                const uint8_t shade = ((fx / 8 + fy / 8) % 2) ? 204 : 238;
                p[0] = p[1] = p[2] = shade;
            } else {
                p[0] = palette.entries[index].red;
                p[1] = palette.entries[index].green;
                p[2] = palette.entries[index].blue;
            }
        }
    WritePng(out, width, height, rgb);
    std::cout << actor.Animations(n)->name << ": " << image.frameCount << " frames written to " << out << "\n";
    return 0;
}

} // namespace

int ActorCommand(const Args& args)
{
    if (!args.empty() && args[0] == "play")
        return ActorPlayCommand(Args(args.begin() + 1, args.end()));
    if (args.size() == 2 && args[0] == "info")
        return Info(args[1]);
    if ((args.size() == 5 || args.size() == 7) && args[0] == "frames" && args[3] == "--out") {
        int scale = 1;
        if (args.size() == 7) {
            const auto value = TryStrToInt(args[6]);
            if (args[5] != "--scale" || !value || *value < 1 || *value > 8) {
                std::cerr << kUsage;
                return 2;
            }
            scale = *value;
        }
        return Frames(args[1], args[2], args[4], scale);
    }
    std::cerr << kUsage;
    return 2;
}

} // namespace vm::tool
