#include "platform/media/QtMediaPlayer.h"

#include "platform/media/MediaTestSupport.h"
#include "show/music/MusicPlaylist.h"
#include "support/TempDir.h"
#include "util/Error.h"
#include "util/IniFile.h"

#include "platform/OutputVolume.h"

#include <QAudioOutput>
#include <QElapsedTimer>
#include <fstream>
#include <optional>

using namespace vm;
using vm::test::MediaFixture;
using vm::test::WaitFor;

// Qt Multimedia chooses its back end with the application object, which the
// test main creates: choose before that.
[[maybe_unused]] static const bool kBackendChosen = (PrepareMediaBackend(), true);

namespace {

constexpr int kPlayTimeoutMs = 15000;

// A player whose "win.ini" maps the music types as CheckWinini leaves them, and
// that keeps the reports it gets.
class Player : public ::testing::Test {
protected:
    void SetUp() override
    {
        IniFile winIni;
        for (const char* extension : {"mp3", "mid", "midi", "wmv", "wav"})
            winIni.WriteString("mci extensions", extension, "MPEGVideo");
        winIni.Save(dir / "win.ini");
        player.emplace(dir / "win.ini");
        player->SetOnNotify([this](NotifyValue value) { reports.push_back(value); });
    }
    void Start(const std::string& file, bool notify = true)
    {
        player->SetFileName(file);
        player->Open();
        player->Play();
        player->SetNotify(notify);
    }
    bool WaitForReport(int timeoutMs = kPlayTimeoutMs)
    {
        return WaitFor([&] { return !reports.empty(); }, timeoutMs);
    }
    std::string WriteFile(const std::string& name, const std::string& bytes)
    {
        std::ofstream(dir / name, std::ios::binary) << bytes;
        return dir / name;
    }

    vm::test::TempDir dir;
    std::optional<QtMediaPlayer> player;
    std::vector<NotifyValue> reports;
};

class PlaysToTheEnd : public Player, public ::testing::WithParamInterface<const char*> {};

// A small MIDI file: one note.
const std::string kMidi = std::string("MThd\0\0\0\6\0\0\0\1\0\x60MTrk\0\0\0\x0c", 22) +
                          std::string("\0\x90\x3c\x40\x60\x80\x3c\x40\0\xff\x2f\0", 12);

} // namespace

TEST_P(PlaysToTheEnd, AndReportsSuccess)
{
    VM_REQUIRE_SOUND_OUTPUT();
    Start(MediaFixture(GetParam()));
    EXPECT_EQ(player->Mode(), MediaMode::Playing);
    ASSERT_TRUE(WaitForReport()) << "no report for " << GetParam();
    EXPECT_EQ(reports, std::vector<NotifyValue>{NotifyValue::Successful});
    EXPECT_EQ(player->Mode(), MediaMode::Stopped);
    EXPECT_EQ(player->FileName(), MediaFixture(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(MusicTypes, PlaysToTheEnd, ::testing::Values("tone.wav", "tone.mp3", "tone.wma", "tone.wmv"),
                         [](const auto& info) {
                             std::string name = info.param;
                             return name.substr(name.find('.') + 1);
                         });

TEST_F(Player, TheSystemTableServesWhatWinIniLeavesOut)
{
    VM_REQUIRE_SOUND_OUTPUT();
    QtMediaPlayer plain(dir / "no-win.ini"); // wav: the wave device; wma: the MPEG device
    for (const char* file : {"tone.wav", "tone.wma"}) {
        plain.SetFileName(MediaFixture(file));
        EXPECT_NO_THROW(plain.Open()) << file;
    }
    plain.Close();
}

TEST_F(Player, UnplayableFilesThrowAndLeaveNothingOpen)
{
    const std::pair<const char*, std::string> cases[] = {
        {"missing", dir / "gone.mp3"},
        {"zero bytes", WriteFile("empty.wav", "")},
        {"text with a music extension", WriteFile("letter.mp3", "Dear reader, this is no music at all.\n")},
        {"unknown extension", WriteFile("tone.xyz", "RIFF")},
        {"MIDI through the MPEG device", WriteFile("tune.mid", kMidi)},
    };
    for (const auto& [name, path] : cases) {
        player->SetFileName(path);
        EXPECT_THROW(player->Open(), Error) << name;
        EXPECT_EQ(player->Mode(), MediaMode::NotOpen) << name;
    }
}

TEST_F(Player, MidiHasNoSequencerHere)
{
    QtMediaPlayer plain(dir / "no-win.ini");
    plain.SetFileName(WriteFile("tune.mid", kMidi));
    EXPECT_THROW(plain.Open(), Error);
}

TEST_F(Player, CommandsOnAClosedPlayerThrowButCloseIsHarmless)
{
    EXPECT_THROW(player->Play(), Error);
    EXPECT_THROW(player->Pause(), Error);
    EXPECT_THROW(player->Resume(), Error);
    EXPECT_NO_THROW(player->Close());
    EXPECT_EQ(player->Mode(), MediaMode::NotOpen);
}

TEST_F(Player, NotificationOffAtTheEndMeansNoReport)
{
    VM_REQUIRE_SOUND_OUTPUT();
    Start(MediaFixture("tone.wav"), /*notify=*/false);
    ASSERT_TRUE(WaitFor([&] { return player->Mode() == MediaMode::Stopped; }, kPlayTimeoutMs));
    WaitFor([] { return false; }, 300); // a posted report would arrive now
    EXPECT_TRUE(reports.empty());
}

TEST_F(Player, ClosingAPlayingTrackReportsItAborted)
{
    VM_REQUIRE_SOUND_OUTPUT();
    Start(MediaFixture("long.mp3"));
    WaitFor([] { return false; }, 200);
    player->Close();
    EXPECT_TRUE(reports.empty()) << "reports are posted, never sent from inside a call";
    ASSERT_TRUE(WaitForReport(2000));
    EXPECT_EQ(reports, std::vector<NotifyValue>{NotifyValue::Aborted});
    EXPECT_EQ(player->Mode(), MediaMode::NotOpen);
}

TEST_F(Player, PauseHoldsThePlaceAndResumeGoesOnFromIt)
{
    VM_REQUIRE_SOUND_OUTPUT();
    // long.mp3 lasts 3 s: paused after 2 s, it ends about 1 s after resuming.
    Start(MediaFixture("long.mp3"));
    WaitFor([] { return false; }, 2000);
    player->Pause();
    EXPECT_EQ(player->Mode(), MediaMode::Paused);
    WaitFor([] { return false; }, 1000);
    EXPECT_TRUE(reports.empty());
    EXPECT_EQ(player->Mode(), MediaMode::Paused);
    QElapsedTimer sinceResume;
    sinceResume.start();
    player->Resume();
    EXPECT_EQ(player->Mode(), MediaMode::Playing);
    ASSERT_TRUE(WaitForReport());
    EXPECT_EQ(reports, std::vector<NotifyValue>{NotifyValue::Successful});
    EXPECT_LT(sinceResume.elapsed(), 2500);
}

TEST_F(Player, ThePlaylistPlaysItsTracksInTurn)
{
    VM_REQUIRE_SOUND_OUTPUT();
    const std::vector<std::string> tracks{MediaFixture("tone.wav"), MediaFixture("tone.mp3")};
    MusicPlaylist playlist(*player, tracks, /*musicOn=*/true, /*randomPlay=*/false);
    std::vector<std::string> completed;
    player->SetOnNotify([&](NotifyValue value) {
        if (value == NotifyValue::Successful)
            completed.push_back(player->FileName());
        playlist.MediaPlayer1Notify(value);
    });
    ASSERT_EQ(playlist.MusicStart(), MusicPlaylist::StartResult::Playing);
    ASSERT_TRUE(WaitFor([&] { return completed.size() == 2; }, kPlayTimeoutMs));
    EXPECT_EQ(completed, tracks);
    EXPECT_EQ(player->FileName(), tracks[0]) << "the second pass begins";
    EXPECT_EQ(player->Mode(), MediaMode::Playing);
    playlist.MusicStop();
    EXPECT_EQ(player->Mode(), MediaMode::NotOpen);
}

TEST_F(Player, TheVolumeKeysReachTheMusicOutput)
{
    auto* output = player->findChild<QAudioOutput*>();
    ASSERT_NE(output, nullptr);
    OutputVolume::Program().SetStepIndex(OutputVolume::kSteps);
    EXPECT_FLOAT_EQ(output->volume(), 1.0f);
    SetVolume(false);
    EXPECT_FLOAT_EQ(output->volume(), LinearVolume(15.0 / 16));
    EXPECT_LT(output->volume(), 1.0f);
    for (int i = 0; i < OutputVolume::kSteps; ++i)
        SetVolume(false);
    EXPECT_FLOAT_EQ(output->volume(), 0.0f);
    OutputVolume::Program().SetStepIndex(OutputVolume::kSteps);
    EXPECT_FLOAT_EQ(output->volume(), 1.0f);
}

TEST_F(Player, APlaylistOfSoundlessFilesStopsInsteadOfRacingRound)
{
    VM_REQUIRE_SOUND_OUTPUT();
    // A WAVE header without samples opens, plays and ends at once.
    const std::string header = std::string("RIFF\x24\0\0\0WAVEfmt \x10\0\0\0\1\0\1\0\x22\x56\0\0\x44\xac\0\0\2\0\x10\0data\0\0\0\0", 44);
    const std::vector<std::string> tracks{WriteFile("a.wav", header), WriteFile("b.wav", header)};
    MusicPlaylist playlist(*player, tracks, /*musicOn=*/true, /*randomPlay=*/false);
    int ends = 0;
    player->SetOnNotify([&](NotifyValue value) {
        ends += value == NotifyValue::Successful;
        playlist.MediaPlayer1Notify(value);
    });
    ASSERT_EQ(playlist.MusicStart(), MusicPlaylist::StartResult::Playing);
    ASSERT_TRUE(WaitFor([&] { return ends >= 2; }, kPlayTimeoutMs));
    WaitFor([] { return false; }, 1000);
    EXPECT_EQ(ends, 2) << "one pass, then the music stops";
    EXPECT_NE(player->Mode(), MediaMode::Playing);
}
