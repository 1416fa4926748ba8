#include "platform/media/QtFrameSound.h"

#include "platform/OutputVolume.h"
#include "platform/media/MediaBackend.h"

#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QMediaDevices>

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
            if (sink_)
                sink_->setVolume(LinearVolume(level));
        });
    });
}

QtFrameSound::~QtFrameSound()
{
    OutputVolume::Program().Unsubscribe(volumeSubscription_);
    Finish();
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
    QMetaObject::invokeMethod(this, [this] { Finish(); }, Qt::QueuedConnection);
}

void QtFrameSound::Start(std::shared_ptr<const std::vector<uint8_t>> wave, WaveData sound)
{
    if (!playing_)
        return; // stopped before it began
    QAudioFormat format;
    format.setSampleFormat(QtSampleFormat(sound.format.sampleType));
    format.setChannelCount(sound.format.channels);
    format.setSampleRate(sound.format.sampleRate);

    wave_ = std::move(wave);
    buffer_ = new QBuffer(this);
    buffer_->setData(QByteArray::fromRawData(reinterpret_cast<const char*>(sound.samples.data()),
                                             qsizetype(sound.samples.size())));
    buffer_->open(QIODevice::ReadOnly);
    sink_ = new QAudioSink(QMediaDevices::defaultAudioOutput(), format, this);
    sink_->setVolume(LinearVolume(OutputVolume::Program().Level()));
    connect(sink_, &QAudioSink::stateChanged, this, [this](QAudio::State state) {
        // Idle: every sample was handed over. Stopped on its own: an error.
        if (state == QAudio::IdleState || (state == QAudio::StoppedState && sink_ && sink_->error() != QAudio::NoError))
            Finish();
    });
    sink_->start(buffer_);
    if (sink_->error() != QAudio::NoError)
        Finish();
}

void QtFrameSound::Finish()
{
    if (sink_) {
        QAudioSink* sink = sink_;
        sink_ = nullptr;
        sink->disconnect(this);
        sink->stop();
        sink->deleteLater();
    }
    if (buffer_) {
        buffer_->deleteLater();
        buffer_ = nullptr;
    }
    // A stopped sink reads no more; wave_ keeps the bytes until the next sound.
    playing_ = false;
}

} // namespace vm
