#pragma once
// The program's own output volume, one level for music and frame sounds and
// for both channels. It moves in 16 equal steps of the perceived (logarithmic)
// loudness, as the keys step it; it starts at full and is not stored.
//
// Threads: any; listeners are called on the thread that changed the level.
#include <functional>
#include <map>
#include <mutex>

namespace vm {

class OutputVolume {
public:
    static constexpr int kSteps = 16;
    using Listener = std::function<void(double perceivedLevel)>;

    static OutputVolume& Program();

    int StepIndex() const;     // 0 (silent) .. kSteps (full)
    double Level() const;      // StepIndex() / kSteps, 0..1 on the perceived scale
    void Change(bool up);      // one step; stays inside 0..kSteps
    void SetStepIndex(int step); // clamped

    int Subscribe(Listener listener); // returns the id to unsubscribe with
    void Unsubscribe(int id);

private:
    void Notify();

    mutable std::mutex mutex_;
    int step_ = kSteps;
    int nextId_ = 1;
    std::map<int, Listener> listeners_;
};

// One step of the program's volume up or down (the arrow keys of the show).
void SetVolume(bool up);

} // namespace vm
