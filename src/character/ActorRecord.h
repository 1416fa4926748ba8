#pragma once
// Finding and decoding the actor information record of a library without
// running any of its code.
#include "character/PeImage.h"
#include "character/oaTypes.h"

#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace vm {

// The address GetActorInfo returns, read off its machine code. Only the forms a
// compiler emits for "return the address of a static record" are understood
// (mov eax, imm32 / lea eax, [disp32], with or without a stack frame, then ret);
// anything else gives nullopt.
std::optional<uint32_t> ReturnedAddress(std::span<const uint8_t> code);

// The record at relative virtual address `rva`, with all N animation records;
// nullopt when any of it lies outside the image.
std::optional<TActorInfo> ReadActorInfo(const PeImage& image, uint32_t rva);

// Decodes a record from its bytes (header and animation records, packed);
// nullopt when the bytes end early.
std::optional<TActorInfo> DecodeActorInfo(std::span<const uint8_t> bytes);

// A library that passed validation: its image and its record.
struct TActorLibrary {
    std::unique_ptr<PeImage> image;
    TActorInfo record;
};

// Validates the bytes of a library file as opening an actor does: a PE image,
// an exported GetActorInfo in a form we can read, a record inside the image,
// version 200 and at least one animation. nullopt when any of it fails.
std::optional<TActorLibrary> LoadActorLibrary(std::vector<uint8_t> bytes);

} // namespace vm
