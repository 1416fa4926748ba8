#include "PeWriter.h"

#include <algorithm>
#include <map>

namespace vm::builder {
namespace {

constexpr uint32_t kImageBase = 0x10000000;
constexpr uint32_t kSectionAlignment = 0x1000;
constexpr uint32_t kFileAlignment = 0x200;
constexpr uint32_t kPeOffset = 0x80;
constexpr uint32_t kOptionalHeaderSize = 224;
constexpr uint32_t kSectionHeaderSize = 40;

constexpr uint32_t kCode = 0x60000020;         // code, execute, read
constexpr uint32_t kReadOnlyData = 0x40000040; // initialized data, read
constexpr uint32_t kWritableData = 0xC0000040; // initialized data, read, write
constexpr uint32_t kRelocations = 0x42000040;  // initialized data, discardable, read

uint32_t AlignUp(uint32_t value, uint32_t alignment) { return (value + alignment - 1) / alignment * alignment; }

class Bytes {
public:
    std::vector<uint8_t> data;
    size_t Size() const { return data.size(); }
    void U8(uint8_t v) { data.push_back(v); }
    void U16(uint16_t v) { U8(uint8_t(v)); U8(uint8_t(v >> 8)); }
    void U32(uint32_t v) { U16(uint16_t(v)); U16(uint16_t(v >> 16)); }
    void Append(const std::vector<uint8_t>& more) { data.insert(data.end(), more.begin(), more.end()); }
    void Text(const std::string& s) { data.insert(data.end(), s.begin(), s.end()); U8(0); }
    void PadTo(size_t size) { data.resize(std::max(size, data.size()), 0); }
    void Align(size_t alignment) { PadTo((data.size() + alignment - 1) / alignment * alignment); }
    void Put32(size_t at, uint32_t v) { for (int i = 0; i < 4; ++i) data[at + i] = uint8_t(v >> (8 * i)); }
};

struct Section {
    std::string name;
    std::vector<uint8_t> data;
    uint32_t characteristics;
    uint32_t rva = 0, fileOffset = 0;
};

std::vector<uint8_t> ExportSection(uint32_t base, uint32_t functionRva, const PeLibraryOptions& options)
{
    Bytes b;
    const uint32_t functions = base + 40, names = functions + 4, ordinals = names + 4;
    const uint32_t libraryName = ordinals + 4;
    const uint32_t exportName = libraryName + uint32_t(options.libraryName.size()) + 1;
    b.U32(0);          // characteristics
    b.U32(0);          // time stamp
    b.U32(0);          // version
    b.U32(libraryName);
    b.U32(1);          // ordinal base
    b.U32(1);          // functions
    b.U32(1);          // names
    b.U32(functions);
    b.U32(names);
    b.U32(ordinals);
    b.U32(functionRva);
    b.U32(exportName);
    b.U16(0);
    b.U16(0);          // keeps the strings 4-aligned
    b.Text(options.libraryName);
    b.Text(options.exportName);
    return b.data;
}

// The resource tree: types (named first, then by id), then ids, then one
// language each, then data entries, names and the data itself.
std::vector<uint8_t> ResourceSection(uint32_t base, const std::vector<PeResource>& resources)
{
    std::map<std::string, std::map<uint16_t, const PeResource*>> named;
    std::map<uint16_t, std::map<uint16_t, const PeResource*>> numbered;
    for (const PeResource& r : resources) {
        if (r.typeName.empty())
            numbered[r.typeId].emplace(r.id, &r);
        else
            named[r.typeName].emplace(r.id, &r);
    }
    struct Type {
        std::string name;
        uint16_t id;
        const std::map<uint16_t, const PeResource*>* ids;
    };
    std::vector<Type> types;
    for (const auto& [name, ids] : named)
        types.push_back({name, 0, &ids});
    for (const auto& [id, ids] : numbered)
        types.push_back({"", id, &ids});

    auto directorySize = [](size_t entries) { return uint32_t(16 + 8 * entries); };
    uint32_t at = directorySize(types.size());
    std::vector<uint32_t> typeDirectory;
    for (const Type& t : types) {
        typeDirectory.push_back(at);
        at += directorySize(t.ids->size());
    }
    std::vector<const PeResource*> order;
    std::vector<uint32_t> languageDirectory;
    for (const Type& t : types)
        for (const auto& [id, r] : *t.ids) {
            order.push_back(r);
            languageDirectory.push_back(at);
            at += directorySize(1);
        }
    const uint32_t dataEntries = at;
    at += uint32_t(16 * order.size());
    std::vector<uint32_t> nameAt;
    for (const Type& t : types) {
        nameAt.push_back(at);
        at += uint32_t(2 + 2 * t.name.size());
    }
    at = AlignUp(at, 8);
    std::vector<uint32_t> dataAt;
    for (const PeResource* r : order) {
        dataAt.push_back(at);
        at = AlignUp(at + uint32_t(r->data.size()), 8);
    }

    Bytes b;
    auto directoryHeader = [&](size_t namedCount, size_t idCount) {
        b.U32(0);
        b.U32(0);
        b.U32(0);
        b.U16(uint16_t(namedCount));
        b.U16(uint16_t(idCount));
    };
    directoryHeader(named.size(), numbered.size());
    for (size_t i = 0; i < types.size(); ++i) {
        b.U32(types[i].name.empty() ? types[i].id : 0x80000000u | nameAt[i]);
        b.U32(0x80000000u | typeDirectory[i]);
    }
    size_t next = 0;
    for (const Type& t : types) {
        directoryHeader(0, t.ids->size());
        for (const auto& [id, r] : *t.ids) {
            b.U32(id);
            b.U32(0x80000000u | languageDirectory[next++]);
        }
    }
    for (size_t i = 0; i < order.size(); ++i) {
        directoryHeader(0, 1);
        b.U32(0); // neutral language
        b.U32(dataEntries + uint32_t(16 * i));
    }
    for (size_t i = 0; i < order.size(); ++i) {
        b.U32(base + dataAt[i]);
        b.U32(uint32_t(order[i]->data.size()));
        b.U32(0);
        b.U32(0);
    }
    for (const Type& t : types) {
        b.U16(uint16_t(t.name.size()));
        for (char c : t.name)
            b.U16(uint8_t(c));
    }
    for (size_t i = 0; i < order.size(); ++i) {
        b.PadTo(dataAt[i]);
        b.Append(order[i]->data);
    }
    b.Align(8);
    return b.data;
}

// One HIGHLOW fixup for the address inside GetActorInfo.
std::vector<uint8_t> RelocationSection(uint32_t fixupRva)
{
    Bytes b;
    b.U32(fixupRva & ~0xFFFu);
    b.U32(12);
    b.U16(uint16_t(0x3000 | (fixupRva & 0xFFF)));
    b.U16(0); // padding entry
    return b.data;
}

} // namespace

BuiltLibrary WriteActorLibrary(const std::vector<uint8_t>& record, const std::vector<PeResource>& resources,
                               const PeLibraryOptions& options)
{
    enum { kText, kRdata, kData, kRsrc, kReloc };
    std::vector<Section> sections{
        {".text", {}, kCode},          {".rdata", {}, kReadOnlyData}, {".data", record, kWritableData},
        {".rsrc", {}, kReadOnlyData},  {".reloc", {}, kRelocations},
    };
    const std::vector<uint8_t> defaultCode{0xB8, 0, 0, 0, 0, 0xC3};
    const std::vector<uint8_t>& code = options.code ? *options.code : defaultCode;
    // Contents never change size with their addresses, so lay out once with
    // sizes, then fill in.
    sections[kText].data.assign(code.size(), 0);
    sections[kRdata].data = ExportSection(0, 0, options);
    sections[kRsrc].data = ResourceSection(0, resources);
    sections[kReloc].data = RelocationSection(0);

    const uint32_t headersSize = AlignUp(kPeOffset + 4 + 20 + kOptionalHeaderSize +
                                             kSectionHeaderSize * uint32_t(sections.size()),
                                         kFileAlignment);
    uint32_t rva = kSectionAlignment, fileOffset = headersSize;
    for (Section& s : sections) {
        s.rva = rva;
        s.fileOffset = fileOffset;
        rva = AlignUp(rva + std::max<uint32_t>(1, uint32_t(s.data.size())), kSectionAlignment);
        fileOffset += AlignUp(uint32_t(s.data.size()), kFileAlignment);
    }
    const uint32_t imageSize = rva;

    sections[kText].data = code;
    if (!options.code) {
        const uint32_t address = kImageBase + sections[kData].rva;
        for (int i = 0; i < 4; ++i)
            sections[kText].data[1 + size_t(i)] = uint8_t(address >> (8 * i));
    }
    sections[kRdata].data = ExportSection(sections[kRdata].rva, sections[kText].rva, options);
    sections[kRsrc].data = ResourceSection(sections[kRsrc].rva, resources);
    sections[kReloc].data = RelocationSection(sections[kText].rva + 1);

    Bytes b;
    b.U8('M');
    b.U8('Z');
    b.PadTo(0x3C);
    b.U32(kPeOffset);
    b.PadTo(kPeOffset);
    b.U8('P');
    b.U8('E');
    b.U16(0);
    // File header: i386, sections, no symbols; an executable 32-bit DLL.
    b.U16(0x14C);
    b.U16(uint16_t(sections.size()));
    b.U32(0);
    b.U32(0);
    b.U32(0);
    b.U16(uint16_t(kOptionalHeaderSize));
    b.U16(0x2102);
    // Optional header (PE32).
    const size_t optional = b.Size();
    b.U16(0x10B);
    b.U8(6);
    b.U8(0);
    b.U32(AlignUp(uint32_t(sections[kText].data.size()), kFileAlignment));
    b.U32(0); // initialized data, filled below
    b.U32(0); // uninitialized data
    b.U32(0); // no entry point: the library needs no initialization
    b.U32(sections[kText].rva);
    b.U32(sections[kRdata].rva);
    b.U32(kImageBase);
    b.U32(kSectionAlignment);
    b.U32(kFileAlignment);
    b.U16(4); b.U16(0); // operating system version
    b.U16(0); b.U16(0); // image version
    b.U16(4); b.U16(0); // subsystem version
    b.U32(0);
    b.U32(imageSize);
    b.U32(headersSize);
    b.U32(0);          // checksum
    b.U16(2);          // Windows GUI subsystem
    b.U16(0x0040);     // dynamic base: the relocation lets a loader move it
    b.U32(0x100000); b.U32(0x1000); b.U32(0x100000); b.U32(0x1000); // stack and heap
    b.U32(0);
    b.U32(16);
    const auto directory = [&](const Section* s) {
        b.U32(s ? s->rva : 0);
        b.U32(s ? uint32_t(s->data.size()) : 0);
    };
    for (int i = 0; i < 16; ++i)
        directory(i == 0 ? &sections[kRdata] : i == 2 ? &sections[kRsrc] : i == 5 ? &sections[kReloc] : nullptr);
    uint32_t initialized = 0;
    for (const Section& s : sections) {
        std::string name = s.name;
        name.resize(8, '\0');
        b.data.insert(b.data.end(), name.begin(), name.end());
        b.U32(uint32_t(s.data.size()));
        b.U32(s.rva);
        b.U32(AlignUp(uint32_t(s.data.size()), kFileAlignment));
        b.U32(s.data.empty() ? 0 : s.fileOffset);
        b.U32(0);
        b.U32(0);
        b.U16(0);
        b.U16(0);
        b.U32(s.characteristics);
        if (s.characteristics != kCode)
            initialized += AlignUp(uint32_t(s.data.size()), kFileAlignment);
    }
    b.Put32(optional + 8, initialized);
    for (const Section& s : sections) {
        b.PadTo(s.fileOffset);
        b.Append(s.data);
        b.Align(kFileAlignment);
    }

    BuiltLibrary built;
    built.bytes = std::move(b.data);
    built.imageBase = kImageBase;
    built.recordRva = sections[kData].rva;
    built.codeFileOffset = sections[kText].fileOffset;
    built.resourceFileOffset = sections[kRsrc].fileOffset;
    built.resourceRva = sections[kRsrc].rva;
    return built;
}

} // namespace vm::builder
