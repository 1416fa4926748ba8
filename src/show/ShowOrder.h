#pragma once
// Which photo comes next: folder by folder, all photos of one folder, then the
// next folder; shuffled when the show is random. A pass never starts with the
// folder that ended the previous one (when there is a choice).
#include <optional>
#include <string>
#include <vector>

namespace vm {

class SettingsStore;

// Fills `order` with 0..count-1, shuffled (after reseeding the generator from
// the clock) when `random` is set.
void RandomArray(std::vector<int>& order, int count, bool random);

// The checked folders that hold photos: the roots marked "*" of "PhotoRoot" in
// number order, then the value names of "PhotoPath" in store order.
std::vector<std::string> AddPicDir(const SettingsStore& store);

struct ShowOrderOptions {
    bool randomShow = true;
    bool useStartPic = false;
    std::string startPicPath;
};

class ShowOrder {
public:
    explicit ShowOrder(std::vector<std::string> folders) : folders_(std::move(folders)) {}

    const std::vector<std::string>& Folders() const { return folders_; }

    // Start of a show: the next choice begins a new first pass.
    void Restart() { folderPosition_ = -1; }

    // The next photo. Folders that have no photo any more when their turn comes
    // are passed over; nullopt when a whole pass found no photo at all.
    std::optional<std::string> NextPhoto(const ShowOrderOptions& options);

private:
    bool OpenFolder(int position, const ShowOrderOptions& options);

    std::vector<std::string> folders_;
    std::vector<int> folderOrder_;
    int folderPosition_ = -1;
    int lastFolder_ = 0;
    std::vector<std::string> photos_;
    std::vector<int> photoOrder_;
    int photoPosition_ = 0;
    bool startPhotoPending_ = true;
};

} // namespace vm
