#include "show/FitPicture.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(FittedSize, NeverEnlargesOtherwiseFitsKeepingTheAspect)
{
    struct Case { PictureSize picture, screen, fitted; };
    const Case cases[] = {
        {{1024, 768}, {1024, 768}, {1024, 768}},
        {{1025, 768}, {1024, 768}, {1024, 767}},
        {{3000, 1000}, {1280, 1024}, {1280, 427}},
        {{1000, 3000}, {1280, 1024}, {341, 1024}},
        {{16, 16}, {1920, 1080}, {16, 16}},
        {{6000, 4000}, {1920, 1080}, {1620, 1080}},
        {{2000, 1000}, {1000, 500}, {1000, 500}},   // equal quotients: second branch
        {{3, 2}, {2, 1}, {2, 1}},                   // 1.5 rounds up, halves away from zero
        {{1, 20000}, {1920, 1080}, {1, 1080}},      // a side never rounds away
        {{20000, 1}, {1920, 1080}, {1920, 1}},
    };
    for (const Case& c : cases) {
        const PictureSize got = FittedSize(c.picture, c.screen);
        EXPECT_EQ(got, c.fitted) << c.picture.width << "x" << c.picture.height << " -> " << got.width << "x" << got.height;
    }
}
