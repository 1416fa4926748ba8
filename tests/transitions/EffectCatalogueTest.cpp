#include "transitions/EffectCatalogue.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

using namespace vm;

TEST(EffectCatalogue, EveryStyleHasANameAndAProcedure)
{
    ASSERT_EQ(Effects().size(), 150u);
    for (const TEffect& e : Effects()) {
        EXPECT_NE(e.Proc, nullptr);
        EXPECT_FALSE(std::string(e.Name).empty());
    }
}

TEST(EffectCatalogue, NamesAreTheProgramsOwnIncludingOddSpellings)
{
    const std::map<int, std::string> samples{
        {1, "Expand from right"}, {29, "Slide in from top / bottom"}, {57, "Quarters Slide in to middle"},
        {76, "Unven shred from bottom"}, {116, "Starburst clockwise from center"}, {118, "Fade"},
        {134, "Push and sqeeze down"}, {135, "Push and sqeeze up"},
        {145, "Rectangles apear from left and disapear to right"}, {150, "Rotational star"}};
    for (const auto& [style, name] : samples)
        EXPECT_EQ(StyleName(TShowStyle(style)), name);
    EXPECT_EQ(StyleName(0), "Custom");
}

TEST(EffectCatalogue, OnlyTwoPairsShareAName)
{
    std::map<std::string, std::set<int>> byName;
    for (int n = 1; n <= 150; ++n)
        byName[StyleName(TShowStyle(n))].insert(n);
    EXPECT_EQ(byName.size(), 148u);
    EXPECT_EQ(byName["Expand from bottom"], (std::set<int>{18, 33}));
    EXPECT_EQ(byName["Expand in from top"], (std::set<int>{25, 34}));
}

TEST(EffectCatalogue, StyleFromNameIgnoresCaseAndFindsTheFirstEntry)
{
    struct Case {
        const char* name;
        std::optional<TShowStyle> style;
    };
    const Case cases[] = {
        {"expand from bottom", 18}, {"CUSTOM", 0}, {"Fade", 118}, {"EXPAND IN FROM TOP", 25},
        {"push and SQEEZE up", 135}, {"Push and squeeze up", std::nullopt}, {"", std::nullopt},
        {"Fade ", std::nullopt}};
    for (const Case& c : cases)
        EXPECT_EQ(StyleFromName(c.name), c.style) << c.name;
}

TEST(CalcEffectExtents, FollowsTheLongerSide)
{
    struct Case {
        Rect r;
        int step, progress;
        EffectExtents want;
    };
    const Case cases[] = {
        {{0, 0, 300, 600}, 4, 10, {300, 600, 30, 60, 27}},
        {{0, 0, 1024, 768}, 1, 1, {1024, 768, 10, 8, 11}},
        {{0, 0, 1024, 768}, 4, 50, {1024, 768, 512, 384, 46}},
        {{0, 0, 1000, 800}, 4, 25, {1000, 800, 250, 200, 44}},
        {{0, 0, 40, 40}, 1, 50, {40, 40, 20, 20, 1}}, // S would be 0: floored
        {{0, 0, 0, 0}, 4, 50, {0, 0, 0, 0, 1}},       // nothing to divide by
        {{0, 0, 1, 4000}, 4, 50, {1, 4000, 1, 2000, 178}},
        {{0, 0, 4000, 1}, 100, 1, {4000, 1, 40, 0, 4444}},
    };
    for (const Case& c : cases) {
        const EffectExtents e = CalcEffectExtents(c.r, c.step, c.progress);
        EXPECT_EQ((std::array{e.W, e.H, e.X, e.Y, e.S}),
                  (std::array{c.want.W, c.want.H, c.want.X, c.want.Y, c.want.S}))
            << c.r.Right << "x" << c.r.Bottom << " p" << c.progress;
    }
}
