#include "metadata/qvFileStream.h"

#include "util/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace vm {

TqvFileStream::TqvFileStream(const std::string& fileName)
    : FFileName(fileName)
{
    FFile = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (FFile < 0)
        throw Error("Cannot open file \"" + fileName + "\". " + std::strerror(errno));
    FBufferCount = int32_t(ReadAt(0, FBuffer, FBufferSize));
}

TqvFileStream::TqvFileStream(std::span<const uint8_t> bytes)
    : FMemory(bytes)
{
    FBufferCount = int32_t(ReadAt(0, FBuffer, FBufferSize));
}

TqvFileStream::~TqvFileStream()
{
    if (FFile >= 0)
        ::close(FFile);
}

size_t TqvFileStream::ReadAt(int64_t offset, uint8_t* into, size_t count)
{
    if (FFile < 0) {
        if (uint64_t(offset) >= FMemory.size())
            return 0;
        const size_t n = std::min(count, FMemory.size() - size_t(offset));
        std::memcpy(into, FMemory.data() + offset, n);
        return n;
    }
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::pread(FFile, into + done, count - done, off_t(offset + int64_t(done)));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break; // a read error counts as the end of the data
        done += size_t(n);
    }
    return done;
}

bool TqvFileStream::InBuffer(int64_t offset) const
{
    return FBufferStart <= offset && offset < FBufferStart + FBufferCount;
}

void TqvFileStream::LoadBuffer(int64_t offset)
{
    if (InBuffer(offset))
        return;
    FBufferStart = offset;
    FBufferCount = int32_t(ReadAt(offset, FBuffer, FBufferSize));
}

uint8_t TqvFileStream::ReadByteRefilling(int64_t offset)
{
    if (offset < 0) // nothing lies before the file: like reading past its end
        throw Error("Out of bounds");
    LoadBuffer(offset);
    if (Eof())
        throw Error("Out of bounds");
    const uint8_t b = FBuffer[offset - FBufferStart];
    FPosition = offset + 1;
    return b;
}

uint16_t TqvFileStream::ReadWord()
{
    const unsigned b1 = ReadByte();
    const unsigned b2 = ReadByte();
    return uint16_t(FBigEndian ? b1 * 256 + b2 : b1 + b2 * 256);
}

uint32_t TqvFileStream::ReadLong()
{
    const uint32_t w1 = ReadWord();
    const uint32_t w2 = ReadWord();
    return FBigEndian ? w1 * 65536u + w2 : w1 + w2 * 65536u;
}

int32_t TqvFileStream::ReadBytes(char* destination, int32_t count)
{
    int32_t copied = 0;
    while (!Eof() && copied < count)
        destination[copied++] = char(ReadByte());
    return copied;
}

void TqvFileStream::SetPosition(int64_t offset)
{
    FPosition = offset;
}

} // namespace vm
