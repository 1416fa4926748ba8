#include "platform/media/QtMediaPlayer.h"

#include "platform/MciDevice.h"
#include "platform/OutputVolume.h"
#include "platform/media/MediaBackend.h"
#include "util/Error.h"
#include "util/IniFile.h"

#include <QAudioOutput>
#include <QEventLoop>
#include <QMediaPlayer>
#include <QTimer>
#include <QUrl>
#include <filesystem>

namespace vm {
namespace {

// Loading is quick for local files; the limit only guards against a back end
// that never answers.
constexpr int kLoadTimeoutMs = 10000;

bool Loading(QMediaPlayer::MediaStatus status)
{
    return status == QMediaPlayer::LoadingMedia || status == QMediaPlayer::NoMedia;
}

} // namespace

QtMediaPlayer::QtMediaPlayer(std::string winIniPath, QObject* parent)
    : QObject(parent), winIniPath_(std::move(winIniPath)), player_(new QMediaPlayer(this)),
      output_(new QAudioOutput(this))
{
    player_->setAudioOutput(output_);
    output_->setVolume(LinearVolume(OutputVolume::Program().Level()));
    volumeSubscription_ = OutputVolume::Program().Subscribe([this](double level) {
        QMetaObject::invokeMethod(output_, [this, level] { output_->setVolume(LinearVolume(level)); });
    });
    connect(player_, &QMediaPlayer::mediaStatusChanged, this, &QtMediaPlayer::OnStatusChanged);
    connect(player_, &QMediaPlayer::errorOccurred, this, &QtMediaPlayer::OnError);
}

QtMediaPlayer::~QtMediaPlayer()
{
    OutputVolume::Program().Unsubscribe(volumeSubscription_);
    player_->stop();
}

void QtMediaPlayer::Open()
{
    Close();
    if (!std::filesystem::is_regular_file(fileName_))
        throw Error("Cannot find the specified file \"" + fileName_ + "\". Make sure the path and filename are correct.");
    std::optional<std::string> device = deviceType_;
    if (deviceType_.empty())
        device = MciDeviceForFile(IniFile::Load(winIniPath_), fileName_);
    if (!device)
        throw Error("Cannot determine the device type from the extension of \"" + fileName_ + "\".");
    if (!MciDevicePlayable(*device))
        throw Error("The device \"" + *device + "\" is not available on this system: cannot play \"" + fileName_ + "\".");
    if (!HasSoundOutput())
        throw Error("There is no sound output on this system: cannot play \"" + fileName_ + "\".");

    player_->setSource(QUrl::fromLocalFile(QString::fromStdString(fileName_)));
    WaitUntilLoaded();
    if (player_->error() != QMediaPlayer::NoError || player_->mediaStatus() != QMediaPlayer::LoadedMedia) {
        const std::string reason = player_->errorString().isEmpty() ? std::string("not a media file the system can play")
                                                                   : player_->errorString().toStdString();
        player_->setSource(QUrl());
        throw Error("Cannot play \"" + fileName_ + "\": " + reason);
    }
    open_ = true;
}

void QtMediaPlayer::WaitUntilLoaded()
{
    if (!Loading(player_->mediaStatus()) || player_->error() != QMediaPlayer::NoError)
        return;
    // User input stays queued: a key must not act on a half-opened player.
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(player_, &QMediaPlayer::mediaStatusChanged, &loop, [&] {
        if (!Loading(player_->mediaStatus()))
            loop.quit();
    });
    connect(player_, &QMediaPlayer::errorOccurred, &loop, &QEventLoop::quit);
    timeout.start(kLoadTimeoutMs);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtMediaPlayer::RequireOpen(const char* what) const
{
    if (!open_)
        throw Error(std::string("The media device is not open: cannot ") + what + ".");
}

void QtMediaPlayer::Play()
{
    RequireOpen("play");
    if (playReportPending_ && Mode() != MediaMode::Stopped)
        Report(NotifyValue::Superseded);
    playReportPending_ = true;
    player_->play();
}

void QtMediaPlayer::Pause()
{
    RequireOpen("pause");
    if (Mode() == MediaMode::Playing)
        player_->pause();
}

void QtMediaPlayer::Resume()
{
    RequireOpen("resume");
    if (Mode() == MediaMode::Paused)
        player_->play();
}

void QtMediaPlayer::Close()
{
    if (!open_)
        return;
    if (playReportPending_)
        Report(NotifyValue::Aborted);
    open_ = false;
    player_->stop();
    player_->setSource(QUrl());
}

MediaMode QtMediaPlayer::Mode() const
{
    if (!open_)
        return MediaMode::NotOpen;
    switch (player_->playbackState()) {
    case QMediaPlayer::PlayingState:
        return MediaMode::Playing;
    case QMediaPlayer::PausedState:
        return MediaMode::Paused;
    case QMediaPlayer::StoppedState:
        break;
    }
    return MediaMode::Stopped;
}

void QtMediaPlayer::Report(NotifyValue value)
{
    playReportPending_ = false;
    if (!notify_)
        return;
    // Posted like the system's completion message: never from inside a call.
    QMetaObject::invokeMethod(
        this,
        [this, value] {
            if (onNotify_)
                onNotify_(value);
        },
        Qt::QueuedConnection);
}

void QtMediaPlayer::OnStatusChanged()
{
    if (open_ && playReportPending_ && player_->mediaStatus() == QMediaPlayer::EndOfMedia)
        Report(NotifyValue::Successful);
}

void QtMediaPlayer::OnError()
{
    if (open_ && playReportPending_)
        Report(NotifyValue::Failure);
}

} // namespace vm
