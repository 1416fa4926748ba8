#include "platform/media/MediaBackend.h"

#include <QAudioDevice>
#include <QMediaDevices>

#include <QAudio>
#include <cstdlib>

namespace vm {

void PrepareMediaBackend() { setenv("QT_MEDIA_BACKEND", "ffmpeg", /*overwrite=*/0); }

bool HasSoundOutput() { return !QMediaDevices::audioOutputs().isEmpty(); }

float LinearVolume(double perceivedLevel)
{
    return QAudio::convertVolume(float(perceivedLevel), QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

} // namespace vm
