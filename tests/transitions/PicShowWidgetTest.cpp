#include "EffectTestImages.h"
#include "transitions/widget/PicShow.h"
#include "transitions/widget/RasterImage.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>

#include <memory>

using namespace vm;

namespace {

// One application object for all tests, gone before the program's static objects.
class QtEnvironment : public ::testing::Environment {
public:
    void SetUp() override { app_ = std::make_unique<QApplication>(argc_, argv_); }
    void TearDown() override { app_.reset(); }

private:
    int argc_ = 1;
    char name_[21] = "picshow_widget_tests";
    char* argv_[2] = {name_, nullptr};
    std::unique_ptr<QApplication> app_;
};
[[maybe_unused]] ::testing::Environment* const qtEnvironment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

bool PumpUntilIdle(TPicShow& show)
{
    QElapsedTimer timer;
    timer.start();
    while (show.Running() && timer.elapsed() < 20000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    return !show.Running();
}

QImage Grabbed(TPicShow& show) { return show.grab().toImage().convertToFormat(QImage::Format_RGB32); }

struct Counts {
    int progress = 0, complete = 0, stop = 0;
    void Attach(TCustomPicShow& s)
    {
        s.OnProgress = [this](TCustomPicShow&) { ++progress; }; // worker thread: only this test's thread reads after the end
        s.OnComplete = [this](TCustomPicShow&) { ++complete; };
        s.OnStop = [this](TCustomPicShow&) { ++stop; };
    }
};

class PicShowWidget : public ::testing::TestWithParam<bool> {};

} // namespace

TEST_P(PicShowWidget, ShowsTheNewPictureAfterATransition)
{
    TPicShow show;
    show.SetThreaded(GetParam());
    show.SetDelay(0);
    show.show();
    show.SetPictureImage(ImageOnBitmap(test::OldScreen(64, 48)).copy());
    show.SetStep(100);
    show.Start();
    ASSERT_TRUE(PumpUntilIdle(show));
    EXPECT_EQ(show.size(), QSize(64, 48)) << "AutoSize";
    Counts counts;
    counts.Attach(show);
    show.SetPictureImage(ImageOnBitmap(test::NewPicture(64, 48)).copy());
    show.SetStyle(128);
    show.SetStep(3);
    show.Start();
    ASSERT_TRUE(PumpUntilIdle(show));
    EXPECT_EQ(counts.progress, 34);
    EXPECT_EQ(counts.complete, 1);
    EXPECT_EQ(counts.stop, 1);
    EXPECT_EQ(Grabbed(show), ImageOnBitmap(test::NewPicture(64, 48)));
}

TEST_P(PicShowWidget, AHiddenWidgetStillRunsItsTransitionToTheEnd)
{
    TPicShow show;
    show.SetThreaded(GetParam());
    show.SetDelay(0);
    show.SetStep(20);
    Counts counts;
    counts.Attach(show);
    show.SetPictureImage(ImageOnBitmap(test::NewPicture(30, 20)).copy());
    show.Start();
    ASSERT_TRUE(PumpUntilIdle(show));
    EXPECT_EQ(counts.complete, 1);
}

TEST(PicShowWidgetThreaded, DeletingTheWidgetMidRunFiresNoEvents)
{
    Counts counts;
    auto* show = new TPicShow;
    show->SetThreaded(true);
    show->SetStep(1);
    show->SetDelay(5);
    show->show();
    show->SetPictureImage(ImageOnBitmap(test::NewPicture(200, 100)).copy());
    counts.Attach(*show);
    show->Start();
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 50)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    delete show;
    QCoreApplication::processEvents();
    EXPECT_EQ(counts.stop, 0);
    EXPECT_EQ(counts.complete, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, PicShowWidget, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Threaded" : "CallersThread"; });
