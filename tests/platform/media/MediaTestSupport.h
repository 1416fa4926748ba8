#pragma once
// Shared by the playback tests: the fixture files, waiting on the event loop,
// and the check that a sound server is there.
#include "platform/media/MediaBackend.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QAudioDevice>
#include <QMediaDevices>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace vm::test {

inline std::string MediaFixture(const std::string& name) { return std::string(VM_SOURCE_DIR) + "/tests/platform/media/" + name; }

// Runs the event loop until `done` or the time is up; true when done.
inline bool WaitFor(const std::function<bool()>& done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    return true;
}

// Without a sound server there is no output to play to. scripts/test.sh sets
// VISTAMOOR_REQUIRE_SOUND, so there a missing server fails instead of skipping.
#define VM_REQUIRE_SOUND_OUTPUT()                                                                  \
    do {                                                                                           \
        if (QMediaDevices::audioOutputs().isEmpty()) {                                             \
            if (std::getenv("VISTAMOOR_REQUIRE_SOUND"))                                            \
                FAIL() << "no audio output: is the sound server running?";                         \
            GTEST_SKIP() << "no audio output (start a sound server to run the playback tests)";    \
        }                                                                                          \
    } while (0)

} // namespace vm::test
