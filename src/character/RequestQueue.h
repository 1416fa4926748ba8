#pragma once
// TRequestQueue: the requests waiting to be played, in arrival order.
//
// A request ID holds a 16-bit sequence number above the 16-bit animation
// number; 0 is no request. The sequence is counted per queue from 1 and wraps
// after 65535.
//
// Threads: every method may be called from any thread; each is atomic.
#include "character/Event.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>

namespace vm {

using TRequestId = uint32_t;

inline uint16_t AnimationOf(TRequestId id) { return uint16_t(id & 0xFFFF); }
inline uint16_t SequenceOf(TRequestId id) { return uint16_t(id >> 16); }

class TRequestQueue {
public:
    // 0 when the queue is disabled or n is 0; otherwise the new request's ID.
    TRequestId Add(uint16_t n);
    TRequestId Peek() const;
    TRequestId Pop();
    void Remove(TRequestId id);
    bool Contains(TRequestId id) const;
    bool IsEmpty() const;
    void Clear();
    // True when the request event is set, or is set at some moment, within
    // timeoutMs (kInfinite: no limit). A queue disabled and enabled again
    // meanwhile counts: that is how a waiting director is woken. A disabled
    // queue answers true at once: its event was set when it was disabled.
    bool WaitForRequest(int timeoutMs) const;

    bool Enabled() const;
    // Enabling clears the request event; disabling drops every request and
    // sets the event, so that a director waiting for requests wakes.
    void SetEnabled(bool enabled);

private:
    mutable std::mutex lock_;
    mutable std::condition_variable requestChanged_;
    std::deque<TRequestId> items_;
    bool enabled_ = true;
    uint16_t sequence_ = 0;
    bool requestEvent_ = false;
    uint32_t eventSets_ = 0; // times the request event was set
};

} // namespace vm
