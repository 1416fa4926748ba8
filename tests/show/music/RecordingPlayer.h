#pragma once
// A media player for tests: it records every call as a line of text, plays
// nothing, and ends the playing track when the test says so.
#include "platform/MediaPlayer.h"
#include "util/Error.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace vm::test {

class RecordingPlayer : public MediaPlayer {
public:
    std::vector<std::string> log;
    std::set<std::string> broken; // files whose Open throws

    void SetFileName(const std::string& path) override { fileName_ = path; }
    const std::string& FileName() const override { return fileName_; }
    void SetDeviceType(const std::string& device) override { device_ = device; }
    void Open() override
    {
        Close();
        if (broken.count(fileName_))
            throw Error("cannot open " + fileName_);
        log.push_back("open " + fileName_);
        mode_ = MediaMode::Stopped;
    }
    void Play() override
    {
        Require();
        log.push_back("play");
        mode_ = MediaMode::Playing;
    }
    void Pause() override
    {
        Require();
        log.push_back("pause");
        if (mode_ == MediaMode::Playing)
            mode_ = MediaMode::Paused;
    }
    void Resume() override
    {
        Require();
        log.push_back("resume");
        if (mode_ == MediaMode::Paused)
            mode_ = MediaMode::Playing;
    }
    void Close() override
    {
        if (mode_ == MediaMode::NotOpen)
            return;
        log.push_back("close");
        mode_ = MediaMode::NotOpen;
    }
    MediaMode Mode() const override { return mode_; }
    void SetNotify(bool on) override { notify_ = on; }
    bool Notify() const override { return notify_; }
    void SetOnNotify(NotifyHandler handler) override { handler_ = std::move(handler); }

    // The playing track ends; its report goes out when notification is on.
    void End(NotifyValue value = NotifyValue::Successful)
    {
        ASSERT_EQ(mode_, MediaMode::Playing) << "no track plays";
        mode_ = MediaMode::Stopped;
        if (notify_ && handler_)
            handler_(value);
    }

    // The files opened so far, in order.
    std::vector<std::string> Opened() const
    {
        std::vector<std::string> files;
        for (const std::string& line : log)
            if (line.rfind("open ", 0) == 0)
                files.push_back(line.substr(5));
        return files;
    }

private:
    void Require() const
    {
        if (mode_ == MediaMode::NotOpen)
            throw Error("not open");
    }

    std::string fileName_;
    std::string device_;
    MediaMode mode_ = MediaMode::NotOpen;
    bool notify_ = false;
    NotifyHandler handler_;
};

} // namespace vm::test
