#include "character/FrameRegion.h"

#include <vector>

namespace vm {

Region FrameRegion(const TAnimationImage& image, int frame, uint8_t transparent)
{
    std::vector<Rect> runs;
    runs.reserve(1000);
    const int width = image.frameWidth;
    for (int y = 0; y < image.frameHeight; ++y) {
        const uint8_t* row = image.FrameRow(frame, y).data();
        for (int x = 0; x < width;) {
            if (row[x] == transparent) {
                ++x;
                continue;
            }
            const int a = x;
            while (x < width && row[x] != transparent)
                ++x;
            runs.push_back({a, y, x, y + 1});
        }
    }
    return Region::UnionOf(runs);
}

} // namespace vm
