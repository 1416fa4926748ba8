#pragma once
// A 32-bit Windows DLL read as plain data: headers, sections, the export
// directory and the resource tree. Nothing in the file is ever executed.
// Every offset and size taken from the file is checked before it is used.
#include "util/Error.h"

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vm {

class EPeFormat : public Error {
public:
    using Error::Error;
};

class PeImage {
public:
    // Reads the headers, the export names and the resource tree; throws
    // EPeFormat when any of them is malformed or points outside the file.
    explicit PeImage(std::vector<uint8_t> file);

    uint32_t ImageBase() const { return imageBase_; }

    // `size` bytes at relative virtual address `rva`, inside one section's
    // data in the file; nullopt when they are not all there.
    std::optional<std::span<const uint8_t>> Read(uint32_t rva, uint32_t size) const;
    // From `rva` to the end of its section's data in the file (at most `limit` bytes).
    std::span<const uint8_t> ReadUpTo(uint32_t rva, uint32_t limit) const;

    // Address of an exported function, by exact name; nullopt when absent or forwarded.
    std::optional<uint32_t> ExportRva(std::string_view name) const;

    // A resource by integer type (RT_RCDATA is 10) or by type name ("WAVE"),
    // and integer id; the first language wins. nullopt when absent.
    std::optional<std::span<const uint8_t>> Resource(uint16_t type, uint16_t id) const;
    std::optional<std::span<const uint8_t>> Resource(std::string_view typeName, uint16_t id) const;

private:
    struct Section {
        uint32_t virtualAddress, size, fileOffset;
    };
    struct Location {
        uint32_t rva, size;
    };
    void ReadHeaders();
    void ReadExports(uint32_t rva, uint32_t size);
    void ReadResources(uint32_t rva);
    uint32_t Dword(uint32_t rva) const;
    uint16_t Word(uint32_t rva) const;

    std::vector<uint8_t> file_;
    std::vector<Section> sections_;
    uint32_t imageBase_ = 0;
    std::map<std::string, uint32_t, std::less<>> exports_;
    // type key ("#10" or an upper-case name) -> integer id -> data
    std::map<std::string, std::map<uint16_t, Location>, std::less<>> resources_;
};

} // namespace vm
