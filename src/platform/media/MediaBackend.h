#pragma once
// Qt Multimedia picks its back end when the application object is created, so
// main() calls this first of all.

namespace vm {

// Chooses the FFmpeg back end (GStreamer lacks the plug-ins for our formats on
// many systems) unless QT_MEDIA_BACKEND already names one.
void PrepareMediaBackend();

// Whether the system has a sound output at all (the back end must not be asked
// to play without one: it crashes).
bool HasSoundOutput();

// The program's volume level (0..1, perceived) as the linear factor Qt's
// outputs take.
float LinearVolume(double perceivedLevel);

} // namespace vm
