#pragma once
// TqvFileStream: a random-access byte reader over one file that keeps a
// 1024-byte window in memory and refills it, starting exactly at the offset
// asked for, whenever a read falls outside it. Words and longs are built from
// single bytes in the selected byte order. Reading at or past the end of the
// data raises vm::Error("Out of bounds"); so does a negative offset.
//
// The same reader also runs over bytes in memory (tests, fuzzing, benchmarks),
// behaving exactly as over a file holding those bytes.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vm {

class TqvFileStream {
public:
    // Opens `fileName` read-only; throws vm::Error "Cannot open file ..." when it can't.
    explicit TqvFileStream(const std::string& fileName);
    // Reads from `bytes`, which must outlive the stream.
    explicit TqvFileStream(std::span<const uint8_t> bytes);
    virtual ~TqvFileStream();
    TqvFileStream(const TqvFileStream&) = delete;
    TqvFileStream& operator=(const TqvFileStream&) = delete;

    static constexpr int32_t FBufferSize = 1024;

    bool InBuffer(int64_t offset) const;
    void LoadBuffer(int64_t offset);
    // True when the last refill found no data.
    bool Eof() const { return FBufferCount == 0; }

    uint8_t ReadByteAt(int64_t offset)
    {
        // Most reads hit the window; only the others refill or fail.
        const int64_t inWindow = offset - FBufferStart;
        if (offset >= 0 && inWindow >= 0 && inWindow < FBufferCount) {
            FPosition = offset + 1;
            return FBuffer[inWindow];
        }
        return ReadByteRefilling(offset);
    }
    uint8_t ReadByte() { return ReadByteAt(FPosition); }
    char ReadChar() { return char(ReadByte()); }
    uint16_t ReadWord();
    uint32_t ReadLong();
    // Copies up to `count` bytes; stops short only when the window was already empty.
    int32_t ReadBytes(char* destination, int32_t count);

    // Sets the position of the next sequential read; reads nothing.
    virtual void SetPosition(int64_t offset);
    int64_t Position() const { return FPosition; }

    bool BigEndian() const { return FBigEndian; }
    void SetBigEndian(bool bigEndian) { FBigEndian = bigEndian; }

    const std::string& FileName() const { return FFileName; }

private:
    uint8_t ReadByteRefilling(int64_t offset);
    size_t ReadAt(int64_t offset, uint8_t* into, size_t count);

    std::string FFileName;
    int FFile = -1;                    // open file, or -1 when reading memory
    std::span<const uint8_t> FMemory;  // the bytes when reading memory
    uint8_t FBuffer[FBufferSize];
    int64_t FBufferStart = 0;
    int32_t FBufferCount = 0;
    int64_t FPosition = 0;
    bool FBigEndian = true;
};

} // namespace vm
