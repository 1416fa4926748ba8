#pragma once
// Writes a 32-bit Windows DLL that carries an actor: an exported GetActorInfo
// returning the record's address (with a base relocation, so a loader may move
// the image), the record in .data, and the animations and sounds in .rsrc.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vm::builder {

struct PeResource {
    uint16_t typeId = 0;       // used when typeName is empty (RT_RCDATA is 10)
    std::string typeName;      // "WAVE"
    uint16_t id = 0;
    std::vector<uint8_t> data;
};

struct PeLibraryOptions {
    std::string libraryName = "rudiva.dll";
    std::string exportName = "GetActorInfo";
    // Replaces the function's body (mov eax, record; ret) as it stands.
    std::optional<std::vector<uint8_t>> code;
};

struct BuiltLibrary {
    std::vector<uint8_t> bytes;
    uint32_t imageBase = 0;
    uint32_t recordRva = 0;
    uint32_t codeFileOffset = 0;     // GetActorInfo's body
    uint32_t resourceFileOffset = 0; // root directory of the resource tree
    uint32_t resourceRva = 0;
};

BuiltLibrary WriteActorLibrary(const std::vector<uint8_t>& record, const std::vector<PeResource>& resources,
                               const PeLibraryOptions& options = {});

} // namespace vm::builder
