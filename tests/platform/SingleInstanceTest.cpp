#include "platform/SingleInstance.h"

#include "support/TempDir.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace vm;

namespace {

// Whether a separate process could take the guard now.
bool OtherProcessAcquires(const std::string& name)
{
    const pid_t child = fork();
    if (child == 0) {
        SingleInstance guard(name);
        _exit(guard.Acquired() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace

TEST(SingleInstance, OneHolderAtATimeAndReleasedWhenGone)
{
    test::TempDir dir;
    setenv("XDG_RUNTIME_DIR", dir.str().c_str(), 1);
    {
        SingleInstance first("TestGuard");
        ASSERT_TRUE(first.Acquired());
        EXPECT_FALSE(OtherProcessAcquires("TestGuard"));
        EXPECT_TRUE(OtherProcessAcquires("OtherGuard"));
    }
    EXPECT_TRUE(OtherProcessAcquires("TestGuard"));
}

TEST(SingleInstance, AHolderThatDiesReleasesTheGuard)
{
    test::TempDir dir;
    setenv("XDG_RUNTIME_DIR", dir.str().c_str(), 1);
    const pid_t child = fork();
    if (child == 0) {
        static SingleInstance guard("Crashy");
        std::abort(); // no destructor runs
    }
    int status = 0;
    waitpid(child, &status, 0);
    SingleInstance after("Crashy");
    EXPECT_TRUE(after.Acquired());
}
