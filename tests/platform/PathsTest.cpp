#include "platform/Paths.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace vm;

TEST(Paths, FollowTheOverrideThenXdgThenHome)
{
    setenv("HOME", "/home/u", 1);
    unsetenv("VISTAMOOR_CONFIG_DIR");
    unsetenv("XDG_CONFIG_HOME");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(Paths::SettingsFile(), "/home/u/.config/vistamoor/settings.ini");
    EXPECT_EQ(Paths::DataDir(), "/home/u/.local/share/vistamoor");
    setenv("XDG_CONFIG_HOME", "/x/config", 1);
    setenv("XDG_DATA_HOME", "/x/data", 1);
    EXPECT_EQ(Paths::ConfigDir(), "/x/config/vistamoor");
    EXPECT_EQ(Paths::DataDir(), "/x/data/vistamoor");
    setenv("VISTAMOOR_CONFIG_DIR", "/override", 1);
    EXPECT_EQ(Paths::SettingsFile(), "/override/settings.ini");
}

#include "platform/SystemStatus.h"

TEST(SystemStatus, FreeMemoryIsAShareOfTheWhole)
{
    const double free = FreeMemoryPercent();
    EXPECT_GT(free, 0.0);
    EXPECT_LE(free, 100.0);
}
