#pragma once
// The size a photo gets on the screen: never enlarged; otherwise as large as
// fits with its aspect ratio kept, the other side rounded to nearest.
namespace vm {

struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

PictureSize FittedSize(PictureSize picture, PictureSize screen);

// Nearest-pixel sampling shared by every stretch: output index k of n taken
// from the source index under its centre among m, floor((2k + 1) m / 2n).
constexpr int NearestSource(int k, int n, int m)
{
    return int((2 * static_cast<long long>(k) + 1) * m / (2 * static_cast<long long>(n)));
}

} // namespace vm
