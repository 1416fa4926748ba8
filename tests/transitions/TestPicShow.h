#pragma once
// A picture-show control in a pretend window: a message queue that the test pumps as
// the GUI thread would, paints that go nowhere but are counted, and a log of events.
#include "transitions/CustomPicShow.h"

#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace vm::test {

class TestPicShow : public TCustomPicShow {
public:
    TestPicShow()
    {
        SetThreaded(false);
        SetDelay(0);
        SetAutoSize(false);
        HandleResize(40, 30);
    }
    ~TestPicShow() override { Destroy(); }

    // Runs posted messages (GUI thread); false when the queue was empty.
    bool PumpOne(bool threadDoneOnly = false)
    {
        Message m;
        {
            std::lock_guard lock(queueLock_);
            auto it = queue_.begin();
            while (it != queue_.end() && threadDoneOnly && !it->threadDone)
                ++it;
            if (it == queue_.end())
                return false;
            m = std::move(*it);
            queue_.erase(it);
        }
        m.run();
        return true;
    }
    void PumpAll(bool threadDoneOnly = false)
    {
        while (PumpOne(threadDoneOnly)) {
        }
    }
    // Pumps until no transition runs (or a generous time passed); true when it ended.
    bool PumpUntilIdle()
    {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (Running() && std::chrono::steady_clock::now() < end)
            if (!PumpOne())
                std::this_thread::sleep_for(std::chrono::microseconds(200));
        PumpAll();
        return !Running();
    }
    void Paint() { HandlePaint([this](const Bitmap&) { ++paints; }); }

    int paints = 0;

protected:
    void RepaintNow() override { Paint(); }
    void ScheduleRepaint() override
    {
        Post({[this] {
                  if (HasPendingUpdate())
                      Paint();
              },
              false});
    }
    void RequestPaintOnGuiThread() override { Post({[this] { HandlePaintRequest(); }, false}); }
    void PostThreadDone(uint64_t generation) override { Post({[this, generation] { HandleThreadDone(generation); }, true}); }
    void DispatchPostedThreadDone() override { PumpAll(true); }
    void ProcessMessages(int) override { PumpAll(); }

private:
    struct Message {
        std::function<void()> run;
        bool threadDone = false;
    };
    void Post(Message m)
    {
        std::lock_guard lock(queueLock_);
        queue_.push_back(std::move(m));
    }
    std::mutex queueLock_;
    std::deque<Message> queue_;
};

// Records events by name, and the progress of every frame; safe from the worker.
struct EventLog {
    void Attach(TCustomPicShow& show)
    {
        show.OnStart = [this](TCustomPicShow&, const Bitmap&, Bitmap&) { Add("Start"); };
        show.OnBeforeNewFrame = [this](TCustomPicShow&, const Bitmap&, Bitmap&) { Add("Before"); };
        show.OnAfterNewFrame = [this](TCustomPicShow&, const Bitmap&, Bitmap&) { Add("After"); };
        show.OnProgress = [this](TCustomPicShow& s) {
            Add("Progress");
            std::lock_guard lock(m);
            progress.push_back(s.Progress());
        };
        show.OnComplete = [this](TCustomPicShow&) { Add("Complete"); };
        show.OnStop = [this](TCustomPicShow&) { Add("Stop"); };
    }
    void Add(const std::string& e)
    {
        std::lock_guard lock(m);
        events.push_back(e);
    }
    int Count(const std::string& e)
    {
        std::lock_guard lock(m);
        return int(std::count(events.begin(), events.end(), e));
    }
    std::mutex m;
    std::vector<std::string> events;
    std::vector<int> progress;
};

} // namespace vm::test
