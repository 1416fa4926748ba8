// vistamoor: the screensaver, its settings dialog and its preview, by command line.
#include "util/Global.h"
#include "app/RunMode.h"
#include "platform/Paths.h"
#include "platform/media/MediaBackend.h"
#include "platform/SingleInstance.h"
#include "platform/X11Window.h"
#include "settings/ConfigDialog.h"
#include "show/MainWindow.h"
#include "show/PreviewWindow.h"

#include <QApplication>
#include <iostream>

namespace {

int RunSettings(QApplication& app, const vm::StartupContext& context)
{
    vm::TfrmConfig dialog(context);
    if (dialog.Terminated())
        return 1;
    dialog.show();
    return app.exec();
}

int RunShow(QApplication& app, const vm::StartupContext& context)
{
    vm::TfrmConfig config(context);
    if (config.Terminated())
        return 1;
    vm::TfrmMain show(config);
    show.showFullScreen();
    return app.exec();
}

int RunPreview(int argc, char** argv, const std::string& handleText, const vm::StartupContext& context)
{
    const auto handle = vm::ParseWindowHandle(handleText);
    if (!handle) {
        std::cerr << "vistamoor: \"" << handleText << "\" is not a valid window handle for the preview\n";
        return 2;
    }
    const auto host = vm::X11WindowGeometry(*handle);
    if (!host) {
        std::cerr << "vistamoor: there is no window " << *handle << " to show the preview in\n";
        return 2;
    }
    vm::global::PreviewRect = {0, 0, host->width, host->height};
    QApplication app(argc, argv);
    app.setApplicationName("Vistamoor");
    vm::TfrmPreview preview(*handle, context);
    preview.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv)
{
    vm::PrepareMediaBackend();
    vm::SingleInstance guard;
    if (!guard.Acquired())
        return 0; // another copy runs: end at once, silently

    const vm::CommandLine line = vm::ParseCommandLine(std::vector<std::string>(argv + 1, argv + argc));
    vm::global::RunModeText = line.runModeText;
    vm::global::SettingsMode = line.settingsMode;
    const vm::StartupContext context{line.runModeText, line.settingsMode, vm::Paths::DataDir() + "/win.ini"};

    switch (line.mode) {
    case vm::RunMode::Settings: {
        QApplication app(argc, argv);
        app.setApplicationName("Vistamoor");
        return RunSettings(app, context);
    }
    case vm::RunMode::Show: {
        QApplication app(argc, argv);
        app.setApplicationName("Vistamoor");
        return RunShow(app, context);
    }
    case vm::RunMode::Preview:
        return RunPreview(argc, argv, line.previewHandle, context);
    case vm::RunMode::None:
        return 0;
    }
    return 0;
}
