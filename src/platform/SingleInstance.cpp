#include "platform/SingleInstance.h"

#include "platform/Paths.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace vm {

SingleInstance::SingleInstance(const std::string& name)
{
    const std::string path = Paths::RuntimeDir() + "/" + name;
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return;
    }
    fd_ = fd;
}

SingleInstance::~SingleInstance()
{
    if (fd_ >= 0)
        ::close(fd_); // closing drops the lock
}

} // namespace vm
