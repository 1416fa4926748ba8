#include "show/ShowOrder.h"

#include "settings/SettingsStore.h"
#include "show/PictureFiles.h"
#include "util/Random.h"

#include <filesystem>
#include <numeric>

namespace vm {

void RandomArray(std::vector<int>& order, int count, bool random)
{
    order.resize(size_t(std::max(count, 0)));
    std::iota(order.begin(), order.end(), 0);
    if (!random)
        return;
    Random::SeedFromClock();
    for (int n = count; n >= 1; --n)
        std::swap(order[size_t(Random::Next(n))], order[size_t(n - 1)]);
}

std::vector<std::string> AddPicDir(const SettingsStore& store)
{
    std::vector<std::string> folders;
    const int count = store.ReadInteger("PhotoRoot", "Count", 0);
    for (int i = 1; i <= count; ++i) {
        const std::string root = store.ReadString("PhotoRoot", std::to_string(i));
        if (!root.empty() && root[0] == '*' && HasPhoto(root.substr(1)))
            folders.push_back(root.substr(1));
    }
    for (const std::string& path : store.ListSection("PhotoPath"))
        if (path != "Count" && HasPhoto(path))
            folders.push_back(path);
    return folders;
}

bool ShowOrder::OpenFolder(int position, const ShowOrderOptions& options)
{
    folderPosition_ = position;
    const int folder = folderOrder_[size_t(position)];
    if (folders_.size() > 1)
        lastFolder_ = folder;
    GetFileList(folders_[size_t(folder)], photos_);
    RandomArray(photoOrder_, int(photos_.size()), options.randomShow);
    photoPosition_ = 0;
    return !photos_.empty();
}

std::optional<std::string> ShowOrder::NextPhoto(const ShowOrderOptions& options)
{
    if (startPhotoPending_ && options.useStartPic && !options.startPicPath.empty()) {
        std::error_code ec;
        if (std::filesystem::exists(options.startPicPath, ec)) {
            startPhotoPending_ = false;
            return options.startPicPath;
        }
    }
    if (folders_.empty())
        return std::nullopt;
    const int folderCount = int(folders_.size());
    if (folderPosition_ == -1) {
        RandomArray(folderOrder_, folderCount, options.randomShow);
        photos_.clear();
        photoPosition_ = 0;
    }
    if (photoPosition_ < int(photos_.size()) - 1) {
        ++photoPosition_;
        return photos_[size_t(photoOrder_[size_t(photoPosition_)])];
    }
    // Next folder, or a new pass; a folder found empty is passed over, but one
    // pass of empty folders ends the search.
    for (int tried = 0; tried <= folderCount; ++tried) {
        if (folderPosition_ < folderCount - 1) {
            if (OpenFolder(folderPosition_ + 1, options))
                return photos_[size_t(photoOrder_[0])];
            continue;
        }
        // Only a shuffle can change the first folder; in order it stays the same.
        do
            RandomArray(folderOrder_, folderCount, options.randomShow);
        while (options.randomShow && folderCount > 1 && folderOrder_[0] == lastFolder_);
        if (OpenFolder(0, options))
            return photos_[size_t(photoOrder_[0])];
    }
    return std::nullopt;
}

} // namespace vm
