#include "show/music/MusicPlaylist.h"

#include "show/ShowOrder.h"

#include <algorithm>
#include <filesystem>

namespace vm {

MusicPlaylist::MusicPlaylist(MediaPlayer& player, std::vector<std::string> tracks, bool musicOn, bool randomPlay,
                             Clock clock)
    : player_(player), musicOn_(musicOn), randomPlay_(randomPlay), clock_(std::move(clock))
{
    std::copy_if(tracks.begin(), tracks.end(), std::back_inserter(tracks_),
                 [](const std::string& path) { return !path.empty(); });
}

int64_t MusicPlaylist::SteadyMilliseconds()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

MusicPlaylist::StartResult MusicPlaylist::MusicStart()
{
    if (!musicOn_ || tracks_.empty())
        return StartResult::Off;
    RandomArray(order_, int(tracks_.size()), randomPlay_);
    firstTrack_ = tracks_[size_t(order_[size_t(position_)])];
    std::error_code error;
    if (!std::filesystem::exists(firstTrack_, error))
        return StartResult::FirstTrackMissing;
    player_.SetFileName(firstTrack_);
    ++position_;
    player_.SetDeviceType({});
    trackStart_ = clock_();
    player_.Open();
    player_.Play();
    player_.SetNotify(true);
    return StartResult::Playing;
}

void MusicPlaylist::MediaPlayer1Notify(NotifyValue value)
{
    if (value != NotifyValue::Successful || tracks_.empty())
        return;
    player_.SetNotify(false);
    shortEndsInARow_ = clock_() - trackStart_ < kShortTrackMs ? shortEndsInARow_ + 1 : 0;
    if (shortEndsInARow_ >= tracks_.size())
        return;
    if (position_ >= int(tracks_.size())) {
        RandomArray(order_, int(tracks_.size()), randomPlay_);
        position_ = 0;
    }
    PlayNext();
}

void MusicPlaylist::PlayNext()
{
    player_.SetFileName(tracks_[size_t(order_[size_t(position_)])]);
    ++position_;
    trackStart_ = clock_();
    player_.Open();
    player_.Play();
    player_.SetNotify(true);
}

void MusicPlaylist::MusicStop()
{
    // Paused music is closed too: nothing may hold the device after the show.
    const MediaMode mode = player_.Mode();
    if (mode != MediaMode::Playing && mode != MediaMode::Paused)
        return;
    player_.SetNotify(false);
    player_.Close();
}

void MusicPlaylist::TogglePause() noexcept
{
    try {
        player_.SetNotify(false);
        switch (player_.Mode()) {
        case MediaMode::Playing:
            player_.Pause();
            break;
        case MediaMode::Paused:
            player_.Resume();
            // The resumed track still steps to the next one when it ends.
            player_.SetNotify(true);
            break;
        case MediaMode::NotOpen:
        case MediaMode::Stopped:
            break;
        }
    } catch (const std::exception&) {
        // A key press on a player that can't pause is not worth a message.
    }
}

} // namespace vm
