#include "util/AtomicFile.h"

#include "util/Error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace vm {

void WriteFileAtomically(const std::string& path, std::string_view bytes)
{
    namespace fs = std::filesystem;
    auto fail = [&](const std::string& what, int err) {
        throw Error("Cannot write \"" + path + "\": " + what + ": " + std::strerror(err));
    };
    std::error_code ec;
    const fs::path target(path);
    if (target.has_parent_path())
        fs::create_directories(target.parent_path(), ec);

    std::string temp = path + ".XXXXXX";
    const int fd = mkstemp(temp.data());
    if (fd < 0)
        fail("cannot create a temporary file", errno);
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int err = errno;
            ::close(fd);
            ::unlink(temp.c_str());
            fail("write failed", err);
        }
        done += size_t(n);
    }
    ::fchmod(fd, 0644);
    if (::fsync(fd) != 0 || ::close(fd) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        fail("flush failed", err);
    }
    if (::rename(temp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(temp.c_str());
        fail("rename failed", err);
    }
}

bool ReadWholeFile(const std::string& path, std::string& bytes)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::ostringstream text;
    text << in.rdbuf();
    bytes = text.str();
    return true;
}

} // namespace vm
