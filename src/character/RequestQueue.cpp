#include "character/RequestQueue.h"

#include <algorithm>
#include <chrono>

namespace vm {

TRequestId TRequestQueue::Add(uint16_t n)
{
    std::lock_guard lock(lock_);
    if (!enabled_ || n == 0)
        return 0;
    ++sequence_;
    const TRequestId id = TRequestId(sequence_) << 16 | n;
    items_.push_back(id);
    requestEvent_ = true;
    ++eventSets_;
    requestChanged_.notify_all();
    return id;
}

TRequestId TRequestQueue::Peek() const
{
    std::lock_guard lock(lock_);
    return items_.empty() ? 0 : items_.front();
}

TRequestId TRequestQueue::Pop()
{
    std::lock_guard lock(lock_);
    if (items_.empty())
        return 0;
    const TRequestId id = items_.front();
    items_.pop_front();
    if (items_.empty())
        requestEvent_ = false;
    return id;
}

void TRequestQueue::Remove(TRequestId id)
{
    std::lock_guard lock(lock_);
    const auto it = std::find(items_.begin(), items_.end(), id);
    if (it == items_.end())
        return;
    items_.erase(it);
    if (items_.empty())
        requestEvent_ = false;
}

bool TRequestQueue::Contains(TRequestId id) const
{
    std::lock_guard lock(lock_);
    return std::find(items_.begin(), items_.end(), id) != items_.end();
}

bool TRequestQueue::IsEmpty() const
{
    std::lock_guard lock(lock_);
    return items_.empty();
}

void TRequestQueue::Clear()
{
    std::lock_guard lock(lock_);
    requestEvent_ = false;
    items_.clear();
}

bool TRequestQueue::WaitForRequest(int timeoutMs) const
{
    std::unique_lock lock(lock_);
    const uint32_t setsBefore = eventSets_;
    // A disabled queue has had its event set, even when Clear has cleared it since.
    const auto wasSet = [&] { return requestEvent_ || eventSets_ != setsBefore || !enabled_; };
    if (timeoutMs < 0) {
        requestChanged_.wait(lock, wasSet);
        return true;
    }
    return requestChanged_.wait_for(lock, std::chrono::milliseconds(timeoutMs), wasSet);
}

bool TRequestQueue::Enabled() const
{
    std::lock_guard lock(lock_);
    return enabled_;
}

void TRequestQueue::SetEnabled(bool enabled)
{
    std::lock_guard lock(lock_);
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    if (enabled) {
        requestEvent_ = false;
    } else {
        items_.clear();
        requestEvent_ = true;
        ++eventSets_;
        requestChanged_.notify_all();
    }
}

} // namespace vm
