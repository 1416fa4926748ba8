#include "PixelCanvas.h"

#include <algorithm>
#include <cmath>

namespace vm::builder {

PixelCanvas::PixelCanvas(int width, int height, uint8_t background)
    : width_(width), height_(height), pixels_(size_t(width) * size_t(height), background)
{
}

uint8_t PixelCanvas::At(int x, int y) const
{
    return pixels_[size_t(y) * size_t(width_) + size_t(x)];
}

void PixelCanvas::Plot(int x, int y, uint8_t index)
{
    if (index != kKeep && x >= 0 && y >= 0 && x < width_ && y < height_)
        pixels_[size_t(y) * size_t(width_) + size_t(x)] = index;
}

void PixelCanvas::Ellipse(Point c, double rx, double ry, double angle, const Shader& shade)
{
    if (rx <= 0 || ry <= 0)
        return;
    const double r = std::max(rx, ry) + 1;
    const double cs = std::cos(angle), sn = std::sin(angle);
    for (int y = int(std::floor(c.y - r)); y <= int(std::ceil(c.y + r)); ++y)
        for (int x = int(std::floor(c.x - r)); x <= int(std::ceil(c.x + r)); ++x) {
            const double dx = x + 0.5 - c.x, dy = y + 0.5 - c.y;
            const double u = (dx * cs + dy * sn) / rx, v = (-dx * sn + dy * cs) / ry;
            if (u * u + v * v <= 1.0)
                Plot(x, y, shade(u, v));
        }
}

void PixelCanvas::Capsule(Point a, Point b, double radius, const Shader& shade)
{
    const double lx = b.x - a.x, ly = b.y - a.y;
    const double length2 = lx * lx + ly * ly;
    const double length = std::sqrt(length2);
    for (int y = int(std::floor(std::min(a.y, b.y) - radius - 1)); y <= int(std::ceil(std::max(a.y, b.y) + radius + 1)); ++y)
        for (int x = int(std::floor(std::min(a.x, b.x) - radius - 1)); x <= int(std::ceil(std::max(a.x, b.x) + radius + 1)); ++x) {
            const double px = x + 0.5 - a.x, py = y + 0.5 - a.y;
            const double t = length2 > 0 ? std::clamp((px * lx + py * ly) / length2, 0.0, 1.0) : 0.0;
            const double ex = px - t * lx, ey = py - t * ly;
            if (ex * ex + ey * ey > radius * radius)
                continue;
            const double across = length > 0 ? (px * ly - py * lx) / length / radius : 0;
            Plot(x, y, shade(t * 2 - 1, across));
        }
}

void PixelCanvas::Polygon(const std::vector<Point>& points, uint8_t index)
{
    if (points.size() < 3)
        return;
    double top = points[0].y, bottom = points[0].y;
    for (const Point& p : points) {
        top = std::min(top, p.y);
        bottom = std::max(bottom, p.y);
    }
    for (int y = int(std::floor(top)); y <= int(std::ceil(bottom)); ++y) {
        const double cy = y + 0.5;
        std::vector<double> crossings;
        for (size_t i = 0; i < points.size(); ++i) {
            const Point& p = points[i];
            const Point& q = points[(i + 1) % points.size()];
            if ((p.y <= cy) != (q.y <= cy))
                crossings.push_back(p.x + (cy - p.y) / (q.y - p.y) * (q.x - p.x));
        }
        std::sort(crossings.begin(), crossings.end());
        for (size_t i = 0; i + 1 < crossings.size(); i += 2)
            for (int x = int(std::ceil(crossings[i] - 0.5)); x + 0.5 <= crossings[i + 1]; ++x)
                Plot(x, y, index);
    }
}

void PixelCanvas::Arc(Point c, double rx, double ry, double a0, double a1, double width, uint8_t index)
{
    const int steps = std::max(4, int(std::abs(a1 - a0) * std::max(rx, ry)));
    Point previous{c.x + rx * std::cos(a0), c.y + ry * std::sin(a0)};
    for (int i = 1; i <= steps; ++i) {
        const double a = a0 + (a1 - a0) * i / steps;
        const Point p{c.x + rx * std::cos(a), c.y + ry * std::sin(a)};
        Line(previous, p, width, index);
        previous = p;
    }
}

void PixelCanvas::EdgeWhere(uint8_t from, const std::function<bool(uint8_t)>& touching, uint8_t to)
{
    std::vector<uint8_t> result = pixels_;
    for (int y = 0; y < height_; ++y)
        for (int x = 0; x < width_; ++x) {
            if (At(x, y) != from)
                continue;
            const int nx[] = {x - 1, x + 1, x, x};
            const int ny[] = {y, y, y - 1, y + 1};
            for (int k = 0; k < 4; ++k)
                if (nx[k] >= 0 && ny[k] >= 0 && nx[k] < width_ && ny[k] < height_ && touching(At(nx[k], ny[k]))) {
                    result[size_t(y) * size_t(width_) + size_t(x)] = to;
                    break;
                }
        }
    pixels_ = std::move(result);
}

} // namespace vm::builder
