#include "character/PeImage.h"

#include <set>

namespace vm {
namespace {

constexpr uint16_t kMachineI386 = 0x14C;
constexpr uint16_t kMagicPe32 = 0x10B;
constexpr size_t kMaxSections = 96;
constexpr uint32_t kMaxExportNames = 65536;
constexpr size_t kMaxResourceEntries = 1u << 20;
constexpr uint32_t kSubdirectoryBit = 0x80000000u;
constexpr uint32_t kNameBit = 0x80000000u;
constexpr int kExportDirectory = 0, kResourceDirectory = 2;

uint16_t Le16(const uint8_t* p) { return uint16_t(p[0] | p[1] << 8); }
uint32_t Le32(const uint8_t* p) { return uint32_t(p[0]) | uint32_t(p[1]) << 8 | uint32_t(p[2]) << 16 | uint32_t(p[3]) << 24; }

[[noreturn]] void Malformed(const char* what) { throw EPeFormat(what); }

std::string TypeKey(uint16_t type) { return "#" + std::to_string(type); }

std::string UpperAscii(std::string_view name)
{
    std::string key(name);
    for (char& c : key)
        if (c >= 'a' && c <= 'z')
            c = char(c - 'a' + 'A');
    return key;
}

} // namespace

PeImage::PeImage(std::vector<uint8_t> file) : file_(std::move(file))
{
    ReadHeaders();
}

void PeImage::ReadHeaders()
{
    const size_t size = file_.size();
    const uint8_t* f = file_.data();
    if (size < 0x40 || f[0] != 'M' || f[1] != 'Z')
        Malformed("no DOS header");
    const uint64_t pe = Le32(f + 0x3C);
    if (pe + 24 > size || f[pe] != 'P' || f[pe + 1] != 'E' || f[pe + 2] != 0 || f[pe + 3] != 0)
        Malformed("no PE header");
    const uint8_t* coff = f + pe + 4;
    if (Le16(coff) != kMachineI386)
        Malformed("not a 32-bit x86 image");
    const size_t sectionCount = Le16(coff + 2);
    const size_t optionalSize = Le16(coff + 16);
    const uint64_t optional = pe + 24;
    if (sectionCount == 0 || sectionCount > kMaxSections || optionalSize < 96 || optional + optionalSize > size)
        Malformed("bad file header");
    const uint8_t* opt = f + optional;
    if (Le16(opt) != kMagicPe32)
        Malformed("not a PE32 optional header");
    imageBase_ = Le32(opt + 28);
    const size_t directoryCount = std::min<size_t>(Le32(opt + 92), (optionalSize - 96) / 8);
    auto directory = [&](int index) -> std::pair<uint32_t, uint32_t> {
        if (size_t(index) >= directoryCount)
            return {0, 0};
        return {Le32(opt + 96 + 8 * index), Le32(opt + 96 + 8 * index + 4)};
    };

    const uint64_t table = optional + optionalSize;
    if (table + 40 * sectionCount > size)
        Malformed("section table cut short");
    for (size_t i = 0; i < sectionCount; ++i) {
        const uint8_t* s = f + table + 40 * i;
        const uint32_t virtualSize = Le32(s + 8);
        const uint32_t virtualAddress = Le32(s + 12);
        const uint32_t rawSize = Le32(s + 16);
        const uint32_t rawOffset = Le32(s + 20);
        if (rawSize == 0)
            continue;
        if (uint64_t(rawOffset) + rawSize > size)
            Malformed("section data cut short");
        const uint32_t inFile = virtualSize != 0 ? std::min(virtualSize, rawSize) : rawSize;
        sections_.push_back({virtualAddress, inFile, rawOffset});
    }

    if (const auto [rva, length] = directory(kExportDirectory); rva != 0)
        ReadExports(rva, length);
    if (const auto [rva, length] = directory(kResourceDirectory); rva != 0)
        ReadResources(rva);
}

std::optional<std::span<const uint8_t>> PeImage::Read(uint32_t rva, uint32_t size) const
{
    for (const Section& s : sections_) {
        if (rva < s.virtualAddress)
            continue;
        const uint64_t at = uint64_t(rva) - s.virtualAddress;
        if (at <= s.size && size <= s.size - at)
            return std::span<const uint8_t>(file_.data() + s.fileOffset + at, size);
    }
    return std::nullopt;
}

std::span<const uint8_t> PeImage::ReadUpTo(uint32_t rva, uint32_t limit) const
{
    for (const Section& s : sections_) {
        if (rva < s.virtualAddress)
            continue;
        const uint64_t at = uint64_t(rva) - s.virtualAddress;
        if (at < s.size)
            return std::span<const uint8_t>(file_.data() + s.fileOffset + at, std::min<uint64_t>(limit, s.size - at));
    }
    return {};
}

uint32_t PeImage::Dword(uint32_t rva) const
{
    const auto bytes = Read(rva, 4);
    if (!bytes)
        Malformed("address outside the image");
    return Le32(bytes->data());
}

uint16_t PeImage::Word(uint32_t rva) const
{
    const auto bytes = Read(rva, 2);
    if (!bytes)
        Malformed("address outside the image");
    return Le16(bytes->data());
}

void PeImage::ReadExports(uint32_t rva, uint32_t size)
{
    const auto header = Read(rva, 40);
    if (!header)
        Malformed("export directory outside the image");
    const uint8_t* d = header->data();
    const uint32_t functionCount = Le32(d + 20);
    const uint32_t nameCount = Le32(d + 24);
    const uint32_t functions = Le32(d + 28);
    const uint32_t names = Le32(d + 32);
    const uint32_t ordinals = Le32(d + 36);
    if (nameCount > kMaxExportNames)
        Malformed("too many export names");
    auto at = [](uint32_t base, uint64_t offset) {
        const uint64_t address = base + offset;
        if (address > UINT32_MAX)
            Malformed("export table outside the image");
        return uint32_t(address);
    };
    for (uint32_t i = 0; i < nameCount; ++i) {
        const uint32_t nameRva = Dword(at(names, 4ull * i));
        const uint16_t ordinal = Word(at(ordinals, 2ull * i));
        if (ordinal >= functionCount)
            Malformed("export ordinal out of range");
        const uint32_t functionRva = Dword(at(functions, 4ull * ordinal));
        const std::span<const uint8_t> text = ReadUpTo(nameRva, 256);
        size_t length = 0;
        while (length < text.size() && text[length] != 0)
            ++length;
        if (length == text.size())
            Malformed("export name not terminated");
        // A forwarder points into the export directory: it names another library's function.
        const bool forwarded = functionRva >= rva && uint64_t(functionRva) - rva < size;
        if (!forwarded)
            exports_.emplace(std::string(text.begin(), text.begin() + long(length)), functionRva);
    }
}

void PeImage::ReadResources(uint32_t root)
{
    std::set<uint32_t> visited;
    size_t entriesSeen = 0;
    // Calls `visit(name, offsetToData)` for every entry of the directory at `offset`.
    auto forEachEntry = [&](uint32_t offset, auto&& visit) {
        if (!visited.insert(offset).second)
            Malformed("resource tree loops");
        const uint64_t address = uint64_t(root) + offset;
        if (address > UINT32_MAX)
            Malformed("resource directory outside the image");
        const auto header = Read(uint32_t(address), 16);
        if (!header)
            Malformed("resource directory outside the image");
        const size_t count = size_t(Le16(header->data() + 12)) + Le16(header->data() + 14);
        entriesSeen += count;
        if (entriesSeen > kMaxResourceEntries)
            Malformed("too many resource entries");
        if (address + 16 + 8 * count > UINT32_MAX)
            Malformed("resource directory outside the image");
        const auto entries = Read(uint32_t(address + 16), uint32_t(8 * count));
        if (!entries)
            Malformed("resource directory outside the image");
        for (size_t i = 0; i < count; ++i)
            visit(Le32(entries->data() + 8 * i), Le32(entries->data() + 8 * i + 4));
    };
    auto typeKey = [&](uint32_t name) -> std::string {
        if ((name & kNameBit) == 0)
            return TypeKey(uint16_t(name));
        const uint64_t address = uint64_t(root) + (name & ~kNameBit);
        if (address > UINT32_MAX)
            Malformed("resource name outside the image");
        const uint16_t length = Word(uint32_t(address));
        const auto chars = Read(uint32_t(address + 2), 2u * length);
        if (!chars)
            Malformed("resource name outside the image");
        std::string key;
        for (size_t i = 0; i < length; ++i) {
            const uint16_t c = Le16(chars->data() + 2 * i);
            key += c < 128 ? char(c) : '?';
        }
        return UpperAscii(key);
    };

    forEachEntry(0, [&](uint32_t typeName, uint32_t typeData) {
        if ((typeData & kSubdirectoryBit) == 0)
            Malformed("resource type without a directory");
        auto& byId = resources_[typeKey(typeName)];
        forEachEntry(typeData & ~kSubdirectoryBit, [&](uint32_t idName, uint32_t idData) {
            if ((idData & kSubdirectoryBit) == 0)
                Malformed("resource id without a directory");
            bool first = true;
            forEachEntry(idData & ~kSubdirectoryBit, [&](uint32_t, uint32_t languageData) {
                if (languageData & kSubdirectoryBit)
                    Malformed("resource tree deeper than three levels");
                const uint64_t entry = uint64_t(root) + languageData;
                if (entry > UINT32_MAX)
                    Malformed("resource data entry outside the image");
                const auto data = Read(uint32_t(entry), 16);
                if (!data)
                    Malformed("resource data entry outside the image");
                const uint32_t dataRva = Le32(data->data());
                const uint32_t dataSize = Le32(data->data() + 4);
                if (!Read(dataRva, dataSize))
                    Malformed("resource data outside the image");
                // Resources named by text are never asked for; only integer ids are kept.
                if (first && (idName & kNameBit) == 0)
                    byId.emplace(uint16_t(idName), Location{dataRva, dataSize});
                first = false;
            });
        });
    });
}

std::optional<uint32_t> PeImage::ExportRva(std::string_view name) const
{
    const auto it = exports_.find(name);
    if (it == exports_.end())
        return std::nullopt;
    return it->second;
}

std::optional<std::span<const uint8_t>> PeImage::Resource(uint16_t type, uint16_t id) const
{
    return Resource(std::string_view(TypeKey(type)), id);
}

std::optional<std::span<const uint8_t>> PeImage::Resource(std::string_view typeName, uint16_t id) const
{
    const auto type = resources_.find(typeName.starts_with('#') ? std::string(typeName) : UpperAscii(typeName));
    if (type == resources_.end())
        return std::nullopt;
    const auto entry = type->second.find(id);
    if (entry == type->second.end())
        return std::nullopt;
    return Read(entry->second.rva, entry->second.size);
}

} // namespace vm
