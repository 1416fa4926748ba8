#include "platform/media/QtFrameSound.h"

#include "platform/OutputVolume.h"
#include "platform/media/MediaBackend.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>
#include <QTimer>
#include <algorithm>

namespace vm {
namespace {

QAudioFormat::SampleFormat QtSampleFormat(WaveSampleType type)
{
    switch (type) {
    case WaveSampleType::UInt8:
        return QAudioFormat::UInt8;
    case WaveSampleType::Int16:
        return QAudioFormat::Int16;
    case WaveSampleType::Int32:
        return QAudioFormat::Int32;
    case WaveSampleType::Float:
        return QAudioFormat::Float;
    }
    return QAudioFormat::Unknown;
}

} // namespace

QtFrameSound::QtFrameSound(QObject* parent) : QObject(parent)
{
    volumeSubscription_ = OutputVolume::Program().Subscribe([this](double level) {
        QMetaObject::invokeMethod(this, [this, level] {
            for (const Voice& voice : voices_)
                voice.sink->setVolume(LinearVolume(level));
        });
    });
}

QtFrameSound::~QtFrameSound()
{
    OutputVolume::Program().Unsubscribe(volumeSubscription_);
    StopVoices();
}

bool QtFrameSound::PlayWave(std::shared_ptr<const std::vector<uint8_t>> wave)
{
    if (!wave)
        return false;
    const std::optional<WaveData> sound = ParseWave(*wave);
    if (!sound || sound->samples.empty())
        return false;
    bool idle = false;
    if (!playing_.compare_exchange_strong(idle, true))
        return false; // the sound that plays goes on; this one yields
    QMetaObject::invokeMethod(
        this, [this, wave, sound = *sound] { Start(wave, sound); }, Qt::QueuedConnection);
    return true;
}

void QtFrameSound::StopAll()
{
    QMetaObject::invokeMethod(
        this,
        [this] {
            ++generation_;
            StopVoices();
            playing_ = false;
        },
        Qt::QueuedConnection);
}

void QtFrameSound::Start(std::shared_ptr<const std::vector<uint8_t>> wave, WaveData sound)
{
    if (!playing_ || !HasSoundOutput())
        return; // stopped before it began, or nowhere to play
    QAudioFormat format;
    format.setSampleFormat(QtSampleFormat(sound.format.sampleType));
    format.setChannelCount(sound.format.channels);
    format.setSampleRate(sound.format.sampleRate);

    auto* buffer = new QBuffer(this);
    buffer->setData(QByteArray::fromRawData(reinterpret_cast<const char*>(sound.samples.data()),
                                            qsizetype(sound.samples.size())));
    buffer->open(QIODevice::ReadOnly);
    auto* sink = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
    sink->setVolume(LinearVolume(OutputVolume::Program().Level()));
    voices_.push_back({sink, buffer, std::move(wave)});
    connect(sink, &QAudioSink::stateChanged, this, [this, sink](QAudio::State state) {
        // Idle: every sample was handed over. Stopped on its own: an error.
        if (state == QAudio::IdleState || (state == QAudio::StoppedState && sink->error() != QAudio::NoError))
            Release(sink);
    });
    sink->start(buffer);

    const unsigned generation = ++generation_;
    const qint64 lengthMs = format.durationForBytes(qint32(sound.samples.size())) / 1000;
    QTimer::singleShot(int(lengthMs), this, [this, generation] {
        if (generation == generation_)
            playing_ = false;
    });
    if (sink->error() != QAudio::NoError) {
        Release(sink);
        playing_ = false;
    }
}

void QtFrameSound::Release(QAudioSink* sink)
{
    const auto voice = std::find_if(voices_.begin(), voices_.end(), [sink](const Voice& v) { return v.sink == sink; });
    if (voice == voices_.end())
        return;
    voice->sink->disconnect(this);
    voice->sink->stop();
    voice->sink->deleteLater();
    voice->buffer->deleteLater();
    voices_.erase(voice);
}

void QtFrameSound::StopVoices()
{
    while (!voices_.empty())
        Release(voices_.front().sink);
}

} // namespace vm
