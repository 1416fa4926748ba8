#pragma once
// Frame sounds over Qt's audio output. Create it on the user-interface thread;
// PlayWave and StopAll may then be called from any thread, the sound itself
// runs on the user-interface thread's event loop.
#include "platform/FrameSound.h"
#include "platform/WaveFile.h"

#include <QObject>
#include <atomic>

class QAudioSink;
class QBuffer;

namespace vm {

class QtFrameSound : public QObject, public FrameSound {
    Q_OBJECT
public:
    explicit QtFrameSound(QObject* parent = nullptr);
    ~QtFrameSound() override;

    bool PlayWave(std::shared_ptr<const std::vector<uint8_t>> wave) override;
    void StopAll() override;
    bool Playing() const override { return playing_; }

private:
    void Start(std::shared_ptr<const std::vector<uint8_t>> wave, WaveData sound);
    void Finish();

    std::atomic<bool> playing_ = false;
    std::shared_ptr<const std::vector<uint8_t>> wave_; // owns the bytes the buffer reads
    QAudioSink* sink_ = nullptr;
    QBuffer* buffer_ = nullptr;
    int volumeSubscription_ = 0;
};

} // namespace vm
