// render: one frame of a transition between two pictures, composed as the control
// does it (the old picture as the snapshot, then the effect at the given progress).
#include "Command.h"
#include "ImageFiles.h"
#include "OptionArgs.h"
#include "transitions/ComposeFrame.h"

#include <iostream>

namespace vm::tool {

int RenderCommand(const Args& args)
{
    const OptionArgs options(args, {"--style", "--progress", "--step", "--old", "--new", "--out"});
    const int style = options.Number("--style", 0, 150);
    const int progress = options.Number("--progress", 0, 100);
    const int step = options.Has("--step") ? options.Number("--step", 1, 100) : 4;
    const Bitmap oldPicture = LoadImageFile(options.Text("--old"));
    const Bitmap newPicture = LoadImageFile(options.Text("--new"));
    if (oldPicture.Width() != newPicture.Width() || oldPicture.Height() != newPicture.Height()) {
        std::cerr << "vistamoor-tool: the pictures differ in size: " << oldPicture.Width() << "x"
                  << oldPicture.Height() << " and " << newPicture.Width() << "x" << newPicture.Height() << "\n";
        return 2;
    }
    Bitmap frame;
    ComposeFrame(frame, oldPicture, newPicture, TShowStyle(style), step, progress);
    SaveImageFile(frame, options.Text("--out"));
    return 0;
}

} // namespace vm::tool
