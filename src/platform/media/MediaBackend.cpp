#include "platform/media/MediaBackend.h"

#include <QAudio>
#include <cstdlib>

namespace vm {

void PrepareMediaBackend() { setenv("QT_MEDIA_BACKEND", "ffmpeg", /*overwrite=*/0); }

float LinearVolume(double perceivedLevel)
{
    return QAudio::convertVolume(float(perceivedLevel), QAudio::LogarithmicVolumeScale, QAudio::LinearVolumeScale);
}

} // namespace vm
