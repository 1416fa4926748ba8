#pragma once
// The media player over Qt Multimedia. Needs the application object; see
// PrepareMediaBackend. Threads: the user-interface thread only.
#include "platform/MediaPlayer.h"

#include <QObject>
#include <memory>

class QAudioOutput;
class QMediaPlayer;

namespace vm {

class QtMediaPlayer : public QObject, public MediaPlayer {
    Q_OBJECT
public:
    // `winIniPath`: the file whose "mci extensions" choose the device.
    explicit QtMediaPlayer(std::string winIniPath, QObject* parent = nullptr);
    ~QtMediaPlayer() override;

    void SetFileName(const std::string& path) override { fileName_ = path; }
    const std::string& FileName() const override { return fileName_; }
    void SetDeviceType(const std::string& device) override { deviceType_ = device; }
    void Open() override;
    void Play() override;
    void Pause() override;
    void Resume() override;
    void Close() override;
    MediaMode Mode() const override;
    void SetNotify(bool on) override { notify_ = on; }
    bool Notify() const override { return notify_; }
    void SetOnNotify(NotifyHandler handler) override { onNotify_ = std::move(handler); }

private:
    void RequireOpen(const char* what) const;
    void WaitUntilLoaded();
    void Report(NotifyValue value);
    void OnStatusChanged();
    void OnError();

    std::string winIniPath_;
    std::string fileName_;
    std::string deviceType_;
    bool open_ = false;
    bool notify_ = false;
    bool playReportPending_ = false; // a Play whose end has not been reported
    NotifyHandler onNotify_;
    QMediaPlayer* player_;
    QAudioOutput* output_;
    int volumeSubscription_ = 0;
};

} // namespace vm
