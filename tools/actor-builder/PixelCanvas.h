#pragma once
// An 8-bit palette canvas with the few shapes the frog is drawn from. Shapes
// are filled by pixel centres, so edges stay crisp as pixel art should.
#include <cstdint>
#include <functional>
#include <vector>

namespace vm::builder {

struct Point {
    double x = 0, y = 0;
};

class PixelCanvas {
public:
    static constexpr uint8_t kKeep = 0xFF;

    PixelCanvas(int width, int height, uint8_t background);

    int Width() const { return width_; }
    int Height() const { return height_; }
    uint8_t At(int x, int y) const;
    void Plot(int x, int y, uint8_t index);
    const std::vector<uint8_t>& Pixels() const { return pixels_; }

    // Colour chooser for a filled shape: given the point's position inside the
    // shape (u, v from -1 to 1 across its box, unrotated), returns the index,
    // or kKeep to leave the pixel as it is.
    using Shader = std::function<uint8_t(double u, double v)>;

    // An ellipse rotated by `angle` radians around its centre.
    void Ellipse(Point centre, double rx, double ry, double angle, const Shader& shade);
    void Ellipse(Point centre, double rx, double ry, uint8_t index) { Ellipse(centre, rx, ry, 0, Flat(index)); }
    // A thick segment with round ends; u runs along it from -1 to 1, v across.
    void Capsule(Point a, Point b, double radius, const Shader& shade);
    void Capsule(Point a, Point b, double radius, uint8_t index) { Capsule(a, b, radius, Flat(index)); }
    // A convex or concave polygon, even-odd rule.
    void Polygon(const std::vector<Point>& points, uint8_t index);
    // A one- to few-pixel line.
    void Line(Point a, Point b, double width, uint8_t index) { Capsule(a, b, width / 2, Flat(index)); }
    // An arc of the ellipse from angle a0 to a1 (radians, 0 = right, y down).
    void Arc(Point centre, double rx, double ry, double a0, double a1, double width, uint8_t index);

    // Turns every `from` pixel that touches (4-neighbour) one of `touching` into `to`.
    void EdgeWhere(uint8_t from, const std::function<bool(uint8_t)>& touching, uint8_t to);

    static Shader Flat(uint8_t index)
    {
        return [index](double, double) { return index; };
    }

private:
    int width_, height_;
    std::vector<uint8_t> pixels_;
};

} // namespace vm::builder
