#include "FrogArt.h"

#include <algorithm>
#include <cmath>

namespace vm::builder {
namespace {

constexpr double kPi = 3.14159265358979;
constexpr double kGround = 124;
constexpr double kMiddle = 64;
constexpr double kOutline = 1.6;

struct Rgb {
    uint8_t r, g, b;
};

constexpr Rgb kColors[kColorCount] = {
    {255, 0, 255},   // clear
    {30, 54, 28},    // ink
    {56, 118, 44},   // green dark
    {92, 166, 60},   // green
    {140, 202, 84},  // green light
    {198, 234, 142}, // green shine
    {246, 240, 184}, // belly
    {214, 204, 134}, // belly shade
    {255, 255, 255}, // eye white
    {196, 208, 222}, // eye shade
    {22, 22, 30},    // pupil
    {150, 40, 56},   // mouth
    {238, 112, 132}, // tongue
    {246, 156, 146}, // blush
    {186, 56, 52},   // cover
    {124, 32, 38},   // cover dark
    {252, 248, 234}, // paper
    {110, 126, 176}, // paper line
    {250, 202, 62},  // pencil
    {232, 184, 132}, // pencil wood
    {64, 64, 70},    // graphite
    {246, 246, 250}, // puff
    {196, 202, 218}, // puff shade
    {92, 142, 224},  // sleep blue
    {70, 140, 50},   // spot
    {204, 232, 255}, // wing
    {255, 226, 88},  // sparkle
    {232, 64, 48},   // alarm
};

// Light comes from the upper left.
PixelCanvas::Shader GreenShade()
{
    return [](double u, double v) -> uint8_t {
        const double d = u * u + v * v;
        const double light = -0.5 * u - 0.85 * v;
        if (d > 0.72 && light < -0.15)
            return kGreenDark;
        if (light > 0.45 && d < 0.7)
            return kGreenLight;
        return kGreen;
    };
}

PixelCanvas::Shader BellyShade()
{
    return [](double u, double v) -> uint8_t { return (v > 0.55 || (u * u + v * v > 0.8 && v > 0.1)) ? kBellyShade : kBelly; };
}

PixelCanvas::Shader EyeShade()
{
    return [](double u, double v) -> uint8_t { return (v > 0.45 && u * u + v * v > 0.55) ? kEyeShade : kEyeWhite; };
}

// Frog coordinates (sitting, feet on the ground at y 124, centred at x 64)
// to frame coordinates for a pose.
class Space {
public:
    explicit Space(const FrogPose& pose)
        : pose_(pose), sx_(1 + (1 - pose.squash) * 0.55), sy_(pose.squash)
    {
    }
    Point Body(double x, double y) const
    {
        return {kMiddle + pose_.shift + (x - kMiddle) * sx_, kGround - pose_.lift - (kGround - y) * sy_};
    }
    // The head leans further the higher the point sits.
    Point Head(double x, double y) const
    {
        Point p = Body(x, y);
        p.x += pose_.lean * std::clamp((110 - y) / 60, 0.0, 1.0);
        return p;
    }
    // Feet stay planted: squashing widens them only a little.
    Point Foot(double x, double y) const
    {
        Point p = Body(x, y);
        p.x = kMiddle + pose_.shift + (x - kMiddle) * std::min(sx_, 1.04);
        return p;
    }
    double Rx(double r) const { return r * sx_; }
    double Ry(double r) const { return r * sy_; }

private:
    const FrogPose& pose_;
    double sx_, sy_;
};

struct Oval {
    Point c;
    double rx, ry, angle;
};

// Draws the outline of all shapes first, then their fills, so that shapes of
// one group merge into one silhouette with one outline around it.
void OutlinedGroup(PixelCanvas& canvas, const std::vector<Oval>& ovals, const PixelCanvas::Shader& fill)
{
    for (const Oval& o : ovals)
        canvas.Ellipse(o.c, o.rx + kOutline, o.ry + kOutline, o.angle, PixelCanvas::Flat(kInk));
    for (const Oval& o : ovals)
        canvas.Ellipse(o.c, o.rx, o.ry, o.angle, fill);
}

void DrawPuffs(PixelCanvas& canvas, const std::vector<Puff>& puffs)
{
    for (const Puff& p : puffs)
        canvas.Ellipse(p.at, p.radius + kOutline, p.radius * 0.8 + kOutline, kPuffShade);
    for (const Puff& p : puffs)
        canvas.Ellipse(p.at, p.radius, p.radius * 0.8, 0, [](double u, double v) -> uint8_t {
            return (v > 0.35 && u * u + v * v > 0.5) ? kPuffShade : kPuff;
        });
}

void DrawBackLegs(PixelCanvas& canvas, const Space& s, const FrogPose& pose)
{
    if (pose.legs == Legs::Sit) {
        OutlinedGroup(canvas,
                      {
                          {s.Foot(26, 119), 15, s.Ry(5.5), 0},
                          {s.Foot(102, 119), 15, s.Ry(5.5), 0},
                          {s.Body(34, 104), s.Rx(19), s.Ry(14), -0.55},
                          {s.Body(94, 104), s.Rx(19), s.Ry(14), 0.55},
                      },
                      GreenShade());
        // toes
        for (const double side : {-1.0, 1.0})
            for (int t = 0; t < 3; ++t) {
                const Point toe = s.Foot(kMiddle + side * (48 + t * 3), 118.5 + t * 1.8);
                canvas.Ellipse(toe, 3.4, 2.6, kInk);
                canvas.Ellipse(toe, 2.2, 1.5, kGreenLight);
            }
        canvas.Ellipse(s.Body(30, 99), 4, 2.5, kSpot);
        canvas.Ellipse(s.Body(99, 101), 4.5, 2.5, kSpot);
        return;
    }
    // In the air the legs hang long behind the body.
    for (const double side : {-1.0, 1.0}) {
        const Point hip = s.Body(kMiddle + side * 22, 106);
        const Point knee = s.Body(kMiddle + side * 34, 120);
        const Point ankle = s.Body(kMiddle + side * 26, 129);
        const Point foot = s.Body(kMiddle + side * 30, 134);
        canvas.Capsule(hip, knee, 9 + kOutline, kInk);
        canvas.Capsule(knee, ankle, 5 + kOutline, kInk);
        canvas.Ellipse(foot, 10 + kOutline, 3.5 + kOutline, side * 0.3, PixelCanvas::Flat(kInk));
        canvas.Capsule(hip, knee, 9, GreenShade());
        canvas.Capsule(knee, ankle, 5, GreenShade());
        canvas.Ellipse(foot, 10, 3.5, side * 0.3, PixelCanvas::Flat(kGreen));
    }
}

void DrawEye(PixelCanvas& canvas, Point c, const FrogPose& pose, double side)
{
    const double r = 10.5;
    canvas.Ellipse(c, r + kOutline, r + kOutline, kInk);
    if (pose.eyeOpen <= 0.05) {
        canvas.Ellipse(c, r, r, 0, GreenShade());
        if (pose.happyEyes)
            canvas.Arc({c.x, c.y + 3}, 6, 5, kPi * 1.1, kPi * 1.9, 2, kInk);
        else
            canvas.Arc({c.x, c.y - 1}, 6, 4, kPi * 0.1, kPi * 0.9, 2, kInk);
        return;
    }
    canvas.Ellipse(c, r, r, 0, EyeShade());
    const Point pupil{c.x + pose.lookX * 4 + side * 0.5, c.y + 1 + pose.lookY * 4};
    canvas.Ellipse(pupil, 5.5, 6.5, kPupil);
    canvas.Ellipse({pupil.x - 2, pupil.y - 2.5}, 1.8, 1.8, kEyeWhite);
    canvas.Plot(int(pupil.x + 2), int(pupil.y + 2), kEyeWhite);
    if (pose.eyeOpen < 1) {
        // The lid comes down from the top of the eye.
        const double edge = -1 + 2 * (1 - pose.eyeOpen);
        canvas.Ellipse(c, r, r, 0, [edge](double u, double v) -> uint8_t {
            return v < edge ? uint8_t(v < edge - 0.2 ? kGreen : kInk) : PixelCanvas::kKeep;
        });
    }
}

void DrawMouth(PixelCanvas& canvas, const Space& s, const FrogPose& pose)
{
    const Point centre = s.Head(64, 70);
    switch (pose.mouth) {
    case Mouth::Smile:
        canvas.Arc({centre.x, centre.y - 6}, s.Rx(22), s.Ry(9), kPi * 0.12, kPi * 0.88, 2, kInk);
        break;
    case Mouth::Grin: {
        const Point c{centre.x, centre.y - 2};
        canvas.Ellipse(c, s.Rx(16) + kOutline, s.Ry(7) + kOutline, 0, [](double, double v) -> uint8_t {
            return v < -0.1 ? PixelCanvas::kKeep : uint8_t(kInk);
        });
        canvas.Ellipse(c, s.Rx(16), s.Ry(7), 0, [](double u, double v) -> uint8_t {
            if (v < -0.05)
                return PixelCanvas::kKeep;
            return v > 0.45 && std::abs(u) < 0.6 ? kTongue : kMouth;
        });
        canvas.Line({c.x - s.Rx(17), c.y}, {c.x + s.Rx(17), c.y}, 2, kInk);
        break;
    }
    case Mouth::Flat:
        canvas.Line({centre.x - s.Rx(18), centre.y}, {centre.x + s.Rx(18), centre.y}, 2, kInk);
        break;
    case Mouth::Concentrate: {
        const Point tip{centre.x + s.Rx(12), centre.y + 2.5};
        canvas.Ellipse(tip, 3.2 + kOutline, 3 + kOutline, kInk);
        canvas.Ellipse(tip, 3.2, 3, kTongue);
        canvas.Line({centre.x - s.Rx(18), centre.y}, {centre.x + s.Rx(18), centre.y}, 2, kInk);
        break;
    }
    case Mouth::Open:
        canvas.Ellipse({centre.x, centre.y + 2}, s.Rx(12) + kOutline, s.Ry(7) + kOutline, kInk);
        canvas.Ellipse({centre.x, centre.y + 2}, s.Rx(12), s.Ry(7), 0,
                       [](double u, double v) -> uint8_t { return v > 0.3 && std::abs(u) < 0.7 ? kTongue : kMouth; });
        break;
    case Mouth::Oh:
        canvas.Ellipse({centre.x, centre.y + 1}, 4.5 + kOutline, 5 + kOutline, kInk);
        canvas.Ellipse({centre.x, centre.y + 1}, 4.5, 5, kMouth);
        break;
    case Mouth::Chew:
        canvas.Arc({centre.x - 8, centre.y - 3}, 8, 4, kPi * 0.1, kPi * 0.9, 2, kInk);
        canvas.Arc({centre.x + 8, centre.y - 3}, 8, 4, kPi * 0.1, kPi * 0.9, 2, kInk);
        break;
    }
}

void DrawBook(PixelCanvas& canvas, const Space& s, const FrogPose& pose)
{
    auto P = [&](double x, double y) { return s.Body(x, y); };
    if (pose.prop == Prop::BookClosed) {
        canvas.Polygon({P(44, 92), P(84, 92), P(84, 117), P(44, 117)}, kInk);
        canvas.Polygon({P(45.5, 93.5), P(82.5, 93.5), P(82.5, 115.5), P(45.5, 115.5)}, kCover);
        canvas.Polygon({P(45.5, 93.5), P(49.5, 93.5), P(49.5, 115.5), P(45.5, 115.5)}, kCoverDark);
        canvas.Polygon({P(56, 99), P(76, 99), P(76, 107), P(56, 107)}, kPaper);
        canvas.Line(P(59, 102), P(73, 102), 1, kPaperLine);
        canvas.Line(P(59, 104.5), P(70, 104.5), 1, kPaperLine);
        return;
    }
    // Open: two pages in a shallow V over a red cover.
    const double left = 30, right = 98, top = 88, bottom = 113, dip = 6, mid = 64;
    canvas.Polygon({P(left - 2, top), P(mid, top + dip - 1), P(right + 2, top), P(right + 2, bottom + 2.5),
                    P(mid, bottom + dip + 2.5), P(left - 2, bottom + 2.5)},
                   kInk);
    canvas.Polygon({P(left - 0.5, top + 2), P(mid, top + dip + 1), P(right + 0.5, top + 2), P(right + 0.5, bottom + 1),
                    P(mid, bottom + dip + 1), P(left - 0.5, bottom + 1)},
                   kCover);
    canvas.Polygon({P(left + 1, top + 1), P(mid - 0.5, top + dip), P(mid - 0.5, bottom + dip - 1), P(left + 1, bottom - 1)},
                   kPaper);
    canvas.Polygon({P(mid + 0.5, top + dip), P(right - 1, top + 1), P(right - 1, bottom - 1), P(mid + 0.5, bottom + dip - 1)},
                   kPaper);
    canvas.Line(P(mid, top + dip), P(mid, bottom + dip), 1, kInk);
    for (int line = 0; line < 5; ++line) {
        const double y = top + 6 + line * 3.6;
        canvas.Line(P(left + 5, y), P(mid - 4, y + dip * 0.8), 1, kPaperLine);
        canvas.Line(P(mid + 4, y + dip * 0.8), P(right - 5 - (line == 4 ? 10 : 0), y), 1, kPaperLine);
    }
    if (pose.pageTurn >= 0) {
        // The turning page swings from the right half to the left.
        const double w = (right - mid - 1) * std::cos(pose.pageTurn * kPi);
        const double lift = 9 * std::sin(pose.pageTurn * kPi);
        canvas.Polygon({P(mid, top + dip - 1), P(mid + w, top - lift), P(mid + w, bottom - lift), P(mid, bottom + dip)}, kInk);
        const double inset = w > 0 ? -1.5 : 1.5;
        canvas.Polygon({P(mid, top + dip + 0.5), P(mid + w + inset, top + 1.5 - lift), P(mid + w + inset, bottom - 1.5 - lift),
                        P(mid, bottom + dip - 1.5)},
                       std::abs(w) < 10 ? kEyeShade : kPaper);
    }
}

} // namespace

// The pad's lines rise slightly to the right, as the pad is held tilted.
double PadLineY(int line, double x) { return 87 + line * 4.4 + (x - 20) * 0.08; }

namespace {

void DrawNotepad(PixelCanvas& canvas, const Space& s, const FrogPose& pose)
{
    auto P = [&](double x, double y) { return s.Body(x, y); };
    canvas.Polygon({P(16, 76), P(64, 80), P(61, 116), P(13, 112)}, kInk);
    canvas.Polygon({P(17.5, 77.6), P(62.4, 81.4), P(59.6, 114.4), P(14.6, 110.6)}, kPaper);
    canvas.Polygon({P(17.5, 77.6), P(62.4, 81.4), P(62.1, 85.5), P(17.1, 81.7)}, kCover);
    for (int line = 0; line < pose.linesWritten && line < 5; ++line) {
        const double x0 = 21, length = line % 2 ? 26 : 33;
        // handwriting: a wavy line
        Point previous = P(x0, PadLineY(line, x0));
        for (int k = 1; k <= 10; ++k) {
            const double x = x0 + length * k / 10;
            const Point p = P(x, PadLineY(line, x) + (k % 2 ? -1.2 : 0.6));
            canvas.Line(previous, p, 1, kPaperLine);
            previous = p;
        }
    }
}

void DrawPencil(PixelCanvas& canvas, const Space& s, Point tip)
{
    const Point t = s.Body(tip.x, tip.y);
    const Point end{t.x + 19, t.y - 22};
    const Point woodEnd{t.x + 4.5, t.y - 5.2};
    canvas.Capsule(t, end, 3 + kOutline, kInk);
    canvas.Capsule(woodEnd, end, 3, kPencil);
    canvas.Capsule(t, woodEnd, 2, kPencilWood);
    canvas.Ellipse(t, 1.5, 1.5, kGraphite);
    canvas.Capsule({end.x - 2.5, end.y + 2.8}, end, 3, kTongue);
}

// Raised arms beside the head come from behind it; all others lie in front.
bool ArmRaised(const std::optional<Point>& hand) { return hand && hand->y < 82 && std::abs(hand->x - 64) > 40; }

// Front legs used as arms: shoulder, elbow bent outward, hand with three
// fingers. Raised arms come from behind the head, the others lie in front of
// the body; arms that hold a prop from behind show only their fingers over it.
struct Arm {
    Point shoulder, elbow, hand;
    double angle; // of the forearm
};

Arm ArmOf(const Space& s, const FrogPose& pose, int side)
{
    const std::optional<Point>& wanted = side < 0 ? pose.leftHand : pose.rightHand;
    const bool raised = ArmRaised(wanted);
    Arm arm;
    arm.shoulder = raised ? s.Head(64 + side * 26, 92) : s.Head(64 + side * 16, 96);
    arm.hand = wanted ? s.Body(wanted->x, wanted->y) : s.Body(64 + side * 19, 115.5);
    const double dx = arm.hand.x - arm.shoulder.x, dy = arm.hand.y - arm.shoulder.y;
    const double length = std::max(1.0, std::hypot(dx, dy));
    // outward: the perpendicular that points away from the body's middle
    Point normal{-dy / length, dx / length};
    if (normal.x * side < 0)
        normal = {-normal.x, -normal.y};
    const double bend = raised ? 5 : 2.5;
    arm.elbow = {(arm.shoulder.x + arm.hand.x) / 2 + normal.x * bend, (arm.shoulder.y + arm.hand.y) / 2 + normal.y * bend};
    arm.angle = std::atan2(arm.hand.y - arm.elbow.y, arm.hand.x - arm.elbow.x);
    return arm;
}

void DrawLimb(PixelCanvas& canvas, const Arm& arm)
{
    const double r = 4.6;
    canvas.Capsule(arm.shoulder, arm.elbow, r + kOutline, kInk);
    canvas.Capsule(arm.elbow, arm.hand, r + kOutline, kInk);
    canvas.Capsule(arm.shoulder, arm.elbow, r, GreenShade());
    canvas.Capsule(arm.elbow, arm.hand, r, GreenShade());
}

void DrawFingers(PixelCanvas& canvas, const Arm& arm)
{
    auto finger = [&](int f) {
        return Point{arm.hand.x + std::cos(arm.angle + f * 0.65) * 5.5, arm.hand.y + std::sin(arm.angle + f * 0.65) * 5.5};
    };
    for (int f = -1; f <= 1; ++f)
        canvas.Ellipse(finger(f), 3 + kOutline, 3 + kOutline, kInk);
    for (int f = -1; f <= 1; ++f)
        canvas.Ellipse(finger(f), 3, 3, kGreenLight);
}

void DrawArm(PixelCanvas& canvas, const Space& s, const FrogPose& pose, int side)
{
    const Arm arm = ArmOf(s, pose, side);
    DrawFingers(canvas, arm);
    DrawLimb(canvas, arm);
}

void DrawZ(PixelCanvas& canvas, Point at, double size)
{
    const Point a{at.x, at.y}, b{at.x + size, at.y}, c{at.x, at.y + size}, d{at.x + size, at.y + size};
    for (const auto& [p, q] : {std::pair{a, b}, std::pair{b, c}, std::pair{c, d}})
        canvas.Line(p, q, 2.2, kSleepBlue);
}

void DrawNote(PixelCanvas& canvas, Point at)
{
    canvas.Ellipse({at.x, at.y + 8}, 3.2, 2.5, -0.4, PixelCanvas::Flat(kInk));
    canvas.Line({at.x + 2.5, at.y + 8}, {at.x + 2.5, at.y - 2}, 1.5, kInk);
    canvas.Line({at.x + 2.5, at.y - 2}, {at.x + 6.5, at.y + 1}, 1.5, kInk);
}

void DrawSparkle(PixelCanvas& canvas, Point at)
{
    canvas.Line({at.x - 5, at.y}, {at.x + 5, at.y}, 1.6, kSparkle);
    canvas.Line({at.x, at.y - 5}, {at.x, at.y + 5}, 1.6, kSparkle);
    canvas.Ellipse(at, 1.6, 1.6, kEyeWhite);
}

} // namespace

TPalette FrogPalette()
{
    TPalette palette;
    palette.version = 0x300;
    palette.entryCount = 256;
    for (size_t i = 0; i < kColorCount; ++i)
        palette.entries[i] = {kColors[i].r, kColors[i].g, kColors[i].b, 0};
    return palette;
}

PixelCanvas DrawFrog(const FrogPose& pose)
{
    PixelCanvas canvas(kFrogFrameSize, kFrogFrameSize, kClear);
    const Space s(pose);

    DrawPuffs(canvas, pose.puffs);
    DrawBackLegs(canvas, s, pose);
    for (const int side : {-1, 1})
        if (ArmRaised(side < 0 ? pose.leftHand : pose.rightHand))
            DrawArm(canvas, s, pose, side);

    // Body, head and the bumps the eyes sit in: one silhouette.
    const Point eyes[2] = {s.Head(41, 44), s.Head(87, 44)};
    OutlinedGroup(canvas,
                  {
                      {s.Body(64, 98), s.Rx(32), s.Ry(25), 0},
                      {s.Head(64, 68), s.Rx(42), s.Ry(24), 0},
                      {eyes[0], s.Rx(15.5), s.Ry(15), 0},
                      {eyes[1], s.Rx(15.5), s.Ry(15), 0},
                  },
                  GreenShade());
    canvas.Ellipse(s.Head(46, 58), s.Rx(7), s.Ry(2.5), -0.3, PixelCanvas::Flat(kGreenShine));
    canvas.Ellipse(s.Head(34, 36), s.Rx(3), s.Ry(2), -0.5, PixelCanvas::Flat(kGreenShine));
    canvas.Ellipse(s.Head(80, 36), s.Rx(3), s.Ry(2), -0.5, PixelCanvas::Flat(kGreenShine));
    canvas.Ellipse(s.Head(84, 60), s.Rx(3.5), s.Ry(2.2), kSpot);
    canvas.Ellipse(s.Head(90, 66), s.Rx(2.2), s.Ry(1.6), kSpot);
    canvas.Ellipse(s.Body(64, 102), s.Rx(22), s.Ry(19), 0, BellyShade());

    if (pose.throat > 0) {
        const Point c = s.Head(64, 82 + pose.throat * 3);
        const double rx = s.Rx(7 + pose.throat * 11), ry = s.Ry(5 + pose.throat * 9);
        canvas.Ellipse(c, rx + kOutline, ry + kOutline, kInk);
        canvas.Ellipse(c, rx, ry, 0, [](double u, double v) -> uint8_t {
            if ((u + 0.35) * (u + 0.35) + (v + 0.4) * (v + 0.4) < 0.06)
                return kEyeWhite;
            return v > 0.4 ? kBellyShade : kBelly;
        });
    }

    for (int i = 0; i < 2; ++i)
        DrawEye(canvas, eyes[i], pose, i == 0 ? -1 : 1);
    canvas.Ellipse(s.Head(58.5, 60), 1.3, 1, kInk);
    canvas.Ellipse(s.Head(69.5, 60), 1.3, 1, kInk);
    DrawMouth(canvas, s, pose);
    if (pose.blush) {
        canvas.Ellipse(s.Head(31, 72), s.Rx(5.5), s.Ry(2.8), kBlush);
        canvas.Ellipse(s.Head(97, 72), s.Rx(5.5), s.Ry(2.8), kBlush);
    }

    const bool holdFromBehind = pose.prop == Prop::Notepad;
    if (holdFromBehind)
        for (const int side : {-1, 1})
            DrawLimb(canvas, ArmOf(s, pose, side));
    if (pose.prop == Prop::BookClosed || pose.prop == Prop::BookOpen)
        DrawBook(canvas, s, pose);
    if (pose.prop == Prop::Notepad)
        DrawNotepad(canvas, s, pose);
    // The pencil goes under the fingers that hold it.
    if (pose.pencilTip)
        DrawPencil(canvas, s, *pose.pencilTip);
    for (const int side : {-1, 1}) {
        if (holdFromBehind)
            DrawFingers(canvas, ArmOf(s, pose, side));
        else if (!ArmRaised(side < 0 ? pose.leftHand : pose.rightHand))
            DrawArm(canvas, s, pose, side);
    }

    if (pose.tongueTip) {
        const Point from = s.Head(64, 72);
        canvas.Capsule(from, *pose.tongueTip, 2.6 + kOutline, kInk);
        canvas.Ellipse(*pose.tongueTip, 4.5 + kOutline, 4.5 + kOutline, kInk);
        canvas.Capsule(from, *pose.tongueTip, 2.6, kTongue);
        canvas.Ellipse(*pose.tongueTip, 4.5, 4.5, kTongue);
    }
    if (pose.fly) {
        const Point f = *pose.fly;
        canvas.Ellipse({f.x - 3, f.y - 3}, 3.5, 2, -0.6, PixelCanvas::Flat(kInk));
        canvas.Ellipse({f.x + 3, f.y - 3}, 3.5, 2, 0.6, PixelCanvas::Flat(kInk));
        canvas.Ellipse({f.x - 3, f.y - 3}, 2.5, 1.2, -0.6, PixelCanvas::Flat(kWing));
        canvas.Ellipse({f.x + 3, f.y - 3}, 2.5, 1.2, 0.6, PixelCanvas::Flat(kWing));
        canvas.Ellipse(f, 2.6, 2.2, kPupil);
    }
    for (int z = 0; z < pose.sleepZ; ++z) {
        const double size = 5 + z * 2;
        const Point at = s.Head(92 + z * 9, 30 - z * 11 - pose.zRise * 6);
        DrawZ(canvas, {at.x, at.y - size}, size);
    }
    for (const Point& n : pose.notes)
        DrawNote(canvas, n);
    for (const Point& p : pose.sparkles)
        DrawSparkle(canvas, p);
    if (pose.alarm) {
        const Point top{s.Head(64, 10).x, std::max(2.0, s.Head(64, 10).y)};
        canvas.Capsule(top, {top.x, top.y + 12}, 2.6 + kOutline, kInk);
        canvas.Capsule(top, {top.x, top.y + 12}, 2.6, kAlarm);
        canvas.Ellipse({top.x, top.y + 19}, 2.6 + kOutline, 2.6 + kOutline, kInk);
        canvas.Ellipse({top.x, top.y + 19}, 2.6, 2.6, kAlarm);
    }
    return canvas;
}

} // namespace vm::builder
