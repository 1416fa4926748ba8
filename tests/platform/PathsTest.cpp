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
#include "support/TempDir.h"

#include <fstream>

TEST(SystemStatus, MemoryShareWithOneDecimal)
{
    EXPECT_EQ(MemoryStatusText(256ull << 20, 1024ull << 20), "25.0%");
    EXPECT_EQ(MemoryStatusText(1, 3), "33.3%");
    EXPECT_EQ(MemoryStatusText(0, 0), "0.0%");
    const std::string live = MemoryStatus();
    EXPECT_EQ(live.back(), '%');
    EXPECT_GT(std::stod(live), 0.0);
}

TEST(SystemStatus, FileSizeOrZero)
{
    test::TempDir dir;
    std::ofstream(dir / "f", std::ios::binary) << std::string(1234567, 'x');
    EXPECT_EQ(GetFileSize(dir / "f"), 1234567u);
    EXPECT_EQ(GetFileSize(dir / "missing"), 0u);
}
