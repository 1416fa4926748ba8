#pragma once
// Finding and decoding the actor information record of a library without
// running any of its code.
#include "character/PeImage.h"
#include "character/oaTypes.h"

#include <optional>
#include <span>

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

} // namespace vm
