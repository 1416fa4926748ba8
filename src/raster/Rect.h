#pragma once
// Rectangles and points in pixels: (left, top, right, bottom), right and bottom exclusive.
#include <algorithm>

namespace vm {

struct Point {
    int x = 0;
    int y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }

    // Swapped edges exchanged, so that Left <= Right and Top <= Bottom.
    [[nodiscard]] Rect Normalized() const
    {
        return {std::min(Left, Right), std::min(Top, Bottom), std::max(Left, Right), std::max(Top, Bottom)};
    }
    [[nodiscard]] Rect Translated(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    [[nodiscard]] Rect Intersected(const Rect& o) const
    {
        return {std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right), std::min(Bottom, o.Bottom)};
    }
    friend bool operator==(const Rect&, const Rect&) = default;
};

} // namespace vm
