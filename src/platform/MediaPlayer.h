#pragma once
// The media player the show's music and the music page's preview use: one
// track at a time, its device chosen from the file's extension, and a report
// when a playback ends.
//
// Threads: every method, and the notify handler, run on the user-interface
// thread.
#include <functional>
#include <string>

namespace vm {

enum class MediaMode { NotOpen, Stopped, Playing, Paused };

// How a playback that asked for a report ended.
enum class NotifyValue { Successful, Superseded, Aborted, Failure };

class MediaPlayer {
public:
    using NotifyHandler = std::function<void(NotifyValue)>;

    virtual ~MediaPlayer() = default;

    virtual void SetFileName(const std::string& path) = 0;
    // The file given last, also after it was closed; the caption shows it.
    virtual const std::string& FileName() const = 0;
    // Empty (the start value) means automatic: the device comes from the
    // extension through the "mci extensions" table when opening.
    virtual void SetDeviceType(const std::string& device) = 0;

    // Opens FileName(), closing any open track first. Throws vm::Error with the
    // media system's message when the file can't be opened.
    virtual void Open() = 0;
    // Plays the open track from its current position. Throws vm::Error when no
    // track is open.
    virtual void Play() = 0;
    // Throw vm::Error when no track is open; otherwise harmless in any mode.
    virtual void Pause() = 0;
    virtual void Resume() = 0;
    // Stops and closes; nothing happens when no track is open.
    virtual void Close() = 0;
    virtual MediaMode Mode() const = 0;

    // The notification switch: a playback started by Play reports how it ended
    // (posted, never from inside a call) when the switch is on at that moment.
    virtual void SetNotify(bool on) = 0;
    virtual bool Notify() const = 0;
    // The handler must not throw: catch at the handler's boundary.
    virtual void SetOnNotify(NotifyHandler handler) = 0;
};

} // namespace vm
