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
    // A sound on its way out: the sink drains it after the device counts as
    // free again, so the tail of one may still sound under the start of the next.
    struct Voice {
        QAudioSink* sink;
        QBuffer* buffer;
        std::shared_ptr<const std::vector<uint8_t>> wave; // the bytes the buffer reads
    };

    void Start(std::shared_ptr<const std::vector<uint8_t>> wave, WaveData sound);
    void Release(QAudioSink* sink);
    void StopVoices();

    // Busy for the sound's own length from its start, whatever latency the
    // output adds before it has drained.
    std::atomic<bool> playing_ = false;
    unsigned generation_ = 0; // which sound the busy timer belongs to
    std::vector<Voice> voices_;
    int volumeSubscription_ = 0;
};

} // namespace vm
