#include "show/music/MusicPlaylist.h"

#include "show/music/RecordingPlayer.h"
#include "support/TempDir.h"
#include "util/Random.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace vm;
using vm::test::RecordingPlayer;

namespace {

// Tracks that exist (only the first one's existence is ever checked) and a
// clock the test moves on by a second per track, so no track counts as short.
struct Show {
    explicit Show(std::vector<std::string> names, bool musicOn = true, bool randomPlay = false)
    {
        for (const std::string& name : names) {
            tracks.push_back(dir / name);
            std::ofstream(tracks.back()) << "music";
        }
        playlist = std::make_unique<MusicPlaylist>(player, tracks, musicOn, randomPlay, [this] { return now; });
        player.SetOnNotify([this](NotifyValue value) { playlist->MediaPlayer1Notify(value); });
    }
    void EndTrack(NotifyValue value = NotifyValue::Successful)
    {
        now += 1000;
        player.End(value);
    }
    std::string Path(const std::string& name) const { return dir / name; }

    vm::test::TempDir dir;
    std::vector<std::string> tracks;
    RecordingPlayer player;
    std::unique_ptr<MusicPlaylist> playlist;
    int64_t now = 0;
};

} // namespace

TEST(MusicPlaylist, OneTrackRepeatsForEverAlsoWhenRandom)
{
    for (bool random : {false, true}) {
        Show show({"only.mp3"}, true, random);
        ASSERT_EQ(show.playlist->MusicStart(), MusicPlaylist::StartResult::Playing);
        for (int i = 0; i < 5; ++i)
            show.EndTrack();
        EXPECT_EQ(show.player.Opened(), std::vector<std::string>(6, show.Path("only.mp3")));
    }
}

TEST(MusicPlaylist, ThreeTracksInListOrderPassAfterPassWhenNotRandom)
{
    Show show({"1.mp3", "2.wav", "3.wma"});
    show.playlist->MusicStart();
    for (int i = 0; i < 5; ++i)
        show.EndTrack();
    const std::vector<std::string> expected{show.Path("1.mp3"), show.Path("2.wav"), show.Path("3.wma"),
                                            show.Path("1.mp3"), show.Path("2.wav"), show.Path("3.wma")};
    EXPECT_EQ(show.player.Opened(), expected);
}

TEST(MusicPlaylist, StartOpensPlaysThenAsksForTheReport)
{
    Show show({"a.mp3"});
    show.playlist->MusicStart();
    EXPECT_EQ(show.player.log, (std::vector<std::string>{"open " + show.Path("a.mp3"), "play"}));
    EXPECT_TRUE(show.player.Notify());
}

TEST(MusicPlaylist, RandomPassesAreShuffledAndMayRepeatAcrossTheirBorder)
{
    // Every pass plays each track once; nothing keeps the last track of a pass
    // from opening the next one.
    bool repeatedAtBorder = false;
    for (uint32_t seed = 1; seed <= 60; ++seed) {
        Random::UseCountingClock(seed);
        Show show({"a.mp3", "b.mp3", "c.mp3"}, true, true);
        show.playlist->MusicStart();
        for (int i = 0; i < 5; ++i)
            show.EndTrack();
        const std::vector<std::string> opened = show.player.Opened();
        ASSERT_EQ(opened.size(), 6u);
        for (size_t pass : {0u, 3u}) {
            std::vector<std::string> tracks(opened.begin() + long(pass), opened.begin() + long(pass) + 3);
            std::sort(tracks.begin(), tracks.end());
            EXPECT_EQ(tracks, (std::vector<std::string>{show.Path("a.mp3"), show.Path("b.mp3"), show.Path("c.mp3")}))
                << "seed " << seed;
        }
        repeatedAtBorder |= opened[2] == opened[3];
    }
    EXPECT_TRUE(repeatedAtBorder);
}

TEST(MusicPlaylist, NeverOpensThePlayerWhenMusicIsOffOrTheListEmpty)
{
    Show off({"a.mp3"}, /*musicOn=*/false);
    EXPECT_EQ(off.playlist->MusicStart(), MusicPlaylist::StartResult::Off);
    Show empty({});
    EXPECT_EQ(empty.playlist->MusicStart(), MusicPlaylist::StartResult::Off);
    for (Show* show : {&off, &empty}) {
        show->playlist->TogglePause();
        show->playlist->MusicStop();
        EXPECT_TRUE(show->player.Opened().empty());
    }
}

TEST(MusicPlaylist, EmptyEntriesAreNoTracks)
{
    RecordingPlayer player;
    MusicPlaylist playlist(player, {"", ""}, true, false);
    EXPECT_EQ(playlist.MusicStart(), MusicPlaylist::StartResult::Off);
}

TEST(MusicPlaylist, MissingFirstTrackIsReportedAndNothingOpens)
{
    Show show({"a.mp3"});
    show.tracks[0] = show.Path("gone.mp3");
    show.playlist = std::make_unique<MusicPlaylist>(show.player, show.tracks, true, false);
    EXPECT_EQ(show.playlist->MusicStart(), MusicPlaylist::StartResult::FirstTrackMissing);
    EXPECT_EQ(show.playlist->FirstTrack(), show.Path("gone.mp3"));
    EXPECT_TRUE(show.player.log.empty());
}

TEST(MusicPlaylist, UnplayableFirstTrackThrowsTheMediaError)
{
    Show show({"a.mp3"});
    show.player.broken.insert(show.Path("a.mp3"));
    EXPECT_THROW(show.playlist->MusicStart(), Error);
}

TEST(MusicPlaylist, OnlyASuccessfulEndStepsToTheNextTrack)
{
    for (NotifyValue value : {NotifyValue::Superseded, NotifyValue::Aborted, NotifyValue::Failure}) {
        Show show({"a.mp3", "b.mp3"});
        show.playlist->MusicStart();
        show.EndTrack(value);
        EXPECT_EQ(show.player.Opened().size(), 1u) << int(value);
    }
}

TEST(MusicPlaylist, NotificationOffMeansNoStep)
{
    Show show({"a.mp3", "b.mp3"});
    show.playlist->MusicStart();
    show.player.SetNotify(false);
    show.EndTrack();
    EXPECT_EQ(show.player.Opened().size(), 1u);
}

TEST(MusicPlaylist, BrokenLaterTrackThrowsAndTheMusicStops)
{
    Show show({"a.mp3", "b.mp3", "c.mp3"});
    show.player.broken.insert(show.Path("b.mp3"));
    show.playlist->MusicStart();
    EXPECT_THROW(show.EndTrack(), Error);
    EXPECT_EQ(show.player.Mode(), MediaMode::NotOpen);
    EXPECT_FALSE(show.player.Notify());
    EXPECT_EQ(show.player.Opened().size(), 1u);
}

TEST(MusicPlaylist, TracksThatEndAtOnceStopTheMusicAfterOnePass)
{
    // Files that open but hold no sound would otherwise step round the list
    // without end.
    Show show({"a.wav", "b.wav"});
    show.playlist->MusicStart();
    show.player.End(); // the clock does not move: every end comes at once
    show.player.End();
    EXPECT_EQ(show.player.Opened().size(), 2u);
    EXPECT_EQ(show.player.Mode(), MediaMode::Stopped);
}

TEST(MusicPlaylist, MTwicePausesThenResumesTheSameTrack)
{
    Show show({"a.mp3", "b.mp3"});
    show.playlist->MusicStart();
    show.playlist->TogglePause();
    EXPECT_EQ(show.player.Mode(), MediaMode::Paused);
    EXPECT_FALSE(show.player.Notify());
    show.playlist->TogglePause();
    EXPECT_EQ(show.player.Mode(), MediaMode::Playing);
    EXPECT_EQ(show.player.Opened().size(), 1u);
    EXPECT_EQ(show.player.log.back(), "resume");
    // The resumed track still leads on to the next one.
    show.EndTrack();
    EXPECT_EQ(show.player.Opened().back(), show.Path("b.mp3"));
}

TEST(MusicPlaylist, MWithNoTrackOpenDoesNothing)
{
    Show show({"a.mp3"}, /*musicOn=*/false);
    show.playlist->MusicStart();
    EXPECT_NO_THROW(show.playlist->TogglePause());
    EXPECT_TRUE(show.player.log.empty());
}

TEST(MusicPlaylist, StopClosesPlayingOrPausedMusicWithoutAReport)
{
    for (bool pausedFirst : {false, true}) {
        Show show({"a.mp3", "b.mp3"});
        show.playlist->MusicStart();
        if (pausedFirst)
            show.playlist->TogglePause();
        show.playlist->MusicStop();
        EXPECT_EQ(show.player.Mode(), MediaMode::NotOpen);
        EXPECT_FALSE(show.player.Notify());
        EXPECT_EQ(show.player.log.back(), "close");
    }
}
