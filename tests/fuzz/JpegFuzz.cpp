// Photos as they come: decoding fits them to a small screen or fails with our
// error, never crashing or reading outside the input.
#include "show/JpegDecoder.h"
#include "util/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        const vm::Bitmap b = vm::DecodeJpegFitted(data, size, {64, 48}, "fuzz");
        if (b.Width() > 64 || b.Height() > 48)
            __builtin_trap();
    } catch (const vm::Error&) {
    }
    return 0;
}
