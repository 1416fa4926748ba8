#include "settings/Config.h"

#include "settings/ConfigTable.h"

#include <type_traits>

namespace vm {
namespace {

void ReadRow(const SettingsStore& store, const ConfigRow& row, const TShowSettings& defaults, TShowSettings& settings)
{
    std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<T, std::string>)
                settings.*member = store.ReadString(row.section, row.name, defaults.*member);
            else if constexpr (std::is_same_v<T, bool>)
                settings.*member = store.ReadBool(row.section, row.name, defaults.*member);
            else
                settings.*member = store.ReadInteger(row.section, row.name, defaults.*member);
        },
        row.field);
}

void WriteRow(SettingsStore& store, const ConfigRow& row, const TShowSettings& settings)
{
    std::visit(
        [&](auto member) {
            using T = std::remove_cvref_t<decltype(settings.*member)>;
            if constexpr (std::is_same_v<T, std::string>)
                store.WriteString(row.section, row.name, settings.*member);
            else if constexpr (std::is_same_v<T, bool>)
                store.WriteBool(row.section, row.name, settings.*member);
            else
                store.WriteInteger(row.section, row.name, settings.*member);
        },
        row.field);
}

} // namespace

void ReadMusicList(const SettingsStore& store, std::vector<std::string>& list)
{
    list.clear();
    const int32_t count = store.ReadInteger("Music", "MusicCounter", 0);
    for (int32_t i = 0; i < count; ++i) {
        std::string path = store.ReadString("Music", "Music" + std::to_string(i));
        if (!path.empty())
            list.push_back(std::move(path));
    }
}

void WriteMusicList(SettingsStore& store, const std::vector<std::string>& list)
{
    store.EraseSection("Music");
    store.WriteInteger("Music", "MusicCounter", int32_t(list.size()));
    for (size_t i = 0; i < list.size(); ++i)
        store.WriteString("Music", "Music" + std::to_string(i), list[i]);
}

void ReadConfig(const SettingsStore& store, TShowSettings& settings)
{
    ReadMusicList(store, settings.MusicList);
    const TShowSettings defaults = DefaultShowSettings();
    for (const ConfigRow& row : ConfigRows())
        if (row.use & kReadByConfig)
            ReadRow(store, row, defaults, settings);
    settings.FontChanged = false;
}

void WriteConfig(SettingsStore& store, const TShowSettings& settings)
{
    WriteMusicList(store, settings.MusicList);
    for (const ConfigRow& row : ConfigRows())
        if ((row.use & kWrittenByConfig) && !(row.skipWrite && row.skipWrite(settings)))
            WriteRow(store, row, settings);
}

} // namespace vm
