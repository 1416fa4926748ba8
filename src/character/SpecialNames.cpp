#include "character/SpecialNames.h"

#include "character/oaActor.h"

namespace vm {

void TSpecialNames::Resolve(const TAssistantActor& actor)
{
    for (int i = 0; i < kCount; ++i)
        numbers_[size_t(i)] = actor.FindAnimation(kSpecialNames[i]);
}

int TSpecialNames::IndexOf(uint16_t n) const
{
    // Entries of animations the actor lacks hold 0, which is no animation.
    if (n == 0)
        return -1;
    for (int i = 0; i < kCount; ++i)
        if (numbers_[size_t(i)] == n)
            return i;
    return -1;
}

int TSpecialNames::ReturnIndexFor(uint16_t n) const
{
    const int i = IndexOf(n);
    if (i < 0 || i % 3 == 2)
        return -1;
    return i / 3 * 3 + 2;
}

bool TSpecialNames::LeavesGroup(int r, uint16_t n) const
{
    const int j = IndexOf(n);
    return !(j >= 0 && j % 3 != 0 && j / 3 == r / 3);
}

uint16_t TSpecialNames::AnimationAt(int i) const
{
    return i >= 0 && i < kCount ? uint16_t(numbers_[size_t(i)]) : uint16_t(0);
}

} // namespace vm
