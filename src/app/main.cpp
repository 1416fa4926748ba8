// vistamoor: the screensaver, its settings dialog and its preview, by command line.
#include "util/Global.h"
#include "app/RunMode.h"
#include "platform/Paths.h"
#include "platform/SingleInstance.h"
#include "platform/X11Window.h"
#include "settings/ConfigDialog.h"

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

int RunShow(const vm::StartupContext& context)
{
    vm::TfrmConfig dialog(context);
    if (dialog.Terminated())
        return 1;
    std::cerr << "vistamoor: the slideshow is not part of this build yet\n";
    return 1;
}

int RunPreview(const std::string& handleText)
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
    std::cerr << "vistamoor: the preview is not part of this build yet\n";
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
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
        return RunShow(context);
    }
    case vm::RunMode::Preview:
        return RunPreview(line.previewHandle);
    case vm::RunMode::None:
        return 0;
    }
    return 0;
}
