#include "show/MainWindow.h"

#include "settings/ConfigDialog.h"
#include "support/TempDir.h"
#include "transitions/widget/PicShow.h"
#include "util/Error.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

using namespace vm;

namespace {

void ProcessEventsFor(int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

// Closes every modal box or dialog that opens, and counts them.
struct DismissModals {
    QTimer timer;
    int dismissed = 0;
    DismissModals()
    {
        QObject::connect(&timer, &QTimer::timeout, [this] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                modal->close();
                ++dismissed;
            }
        });
        timer.start(20);
    }
};

class ShowWindow : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("VISTAMOOR_CONFIG_DIR", dir.str().c_str(), 1);
        setenv("LANG", "C.UTF-8", 1);
        std::filesystem::create_directories(dir / "photos");
        for (const char* name : {"one.jpg", "two.jpg"}) {
            QImage photo(64, 48, QImage::Format_RGB32);
            photo.fill(Qt::darkGreen);
            photo.save(QString::fromStdString(dir / ("photos/" + std::string(name))), "JPG");
        }
        SettingsStore store(dir / "settings.ini");
        store.WriteString("Miscellaneous", "InstallPath", std::string(VM_SOURCE_DIR) + "/data/");
        store.WriteString("Assistant", "FirstRun", "0");
        store.WriteString("PhotoRoot", "Count", "1");
        store.WriteString("PhotoRoot", "1", "*" + dir / "photos");
        store.WriteString("Miscellaneous", "Speed", "1"); // ten frames a transition: quick tests
        store.WriteString("Miscellaneous", "Stay", "0");
    }
    void Set(const char* name, const char* value) { SettingsStore(dir / "settings.ini").WriteString("Miscellaneous", name, value); }
    StartupContext Context() { return {"RunMode", false, dir / "win.ini"}; }

    test::TempDir dir;
};

} // namespace

TEST_F(ShowWindow, SpeedGivesTheStepAndAStayOfZeroKeepsTheDesktop)
{
    for (auto [speed, step] : {std::pair{"1", 10}, std::pair{"6", 5}, std::pair{"10", 1}}) {
        Set("Speed", speed);
        TfrmConfig config(Context());
        TfrmMain show(config);
        show.show();
        ProcessEventsFor(200);
        EXPECT_EQ(show.PicShow()->Step(), step) << "speed " << speed;
        EXPECT_FALSE(show.Timer()->isActive());
        EXPECT_EQ(show.CurrentPhoto(), "");
        show.close();
    }
}

TEST_F(ShowWindow, EachTimerStepBringsTheNextPhoto)
{
    Set("Stay", "30");
    Set("RandomShow", "0");
    TfrmConfig config(Context());
    TfrmMain show(config);
    show.show();
    std::set<std::string> seen;
    QElapsedTimer clock;
    clock.start();
    while (seen.size() < 2 && clock.elapsed() < 20000) {
        QApplication::processEvents(QEventLoop::AllEvents, 10);
        if (!show.CurrentPhoto().empty())
            seen.insert(show.CurrentPhoto());
    }
    EXPECT_EQ(seen, (std::set<std::string>{dir / "photos/one.jpg", dir / "photos/two.jpg"}));
    show.close();
}

TEST_F(ShowWindow, WithoutPhotosItSaysSoOpensTheSettingsAndEnds)
{
    SettingsStore(dir / "settings.ini").WriteString("PhotoRoot", "1", "*" + dir / "nothing-here");
    DismissModals modals;
    TfrmConfig config(Context());
    TfrmMain show(config);
    show.show();
    ProcessEventsFor(500);
    EXPECT_EQ(modals.dismissed, 2); // the message, then the settings dialog
    EXPECT_FALSE(show.isVisible());
}

TEST_F(ShowWindow, AMissingPhotoIsReportedAndTheShownOneStays)
{
    TfrmConfig config(Context());
    TfrmMain show(config);
    show.show();
    ProcessEventsFor(100);
    show.ShowPicture(dir / "photos/one.jpg");
    DismissModals modals;
    show.ShowPicture(dir / "photos/gone.jpg");
    EXPECT_EQ(modals.dismissed, 1);
    EXPECT_EQ(show.CurrentPhoto(), dir / "photos/one.jpg");
    QImage png(8, 8, QImage::Format_RGB32);
    png.save(QString::fromStdString(dir / "photos/png.jpg"), "PNG");
    EXPECT_THROW(show.ShowPicture(dir / "photos/png.jpg"), Error);
    show.close();
}
