// main() for widget tests: one QApplication on the offscreen platform unless a
// display was asked for, and the program's media back end.
#include <QApplication>
#include <cstdlib>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    if (!std::getenv("QT_QPA_PLATFORM"))
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_MEDIA_BACKEND", "ffmpeg", 0); // as the program chooses it
    QApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
