#include "TestPicShow.h"
#include "EffectTestImages.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace vm;
using test::EventLog;
using test::TestPicShow;

namespace {

std::vector<int> Expected(std::initializer_list<int> v) { return v; }

// A control showing an old picture, with the new one assigned, ready to Start.
struct Stage {
    explicit Stage(int w = 40, int h = 30)
    {
        show.SetColor(0x000000FF); // red background
        show.SetPicture(test::OldScreen(w, h));
        show.SetStep(100);
        show.Start(); // one frame: the old picture is shown
        show.Paint();
        show.SetPicture(test::NewPicture(w, h));
        log.Attach(show);
    }
    TestPicShow show;
    EventLog log;
};

Bitmap Shown(const TCustomPicShow& s)
{
    auto lock = s.LockDisplay();
    return s.DisplayImage();
}

} // namespace

TEST(PicShowTiming, Step3GivesThirtyFourFramesEndingAt100)
{
    Stage st;
    st.show.SetStep(3);
    st.show.Start();
    EXPECT_EQ(st.log.progress.size(), 34u);
    EXPECT_EQ(st.log.progress.front(), 3);
    EXPECT_EQ(st.log.progress[32], 99);
    EXPECT_EQ(st.log.progress.back(), 100);
    EXPECT_FALSE(st.show.Running());
    EXPECT_EQ(Shown(st.show), test::NewPicture(40, 30));
}

TEST(PicShowTiming, StepIsClampedToOneToHundred)
{
    struct Case {
        int step;
        size_t frames;
    };
    for (const Case c : {Case{100, 1}, Case{0, 100}, Case{1000, 1}, Case{33, 4}}) {
        Stage st;
        st.show.SetStep(c.step);
        st.show.Start();
        EXPECT_EQ(st.log.progress.size(), c.frames) << c.step;
    }
}

TEST(PicShowTiming, ReverseEndsWithAFrameAtZeroShowingTheSnapshot)
{
    Stage st;
    st.show.SetReverse(true);
    st.show.SetStep(30);
    st.show.Start();
    EXPECT_EQ(st.log.progress, Expected({70, 40, 10, 0}));
    EXPECT_EQ(Shown(st.show), test::OldScreen(40, 30));
}

TEST(PicShowEvents, ComeInTheDocumentedOrder)
{
    Stage st;
    st.show.SetStep(50);
    st.show.Start();
    const std::vector<std::string> want{"Start",    "Before", "After", "Progress", "Before",
                                        "After",    "Progress", "Complete", "Stop"};
    EXPECT_EQ(st.log.events, want);
}

TEST(PicShowEvents, StopFromOnProgressEndsTheTransitionOnce)
{
    Stage st;
    st.show.SetStep(10);
    st.show.OnProgress = [&](TCustomPicShow& s) {
        st.log.Add("Progress");
        if (s.Progress() == 30)
            s.Stop();
    };
    st.show.Start(); // returns
    EXPECT_FALSE(st.show.Running());
    EXPECT_EQ(st.log.Count("Progress"), 3);
    EXPECT_EQ(st.log.Count("Stop"), 1);
    EXPECT_EQ(st.log.Count("Complete"), 0);
}

TEST(PicShowEvents, AFailingStartClearsRunningAndReachesTheCaller)
{
    Stage st;
    st.show.OnStart = [](TCustomPicShow&, const Bitmap&, Bitmap&) { throw std::runtime_error("no memory"); };
    EXPECT_THROW(st.show.Start(), std::runtime_error);
    EXPECT_FALSE(st.show.Running());
    EXPECT_EQ(st.log.Count("Stop"), 0);
}

TEST(PicShowManual, TheApplicationDrivesEveryFrame)
{
    Stage st;
    st.show.SetManual(true);
    st.show.Start();
    EXPECT_TRUE(st.show.Running());
    EXPECT_EQ(st.show.Progress(), 0);
    EXPECT_TRUE(st.log.progress.empty()) << "Start draws no frame";
    st.show.SetProgress(40);
    st.show.SetProgress(40); // the same value draws once
    st.show.SetProgress(250); // taken as 100
    EXPECT_EQ(st.log.progress, Expected({40, 100}));
    EXPECT_TRUE(st.show.Running()) << "reaching 100 does not end a manual transition";
    st.show.Stop();
    EXPECT_FALSE(st.show.Running());
    EXPECT_EQ(st.log.Count("Stop"), 1);
    EXPECT_EQ(st.log.Count("Complete"), 0);
    st.show.SetProgress(10); // idle: nothing
    EXPECT_EQ(st.log.progress.size(), 2u);
}

TEST(PicShowManual, SwitchingManualOffRunsTheRestOfTheAnimation)
{
    Stage st;
    st.show.SetStep(25);
    st.show.SetManual(true);
    st.show.Start();
    st.show.SetProgress(50);
    st.show.SetManual(false);
    EXPECT_EQ(st.log.progress, Expected({50, 75, 100}));
    EXPECT_EQ(st.log.Count("Complete"), 1);
}

TEST(PicShowFrames, Style0WithoutHandlerShowsTheSnapshotUntilTheLastFrame)
{
    Stage st;
    st.show.SetStyle(0);
    st.show.SetStep(25);
    std::vector<Bitmap> frames;
    st.show.OnAfterNewFrame = [&](TCustomPicShow&, const Bitmap&, Bitmap& screen) { frames.push_back(screen); };
    st.show.Start();
    ASSERT_EQ(frames.size(), 4u);
    for (int k = 0; k < 3; ++k)
        EXPECT_EQ(frames[size_t(k)], test::OldScreen(40, 30)) << k;
    EXPECT_EQ(frames[3], test::NewPicture(40, 30));
}

TEST(PicShowFrames, Style0DrawsThroughOnCustomDraw)
{
    Stage st;
    st.show.SetStyle(0);
    st.show.SetStep(50);
    int calls = 0;
    st.show.OnCustomDraw = [&](TCustomPicShow& s, const Bitmap& picture, Bitmap& screen) {
        ++calls;
        EXPECT_EQ(s.Progress(), 50);
        screen.Set(0, 0, picture.At(0, 0));
    };
    Bitmap half;
    st.show.OnAfterNewFrame = [&](TCustomPicShow& s, const Bitmap&, Bitmap& screen) {
        if (s.Progress() == 50)
            half = screen;
    };
    st.show.Start();
    EXPECT_EQ(calls, 1) << "not called for the last frame";
    EXPECT_EQ(half.At(0, 0), test::NewAt(0, 0));
    EXPECT_EQ(half.At(1, 0), test::OldAt(1, 0));
}

TEST(PicShowFrames, WithoutOverDrawOrBeforeTheFirstPaintTheSnapshotIsTheBackground)
{
    {
        Stage st;
        st.show.SetOverDraw(false);
        st.show.SetManual(true);
        st.show.Start();
        st.show.SetProgress(0 + 1);
        st.show.SetStyle(0);
        st.show.SetProgress(2); // style 0: the snapshot alone
        EXPECT_EQ(Shown(st.show).At(5, 5), PixelFromColor(0x000000FF));
    }
    {
        TestPicShow fresh; // never painted
        fresh.SetColor(0x00FF0000);
        fresh.SetPicture(test::NewPicture(40, 30));
        fresh.SetStyle(0);
        fresh.SetManual(true);
        fresh.Start();
        fresh.SetProgress(50);
        EXPECT_EQ(Shown(fresh).At(3, 3), PixelFromColor(0x00FF0000));
    }
    {
        Stage st; // painted, OverDraw: the old picture
        st.show.SetStyle(0);
        st.show.SetManual(true);
        st.show.Start();
        st.show.SetProgress(50);
        EXPECT_EQ(Shown(st.show), test::OldScreen(40, 30));
    }
}

TEST(PicShowFrames, ClearScreenWaitsForTheTransitionToEnd)
{
    Stage st;
    st.show.SetManual(true);
    st.show.Start();
    st.show.ClearScreen();
    EXPECT_FALSE(Shown(st.show).IsEmpty());
    st.show.Stop();
    st.show.ClearScreen();
    EXPECT_TRUE(Shown(st.show).IsEmpty());
}

TEST(PicShowGeometry, CenteredLargerPictureIsCroppedEvenly)
{
    TestPicShow s;
    s.HandleResize(100, 80);
    s.SetCenter(true);
    s.SetPicture(test::NewPicture(140, 100));
    s.SetStep(100);
    s.Start();
    EXPECT_EQ(s.PictureRect(), (Rect{-20, -10, 120, 90}));
}

TEST(PicShowGeometry, AspectFitLetterboxesAWidePicture)
{
    EXPECT_EQ(AspectFit({0, 0, 400, 100}, {0, 0, 200, 200}), (Rect{0, 75, 200, 125}));
    EXPECT_EQ(AspectFit({0, 0, 100, 400}, {10, 0, 210, 200}), (Rect{85, 0, 135, 200}));
    EXPECT_EQ(AspectFit({0, 0, 10, 10}, {0, 0, 300, 200}), (Rect{50, 0, 250, 200})); // enlarged
    EXPECT_TRUE(AspectFit({0, 0, 0, 10}, {0, 0, 300, 200}).IsEmpty());
}

TEST(PicShowGeometry, AutoSizeFitsTheControlToThePicture)
{
    TestPicShow s;
    s.SetAutoSize(true);
    s.SetPicture(test::NewPicture(70, 20));
    EXPECT_EQ(s.ClientRect(), (Rect{0, 0, 70, 20}));
    s.SetAlign(TAlign::alTop); // keeps its width
    s.SetPicture(test::NewPicture(10, 60));
    EXPECT_EQ(s.ClientRect(), (Rect{0, 0, 70, 60}));
}

TEST(PicShowProperties, StyleAndStyleName)
{
    TestPicShow s;
    EXPECT_EQ(s.Style(), 51);
    s.SetStyle(151);
    EXPECT_EQ(s.Style(), 51);
    s.SetStyleName("expand from bottom");
    EXPECT_EQ(s.Style(), 18);
    s.SetStyleName("CUSTOM");
    EXPECT_EQ(s.Style(), 0);
    EXPECT_EQ(s.StyleName(), "Custom");
    s.SetStyleName("Fade");
    EXPECT_EQ(s.Style(), 118);
    s.SetStyleName("no such effect");
    EXPECT_EQ(s.Style(), 118);
    s.SetStyle(33);
    EXPECT_EQ(s.StyleName(), "Expand from bottom");
}

TEST(PicShowProperties, PictureChangesFireOnChangeAndStartNeedsAGraphic)
{
    TestPicShow s;
    int changes = 0;
    s.OnChange = [&](TCustomPicShow&) { ++changes; };
    s.Start();
    EXPECT_FALSE(s.Running());
    s.SetPicture(test::NewPicture(3, 3));
    s.ClearPicture();
    EXPECT_EQ(changes, 2);
    s.SetPicture(Bitmap(0, 0)); // an empty picture counts as none
    s.Start();
    EXPECT_FALSE(s.Running());
}

TEST(PicShowFrames, DegeneratePicturesRunAtEveryStyle)
{
    for (auto [w, h] : {std::pair{1, 1}, {1, 4000}, {4000, 1}}) {
        TestPicShow s;
        s.SetStep(25); // each frame lasts at least a tick, even at Delay 0
        s.SetPicture(test::NewPicture(w, h));
        for (int style = 0; style <= 150; ++style) {
            s.SetStyle(style);
            s.Start();
            ASSERT_FALSE(s.Running());
        }
    }
}

// ---- threaded ------------------------------------------------------------------------

TEST(PicShowThreaded, RunsToTheEndOnTheWorker)
{
    Stage st;
    st.show.SetThreaded(true);
    st.show.SetStep(3);
    st.show.Start();
    ASSERT_TRUE(st.show.PumpUntilIdle());
    EXPECT_EQ(st.log.progress.size(), 34u);
    EXPECT_EQ(st.log.Count("Complete"), 1);
    EXPECT_EQ(st.log.Count("Stop"), 1);
    EXPECT_EQ(Shown(st.show), test::NewPicture(40, 30));
    EXPECT_GE(st.show.paints, 34);
}

TEST(PicShowThreaded, StopEndsWithOnStopOnly)
{
    Stage st;
    st.show.SetThreaded(true);
    st.show.SetStep(1);
    st.show.SetDelay(2);
    st.show.Start();
    while (st.log.Count("Progress") < 3)
        st.show.PumpOne();
    st.show.Stop();
    EXPECT_FALSE(st.show.Running());
    st.show.PumpAll();
    EXPECT_EQ(st.log.Count("Stop"), 1);
    EXPECT_EQ(st.log.Count("Complete"), 0);
    EXPECT_LT(st.log.Count("Progress"), 100);
}

TEST(PicShowThreaded, StopFromOnProgressOnTheWorker)
{
    Stage st;
    st.show.SetThreaded(true);
    st.show.SetStep(10);
    st.show.OnProgress = [&](TCustomPicShow& s) {
        st.log.Add("Progress");
        if (s.Progress() == 30)
            s.Stop();
    };
    st.show.Start();
    ASSERT_TRUE(st.show.PumpUntilIdle());
    EXPECT_EQ(st.log.Count("Progress"), 3);
    EXPECT_EQ(st.log.Count("Stop"), 1);
    EXPECT_EQ(st.log.Count("Complete"), 0);
}

TEST(PicShowThreaded, ManualPausesTheWorkerAndResumes)
{
    Stage st;
    st.show.SetThreaded(true);
    st.show.SetStep(5);
    st.show.SetDelay(1);
    st.show.Start();
    while (st.log.Count("Progress") < 2)
        st.show.PumpOne();
    st.show.SetManual(true);
    EXPECT_TRUE(st.show.Running());
    const int paused = st.log.Count("Progress");
    st.show.PumpAll();
    EXPECT_EQ(st.log.Count("Progress"), paused);
    st.show.SetManual(false);
    ASSERT_TRUE(st.show.PumpUntilIdle());
    EXPECT_EQ(st.log.progress.back(), 100);
    EXPECT_EQ(st.log.Count("Complete"), 1);
}

TEST(PicShowThreaded, DestroyingTheControlMidRunFiresNoEvents)
{
    EventLog log;
    {
        auto show = std::make_unique<TestPicShow>();
        show->SetPicture(test::NewPicture(300, 200));
        show->SetThreaded(true);
        show->SetStep(1);
        log.Attach(*show);
        show->Start();
        while (log.Count("Progress") < 2)
            show->PumpOne();
    }
    EXPECT_EQ(log.Count("Stop"), 0);
    EXPECT_EQ(log.Count("Complete"), 0);
}

TEST(PicShowThreaded, PaintingFromTheGuiThreadWhileTheWorkerComposes)
{
    Stage st(200, 150);
    st.show.SetThreaded(true);
    st.show.SetStep(1);
    st.show.SetStyle(9);
    st.show.Start();
    while (st.show.Running()) {
        st.show.Paint(); // unasked paints race with composition; the locks keep them apart
        st.show.PumpOne();
    }
    st.show.PumpAll();
    EXPECT_EQ(st.log.Count("Complete"), 1);
}

TEST(PicShowPaint, BackBufferHoldsTheBackgroundAroundThePicture)
{
    TestPicShow s;
    s.HandleResize(60, 50);
    s.SetColor(0x000000FF);
    s.SetCenter(true);
    s.SetStep(100);
    s.SetPicture(test::NewPicture(40, 30));
    s.Start();
    Bitmap painted;
    s.HandlePaint([&](const Bitmap& back) { painted = back; });
    const Pixel red = PixelFromColor(0x000000FF);
    for (int y = 0; y < 50; ++y)
        for (int x = 0; x < 60; ++x) {
            const bool inPicture = x >= 10 && x < 50 && y >= 10 && y < 40;
            ASSERT_EQ(painted.At(x, y), inPicture ? test::NewAt(x - 10, y - 10) : red) << x << "," << y;
        }
    // A tiled background picture starts at the corner and lies under the picture.
    s.SetBgPicture(Bitmap(7, 7, 0x123456));
    s.HandlePaint([&](const Bitmap& back) { painted = back; });
    EXPECT_EQ(painted.At(0, 0), 0x123456u);
    EXPECT_EQ(painted.At(59, 49), 0x123456u);
    EXPECT_EQ(painted.At(10, 10), test::NewAt(0, 0));
    // Stretched to the client.
    s.SetStretch(true);
    s.HandlePaint([&](const Bitmap& back) { painted = back; });
    EXPECT_EQ(painted.At(0, 0), test::NewAt(0, 0));
    EXPECT_EQ(painted.At(59, 49), test::NewAt(39, 29));
}
