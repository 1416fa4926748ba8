#include "FrogAnimations.h"

#include "FrogSounds.h"

#include <array>

namespace vm::builder {
namespace {

// Small pose editors, so the tables below read like a storyboard.
FrogPose Sit() { return {}; }

FrogPose Eyes(FrogPose p, double open)
{
    p.eyeOpen = open;
    return p;
}

FrogPose Look(FrogPose p, double x, double y)
{
    p.lookX = x;
    p.lookY = y;
    return p;
}

FrogPose With(FrogPose p, Mouth mouth)
{
    p.mouth = mouth;
    return p;
}

FrogPose Happy(FrogPose p)
{
    p.mouth = Mouth::Grin;
    p.eyeOpen = 0;
    p.happyEyes = true;
    return p;
}

FrogPose Squash(FrogPose p, double squash, double lift = 0)
{
    p.squash = squash;
    p.lift = lift;
    return p;
}

FrogPose Airborne(FrogPose p, double lift, double stretch)
{
    p.legs = Legs::Jump;
    p.lift = lift;
    p.squash = stretch;
    return p;
}

FrogPose Hands(FrogPose p, Point left, Point right)
{
    p.leftHand = left;
    p.rightHand = right;
    return p;
}

FrogPose RightHand(FrogPose p, Point right)
{
    p.rightHand = right;
    return p;
}

FrameSpec F(FrogPose pose, uint8_t duration, uint16_t sound = 0)
{
    return {std::move(pose), duration, sound, {}, std::nullopt};
}

FrameSpec Branch(FrameSpec frame, uint8_t probability, uint8_t target)
{
    frame.branches.emplace_back(probability, target);
    return frame;
}

std::vector<Puff> Dust(double side, double size)
{
    // side: -1 left, 1 right, 0 both
    std::vector<Puff> puffs;
    for (const double s : {-1.0, 1.0})
        if (side == 0 || side == s) {
            puffs.push_back({{64 + s * 45, 120}, size});
            puffs.push_back({{64 + s * 52, 114}, size * 0.6});
        }
    return puffs;
}

FrogPose WithDust(FrogPose p, double side, double size)
{
    p.puffs = Dust(side, size);
    return p;
}

// Idles, level 1: calm.

AnimationSpec Blink()
{
    return {"Blink", {kStateIdle1}, ReturnKind::None, "",
            {F(Sit(), 120), F(Eyes(Sit(), 0.5), 4), F(Eyes(Sit(), 0), 7), F(Eyes(Sit(), 0.5), 4),
             Branch(F(Sit(), 60), 30, 1)}};
}

AnimationSpec LookAround()
{
    auto lean = [](double x) {
        FrogPose p = Look(Sit(), x, -0.1);
        p.lean = 4 * x;
        return p;
    };
    return {"LookAround", {kStateIdle1}, ReturnKind::None, "",
            {F(Sit(), 40), F(Look(Sit(), -1, 0), 50), F(lean(-1), 70), F(Eyes(lean(-1), 0), 5), F(Sit(), 20),
             F(Look(Sit(), 1, 0), 50), F(lean(1), 70), F(Sit(), 20), Branch(F(Sit(), 40), 25, 1)}};
}

AnimationSpec Smile()
{
    FrogPose grin = With(Sit(), Mouth::Grin);
    FrogPose happy = Happy(Sit());
    happy.sparkles = {{104, 30}};
    return {"Smile", {kStateIdle1}, ReturnKind::None, "",
            {F(Sit(), 30), F(grin, 30), F(happy, 90), F(grin, 30), F(Sit(), 30)}};
}

// Idles, level 2: livelier.

AnimationSpec CroakIdle()
{
    auto sac = [](double size) {
        FrogPose p = With(Sit(), Mouth::Flat);
        p.throat = size;
        p.squash = 1 + size * 0.03;
        return p;
    };
    return {"Croak", {kStateIdle2}, ReturnKind::None, "",
            {F(Sit(), 30), F(sac(0.3), 6), F(sac(0.7), 6), F(sac(1), 30, kSoundCroak), F(sac(0.6), 6), F(sac(0.2), 6),
             Branch(F(Sit(), 40), 40, 1)}};
}

AnimationSpec CatchFly()
{
    auto watch = [](Point fly) {
        FrogPose p = Look(Sit(), (fly.x - 64) / 50, (fly.y - 50) / 40);
        p.fly = fly;
        return p;
    };
    FrogPose strike = watch({64, 8});
    strike.mouth = Mouth::Open;
    strike.tongueTip = Point{64, 8};
    FrogPose reel = strike;
    reel.tongueTip = Point{64, 42};
    reel.fly = Point{64, 42};
    FrogPose chew = With(Sit(), Mouth::Chew);
    chew.eyeOpen = 0;
    chew.happyEyes = true;
    FrogPose chew2 = Squash(chew, 0.97);
    FrogPose pleased = Happy(Sit());
    pleased.sparkles = {{26, 40}, {104, 34}};
    return {"CatchFly", {kStateIdle2}, ReturnKind::None, "",
            {F(watch({14, 24}), 25), F(watch({30, 10}), 20), F(watch({50, 18}), 20), F(watch({82, 8}), 20),
             F(watch({108, 20}), 20), F(watch({64, 8}), 30), F(strike, 6), F(reel, 5), F(chew, 18), F(chew2, 18),
             F(chew, 18), F(pleased, 60, kSoundRibbit), F(Sit(), 20)}};
}

// Idles, level 3: the frog plays on its own.

AnimationSpec Sleep()
{
    auto asleep = [](int z, double rise, double breath) {
        FrogPose p = Squash(Eyes(Sit(), 0), breath);
        p.mouth = Mouth::Flat;
        p.blush = true;
        p.sleepZ = z;
        p.zRise = rise;
        return p;
    };
    FrogPose yawn = Eyes(With(Sit(), Mouth::Open), 0.4);
    FrogPose startled = Eyes(With(Sit(), Mouth::Oh), 1);
    startled.lift = 5;
    startled.sparkles = {{20, 30}};
    AnimationSpec a{"Sleep", {kStateIdle3}, ReturnKind::ExitBranches, "",
                    {F(yawn, 40), F(Eyes(Sit(), 0.4), 50), F(asleep(0, 0, 0.98), 50), F(asleep(1, 0, 0.97), 45),
                     F(asleep(2, 0, 1.0), 45), F(asleep(3, 0, 0.97), 45), Branch(F(asleep(3, 0.6, 1.0), 45), 100, 3),
                     F(Eyes(Sit(), 0.5), 20), F(startled, 12), F(Look(Sit(), 0, 0), 25)}};
    for (int i = 0; i <= 6; ++i)
        a.frames[size_t(i)].exit = 7;
    return a;
}

AnimationSpec Dance()
{
    auto step = [](double side, int beat) {
        FrogPose p = Happy(Sit());
        p.lean = 6 * side;
        p.shift = 3 * side;
        p.lift = beat % 2 ? 6 : 0;
        p.squash = beat % 2 ? 1.04 : 0.95;
        p.leftHand = side < 0 ? Point{15, 48 + 6.0 * beat} : Point{42, 102};
        p.rightHand = side > 0 ? Point{113, 48 + 6.0 * beat} : Point{86, 102};
        p.notes = {{side < 0 ? 100.0 : 14.0, 18.0 + 4 * beat}};
        return p;
    };
    return {"Dance", {kStateIdle3}, ReturnKind::None, "",
            {F(With(Sit(), Mouth::Grin), 20, kSoundRibbit), F(step(-1, 0), 18), F(step(-1, 1), 18), F(step(1, 0), 18),
             F(step(1, 1), 18), F(step(-1, 0), 18), F(step(-1, 1), 18), F(step(1, 0), 18),
             Branch(F(step(1, 1), 18), 50, 1), F(Happy(Sit()), 30)}};
}

// Coming and going.

AnimationSpec Show()
{
    FrogPose landed = WithDust(Squash(Sit(), 0.78), 0, 7);
    landed.mouth = Mouth::Oh;
    FrogPose bounce = WithDust(Squash(Sit(), 1.06), 0, 6);
    FrogPose hello = Happy(Sit());
    hello.sparkles = {{18, 34}, {110, 26}};
    return {"Show", {kStateShowing}, ReturnKind::None, "",
            {F(Look(Airborne(Sit(), 120, 1.2), 0, 1), 4), F(Look(Airborne(Sit(), 80, 1.2), 0, 1), 4),
             F(Look(Airborne(Sit(), 36, 1.15), 0, 1), 4), F(landed, 8, kSoundPop), F(bounce, 6), F(Sit(), 12),
             F(hello, 50, kSoundRibbit), F(Sit(), 20)}};
}

AnimationSpec Hide()
{
    FrogPose wave1 = RightHand(With(Sit(), Mouth::Grin), {111, 45});
    FrogPose wave2 = RightHand(With(Sit(), Mouth::Grin), {116, 60});
    FrogPose crouch = Look(Squash(Sit(), 0.8), 0, -1);
    FrogPose gone = Airborne(Sit(), 200, 1.2);
    gone.puffs = {{{40, 120}, 5}, {{88, 120}, 5}};
    FrogPose empty = gone;
    empty.puffs.clear();
    return {"Hide", {kStateHiding}, ReturnKind::None, "",
            {F(Sit(), 8), F(wave1, 12), F(wave2, 12), F(wave1, 12), F(wave2, 12), F(crouch, 10),
             F(WithDust(Look(Airborne(Sit(), 30, 1.2), 0, -1), 0, 7), 4, kSoundHop),
             F(Look(Airborne(Sit(), 80, 1.2), 0, -1), 4), F(Look(Airborne(Sit(), 130, 1.2), 0, -1), 4), F(gone, 8),
             F(empty, 5)}};
}

AnimationSpec RestPose()
{
    return {"RestPose", {kStateRest}, ReturnKind::None, "", {F(Sit(), 10)}};
}

// Hopping in a direction: a looping hop with exit branches to a landing.

AnimationSpec Move(const char* name, int state, double dx, double dy)
{
    auto facing = [&](FrogPose p) {
        p.lookX = dx;
        p.lookY = dy * 0.9;
        p.lean = 5 * dx;
        p.mouth = dy < 0 ? Mouth::Smile : Mouth::Grin;
        return p;
    };
    const double trailing = dx == 0 ? 0 : -dx;
    FrogPose crouch = facing(Squash(Sit(), 0.8));
    FrogPose takeoff = facing(WithDust(Airborne(Sit(), 16, 1.18), trailing, 6));
    takeoff.leftHand = Point{40 + dx * 8, 108 + dy * 4};
    takeoff.rightHand = Point{88 + dx * 8, 108 + dy * 4};
    takeoff.shift = dx * 3;
    FrogPose air = facing(Airborne(Sit(), 24, 1.06));
    air.shift = dx * 6;
    air.leftHand = Point{36 + dx * 10, 100 + dy * 6};
    air.rightHand = Point{92 + dx * 10, 100 + dy * 6};
    FrogPose land = facing(WithDust(Squash(Sit(), 0.86), trailing, 4));
    land.shift = dx * 3;
    AnimationSpec a{name, {state}, ReturnKind::ExitBranches, "",
                    {F(crouch, 6, kSoundHop), F(takeoff, 5), F(air, 7), Branch(F(land, 6), 100, 0),
                     F(facing(Squash(Sit(), 0.94)), 6), F(facing(Sit()), 10)}};
    const uint8_t exits[] = {4, 3, 3, 4};
    for (size_t i = 0; i < 4; ++i)
        a.frames[i].exit = exits[i];
    return a;
}

// The special animations: each start, its continuation and its return.

AnimationSpec GetAttention()
{
    FrogPose armsUp = Hands(With(Sit(), Mouth::Open), {15, 50}, {113, 50});
    armsUp.alarm = true;
    FrogPose jump = Airborne(armsUp, 16, 1.1);
    FrogPose wave1 = RightHand(With(Sit(), Mouth::Grin), {111, 45});
    FrogPose wave2 = RightHand(With(Sit(), Mouth::Grin), {116, 60});
    return {"GetAttention", {}, ReturnKind::ReturnAnimation, "GetAttentionReturn",
            {F(Sit(), 5), F(Squash(Sit(), 0.82), 5), F(jump, 9, kSoundRibbit), F(Squash(armsUp, 0.9), 6),
             F(Airborne(armsUp, 15, 1.08), 8), F(armsUp, 12), F(wave1, 12), F(wave2, 12), F(wave1, 14)}};
}

AnimationSpec GetAttentionContinued()
{
    FrogPose wave1 = RightHand(With(Sit(), Mouth::Grin), {111, 45});
    FrogPose wave2 = RightHand(With(Sit(), Mouth::Grin), {116, 60});
    return {"GetAttentionContinued", {}, ReturnKind::ReturnAnimation, "GetAttentionReturn",
            {F(wave1, 12), F(wave2, 12), F(wave1, 12), Branch(F(wave2, 12), 60, 0), F(wave1, 12)}};
}

AnimationSpec GetAttentionReturn()
{
    return {"GetAttentionReturn", {}, ReturnKind::None, "",
            {F(RightHand(Sit(), {112, 74}), 8), F(Sit(), 10)}};
}

FrogPose Reading(double lookX, double turn = -1)
{
    FrogPose p = Hands(Look(Sit(), lookX, 0.85), {30, 112}, {98, 112});
    p.prop = Prop::BookOpen;
    p.pageTurn = turn;
    return p;
}

FrogPose HoldingClosedBook()
{
    FrogPose p = Hands(Look(Sit(), 0, 0.7), {44, 106}, {84, 106});
    p.prop = Prop::BookClosed;
    return p;
}

AnimationSpec Read()
{
    return {"Read", {}, ReturnKind::ReturnAnimation, "ReadReturn",
            {F(Sit(), 6), F(HoldingClosedBook(), 14), F(Reading(0), 10), F(Reading(-0.7), 30)}};
}

AnimationSpec ReadContinued()
{
    return {"ReadContinued", {}, ReturnKind::ReturnAnimation, "ReadReturn",
            {F(Reading(-0.7), 28), F(Reading(-0.2), 28), F(Reading(0.4), 28), Branch(F(Reading(0.8), 28), 45, 0),
             F(Reading(0.5, 0.15), 5), F(Reading(0, 0.5), 5), F(Reading(-0.5, 0.85), 5),
             Branch(F(Reading(-0.7), 24), 50, 0)}};
}

AnimationSpec ReadReturn()
{
    return {"ReadReturn", {}, ReturnKind::None, "", {F(HoldingClosedBook(), 10), F(Sit(), 10)}};
}

FrogPose Writing(double x, int line, int linesWritten)
{
    const Point tip{x, PadLineY(line, x) - 0.5};
    FrogPose p = Hands(Look(Sit(), -0.7, 0.9), {18, 110}, {tip.x + 8, tip.y - 8});
    p.prop = Prop::Notepad;
    p.pencilTip = tip;
    p.linesWritten = linesWritten;
    p.mouth = Mouth::Concentrate;
    return p;
}

FrogPose PadOnly(int linesWritten)
{
    FrogPose p = Writing(50, 0, linesWritten);
    p.pencilTip.reset();
    p.rightHand = Point{86, 112};
    p.mouth = Mouth::Smile;
    return p;
}

AnimationSpec Write()
{
    return {"Write", {}, ReturnKind::ReturnAnimation, "WriteReturn",
            {F(Sit(), 6), F(PadOnly(0), 12), F(Writing(44, 0, 0), 12), F(Writing(23, 0, 0), 10),
             F(Writing(36, 0, 0), 10), F(Writing(52, 0, 1), 12)}};
}

AnimationSpec WriteContinued()
{
    AnimationSpec a{"WriteContinued", {}, ReturnKind::ExitBranches, "", {}};
    for (int line = 1; line < 5; ++line) {
        a.frames.push_back(F(Writing(23, line, line), 10));
        a.frames.push_back(F(Writing(36, line, line), 10));
        a.frames.push_back(F(Writing(line % 2 ? 46 : 53, line, line + 1), 10));
    }
    FrogPose done = Writing(50, 0, 5);
    done.pencilTip = Point{76, 92};
    done.rightHand = Point{84, 84};
    done.lookX = 0;
    done.lookY = 0;
    done.mouth = Mouth::Grin;
    a.frames.push_back(F(done, 30));
    for (size_t i = 0; i + 1 < a.frames.size(); ++i)
        a.frames[i].exit = uint8_t(a.frames.size() - 1);
    return a;
}

AnimationSpec WriteReturn()
{
    FrogPose pad = PadOnly(5);
    pad.lookY = 0;
    return {"WriteReturn", {}, ReturnKind::None, "", {F(pad, 10), F(Sit(), 10)}};
}

} // namespace

std::vector<AnimationSpec> FrogAnimations()
{
    return {
        RestPose(),
        Show(),
        Hide(),
        Blink(),
        LookAround(),
        Smile(),
        CroakIdle(),
        CatchFly(),
        Sleep(),
        Dance(),
        Move("MoveDown", kStateMoveDown, 0, 1),
        Move("MoveDownRight", kStateMoveDownRight, 1, 1),
        Move("MoveDownLeft", kStateMoveDownLeft, -1, 1),
        Move("MoveRight", kStateMoveRight, 1, 0),
        Move("MoveLeft", kStateMoveLeft, -1, 0),
        Move("MoveUp", kStateMoveUp, 0, -1),
        Move("MoveUpRight", kStateMoveUpRight, 1, -1),
        Move("MoveUpLeft", kStateMoveUpLeft, -1, -1),
        GetAttention(),
        GetAttentionContinued(),
        GetAttentionReturn(),
        Read(),
        ReadContinued(),
        ReadReturn(),
        Write(),
        WriteContinued(),
        WriteReturn(),
    };
}

} // namespace vm::builder
