// Styles 110-117, 142-144, 149 and 150: the new picture shows through polygons:
// triangles from corners and edges, grids of small triangles or rectangles, a fan
// sweeping round the centre, a rectangle or star turning as it grows. T(a, b, c) is
// a triangle; regions are cut to the frame, since the shapes reach far outside it.
#include "transitions/EffectFamilies.h"
#include "transitions/EffectFrame.h"
#include "transitions/PolygonShapes.h"

#include <cmath>
#include <numbers>

namespace vm {

std::vector<Point> FanRegion(int Cx, int Cy, int R, double Start, double End, int N)
{
    std::vector<Point> points{{Cx, Cy}};
    for (int k = 1; k <= N; ++k) {
        const double a = Start + (k - 1) * (End - Start) / N;
        points.push_back({int(std::nearbyint(R * std::cos(a))) + Cx, int(std::nearbyint(R * std::sin(a))) + Cy});
    }
    return points;
}

void RotatePoints(std::vector<Point>& points, int Cx, int Cy, double angle)
{
    const double c = std::cos(angle), s = std::sin(angle);
    for (Point& p : points) {
        const double dx = p.x - Cx, dy = p.y - Cy;
        p = {int(std::nearbyint(dx * c - dy * s)) + Cx, int(std::nearbyint(dx * s + dy * c)) + Cy};
    }
}

namespace {

constexpr double pi = std::numbers::pi;

Region T(const EffectFrame& f, Point a, Point b, Point c)
{
    const Point corners[] = {a, b, c};
    return Region::FromPolygon(corners, f.Full());
}

// Style 117: right triangles whose hypotenuse passes through each grid point.
void TriangularShred(EffectFrame& f)
{
    const int n = f.S > 1 ? f.S / 2 : f.S;
    const int x = f.X / n, y = f.Y / n, cw = f.W / n, ch = f.H / n;
    const Point triangle[] = {{-x, -y}, {x, -y}, {-x, y}};
    f.RevealThrough(Region::UnionOfTranslates(Region::FromPolygon(triangle), n + 1, cw, n + 1, ch, f.Full()));
}

// Style 142: rectangles centred on the grid points; their size divides by S before halving.
void RectangularShred(EffectFrame& f)
{
    const int x = f.X / f.S, y = f.Y / f.S;
    const int n = f.S > 1 ? f.S / 2 : f.S;
    const int cw = f.W / n, ch = f.H / n;
    f.RevealThrough(Region::UnionOfTranslates(Region::FromRect({-x, -y, x, y}), n + 1, cw, n + 1, ch, f.Full()));
}

// Styles 143, 144: straight up at the start, (p - 1) x 3.6 degrees wide at progress p.
template <int Turn>
void Sweep(EffectFrame& f)
{
    const int64_t hw = f.W / 2, hh = f.H / 2;
    const int R = int(std::ceil(std::sqrt(double(hw * hw + hh * hh))));
    const double start = -pi / 2, end = Turn * f.progress * pi / 50 - pi / 2;
    f.RevealThrough(Region::FromPolygon(FanRegion(f.W / 2, f.H / 2, R, start, end, f.progress), f.Full()));
}

// Styles 149, 150: one full clockwise turn over the transition while growing.
template <bool Star>
void Rotational(EffectFrame& f)
{
    const int cx = f.W / 2, cy = f.H / 2, hx = f.X / 2, hy = f.Y / 2, X = f.X, Y = f.Y;
    std::vector<Point> shape;
    if (Star)
        shape = {{cx - 2 * X, cy}, {cx - hx, cy - hy}, {cx, cy - 2 * Y}, {cx + hx, cy - hy},
                 {cx + 2 * X, cy}, {cx + hx, cy + hy}, {cx, cy + 2 * Y}, {cx - hx, cy + hy}};
    else
        shape = {{cx - hx, cy - hy}, {cx + hx, cy - hy}, {cx + hx, cy + hy}, {cx - hx, cy + hy}};
    RotatePoints(shape, cx, cy, f.progress * pi / 50);
    f.RevealThrough(Region::FromPolygon(shape, f.Full()));
}

constexpr NumberedDraw kPolygons[] = {
    {110, [](EffectFrame& f) { f.RevealThrough(T(f, {0, 0}, {2 * f.X, 0}, {0, 2 * f.Y})); }},
    {111, [](EffectFrame& f) { f.RevealThrough(T(f, {f.W, 0}, {f.W - 2 * f.X, 0}, {f.W, 2 * f.Y})); }},
    {112, [](EffectFrame& f) { f.RevealThrough(T(f, {0, f.H}, {2 * f.X, f.H}, {0, f.H - 2 * f.Y})); }},
    {113, [](EffectFrame& f) { f.RevealThrough(T(f, {f.W, f.H}, {f.W - 2 * f.X, f.H}, {f.W, f.H - 2 * f.Y})); }},
    {114,
     [](EffectFrame& f) {
         f.RevealThrough(Union(T(f, {0, f.H}, {0, 0}, {f.X, f.H}), T(f, {f.W, f.H}, {f.W, 0}, {f.W - f.X, 0})));
     }},
    {115,
     [](EffectFrame& f) {
         f.RevealThrough(Union(T(f, {f.W, 0}, {0, 0}, {f.W, f.Y}), T(f, {f.W, f.H}, {0, f.H}, {0, f.H - f.Y})));
     }},
    {116,
     [](EffectFrame& f) {
         const Point c{f.W / 2, f.H / 2};
         f.RevealThrough(Union(Union(T(f, c, {0, f.H}, {0, f.H - f.Y}), T(f, {0, 0}, {f.X, 0}, c)),
                               Union(T(f, {f.W - f.X, f.H}, c, {f.W, f.H}), T(f, c, {f.W, 0}, {f.W, f.Y}))));
     }},
    {117, TriangularShred},
    {142, RectangularShred},
    {143, Sweep<1>},
    {144, Sweep<-1>},
    {149, Rotational<false>},
    {150, Rotational<true>},
};

constinit const auto kPolygonEffects = NumberedProcsOf<kPolygons>(std::make_index_sequence<std::size(kPolygons)>{});

} // namespace

std::span<const NumberedEffect> PolygonEffects() { return kPolygonEffects; }

} // namespace vm
