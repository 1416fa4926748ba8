#pragma once
// TSpecialNames: the nine special animations in groups of three (start,
// continued, return) and their numbers in the open actor.
//
// Threads: Resolve runs when a library has been opened (main thread); the
// queries are read by the director's thread afterwards.
#include <array>
#include <atomic>
#include <cstdint>

namespace vm {

class TAssistantActor;

class TSpecialNames {
public:
    static constexpr int kCount = 9;

    // Each entry's number becomes the actor's animation of that name (0: none).
    void Resolve(const TAssistantActor& actor);
    // For an animation that starts or continues a group: the index of the
    // group's return entry; -1 for return entries, for animations that are
    // none of the nine, and for 0.
    int ReturnIndexFor(uint16_t n) const;
    // False when n is the continued or return form of the group of entry r
    // (then that group's return animation is not played first).
    bool LeavesGroup(int r, uint16_t n) const;
    // The animation number of entry i; 0 when i is out of range.
    uint16_t AnimationAt(int i) const;

private:
    // The first entry with animation number n, or -1.
    int IndexOf(uint16_t n) const;

    std::array<std::atomic<uint16_t>, kCount> numbers_{};
};

} // namespace vm
