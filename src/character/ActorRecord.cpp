#include "character/ActorRecord.h"

#include <algorithm>
#include <array>

namespace vm {
namespace {

uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

// A code shape with a hole of four bytes for the address; -1 marks the hole.
struct CodeForm {
    std::array<int, 12> bytes;
    size_t length;
};

constexpr int A = -1;
constexpr std::array kReturnAddressForms{
    CodeForm{{0xB8, A, A, A, A, 0xC3}, 6},                         // mov eax, imm32; ret
    CodeForm{{0x8D, 0x05, A, A, A, A, 0xC3}, 7},                   // lea eax, [disp32]; ret
    CodeForm{{0x55, 0x8B, 0xEC, 0xB8, A, A, A, A, 0x5D, 0xC3}, 10}, // push ebp; mov ebp, esp; mov eax, imm32; pop ebp; ret
    CodeForm{{0x55, 0x89, 0xE5, 0xB8, A, A, A, A, 0x5D, 0xC3}, 10}, // the same, other encoding of mov ebp, esp
};

// Longest function body the address forms need to see.
constexpr uint32_t kMaxCodeForm = 16;

constexpr size_t kNameOffset = 0, kResourceIdOffset = 51, kStatesOffset = 53, kReturnKindOffset = 63,
                 kReturnAnimationOffset = 64;

TAnimationInfo DecodeAnimation(const uint8_t* p)
{
    TAnimationInfo a;
    const size_t nameLength = std::min<size_t>(p[kNameOffset], kMaxAnimationNameLength);
    a.name.assign(reinterpret_cast<const char*>(p + kNameOffset + 1), nameLength);
    a.resourceId = Le16(p + kResourceIdOffset);
    std::copy_n(p + kStatesOffset, a.states.size(), a.states.begin());
    a.returnKind = ReturnKind(p[kReturnKindOffset]);
    a.returnAnimation = Le16(p + kReturnAnimationOffset);
    return a;
}

} // namespace

std::optional<uint32_t> ReturnedAddress(std::span<const uint8_t> code)
{
    for (const CodeForm& form : kReturnAddressForms) {
        if (code.size() < form.length)
            continue;
        bool matches = true;
        size_t hole = 0;
        for (size_t i = 0; i < form.length && matches; ++i) {
            if (form.bytes[i] == A) {
                hole = hole ? hole : i;
                continue;
            }
            matches = code[i] == form.bytes[i];
        }
        if (matches)
            return Le32(code.data() + hole);
    }
    return std::nullopt;
}

std::optional<TActorInfo> DecodeActorInfo(std::span<const uint8_t> bytes)
{
    if (bytes.size() < kActorInfoHeaderSize)
        return std::nullopt;
    const uint8_t* p = bytes.data();
    TActorInfo info;
    info.version = Le16(p);
    info.frameWidth = Le16(p + 23);
    info.frameHeight = Le16(p + 25);
    info.palette.version = Le16(p + 27);
    info.palette.entryCount = Le16(p + 29);
    for (size_t i = 0; i < kPaletteEntryCount; ++i) {
        const uint8_t* e = p + 31 + 4 * i;
        info.palette.entries[i] = {e[0], e[1], e[2], e[3]};
    }
    info.transparentIndex = p[1055];
    const size_t count = Le16(p + 1056);
    if (bytes.size() - kActorInfoHeaderSize < count * kAnimationInfoSize)
        return std::nullopt;
    info.animations.reserve(count);
    for (size_t n = 0; n < count; ++n)
        info.animations.push_back(DecodeAnimation(p + kActorInfoHeaderSize + n * kAnimationInfoSize));
    return info;
}

std::optional<TActorInfo> ReadActorInfo(const PeImage& image, uint32_t rva)
{
    const auto header = image.Read(rva, kActorInfoHeaderSize);
    if (!header)
        return std::nullopt;
    const size_t count = Le16(header->data() + 1056);
    const auto whole = image.Read(rva, uint32_t(kActorInfoHeaderSize + count * kAnimationInfoSize));
    if (!whole)
        return std::nullopt;
    return DecodeActorInfo(*whole);
}

std::optional<TActorLibrary> LoadActorLibrary(std::vector<uint8_t> bytes)
{
    TActorLibrary library;
    try {
        library.image = std::make_unique<PeImage>(std::move(bytes));
    } catch (const EPeFormat&) {
        return std::nullopt;
    }
    const PeImage& image = *library.image;
    const auto entry = image.ExportRva("GetActorInfo");
    if (!entry)
        return std::nullopt;
    const auto address = ReturnedAddress(image.ReadUpTo(*entry, kMaxCodeForm));
    if (!address || *address == 0 || *address < image.ImageBase())
        return std::nullopt;
    auto record = ReadActorInfo(image, *address - image.ImageBase());
    if (!record || record->version != kActorInfoVersion || record->animations.empty())
        return std::nullopt;
    library.record = std::move(*record);
    return library;
}

} // namespace vm
