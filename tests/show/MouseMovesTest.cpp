#include "show/MouseMoves.h"

#include <gtest/gtest.h>

using namespace vm;

TEST(MouseMoves, PairsCloseInTimeAndFurtherThanTheSensitivityEndTheShow)
{
    struct Case { const char* what; int dx, dy; uint32_t ms; bool ends; };
    const Case cases[] = {
        {"6 px in 0.5 s", 3, 3, 500, true},
        {"5 px in 0.5 s", 5, 0, 500, false},
        {"6 px in 1.2 s", 0, 6, 1200, false},
        {"6 px in 0.999 s", -6, 0, 999, true},
        {"6 px in exactly 1 s", 6, 0, 1000, false},
    };
    for (const Case& c : cases) {
        MouseMoves moves;
        EXPECT_FALSE(moves.Moved(100, 100, 10000, 5)) << c.what; // the anchor
        EXPECT_EQ(moves.Moved(100 + c.dx, 100 + c.dy, 10000 + c.ms, 5), c.ends) << c.what;
    }
}

TEST(MouseMoves, AMoveThatDoesNotEndTheShowWaitsForANewAnchor)
{
    MouseMoves moves;
    moves.Moved(0, 0, 0, 5);
    EXPECT_FALSE(moves.Moved(1, 0, 100, 5));   // measured, too small: next is an anchor
    EXPECT_FALSE(moves.Moved(50, 50, 200, 5)); // anchor, however far
    EXPECT_TRUE(moves.Moved(60, 50, 300, 5));
}
