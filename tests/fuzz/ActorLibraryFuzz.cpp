// Fuzz entry: any bytes as an actor library file, validated as opening does,
// then every animation of a library that passes read and decoded.
#include "character/ActorRecord.h"
#include "character/AnimationImage.h"
#include "character/oaLZRWKH.h"

#include <cstdint>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const auto library = vm::LoadActorLibrary(std::vector<uint8_t>(data, data + size));
    if (!library)
        return 0;
    const vm::TActorInfo& record = library->record;
    for (const vm::TAnimationInfo& a : record.animations) {
        const auto resource = library->image->Resource(vm::kResourceTypeRcData, a.resourceId);
        if (!resource)
            continue;
        std::vector<uint8_t> decoded;
        try {
            vm::DecompressStream(*resource, decoded, 16u << 20);
            const vm::TAnimationImage image = vm::DecodeAnimationImage(decoded, record.frameWidth, record.frameHeight);
            volatile uint8_t sink = image.strip.empty() ? 0 : image.strip.back();
            (void)sink;
        } catch (const vm::EDamagedAnimation&) {
        }
    }
    (void)library->image->Resource(vm::kResourceTypeWave, 1);
    return 0;
}
