// caption PHOTO [--exif-template FILE] [--noexif-template FILE]: the text the
// show would have the character say for the photo, from the stored templates
// unless files give others.
#include "Command.h"
#include "platform/SystemStatus.h"
#include "metadata/Caption.h"
#include "metadata/DescriptionFile.h"
#include "settings/Config.h"
#include "util/AtomicFile.h"
#include "util/Error.h"

#include <iostream>

namespace vm::tool {

int CaptionCommand(const Args& args)
{
    auto bad = [] {
        std::cerr << "usage: vistamoor-tool caption PHOTO [--exif-template FILE] [--noexif-template FILE]\n";
        return 2;
    };
    if (args.empty())
        return bad();
    std::string exifFile, noExifFile;
    for (size_t i = 1; i < args.size(); i += 2) {
        if (i + 1 >= args.size())
            return bad();
        if (args[i] == "--exif-template")
            exifFile = args[i + 1];
        else if (args[i] == "--noexif-template")
            noExifFile = args[i + 1];
        else
            return bad();
    }

    CaptionTemplates templates;
    if (exifFile.empty() || noExifFile.empty()) {
        TShowSettings settings;
        ReadConfig(SettingsStore(), settings);
        templates = {settings.ExifFormat, settings.NoExifFormat};
    }
    auto load = [](const std::string& path, std::string& into) {
        if (!path.empty() && !ReadWholeFile(path, into))
            throw Error("Cannot open file \"" + path + "\"");
    };
    load(exifFile, templates.exif);
    load(noExifFile, templates.noExif);

    CaptionSources sources;
    sources.photoPath = args[0];
    sources.description = GetDescript(args[0]);
    sources.freeMemoryPercent = FreeMemoryPercent();
    sources.now = NowDateTime();
    std::cout << ReturnSpeakInfo(templates, sources, SystemFormatSettings()) << "\n";
    return 0;
}

} // namespace vm::tool
