#pragma once
#include <cstdint>

namespace vm {

// a*b/c with a 64-bit product, rounded to nearest, halves away from zero; -1 when c is 0.
constexpr int32_t MulDiv(int32_t a, int32_t b, int32_t c)
{
    if (c == 0)
        return -1;
    const int64_t product = int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const uint64_t num = product < 0 ? uint64_t(-product) : uint64_t(product);
    const uint64_t den = c < 0 ? uint64_t(-int64_t(c)) : uint64_t(c);
    const uint64_t q = (num + den / 2) / den;
    return negative ? int32_t(-int64_t(q)) : int32_t(q);
}

} // namespace vm
