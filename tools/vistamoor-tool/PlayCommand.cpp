// vistamoor-tool play FILE...: plays the files one after another through the
// show's media player, for users checking their music and for tests.
#include "Command.h"
#include "platform/MciDevice.h"
#include "platform/media/MediaBackend.h"
#include "platform/media/QtMediaPlayer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <iostream>

namespace vm::tool {
namespace {

constexpr const char* kReportNames[] = {"completed", "superseded", "aborted", "failed"};

} // namespace

int PlayCommand(const Args& args)
{
    if (args.empty()) {
        std::cerr << "usage: vistamoor-tool play FILE...\n";
        return 2;
    }
    PrepareMediaBackend();
    int argc = 1;
    char name[] = "vistamoor-tool";
    char* argv[] = {name, nullptr};
    QCoreApplication app(argc, argv);
    QtMediaPlayer player(WinIniPath());

    int status = 0;
    for (const std::string& file : args) {
        player.SetFileName(file);
        try {
            player.Open();
        } catch (const std::exception& e) {
            std::cout << "error " << file << ": " << e.what() << std::endl;
            status = 2;
            continue;
        }
        QEventLoop loop;
        NotifyValue report = NotifyValue::Failure;
        player.SetOnNotify([&](NotifyValue value) {
            report = value;
            loop.quit();
        });
        std::cout << "playing " << file << std::endl;
        player.Play();
        player.SetNotify(true);
        loop.exec();
        std::cout << kReportNames[int(report)] << " " << file << std::endl;
        if (report != NotifyValue::Successful)
            status = 2;
        player.Close();
    }
    return status;
}

} // namespace vm::tool
