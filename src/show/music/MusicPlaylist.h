#pragma once
// The show's background music: the tracks of the music list in passes, each
// pass in list order or shuffled, the next track started when the player
// reports that one ended well. Pausing the show leaves the music alone.
//
// Threads: the user-interface thread, like the player.
#include "platform/MediaPlayer.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vm {

class MusicPlaylist {
public:
    using Clock = std::function<int64_t()>; // milliseconds, for the short-track guard

    // `tracks`: the music list as ReadConfig fills it in the show mode.
    MusicPlaylist(MediaPlayer& player, std::vector<std::string> tracks, bool musicOn, bool randomPlay,
                  Clock clock = SteadyMilliseconds);

    enum class StartResult {
        Off,              // "MusicOn" off or no track: the player is never opened
        Playing,          // the first track plays
        FirstTrackMissing // its file does not exist: the show's start reports it and ends there
    };
    // The show's start. Throws vm::Error with the player's message when the
    // first track exists but can't be played.
    StartResult MusicStart();
    // The path of the track MusicStart found missing.
    const std::string& FirstTrack() const { return firstTrack_; }

    // The player's report (connect it to MediaPlayer::SetOnNotify). Steps to the
    // next track on a successful end only. Throws vm::Error when the next track
    // can't be opened or played; the music then stays stopped.
    void MediaPlayer1Notify(NotifyValue value);

    // The show's end: closes the player when it plays or is paused, without a report.
    void MusicStop();

    // The M key: pauses playing music, resumes paused music where it stopped.
    // With no track open nothing happens; player errors are swallowed.
    void TogglePause() noexcept;

    // When every track of a whole pass ends this soon after it started, the
    // list is taken as unplayable and the music stops instead of racing on.
    static constexpr int64_t kShortTrackMs = 250;

    static int64_t SteadyMilliseconds();

private:
    void PlayNext();

    MediaPlayer& player_;
    std::vector<std::string> tracks_;
    bool musicOn_;
    bool randomPlay_;
    Clock clock_;
    std::vector<int> order_;
    int position_ = 0;
    std::string firstTrack_;
    int64_t trackStart_ = 0;
    size_t shortEndsInARow_ = 0;
};

} // namespace vm
