#pragma once
// Rudiva the frog, drawn in palette pixel art from a pose. Every frame of every
// animation is one FrogPose drawn on a fresh 128 x 128 canvas.
#include "PixelCanvas.h"
#include "character/oaTypes.h"

#include <optional>
#include <vector>

namespace vm::builder {

inline constexpr int kFrogFrameSize = 128;

// Palette indices.
enum FrogColor : uint8_t {
    kClear = 0, // transparent
    kInk,
    kGreenDark,
    kGreen,
    kGreenLight,
    kGreenShine,
    kBelly,
    kBellyShade,
    kEyeWhite,
    kEyeShade,
    kPupil,
    kMouth,
    kTongue,
    kBlush,
    kCover,
    kCoverDark,
    kPaper,
    kPaperLine,
    kPencil,
    kPencilWood,
    kGraphite,
    kPuff,
    kPuffShade,
    kSleepBlue,
    kSpot,
    kWing,
    kSparkle,
    kAlarm,
    kColorCount
};

TPalette FrogPalette();

enum class Mouth { Smile, Grin, Flat, Concentrate, Open, Oh, Chew };
enum class Legs { Sit, Jump };
enum class Prop { None, BookClosed, BookOpen, Notepad };

struct Puff {
    Point at;
    double radius;
};

struct FrogPose {
    double lift = 0;    // pixels above the ground
    double squash = 1;  // below 1 flattened, above 1 stretched
    double shift = 0;   // the whole frog, pixels to the right
    double lean = 0;    // the head, pixels to the right of the body
    double eyeOpen = 1; // 1 open, 0 shut
    bool happyEyes = false; // shut eyes drawn as smiling arcs instead of sleepy ones
    double lookX = 0, lookY = 0; // pupils, -1..1
    Mouth mouth = Mouth::Smile;
    double throat = 0;  // croaking sac, 0..1
    bool blush = true;
    Legs legs = Legs::Sit;
    std::optional<Point> leftHand, rightHand; // frog coordinates; default rests on the ground
    Prop prop = Prop::None;
    double pageTurn = -1; // a page in flight over the open book, 0..1; below 0 none
    int linesWritten = 0; // on the notepad
    std::optional<Point> pencilTip;
    std::optional<Point> fly;
    std::optional<Point> tongueTip;
    std::vector<Puff> puffs; // dust and smoke, frame coordinates
    int sleepZ = 0;          // how many Z float above the head
    double zRise = 0;        // how far they have risen, 0..1
    std::vector<Point> notes;    // music notes, frame coordinates
    std::vector<Point> sparkles; // frame coordinates
    bool alarm = false;          // "!" above the head
};

// Height of the notepad's line `line` at x, where the pencil writes.
double PadLineY(int line, double x);

// Draws the pose on a transparent frame.
PixelCanvas DrawFrog(const FrogPose& pose);

} // namespace vm::builder
